// Drives and watches a running weighminder from outside, for the long-run
// test: real paints, mouse moves, span clicks and dialog openings sent to
// its board window, and its resources read between the rounds.
//
//   wm_long_run_probe measure        one line of figures (below)
//   wm_long_run_probe paint <n>      n full repaints (invalidate + WM_PAINT)
//   wm_long_run_probe move <n>       n mouse moves over the chart
//   wm_long_run_probe click <n>      n clicks, plus and minus in turn
//   wm_long_run_probe hold <file> <ms>  keeps the file open, unshared
//   wm_long_run_probe dialogs <n> [k] n openings of the three dialogs in
//                                    turn (or only dialog 0, 1 or 2), each
//                                    closed with Cancel
//
// measure prints: pid (hex, as Wine's debug output names it), the counts
// GetGuiResources gives for GDI and USER objects, the process's windows
// (top-level and child), its kernel handles, and its working set and
// private bytes in KiB.
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "res/resource.h"

namespace {

enum { kDialogWaitMs = 5000, kWindowManagerMs = 60 };

HWND FindBoard() {
    return FindWindowW(L"weighminder", nullptr);
}

struct WindowCount {
    DWORD pid;
    int windows;
    HWND dialog; // a visible dialog of the process, if any
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    reinterpret_cast<WindowCount*>(data)->windows++;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    WindowCount* count = reinterpret_cast<WindowCount*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != count->pid)
        return TRUE;
    count->windows++;
    EnumChildWindows(window, CountChild, data);
    wchar_t name[16];
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && wcscmp(name, L"#32770") == 0)
        count->dialog = window;
    return TRUE;
}

WindowCount CountWindows(DWORD pid) {
    WindowCount count = {pid, 0, nullptr};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

int Measure(HWND board) {
    DWORD pid = 0;
    GetWindowThreadProcessId(board, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return 1;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    printf("pid=%04lx gdi_api=%lu user_api=%lu windows=%d handles=%lu ws_kb=%lu private_kb=%lu "
           "pagefile_kb=%lu\n",
           pid, GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
           CountWindows(pid).windows, handles, (unsigned long)(memory.WorkingSetSize / 1024),
           (unsigned long)(memory.PrivateUsage / 1024),
           (unsigned long)(memory.PagefileUsage / 1024));
    CloseHandle(process);
    return 0;
}

void Paint(HWND board, int n) {
    for (int i = 0; i < n; i++) {
        InvalidateRect(board, nullptr, FALSE);
        SendMessageW(board, WM_PAINT, 0, 0);
    }
}

void Move(HWND board, int n) {
    // Back and forth over the chart (x 5..129, y 3..69), and now and then
    // off it, so the read-out comes and goes.
    for (int i = 0; i < n; i++) {
        int x = i % 150, y = 3 + i * 7 % 67;
        SendMessageW(board, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
}

void Click(HWND board, int n) {
    for (int i = 0; i < n; i++) {
        LPARAM at = i % 2 ? MAKELPARAM(40, 85) : MAKELPARAM(80, 85); // minus, plus
        SendMessageW(board, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(board, WM_LBUTTONUP, 0, at);
    }
}

// Waits for the dialog to show (want = 1) or to be gone (want = 0).
HWND WaitDialog(DWORD pid, int want) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kDialogWaitMs; Sleep(5)) {
        HWND dialog = CountWindows(pid).dialog;
        if ((dialog != nullptr) == (want != 0))
            return dialog ? dialog : HWND_MESSAGE;
    }
    return nullptr;
}

int Dialogs(HWND board, int n, int only) {
    static const int kCommands[] = {ID_CMD_WEIGHT_ENTRY, ID_CMD_SETTINGS, ID_CMD_DATA_EDIT};
    DWORD pid = 0;
    GetWindowThreadProcessId(board, &pid);
    for (int i = 0; i < n; i++) {
        DWORD opened = GetTickCount();
        PostMessageW(board, WM_COMMAND, kCommands[only >= 0 ? only % 3 : i % 3], 0);
        HWND dialog = WaitDialog(pid, 1);
        if (!dialog) {
            fprintf(stderr, "dialog %d did not open\n", i);
            return 1;
        }
        DWORD shown = GetTickCount();
        // Closed at once, a dialog the window manager has not taken in yet
        // makes Wine wait two seconds for it to let go when it is unmapped.
        Sleep(kWindowManagerMs);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        HWND gone = WaitDialog(pid, 0);
        if (getenv("WM_PROBE_TIMES"))
            fprintf(stderr, "dialog %d: shown at %lu ms, closed %lu ms later\n", i, shown - opened,
                    GetTickCount() - shown);
        if (!gone) {
            fprintf(stderr, "dialog %d did not close\n", i);
            return 1;
        }
    }
    return 0;
}

} // namespace

// Holds a file open without sharing, as a backup tool or virus scanner
// might; prints "held" once it has it.
int Hold(const char* name, int ms) {
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_UTF8, 0, name, -1, path, MAX_PATH);
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    printf("held\n");
    fflush(stdout);
    Sleep(ms);
    CloseHandle(file);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 4 && strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], atoi(argv[3]));
    HWND board = FindBoard();
    if (argc < 2 || !board) {
        fprintf(stderr, "no board window, or no command\n");
        return 2;
    }
    int n = argc > 2 ? atoi(argv[2]) : 0;
    if (strcmp(argv[1], "measure") == 0)
        return Measure(board);
    if (strcmp(argv[1], "paint") == 0)
        Paint(board, n);
    else if (strcmp(argv[1], "move") == 0)
        Move(board, n);
    else if (strcmp(argv[1], "click") == 0)
        Click(board, n);
    else if (strcmp(argv[1], "dialogs") == 0)
        return Dialogs(board, n, argc > 3 ? atoi(argv[3]) : -1);
    else
        return 2;
    return 0;
}
