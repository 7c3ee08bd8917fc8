// The program's icon in the notification area.
#include "app/shell_win.h"

#include <string.h>

NOTIFYICONDATAW TrayIconData;
char TrayTip[kTrayTipSize];

BOOL AddTrayIcon(HWND window, UINT id, HICON icon, const char* tip) {
    memset(&TrayIconData, 0, sizeof TrayIconData);
    TrayIconData.cbSize = NOTIFYICONDATAW_V1_SIZE;
    TrayIconData.hWnd = window;
    TrayIconData.uID = id;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = WM_USER;
    TrayIconData.hIcon = icon;
    if (tip != NULL) {
        // The first-form record holds 64 characters of tip, the last one the zero.
        MultiByteToWideChar(CP_UTF8, 0, tip, -1, TrayIconData.szTip, 64);
        TrayIconData.szTip[63] = 0;
    }
    return Shell_NotifyIconW(NIM_ADD, &TrayIconData);
}

BOOL RemoveTrayIcon(HWND, UINT) {
    return Shell_NotifyIconW(NIM_DELETE, &TrayIconData);
}
