// The board at any display scale. It is always painted at 250 x 100 board
// pixels and shown enlarged by a whole factor, the board scale k: every board
// pixel becomes a k x k block of its own colour on screen, so the chalk stays
// crisp and the colour key stays exact. Portable.
#pragma once
#include <stdint.h>

#include "win/dpi.h"

enum { kBoardPixelsWide = 250, kBoardPixelsHigh = 100 };

struct ScaleRect {
    int32_t left, top, right, bottom;
};
struct ScaleSize {
    int32_t width, height;
};
struct ScalePoint {
    int32_t x, y;
};

// The board scale for a window's DPI: the nearest whole number to dpi / 96,
// a half rounded up (150 % shows the board at 2x), never below 1, and never
// so large that the board outgrows the room given (the screen less the frame).
int32_t BoardScaleForDpi(int32_t dpi, int32_t roomWidth, int32_t roomHeight);

// A mouse message's lParam in window pixels made one in board pixels: x and
// y, each the unsigned 16 bits the message carries, divided by the scale.
uint32_t BoardParamFromWindow(uint32_t lParam, int32_t scale);

// The board pixels whose blocks cover a rectangle of the window (a paint's
// invalid rectangle): rounded outwards to whole blocks, kept on the board.
ScaleRect BoardRectCovering(ScaleRect window, int32_t scale);

// The window's outer size: the enlarged board inside the dialog frame.
ScaleSize BoardWindowSize(int32_t scale, int32_t frameX, int32_t frameY);

// The dialog frame at another DPI: the frame measured on the window, grown or
// shrunk by as much as the system's own frame for the window's styles grows
// or shrinks from the DPI it was measured at to the new one. Measured, not
// computed, so that where the DPI stays the frame is exactly what it is.
ScalePoint FrameAtDpi(ScalePoint measured, ScalePoint systemThen, ScalePoint systemNow);

// Where the board's top-left corner goes so that the window of the given
// outer size lies on the screen, from the position saved in the settings.
ScalePoint BoardOriginOnScreen(ScalePoint saved, ScaleSize window, int32_t screenWidth,
                               int32_t screenHeight);
