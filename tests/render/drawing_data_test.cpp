// What the Windows drawing works from: thin lines reduced to the points that
// paint, where a bitmap resource's rows start, the pictures' sheet places.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/dib_layout.h"
#include "render/sprite_sheet.h"
#include "render/thin_stroke.h"

namespace {

std::string Reduced(std::vector<ChartPoint> p) {
    p.resize(ReduceThinStroke(p.data(), (int32_t)p.size()));
    std::string out;
    for (const ChartPoint& q : p)
        out += std::to_string(q.x) + "," + std::to_string(q.y) + " ";
    return out;
}

// A 1-pixel line leaves out each segment's end point, so points between
// their neighbours on one row or column go; turning back keeps its point.
TEST(ThinStroke, KeepsThePointsThatPaint) {
    std::vector<ChartPoint> level(360);
    for (int m = 0; m < 360; m++)
        level[m] = {320 * m / 1000 + 5, 70};
    EXPECT_EQ(Reduced(level), "5,70 119,70 ");
    EXPECT_EQ(Reduced({{5, 10}, {5, 10}, {5, 12}, {5, 20}, {6, 20}}), "5,10 5,20 6,20 ");
    EXPECT_EQ(Reduced({{9, 4}, {7, 4}, {3, 4}, {3, 1}, {3, 0}}), "9,4 3,4 3,0 ");
    EXPECT_EQ(Reduced({{20, 30}, {20, 40}, {20, 35}}), "20,30 20,40 20,35 ");
    EXPECT_EQ(Reduced({{7, 7}, {7, 7}}) + Reduced({{7, 7}}), "7,7 7,7 ");
    EXPECT_EQ(Reduced({}), "");
}

// Sizes of headers and rows worked out from the bitmap format by hand.
TEST(DibLayout, RowsStartAfterHeaderAndColoursOrTheResourceIsRefused) {
    const struct {
        DibHeaderFields h;
        size_t bytes, offset;
    } kCases[] = {
        {{40, 16, 22, 24, 0, 0}, 40 + 48 * 22, 40},      // a glyph: 48-byte rows, no table
        {{40, 13, 13, 4, 0, 16}, 40 + 64 + 8 * 13, 104}, // the arrows: 16 colours, 8-byte rows
        {{40, 8, 2, 8, 0, 0}, 40 + 1024 + 16, 1064},     // no count: the full table
        {{40, 2, 2, 32, 3, 0}, 40 + 12 + 16, 52},        // three masks
        {{124, 1, 1, 24, 0, 0}, 124 + 4, 124},           // a larger header
        {{40, 16, 22, 24, 0, 0}, 40 + 48 * 22 - 1, 0},   // one byte short
        {{40, 16, 22, 7, 0, 0}, 100000, 0},
        {{40, 16, 22, 8, 1, 0}, 100000, 0}, // run-length coded
        {{40, 0, 22, 24, 0, 0}, 100000, 0},
        {{40, 0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0}, 0xFFFFFFFFu, 0},
        {{40, 1, INT32_MIN, 24, 0, 0}, 0xFFFFFFFFu, 0},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(DibBitsOffset(c.h, c.bytes), c.offset) << c.h.width << "x" << c.h.height;
}

TEST(SpriteSheet, EachPictureHasAPlaceOfItsOwn) {
    for (int i = 0; i < kSheetSpriteCount; i++) {
        const SheetSlot& s = SheetSlots()[i];
        EXPECT_EQ(FindSheetSlot(s.id), &s);
        EXPECT_TRUE(s.x >= 0 && s.width > 0 && s.x + s.width <= kSheetWidth && s.height > 0 &&
                    s.height <= kSheetHeight)
            << s.id;
        for (int j = 0; j < i; j++) {
            const SheetSlot& o = SheetSlots()[j];
            EXPECT_TRUE(o.x + o.width <= s.x || s.x + s.width <= o.x) << o.id << " " << s.id;
        }
    }
    EXPECT_EQ(FindSheetSlot(104), nullptr); // the canvas is not copied from the sheet
}

} // namespace
