#include "render/sprite_sheet_win.h"

#include "render/board_objects.h"
#include "render/sprite_sheet.h"

void ComposeSpriteSheet() {
    Board.SpriteSheet = CreateCompatibleBitmap(Board.Backbuffer, SheetWidth(), SheetHeight());
    if (Board.SpriteSheet == NULL)
        return;
    SelectObject(Board.SpriteSurface, Board.SpriteSheet);
    // The Backbuffer holds each picture in turn while it is copied.
    HGDIOBJ canvas = GetCurrentObject(Board.Backbuffer, OBJ_BITMAP);
    const SheetSlot* slots = SheetSlots();
    for (int i = 0; i < kSheetSpriteCount; i++) {
        const SheetSlot& s = slots[i];
        HBITMAP picture = Picture(s.id);
        if (picture == NULL)
            continue;
        SelectObject(Board.Backbuffer, picture);
        BitBlt(Board.SpriteSurface, s.x, 0, s.width, s.height, Board.Backbuffer, 0, 0, SRCCOPY);
    }
    SelectObject(Board.Backbuffer, canvas);
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
