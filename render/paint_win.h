#pragma once
#include <windows.h>

// The board window's WM_PAINT handler: redraws the whole board off screen and
// copies the invalid rectangle to the window.
int PaintBoard(HWND window);
