#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "render/chalk_glyphs.h"
#include "render/number_layout.h"
#include "tests/render/glyph_text.h"

namespace {

NumberLayout Lay(double value, int mode, double scale = 1.0, int x = 100, int y = 50) {
    NumberLayout l;
    LayoutChalkNumber(value, x, y, scale, mode, &l);
    return l;
}

struct Cell {
    int x, y, w, h;
};

Cell At(const NumberLayout& l, int i) {
    const GlyphCell& c = l.cells[i];
    return {c.x - 100, c.y - 50, c.width, c.height};
}

#define EXPECT_CELL(l, i, X, Y, W, H)                                                              \
    do {                                                                                           \
        Cell c_ = At(l, i);                                                                        \
        EXPECT_EQ(c_.x, X) << "cell " << i;                                                        \
        EXPECT_EQ(c_.y, Y) << "cell " << i;                                                        \
        EXPECT_EQ(c_.w, W) << "cell " << i;                                                        \
        EXPECT_EQ(c_.h, H) << "cell " << i;                                                        \
    } while (0)

struct ScaleRow {
    double s;
    int w, h; // digit cell
    int tens, units;
    int px, py, ps; // point offset and size
    int fx, fy;     // tenths digit
    int signH, signT, signU;
    int ux, uy, uw, uh; // unit
};

const ScaleRow kRows[] = {
    {1.0, 16, 22, 17, 34, 51, 20, 5, 56, 1, -17, 0, 17, 72, 8, 30, 22},
    {0.7, 11, 15, 11, 23, 35, 14, 3, 39, 0, -12, 0, 11, 50, 5, 21, 15},
    {0.6, 9, 13, 10, 20, 30, 12, 3, 33, 0, -11, 0, 10, 43, 4, 18, 13},
};

TEST(NumberLayout, OffsetsAndSizesAtTheBoardsScales) {
    for (const ScaleRow& r : kRows) {
        SCOPED_TRACE(r.s);
        NumberLayout l = Lay(-123.4, SignedWithUnit, r.s);
        ASSERT_EQ(Glyphs(l), "123.4-k");
        EXPECT_CELL(l, 0, 0, 0, r.w, r.h);
        EXPECT_CELL(l, 1, r.tens, 0, r.w, r.h);
        EXPECT_CELL(l, 2, r.units, 0, r.w, r.h);
        EXPECT_CELL(l, 3, r.px, r.py, r.ps, r.ps);
        EXPECT_CELL(l, 4, r.fx, r.fy, r.w, r.h);
        EXPECT_CELL(l, 5, r.signH, 0, r.w, r.h);
        EXPECT_CELL(l, 6, r.ux, r.uy, r.uw, r.uh);
        // The sign is drawn after the digits, just before the unit.
        EXPECT_EQ(Glyphs(Lay(23.4, SignedWithUnit, r.s)), "23.4+k");
        EXPECT_EQ(At(Lay(23.4, SignedWithUnit, r.s), 4).x, r.signT);
        EXPECT_EQ(At(Lay(3.4, SignedWithUnit, r.s), 3).x, r.signU);
    }
}

TEST(NumberLayout, ListedValues) {
    NumberLayout l = Lay(65.3, WithUnit);
    EXPECT_EQ(Glyphs(l), "65.3k");
    EXPECT_CELL(l, 0, 17, 0, 16, 22);
    EXPECT_CELL(l, 1, 34, 0, 16, 22);
    EXPECT_CELL(l, 3, 56, 1, 16, 22);
    EXPECT_CELL(l, 4, 72, 8, 30, 22);
    EXPECT_EQ(Glyphs(Lay(105.3, WithUnit)), "105.3k");
    EXPECT_EQ(Glyphs(Lay(100.0, WithUnit)), "100.0k");
    l = Lay(0.0, SignedWithUnit, 0.7);
    EXPECT_EQ(Glyphs(l), "0.0+k");
    EXPECT_EQ(At(l, 3).x, 11); // the sign before the units digit
    EXPECT_EQ(At(l, 0).x, 23);
    l = Lay(-1.2, SignedWithUnit, 0.7);
    EXPECT_EQ(Glyphs(l), "1.2-k");
    EXPECT_EQ(At(l, 3).x, 11);
    EXPECT_EQ(Glyphs(Lay(-0.04, SignedWithUnit)), "0.0-k");
    EXPECT_EQ(Glyphs(Lay(22.59, WithTenths)), "22.5");
    l = Lay(7, IntegerOnly, 0.6);
    EXPECT_EQ(Glyphs(l), "7");
    EXPECT_EQ(At(l, 0).x, 20);
    l = Lay(12, IntegerOnly, 0.6);
    EXPECT_EQ(Glyphs(l), "12");
    EXPECT_EQ(At(l, 0).x, 10);
    EXPECT_EQ(At(l, 1).x, 20);
    EXPECT_EQ(Glyphs(Lay(1234.5, WithTenths)), "34.5"); // no hundreds past 9
}

TEST(NumberLayout, ModesAreThresholds) {
    EXPECT_EQ(Glyphs(Lay(65.3, -7)), "65");
    EXPECT_EQ(Glyphs(Lay(65.3, IntegerOnly)), "65");
    EXPECT_EQ(Glyphs(Lay(65.3, WithTenths)), "65.3");
    EXPECT_EQ(Glyphs(Lay(65.3, 2)), "65.3k");
    EXPECT_EQ(Glyphs(Lay(-65.3, 9)), "65.3k");
}

TEST(NumberLayout, EveryWeightDrawsItsOwnDigits) {
    for (int w = 0; w <= 9999; w++) {
        std::string expected = std::to_string(w / 10) + "." + std::to_string(w % 10);
        ASSERT_EQ(Glyphs(Lay(w / 10.0, WithTenths)), expected) << w;
    }
}

TEST(NumberLayout, ValuesBeyondThirtyTwoBitsDrawNoDigitInRange) {
    for (double v : {1e300, -1e12, 214748364.8, std::numeric_limits<double>::quiet_NaN()}) {
        NumberLayout l = Lay(v, WithTenths);
        for (int i = 0; i < l.count; i++) {
            if (l.cells[i].kind == kGlyphDigit) {
                EXPECT_TRUE(l.cells[i].digit < 0 || l.cells[i].digit > 9) << v;
            }
        }
    }
    EXPECT_EQ(Glyphs(Lay(214748364.7, WithTenths)), "64.7"); // still fits
}

TEST(ChalkGlyphs, ResourceIdsOutOfDigitOrder) {
    EXPECT_EQ(DigitGlyph(0)->picture, 116);
    EXPECT_EQ(DigitGlyph(1)->picture, 113);
    EXPECT_EQ(DigitGlyph(8)->mask, 136);
    EXPECT_EQ(DigitGlyph(9)->mask, 133);
    EXPECT_EQ(DigitGlyph(10), nullptr);
    EXPECT_EQ(DigitGlyph(-1), nullptr);
    EXPECT_EQ(PointGlyph().picture, 134);
    EXPECT_EQ(PointGlyph().width, 6);
    EXPECT_EQ(UnitGlyph().mask, 138);
    EXPECT_EQ(UnitGlyph().width, 30);
    EXPECT_EQ(SignGlyph(true).picture, 139);
    EXPECT_EQ(SignGlyph(false).mask, 142);
}

} // namespace
