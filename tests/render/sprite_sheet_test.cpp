// The sprite sheet holds every picture a paint copies, each at its own size
// and in a place of its own.
#include <gtest/gtest.h>

#include "render/board_plan.h"
#include "render/chalk_glyphs.h"
#include "render/sprite_sheet.h"
#include "tests/res/picture_table.h"

namespace {

const PictureSpec* Spec(int id) {
    for (const PictureSpec& s : kPictures) {
        if (s.id == id)
            return &s;
    }
    return nullptr;
}

TEST(SpriteSheet, EverySlotHasThePicturesOwnSizeAndNoSlotOverlapsAnother) {
    const SheetSlot* slots = SheetSlots();
    for (int i = 0; i < kSheetSpriteCount; i++) {
        const SheetSlot& s = slots[i];
        const PictureSpec* spec = Spec(s.id);
        ASSERT_NE(spec, nullptr) << s.id;
        EXPECT_EQ(s.width, spec->width) << s.id;
        EXPECT_EQ(s.height, spec->height) << s.id;
        EXPECT_GE(s.x, 0);
        EXPECT_LE(s.x + s.width, kSheetWidth) << s.id;
        EXPECT_LE(s.height, kSheetHeight) << s.id;
        EXPECT_EQ(FindSheetSlot(s.id), &s);
        for (int j = 0; j < i; j++) {
            const SheetSlot& o = slots[j];
            EXPECT_NE(o.id, s.id);
            EXPECT_TRUE(o.x + o.width <= s.x || s.x + s.width <= o.x) << o.id << " " << s.id;
        }
    }
}

TEST(SpriteSheet, HoldsEveryGlyphAndEveryPictureAPaintCopiesButNotTheCanvas) {
    for (int d = 0; d <= 9; d++) {
        EXPECT_NE(FindSheetSlot(DigitGlyph(d)->picture), nullptr) << d;
        EXPECT_NE(FindSheetSlot(DigitGlyph(d)->mask), nullptr) << d;
    }
    const ChalkGlyph* others[] = {&PointGlyph(), &UnitGlyph(), &SignGlyph(true), &SignGlyph(false)};
    for (const ChalkGlyph* g : others) {
        const SheetSlot* picture = FindSheetSlot(g->picture);
        const SheetSlot* mask = FindSheetSlot(g->mask);
        ASSERT_NE(picture, nullptr);
        ASSERT_NE(mask, nullptr);
        EXPECT_EQ(picture->width, g->width);
        EXPECT_EQ(mask->height, g->height);
    }
    for (int w = -1; w <= 7; w++)
        EXPECT_NE(FindSheetSlot(WeekdayPicture(w)), nullptr) << w;
    for (int f = -1; f <= 6; f++)
        EXPECT_NE(FindSheetSlot(FacePicture(f)), nullptr) << f;
    BoardState state = {};
    BoardPlan plan;
    PlanBoardPaint(state, 254, &plan);
    const PicturePlacement* copies[] = {&plan.plusButton, &plan.minusButton, &plan.dateColumn,
                                        &plan.bmiLabel};
    for (const PicturePlacement* p : copies)
        EXPECT_NE(FindSheetSlot(p->id), nullptr) << p->id;
    EXPECT_EQ(FindSheetSlot(plan.background), nullptr);
    EXPECT_EQ(FindSheetSlot(147), nullptr);
    EXPECT_EQ(FindSheetSlot(0), nullptr);
}

} // namespace
