/* What the end-to-end tests cannot see or do from X, done inside Wine:
     probe hold FILE SECONDS   holds FILE open with no sharing, then exits
     probe style               prints the board's extended window style
     probe tray                prints 1 when the board's icon 101 is in the tray
     probe untray              takes that icon out, as a dying taskbar does
     probe taskbar             broadcasts "TaskbarCreated", as a new taskbar does
     probe paint N             has the board repaint itself N times
     probe item ID [click]     prints "enabled ticked" of a control of the
                               board's open dialog, clicking it first */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static BOOL Tray(HWND board, DWORD what) {
    NOTIFYICONDATAW icon;
    ZeroMemory(&icon, sizeof icon);
    icon.cbSize = sizeof icon;
    icon.hWnd = board;
    icon.uID = 101;
    return Shell_NotifyIconW(what, &icon);
}

int main(int argc, char** argv) {
    HWND board = FindWindowW(L"weighminder", L"weighminder");
    const char* verb = argc > 1 ? argv[1] : "";
    if (argc == 4 && strcmp(verb, "hold") == 0) {
        HANDLE f = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0,
                               NULL);
        if (f == INVALID_HANDLE_VALUE)
            return 1;
        printf("held\n");
        fflush(stdout);
        Sleep(atoi(argv[3]) * 1000);
        CloseHandle(f);
    } else if (argc == 2 && strcmp(verb, "style") == 0 && board) {
        printf("%08lx\n", (unsigned long)GetWindowLongW(board, GWL_EXSTYLE));
    } else if (argc == 2 && strcmp(verb, "tray") == 0 && board) {
        printf("%d\n", Tray(board, NIM_MODIFY) ? 1 : 0);
    } else if (argc == 2 && strcmp(verb, "untray") == 0 && board) {
        return Tray(board, NIM_DELETE) ? 0 : 1;
    } else if (argc == 2 && strcmp(verb, "taskbar") == 0) {
        PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    } else if (argc == 3 && strcmp(verb, "paint") == 0 && board) {
        for (int i = atoi(argv[2]); i > 0; i--)
            RedrawWindow(board, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } else if (argc >= 3 && strcmp(verb, "item") == 0 && board) {
        HWND item = GetDlgItem(GetLastActivePopup(board), atoi(argv[2]));
        if (!item)
            return 1;
        if (argc == 4)
            SendMessageW(item, BM_CLICK, 0, 0);
        printf("%d %d\n", IsWindowEnabled(item) ? 1 : 0,
               SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else {
        return 2;
    }
    return 0;
}
