// One board per data folder. The board of a folder holds a small named
// file mapping from before any file is read until its process ends; the
// system frees it with the process, so a board that crashed leaves nothing
// that stops the next start. The mapping also carries the board window's
// handle, so that a second start in the folder can bring that board to the
// front instead of opening another on the same files.
#include "app/board_lock.h"
#include "app/shell_win.h"

enum { kFolderChars = MAX_PATH + 1, kLockNameSize = 64, kPollMs = 100, kWaitMs = 10 * 1000 };

static HANDLE BoardLock;                 // kept open for the whole run
static volatile uint64_t* BoardLockView; // the board window's handle, 0 until it exists

// The current folder as Windows compares paths: "." and ".." resolved,
// short names made long, upper case, no trailing backslash but a root's.
static int DataFolderKey(wchar_t* key) {
    wchar_t folder[kFolderChars];
    DWORD n = GetCurrentDirectoryW(kFolderChars, folder);
    if (n == 0 || n >= kFolderChars)
        return 0;
    n = GetFullPathNameW(folder, kFolderChars, key, NULL);
    if (n == 0 || n >= kFolderChars)
        return 0;
    DWORD m = GetLongPathNameW(key, folder, kFolderChars);
    if (m > 0 && m < kFolderChars) {
        lstrcpynW(key, folder, kFolderChars);
        n = m;
    }
    while (n > 3 && key[n - 1] == L'\\')
        key[--n] = L'\0';
    CharUpperBuffW(key, n);
    return static_cast<int>(n);
}

static int IsBoard(HWND window) {
    wchar_t name[16];
    return window != NULL && IsWindow(window) && GetClassNameW(window, name, 16) > 0 &&
           lstrcmpW(name, L"weighminder") == 0;
}

const wchar_t kBringForwardName[] = L"weighminder-bring-forward";
UINT BringForwardMsg = 0;

void BringBoardForward(HWND window) {
    HWND front = GetLastActivePopup(window);
    SetForegroundWindow(front != NULL ? front : window);
}

// Windows lets the process that was just started give the foreground away;
// the board then takes it.
static void AskToComeForward(HWND board) {
    DWORD pid = 0;
    GetWindowThreadProcessId(board, &pid);
    AllowSetForegroundWindow(pid);
    PostMessageW(board, RegisterWindowMessageW(kBringForwardName), 0, 0);
}

int ClaimDataFolder() {
    wchar_t key[kFolderChars];
    int length = DataFolderKey(key);
    if (length == 0)
        return 1; // a folder that cannot be named is compared with none
    char name[kLockNameSize];
    wchar_t wideName[kLockNameSize];
    BoardLockName(reinterpret_cast<const uint16_t*>(key), length, name, sizeof name);
    for (int i = 0; i < kLockNameSize; i++)
        wideName[i] = static_cast<wchar_t>(name[i]);
    // A board that is still starting has not named its window yet, and one
    // that is closing has none any more: the first is waited for, the
    // second is gone in a moment and its lock with it.
    for (int waited = 0;; waited += kPollMs) {
        HANDLE lock = CreateFileMappingW(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0,
                                         sizeof(uint64_t), wideName);
        if (lock == NULL)
            return 1;
        int taken = GetLastError() == ERROR_ALREADY_EXISTS;
        void* view = MapViewOfFile(lock, FILE_MAP_WRITE | FILE_MAP_READ, 0, 0, sizeof(uint64_t));
        if (!taken) {
            BoardLock = lock;
            BoardLockView = static_cast<volatile uint64_t*>(view);
            return 1;
        }
        HWND other = view != NULL ? reinterpret_cast<HWND>(static_cast<uintptr_t>(
                                        *static_cast<volatile uint64_t*>(view)))
                                  : NULL;
        if (view != NULL)
            UnmapViewOfFile(view);
        CloseHandle(lock);
        if (IsBoard(other)) {
            AskToComeForward(other);
            return 0;
        }
        if (waited >= kWaitMs)
            return 0;
        Sleep(kPollMs);
    }
}

void PublishBoardWindow(HWND window) {
    if (BoardLockView != NULL)
        *BoardLockView = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
}
