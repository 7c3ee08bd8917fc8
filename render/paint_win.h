#pragma once
#include <windows.h>

#include "render/board_plan.h"

// The board window's WM_PAINT handler: redraws the whole board off screen and
// copies the invalid rectangle to the window.
int PaintBoard(HWND window);

// Copies the board's pixels under a rectangle of the window to it, each board
// pixel enlarged to a block of BoardScale x BoardScale window pixels.
void CopyBoardToWindow(HDC dc, const RECT& windowRect);

// What the last paint read and drew (painted is false before the first).
// The painter writes nothing else but PaintedHoverX, the cleared HoverActive
// and its drawing objects: whoever needs the date shown or the words for a
// screen reader takes them from here.
struct PaintRecord {
    bool painted;
    BoardState state;
    BoardPlan plan;
};
const PaintRecord& LastPaint();
