// The Win32 executors draw what the plans say: chart strokes and chalk
// glyphs land on the expected pixels of a DIB-backed Backbuffer.
#include <gtest/gtest.h>

#include <string.h>

#include "render/board_objects.h"
#include "render/chalk_win.h"
#include "render/chart_win.h"
#include "render/hover_tables.h"
#include "render/sprite_sheet_win.h"
#include "store/records.h"
#include "tests/render/gdi_surface_win.h"

namespace {

const COLORREF kGreen = RGB(0, 64, 0);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kOrange = RGB(255, 128, 64);
const COLORREF kPink = RGB(255, 128, 128);
const COLORREF kBlue = RGB(128, 128, 255);

class RenderWin : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenTestSurface();
        MakeFakeGlyphs();
        ComposeSpriteSheet();
        FillSurface(kGreen);
        memset(&Settings, 0, sizeof Settings);
        Settings.height = 160;
        Settings.targetweight = 500;
        Settings.original = 500;
    }
    void TearDown() override { CloseTestSurface(); }

    static void SevenEntries() {
        const int weights[7] = {523, 521, 524, 518, 515, 517, 512};
        for (int i = 0; i < 7; i++)
            WeightLog[i] = {20100501 + i, weights[i]};
        Settings.weightdatalen = 7;
    }
};

#define EXPECT_PIXEL(x, y, colour)                                                                 \
    EXPECT_EQ(PixelAt(x, y), (COLORREF)(colour)) << "(" << x << ", " << y << ")"

TEST_F(RenderWin, ChartDrawsWeightTargetAndMarker) {
    SevenEntries();
    EXPECT_EQ(PlotWeightChart(7, 6, 0), 0);
    // The 4-pixel weight line through its points.
    EXPECT_PIXEL(24, 24, kYellow);
    EXPECT_PIXEL(43, 19, kYellow);
    EXPECT_PIXEL(81, 34, kYellow);
    // The 2-pixel target line at y 60 across the full chart width.
    EXPECT_PIXEL(10, 60, kOrange);
    EXPECT_PIXEL(115, 60, kOrange);
    EXPECT_PIXEL(60, 56, kGreen);
    EXPECT_PIXEL(60, 64, kGreen);
    EXPECT_PIXEL(130, 60, kGreen);
    // The 8-pixel marker dot on the newest point, over the weight line.
    EXPECT_PIXEL(119, 40, kPink);
    EXPECT_PIXEL(117, 42, kPink);
    // Nothing right of the chart.
    EXPECT_PIXEL(125, 40, kGreen);
    EXPECT_EQ(HoverIndexTable[0], 0);
    EXPECT_EQ(HoverIndexTable[255], 6);
    EXPECT_STREQ(HoverLabels[255], "'10/5/7 51.2kg");
}

TEST_F(RenderWin, ThinLineAndLevelUnderweightLineAtSpan90) {
    SevenEntries();
    Settings.limit2 = 1;
    PlotWeightChart(90, 6, 0);
    // U = 460 on this scale: low 448, range 81, so y 70; the level line
    // ends at the last point, x 12, which a 1-pixel line leaves out.
    EXPECT_PIXEL(5, 70, kBlue);
    EXPECT_PIXEL(11, 70, kBlue);
    EXPECT_PIXEL(13, 70, kGreen);
    // The 1-pixel weight line starts at (5, 16); a wider pen would cover x 3.
    EXPECT_PIXEL(5, 16, kYellow);
    EXPECT_PIXEL(3, 16, kGreen);
}

TEST_F(RenderWin, EmptyLogDrawsNothingAndKeepsTheTables) {
    Settings.weightdatalen = 0;
    HoverIndexTable[3] = 42;
    PlotWeightChart(7, 0, 0);
    EXPECT_EQ(HoverIndexTable[3], 42);
    for (int x = 0; x < 130; x += 3) {
        for (int y = 0; y < 100; y += 3)
            ASSERT_EQ(PixelAt(x, y), kGreen) << x << "," << y;
    }
}

TEST_F(RenderWin, ChalkNumberGlyphsLandInTheirCells) {
    DrawChalkNumber(65.3, 115, 8, 1.0, 0);
    EXPECT_PIXEL(120, 18, kGreen);           // no hundreds digit
    EXPECT_PIXEL(140, 18, GlyphColour(121)); // 6 at x 132
    EXPECT_PIXEL(132, 18, kGreen);           // the mask's white column keeps the board
    EXPECT_PIXEL(147, 29, GlyphColour(121)); // the cell's last column and row
    EXPECT_PIXEL(148, 18, kGreen);
    EXPECT_PIXEL(157, 18, GlyphColour(120)); // 5 at x 149
    EXPECT_PIXEL(168, 30, GlyphColour(134)); // point (166, 28), 5 x 5
    EXPECT_PIXEL(170, 32, GlyphColour(134));
    EXPECT_PIXEL(168, 33, kGreen);
    EXPECT_PIXEL(179, 8, kGreen);            // tenths start one row lower
    EXPECT_PIXEL(179, 9, GlyphColour(118));  // 3 at (171, 9)
    EXPECT_PIXEL(200, 30, GlyphColour(137)); // unit at (187, 16), 30 x 22
    EXPECT_PIXEL(216, 37, GlyphColour(137));
    EXPECT_PIXEL(217, 37, kGreen);
}

TEST_F(RenderWin, ScaledSignAndDigits) {
    DrawChalkNumber(-1.2, 136, 39, 0.7, 1);
    EXPECT_PIXEL(152, 45, GlyphColour(141)); // minus at (147, 39), 11 x 15
    EXPECT_PIXEL(157, 53, GlyphColour(141));
    EXPECT_PIXEL(164, 45, GlyphColour(113)); // 1 at (159, 39)
    EXPECT_PIXEL(172, 54, GlyphColour(134)); // point (171, 53), 3 x 3
    EXPECT_PIXEL(180, 45, GlyphColour(117)); // 2 at (175, 39)
    EXPECT_PIXEL(195, 50, GlyphColour(137)); // unit (186, 44), 21 x 15
    EXPECT_PIXEL(140, 45, kGreen);
}

TEST_F(RenderWin, DigitOutsideZeroToNineDrawsNothing) {
    EXPECT_EQ(DrawDigitGlyph(10, 10, 10, 16, 22), -1);
    EXPECT_EQ(DrawDigitGlyph(-1, 10, 10, 16, 22), -1);
    EXPECT_PIXEL(15, 15, kGreen);
    EXPECT_EQ(DrawDigitGlyph(8, 10, 10, 16, 22), 0);
    EXPECT_PIXEL(15, 15, GlyphColour(123));
}

} // namespace
