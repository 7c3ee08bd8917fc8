#pragma once
#include <windows.h>

// The board window's WM_PAINT handler: redraws the whole board off screen and
// copies the invalid rectangle to the window.
int PaintBoard(HWND window);

// Copies the board's pixels under a rectangle of the window to it, each board
// pixel enlarged to a block of BoardScale x BoardScale window pixels.
void CopyBoardToWindow(HDC dc, const RECT& windowRect);
