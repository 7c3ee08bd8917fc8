// Drives and watches a running weighminder for the end-to-end tests: measure (windows=,
// private_kb=), paint|move|click|dialogs N (N messages, or N dialogs opened and cancelled), hold
// FILE MS (unshared), style (extended), tray (1 while icon 101 is there), untray, taskbar
// (broadcasts "TaskbarCreated"), item ID [click|kana] ("enabled ticked" of an open dialog's
// control, after a click or after "55.5" and 42 kana are typed into it), front (the left edge
// of the foreground window), access (the board's accessible object: "role|name|value", UTF-8),
// watch MS (value changes it announces meanwhile), load DLL (0 once loaded), menu (1 while a
// popup menu is shown), text TEXT (the white pixels "x,y" of TEXT drawn as the board draws its
// read-out).
#include <windows.h>
#include <oleacc.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "res/resource.h"

namespace {

DWORD Pid;
int WindowCount;
HWND Dialog; // a visible dialog of the process

// Counts the process's windows, top-level and child, and finds its dialog.
BOOL CALLBACK Count(HWND window, LPARAM child) {
    DWORD pid = 0;
    char name[16];
    GetWindowThreadProcessId(window, &pid);
    WindowCount += pid == Pid;
    if (pid == Pid && !child) {
        EnumChildWindows(window, Count, 1);
        if (IsWindowVisible(window) && GetClassNameA(window, name, 16) && !strcmp(name, "#32770"))
            Dialog = window;
    }
    return TRUE;
}

// Surveys the windows until a dialog is shown (want 1) or gone (want 0), 5 s at most.
bool Survey(int want) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(5)) {
        WindowCount = 0;
        Dialog = nullptr;
        EnumWindows(Count, 0);
        if (want < 0 || (Dialog != nullptr) == (want == 1))
            return true;
    }
    return false;
}

int Changes;
void CALLBACK CountChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    Changes += window == FindWindowA("weighminder", nullptr) && object == OBJID_CLIENT && !child;
}

// The value changes announced within ms milliseconds, after "ready".
int WatchChanges(DWORD ms) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE,
                                         nullptr, CountChange, Pid, 0, WINEVENT_OUTOFCONTEXT);
    printf("ready\n");
    fflush(stdout);
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(5)) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&m);
    }
    printf("%d\n", Changes);
    return !UnhookWinEvent(hook);
}

// What a screen reader reads of the board, through the system's own route to it.
int PrintAccessible(HWND board) {
    IAccessible* object = nullptr;
    VARIANT self = {}, role = {};
    self.vt = VT_I4;
    BSTR name = nullptr, value = nullptr;
    CoInitialize(nullptr);
    if (FAILED(AccessibleObjectFromWindow(board, (DWORD)OBJID_CLIENT, IID_IAccessible,
                                          (void**)&object)) ||
        object->get_accRole(self, &role) != S_OK || object->get_accName(self, &name) != S_OK ||
        object->get_accValue(self, &value) != S_OK)
        return 1;
    wchar_t wide[512];
    int n = swprintf(wide, 512, L"%ld|%ls|%ls\n", role.lVal, name, value);
    char text[1536];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, n, text, sizeof text, nullptr, nullptr);
    fwrite(text, 1, bytes, stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    int n = argc > 2 ? atoi(argv[2]) : 0;
    if (argc == 4 && !strcmp(command, "hold")) {
        HANDLE file = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        printf(file == INVALID_HANDLE_VALUE ? "failed\n" : "held\n");
        fflush(stdout);
        Sleep(atoi(argv[3]));
        return 0;
    }
    if (!strcmp(command, "front")) {
        RECT frame = {};
        GetWindowRect(GetForegroundWindow(), &frame);
        printf("%ld\n", frame.left);
        return 0;
    }
    if (argc == 3 && !strcmp(command, "load")) {
        HMODULE dll = LoadLibraryA(argv[2]); // kept loaded: the test looks for its marker
        return dll == nullptr;
    }
    if (argc == 3 && !strcmp(command, "text")) {
        BITMAPINFO bits = {{sizeof bits.bmiHeader, 250, -30, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        HDC dc = CreateCompatibleDC(nullptr);
        UINT32* pixels = nullptr;
        SelectObject(dc, CreateDIBSection(dc, &bits, DIB_RGB_COLORS, (void**)&pixels, nullptr, 0));
        SelectObject(dc, CreateFontW(10, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                     FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック"));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutA(dc, 25, 10, argv[2], (int)strlen(argv[2]));
        GdiFlush();
        for (int i = 0; pixels && i < 250 * 30; i++)
            if ((pixels[i] & 0xffffff) == 0xffffff)
                printf("%d,%d ", i % 250, i / 250);
        return 0;
    }
    if (!strcmp(command, "menu"))
        printf("%d\n", IsWindowVisible(FindWindowA("#32768", nullptr)));
    if (!strcmp(command, "taskbar"))
        return !PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    HWND board = FindWindowA("weighminder", nullptr);
    if (!board)
        return 2;
    GetWindowThreadProcessId(board, &Pid);
    if (!strcmp(command, "access"))
        return PrintAccessible(board);
    if (!strcmp(command, "watch"))
        return WatchChanges(n);
    if (!strcmp(command, "style"))
        printf("%08lx\n", (unsigned long)GetWindowLongW(board, GWL_EXSTYLE));
    if (!strcmp(command, "tray") || !strcmp(command, "untray")) {
        NOTIFYICONDATAW icon = {};
        icon.cbSize = sizeof icon;
        icon.hWnd = board;
        icon.uID = 101;
        printf("%d\n", !!Shell_NotifyIconW(command[0] == 't' ? NIM_MODIFY : NIM_DELETE, &icon));
    }
    if (!strcmp(command, "item")) {
        HWND item = GetDlgItem(GetLastActivePopup(board), n);
        wchar_t kana[47] = L"55.5"; // and 42 kana: 130 bytes in UTF-8
        for (int i = 4; i < 46; i++)
            kana[i] = 0x3042;
        if (item && argc > 3)
            SendMessageW(item, strcmp(argv[3], "kana") ? BM_CLICK : WM_SETTEXT, 0, (LPARAM)kana);
        printf("%d %d\n", item && IsWindowEnabled(item),
               item && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
    static const WPARAM kDialogs[] = {ID_CMD_WEIGHT_ENTRY, ID_CMD_SETTINGS, ID_CMD_DATA_EDIT};
    for (int i = 0; i < n; i++) {
        LPARAM at = MAKELPARAM(i % 2 ? 40 : 80, 85);
        if (!strcmp(command, "paint")) {
            InvalidateRect(board, nullptr, FALSE);
            SendMessageA(board, WM_PAINT, 0, 0);
        } else if (!strcmp(command, "move")) {
            SendMessageA(board, WM_MOUSEMOVE, 0, MAKELPARAM(i % 150, 3 + i * 7 % 67));
        } else if (!strcmp(command, "click")) {
            SendMessageA(board, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageA(board, WM_LBUTTONUP, 0, at);
        } else if (!strcmp(command, "dialogs")) {
            PostMessageA(board, WM_COMMAND, kDialogs[i % 3], 0);
            bool shown = Survey(1);
            Sleep(60); // one closed before the window manager took it in: Wine waits 2 s
            if (!shown || !PostMessageA(Dialog, WM_COMMAND, IDCANCEL, 0) || !Survey(0))
                return 1; // it did not open and close
        }
    }
    if (!strcmp(command, "measure")) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, Pid);
        PROCESS_MEMORY_COUNTERS memory = {};
        if (!GetProcessMemoryInfo(process, &memory, sizeof memory))
            return 1;
        Survey(-1);
        printf("windows=%d private_kb=%lu\n", WindowCount,
               (unsigned long)(memory.PagefileUsage / 1024));
    }
    return 0;
}
