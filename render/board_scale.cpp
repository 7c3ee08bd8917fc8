#include "render/board_scale.h"

namespace {

int32_t Within(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}

// Rounds a quotient of non-negative numbers up.
int32_t DivideUp(int32_t value, int32_t divisor) {
    return value / divisor + (value % divisor != 0);
}

} // namespace

int32_t BoardScaleForDpi(int32_t dpi, int32_t roomWidth, int32_t roomHeight) {
    if (dpi <= 0)
        return 1;
    int32_t scale = dpi / kPlainDpi + (dpi % kPlainDpi >= kPlainDpi / 2);
    int32_t fitting = roomWidth / kBoardPixelsWide;
    if (roomHeight / kBoardPixelsHigh < fitting)
        fitting = roomHeight / kBoardPixelsHigh;
    if (scale > fitting)
        scale = fitting;
    return scale < 1 ? 1 : scale;
}

uint32_t BoardParamFromWindow(uint32_t lParam, int32_t scale) {
    if (scale <= 1)
        return lParam;
    uint32_t x = (lParam & 0xFFFFu) / static_cast<uint32_t>(scale);
    uint32_t y = ((lParam >> 16) & 0xFFFFu) / static_cast<uint32_t>(scale);
    return x | y << 16;
}

ScaleRect BoardRectCovering(ScaleRect window, int32_t scale) {
    if (scale < 1)
        scale = 1;
    ScaleRect board;
    board.left = Within(window.left, 0, kBoardPixelsWide * scale) / scale;
    board.top = Within(window.top, 0, kBoardPixelsHigh * scale) / scale;
    board.right = DivideUp(Within(window.right, 0, kBoardPixelsWide * scale), scale);
    board.bottom = DivideUp(Within(window.bottom, 0, kBoardPixelsHigh * scale), scale);
    return board;
}

ScaleSize BoardWindowSize(int32_t scale, int32_t frameX, int32_t frameY) {
    ScaleSize size = {kBoardPixelsWide * scale + 2 * frameX, kBoardPixelsHigh * scale + 2 * frameY};
    return size;
}

ScalePoint FrameAtDpi(ScalePoint measured, ScalePoint systemThen, ScalePoint systemNow) {
    ScalePoint frame = {measured.x + systemNow.x - systemThen.x,
                        measured.y + systemNow.y - systemThen.y};
    return frame;
}

ScalePoint BoardOriginOnScreen(ScalePoint saved, ScaleSize window, int32_t screenWidth,
                               int32_t screenHeight) {
    // As the settings reader keeps the plain board on the screen: the left
    // and top edges first, then the right and bottom ones.
    ScalePoint p = saved;
    if (p.x < 0)
        p.x = 0;
    if ((int64_t)p.x + window.width > screenWidth)
        p.x = screenWidth - window.width;
    if (p.y < 0)
        p.y = 0;
    if ((int64_t)p.y + window.height > screenHeight)
        p.y = screenHeight - window.height;
    return p;
}
