// The sprite sheet: every picture a paint copies (the chalk glyphs with their
// masks, the buttons, the date column, weekdays, BMI label and faces) side by
// side in one bitmap, composed once at start-up from the loaded pictures. The
// sheet stays selected in the SpriteSurface, so a paint copies each sprite
// from its place there without selecting a bitmap per copy. Portable.
#pragma once
#include <stdint.h>

struct SheetSlot {
    int32_t id; // bitmap resource id
    int32_t x;  // left edge in the sheet; every sprite's top is row 0
    int32_t width;
    int32_t height;
};

// The sheet's size: the sprites' widths added up, and the tallest (the date
// column, which is also the largest).
enum {
    kSheetSpriteCount = 45,
    kSheetWidth = 803,
    kSheetHeight = 51,
    kSheetLargestSprite = 27 * 51, // pixels
};

// The sprites in sheet order, each to the right of the one before.
const SheetSlot* SheetSlots();

// The slot of a resource id; NULL for a picture that is not on the sheet.
const SheetSlot* FindSheetSlot(int32_t id);
