// The DPI a window is shown at, and lengths at it. Win32 only; the
// arithmetic is win/dpi.h's.
#pragma once
#include <windows.h>

#include "win/dpi.h"

// Asked of the newest interface the system has, each looked up at run time
// so that the program still starts on Windows 7: the window's own DPI
// (Windows 10), its monitor's (Windows 8.1), else the screen's.
UINT WindowDpi(HWND window);

// A length in pixels at 96 DPI, at the given DPI.
int ScaleToDpi(int pixels, UINT dpi);

// The frame that the system gives a window of this one's styles at a DPI:
// its width and height. 0 where the system cannot say (before Windows 10).
int SystemFrameAtDpi(HWND window, UINT dpi, POINT* frame);
