#include "render/sprite_sheet.h"

#include "render/number_layout.h"
#include "res/resource.h"

namespace {

struct SpriteSize {
    int32_t id;
    int32_t width;
    int32_t height;
};

const SpriteSize kSprites[kSheetSpriteCount] = {
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

struct Sheet {
    SheetSlot slots[kSheetSpriteCount];
    int32_t width;
    int32_t height;
};

Sheet LayOut() {
    Sheet sheet = {};
    for (int i = 0; i < kSheetSpriteCount; i++) {
        const SpriteSize& s = kSprites[i];
        sheet.slots[i] = SheetSlot{s.id, sheet.width, s.width, s.height};
        sheet.width += s.width;
        if (s.height > sheet.height)
            sheet.height = s.height;
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

int32_t SheetWidth() {
    return TheSheet().width;
}

int32_t SheetHeight() {
    return TheSheet().height;
}

const SheetSlot* FindSheetSlot(int32_t id) {
    const SheetSlot* slots = TheSheet().slots;
    for (int i = 0; i < kSheetSpriteCount; i++) {
        if (slots[i].id == id)
            return &slots[i];
    }
    return nullptr;
}
