#include "render/sprite_sheet.h"

#include "render/number_layout.h"
#include "res/resource.h"

namespace {

struct SpriteSize {
    int32_t id;
    int32_t width;
    int32_t height;
};

constexpr SpriteSize kSprites[kSheetSpriteCount] = {
    {IDB_DIGIT_0, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_1, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_2, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_3, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_4, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_5, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_6, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_7, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_8, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_9, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_0_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_1_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_2_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_3_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_4_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_5_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_6_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_7_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_8_MASK, kDigitWidth, kDigitHeight},
    {IDB_DIGIT_9_MASK, kDigitWidth, kDigitHeight},
    {IDB_POINT, kPointSize, kPointSize},
    {IDB_POINT_MASK, kPointSize, kPointSize},
    {IDB_UNIT, kUnitWidth, kUnitHeight},
    {IDB_UNIT_MASK, kUnitWidth, kUnitHeight},
    {IDB_PLUS, kDigitWidth, kDigitHeight},
    {IDB_PLUS_MASK, kDigitWidth, kDigitHeight},
    {IDB_MINUS, kDigitWidth, kDigitHeight},
    {IDB_MINUS_MASK, kDigitWidth, kDigitHeight},
    {IDB_PLUS_BUTTON, 16, 16},
    {IDB_MINUS_BUTTON, 16, 16},
    {IDB_DATE_COLUMN, 27, 51},
    {IDB_WEEKDAY_SUN, 11, 13},
    {IDB_WEEKDAY_MON, 11, 13},
    {IDB_WEEKDAY_TUE, 11, 13},
    {IDB_WEEKDAY_WED, 11, 13},
    {IDB_WEEKDAY_THU, 11, 13},
    {IDB_WEEKDAY_FRI, 11, 13},
    {IDB_WEEKDAY_SAT, 11, 13},
    {IDB_BMI_LABEL, 31, 19},
    {IDB_FACE_0, 30, 28},
    {IDB_FACE_1, 30, 28},
    {IDB_FACE_2, 30, 28},
    {IDB_FACE_3, 30, 28},
    {IDB_FACE_4, 30, 28},
    {IDB_FACE_5, 30, 28},
};

constexpr int32_t TotalWidth() {
    int32_t width = 0;
    for (const SpriteSize& s : kSprites)
        width += s.width;
    return width;
}

constexpr int32_t Tallest() {
    int32_t height = 0;
    for (const SpriteSize& s : kSprites)
        height = s.height > height ? s.height : height;
    return height;
}

constexpr int32_t LargestArea() {
    int32_t area = 0;
    for (const SpriteSize& s : kSprites)
        area = s.width * s.height > area ? s.width * s.height : area;
    return area;
}

static_assert(LargestArea() == kSheetLargestSprite, "one picture at a time fits its buffer");
static_assert(TotalWidth() == kSheetWidth && Tallest() == kSheetHeight,
              "the sheet's size is that of its sprites side by side");

struct Sheet {
    SheetSlot slots[kSheetSpriteCount];
};

Sheet LayOut() {
    Sheet sheet = {};
    int32_t x = 0;
    for (int i = 0; i < kSheetSpriteCount; i++) {
        const SpriteSize& s = kSprites[i];
        sheet.slots[i] = SheetSlot{s.id, x, s.width, s.height};
        x += s.width;
    }
    return sheet;
}

const Sheet& TheSheet() {
    static const Sheet sheet = LayOut();
    return sheet;
}

} // namespace

const SheetSlot* SheetSlots() {
    return TheSheet().slots;
}

const SheetSlot* FindSheetSlot(int32_t id) {
    const SheetSlot* slots = TheSheet().slots;
    for (int i = 0; i < kSheetSpriteCount; i++) {
        if (slots[i].id == id)
            return &slots[i];
    }
    return nullptr;
}
