#include "win/dpi_win.h"

#include "win/entry_win.h"
#include "win/system_library_win.h"

namespace {

typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef HRESULT(WINAPI* DpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
typedef BOOL(WINAPI* AdjustForDpiFn)(RECT*, DWORD, BOOL, DWORD, UINT);

enum { kEffectiveDpi = 0 }; // MDT_EFFECTIVE_DPI

UINT ScreenDpi() {
    HDC screen = GetDC(NULL);
    int dpi = screen != NULL ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != NULL)
        ReleaseDC(NULL, screen);
    return static_cast<UINT>(dpi > 0 ? dpi : static_cast<int>(kPlainDpi));
}

} // namespace

UINT WindowDpi(HWND window) {
    static DpiForWindowFn forWindow =
        FindEntry<DpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (forWindow != NULL) {
        UINT dpi = forWindow(window);
        if (dpi != 0)
            return dpi;
    }
    // shcore is loaded only on a system without GetDpiForWindow.
    static DpiForMonitorFn forMonitor =
        forWindow != NULL
            ? NULL
            : FindEntry<DpiForMonitorFn>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor != NULL &&
        forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y) ==
            S_OK &&
        y != 0)
        return y;
    return ScreenDpi();
}

int ScaleToDpi(int pixels, UINT dpi) {
    return PixelsAtDpi(pixels, static_cast<int>(dpi));
}

int SystemFrameAtDpi(HWND window, UINT dpi, POINT* frame) {
    static AdjustForDpiFn adjust =
        FindEntry<AdjustForDpiFn>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    RECT outer = {0, 0, 0, 0};
    if (adjust == NULL ||
        !adjust(&outer, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), dpi))
        return 0;
    frame->x = -outer.left;
    frame->y = -outer.top;
    return 1;
}
