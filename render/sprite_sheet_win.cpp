#include "render/sprite_sheet_win.h"

#include <stdint.h>
#include <string.h>

#include "render/board_objects.h"
#include "render/sprite_sheet.h"

namespace {

// The sheet's pixels while it is put together (top-down, 32 bits), and one
// picture's on its way there.
uint32_t SheetPixels[kSheetWidth * kSheetHeight];
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
    for (int y = 0; y < s.height; y++)
        memcpy(&SheetPixels[y * kSheetWidth + s.x], &PicturePixels[y * s.width],
               sizeof(uint32_t) * s.width);
}

} // namespace

void ComposeSpriteSheet() {
    memset(SheetPixels, 0, sizeof SheetPixels);
    const SheetSlot* slots = SheetSlots();
    for (int i = 0; i < kSheetSpriteCount; i++)
        PlacePicture(slots[i]);
    Board.SpriteSheet = CreateCompatibleBitmap(Board.Backbuffer, kSheetWidth, kSheetHeight);
    if (Board.SpriteSheet == NULL)
        return;
    BITMAPINFO bi = TopDown32(kSheetWidth, kSheetHeight);
    SetDIBits(Board.Backbuffer, Board.SpriteSheet, 0, kSheetHeight, SheetPixels, &bi,
              DIB_RGB_COLORS);
    SelectObject(Board.SpriteSurface, Board.SpriteSheet);
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
