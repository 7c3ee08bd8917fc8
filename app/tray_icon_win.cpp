// The program's icon in the notification area.
#include "app/shell_win.h"

#include <string.h>

#include "render/chart_state.h"
#include "store/records.h"
#include "win/utf8_win.h"

NOTIFYICONDATAW TrayIconData;
char TrayTip[kTrayTipSize];

// The record's tip: the text cut to what it holds, the last place the zero.
static void SetRecordTip(const char* tip) {
    TrayIconData.szTip[0] = 0;
    if (tip != NULL)
        WidenUtf8(tip, TrayIconData.szTip, kTrayTipSize);
}

BOOL AddTrayIcon(HWND window, UINT id, HICON icon, const char* tip) {
    memset(&TrayIconData, 0, sizeof TrayIconData);
    // The second form of the record: a tip of 128 characters, room for the
    // trend's three lines.
    TrayIconData.cbSize = NOTIFYICONDATAW_V2_SIZE;
    TrayIconData.hWnd = window;
    TrayIconData.uID = id;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = WM_USER;
    TrayIconData.hIcon = icon;
    SetRecordTip(tip);
    BOOL added = Shell_NotifyIconW(NIM_ADD, &TrayIconData);
    // The third version keeps the mouse messages as they are and adds the
    // icon's selection with Enter or a click (NIN_KEYSELECT, NIN_SELECT).
    NOTIFYICONDATAW version = TrayIconData;
    version.uVersion = NOTIFYICON_VERSION;
    if (added)
        Shell_NotifyIconW(NIM_SETVERSION, &version);
    return added;
}

BOOL RemoveTrayIcon(HWND, UINT) {
    return Shell_NotifyIconW(NIM_DELETE, &TrayIconData);
}

// After every paint: the tip is worked out again only when what it says
// may have changed, since the trend reads the whole log.
void RefreshTrayTip(HWND) {
    static int32_t shown[4] = {-1, -1, -1, -1};
    const int32_t now[4] = {(int32_t)LogRevision, Options.trend, Settings.weightdatalen,
                            Settings.targetweight};
    if (memcmp(now, shown, sizeof now) == 0)
        return;
    memcpy(shown, now, sizeof shown);
    char tip[kTrayTipSize];
    const int64_t* trend = Options.trend == 1 ? LogTrend() : nullptr;
    FormatTrayTip(tip, sizeof tip, Options.trend, WeightLog, trend, Settings.weightdatalen,
                  Settings.targetweight);
    if (strcmp(tip, TrayTip) == 0)
        return;
    memcpy(TrayTip, tip, sizeof TrayTip);
    SetRecordTip(TrayTip);
    // Only the tip changes. When there is no notification area yet the call
    // fails; "TaskbarCreated" later adds the icon with TrayTip.
    NOTIFYICONDATAW change = TrayIconData;
    change.uFlags = NIF_TIP;
    Shell_NotifyIconW(NIM_MODIFY, &change);
}
