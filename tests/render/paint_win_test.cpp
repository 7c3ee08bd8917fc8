// PaintBoard on a real window with fake pictures: what lands on the canvas
// (the background picture itself) after each paint.
#include <gtest/gtest.h>

#include <string.h>

#include "app/interaction.h"
#include "render/board_objects.h"
#include "render/hover_tables.h"
#include "render/sprite_sheet_win.h"
#include "render/paint_win.h"
#include "store/records.h"
#include "tests/render/gdi_surface_win.h"

namespace {

const COLORREF kGreen = RGB(0, 64, 0);

LRESULT CALLBACK TestBoardProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT)
        return PaintBoard(w);
    return DefWindowProcW(w, msg, wp, lp);
}

class Paint : public ::testing::Test {
  protected:
    HWND window = NULL;

    void SetUp() override {
        OpenTestSurface();
        MakeFakeGlyphs();
        MakeFakeBoardPictures();
        ComposeSpriteSheet();
        Board.BoardFont = (HFONT)GetStockObject(ANSI_FIXED_FONT);
        SetBkMode(Board.Backbuffer, TRANSPARENT);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TestBoardProc;
        wc.hInstance = GetModuleHandleW(NULL);
        wc.lpszClassName = L"render_paint_test";
        RegisterClassW(&wc);
        window =
            CreateWindowExW(WS_EX_TOOLWINDOW, L"render_paint_test", L"", WS_POPUP | WS_DLGFRAME, 0,
                            0, 256, 106, NULL, NULL, wc.hInstance, NULL);
        ASSERT_TRUE(window != NULL);
        ShowWindow(window, SW_SHOWNOACTIVATE);

        memset(&Settings, 0, sizeof Settings);
        Settings.height = 160;
        Settings.targetweight = 500;
        Settings.original = 500;
        CurrentWeight = 51.2;
        StartupDate = {2010, 12, 6, 1};
        FaceIndex = 2;
        ChartSpan = 7;
        ScrollBack = 0;
        HoverActive = 0;
        HoverX = 0;
        PaintedHoverX = 0;
    }
    void TearDown() override {
        DestroyWindow(window);
        CloseTestSurface();
        if (Board.PanelBrush)
            DeleteObject(Board.PanelBrush);
        Board.PanelBrush = NULL;
    }
    void PaintNow() {
        InvalidateRect(window, NULL, FALSE);
        UpdateWindow(window);
    }
    static void SevenEntries() {
        const int weights[7] = {523, 521, 524, 518, 515, 517, 512};
        for (int i = 0; i < 7; i++)
            WeightLog[i] = {20100501 + i, weights[i]};
        Settings.weightdatalen = 7;
    }
};

#define EXPECT_CANVAS(x, y, colour)                                                                \
    EXPECT_EQ(BackgroundPixelAt(x, y), (COLORREF)(colour)) << "(" << x << ", " << y << ")"

TEST_F(Paint, ComposesTheBoardOnTheBackgroundPicture) {
    SevenEntries();
    PaintNow();
    EXPECT_CANVAS(1, 1, BackgroundColour(1, 1)); // outside the writing area
    EXPECT_CANVAS(200, 70, kGreen);              // cleared writing area
    EXPECT_CANVAS(150, 90, BackgroundColour(150, 90));
    EXPECT_CANVAS(80, 80, GlyphColour(165));  // plus button at (72, 75)
    EXPECT_CANVAS(88, 80, kGreen);            // only its 16 x 16
    EXPECT_CANVAS(40, 80, GlyphColour(166));  // minus button at (32, 75)
    EXPECT_CANVAS(140, 18, GlyphColour(120)); // 51.2: 5 at x 132
    EXPECT_CANVAS(157, 18, GlyphColour(113)); // 1 at x 149
    EXPECT_CANVAS(179, 20, GlyphColour(117)); // tenths 2 at (171, 9)
    EXPECT_CANVAS(224, 20, GlyphColour(151)); // date column at (221, 16)
    EXPECT_CANVAS(236, 58, GlyphColour(154)); // Monday at (231, 52)
    EXPECT_CANVAS(145, 70, GlyphColour(150)); // BMI label at (130, 62)
    EXPECT_CANVAS(225, 80, GlyphColour(161)); // face 2 at (210, 64)
    EXPECT_CANVAS(24, 24, RGB(255, 255, 0));  // the chart
    EXPECT_EQ(PaintedHoverX, 254);
    EXPECT_EQ(HoverIndexTable[255], 6);
}

TEST_F(Paint, MonthStripIsRestoredBeforeTheMonthIsDrawn) {
    PaintNow();
    EXPECT_CANVAS(230, 8, GlyphColour(113)); // 1 of 12 at (226, 3), 9 x 13
    StartupDate.month = 9;
    PaintNow();
    EXPECT_CANVAS(230, 8, BackgroundColour(230, 8));
    EXPECT_CANVAS(236, 8, GlyphColour(124)); // 9 alone at x 232
    EXPECT_CANVAS(245, 8, BackgroundColour(245, 8));
}

TEST_F(Paint, EmptyLogShowsNoChangeAndNoChart) {
    WeightLog[0] = {20100101, 700}; // a slot left over from before a reset
    PaintedHoverX = 77;
    PaintNow();
    EXPECT_CANVAS(152, 45, GlyphColour(139)); // plus sign at (147, 39)
    EXPECT_CANVAS(164, 45, GlyphColour(116)); // 0 at (159, 39)
    EXPECT_CANVAS(24, 24, kGreen);
    EXPECT_EQ(PaintedHoverX, 77);
}

TEST_F(Paint, HoverReadoutIsDrawnOnceAndMarksTheHoverEntry) {
    SevenEntries();
    PaintNow();
    HoverActive = 1;
    HoverX = 90;
    PaintNow();
    EXPECT_EQ(PaintedHoverX, 90);
    EXPECT_EQ(HoverActive, 0);
    EXPECT_CANVAS(81, 34, RGB(255, 128, 128)); // marker on entry 4
    EXPECT_CANVAS(119, 40, RGB(255, 255, 0));
    int white = 0, black = 0;
    for (int y = 8; y < 22; y++) {
        for (int x = 23; x < 120; x++) {
            COLORREF c = BackgroundPixelAt(x, y);
            white += c == RGB(255, 255, 255);
            black += c == RGB(0, 0, 0);
        }
    }
    EXPECT_GT(white, 20);
    EXPECT_GT(black, 20);
    PaintNow(); // the next paint shows no read-out and marks the newest
    EXPECT_EQ(PaintedHoverX, 254);
    EXPECT_CANVAS(119, 40, RGB(255, 128, 128));
    EXPECT_CANVAS(60, 12, kGreen);
}

TEST_F(Paint, HeightZeroDrawsTheLabelAlone) {
    Settings.height = 0;
    PaintNow();
    EXPECT_CANVAS(145, 70, GlyphColour(150));
    EXPECT_CANVAS(185, 70, kGreen); // no units digit at (178, 64)
    Settings.height = 170;
    CurrentWeight = 65.3;
    PaintNow();
    EXPECT_CANVAS(173, 70, GlyphColour(117)); // 22.5: 2 at (168, 64)
    EXPECT_CANVAS(195, 70, GlyphColour(120)); // 5 at (191, 64)
}

} // namespace
