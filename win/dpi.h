// DPI arithmetic shared by the board and the dialogs, portable: the Win32
// half (win/dpi_win.h) asks the system for a window's DPI.
#pragma once

enum { kPlainDpi = 96 };

// A length in pixels at 96 DPI, at another DPI, rounded to the nearest (a
// half away from zero); a DPI of 0 or less counts as 96.
inline int PixelsAtDpi(int pixels, int dpi) {
    if (dpi <= 0)
        dpi = kPlainDpi;
    long long scaled = (long long)pixels * dpi;
    return (int)(scaled >= 0 ? (scaled + kPlainDpi / 2) / kPlainDpi
                             : -((-scaled + kPlainDpi / 2) / kPlainDpi));
}
