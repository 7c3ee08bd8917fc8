#include "render/sprite_sheet_win.h"

#include <stdint.h>

#include "render/board_objects.h"
#include "render/sprite_sheet.h"

namespace {

// One picture's pixels on their way to the sheet (top-down, 32 bits).
uint32_t PicturePixels[kSheetLargestSprite];

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// Reads a picture's pixels without selecting it into a surface, which is
// slow on some systems (Wine) the first time a bitmap is selected.
void PlacePicture(const SheetSlot& s) {
    HBITMAP picture = Picture(s.id);
    if (picture == NULL)
        return;
    BITMAPINFO bi = TopDown32(s.width, s.height);
    if (GetDIBits(Board.Backbuffer, picture, 0, s.height, PicturePixels, &bi, DIB_RGB_COLORS) !=
        s.height)
        return;
    SetDIBitsToDevice(Board.SpriteSurface, s.x, 0, s.width, s.height, 0, 0, 0, s.height,
                      PicturePixels, &bi, DIB_RGB_COLORS);
}

} // namespace

void ComposeSpriteSheet() {
    Board.SpriteSheet = CreateCompatibleBitmap(Board.Backbuffer, kSheetWidth, kSheetHeight);
    if (Board.SpriteSheet == NULL)
        return;
    SelectObject(Board.SpriteSurface, Board.SpriteSheet);
    const SheetSlot* slots = SheetSlots();
    for (int i = 0; i < kSheetSpriteCount; i++)
        PlacePicture(slots[i]);
}

void CopySprite(int id, int x, int y, int width, int height) {
    const SheetSlot* s = FindSheetSlot(id);
    if (s == nullptr)
        return;
    BitBlt(Board.Backbuffer, x, y, width < s->width ? width : s->width,
           height < s->height ? height : s->height, Board.SpriteSurface, s->x, 0, SRCCOPY);
}

void StretchSprite(int id, int x, int y, int width, int height, DWORD rop) {
    const SheetSlot* s = FindSheetSlot(id);
    if (s == nullptr)
        return;
    StretchBlt(Board.Backbuffer, x, y, width, height, Board.SpriteSurface, s->x, 0, s->width,
               s->height, rop);
}
