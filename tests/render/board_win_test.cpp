// The board drawn with real GDI from the program's own pictures: the fast paths paint what
// plain drawing paints, and PaintBoard composes the board on a real window's background picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <algorithm>

#include "app/interaction.h"
#include "render/board_objects.h"
#include "render/chalk_win.h"
#include "render/chart_state.h"
#include "render/chart_win.h"
#include "render/number_layout.h"
#include "render/paint_win.h"
#include "render/picture_load_win.h"
#include "render/sprite_sheet.h"
#include "render/sprite_sheet_win.h"
#include "store/platform.h"

namespace {

enum { kW = 256, kH = 106 };
const uint32_t kGreen = 0x004000;
uint32_t *Surface, Expected[kW * kH], Canvas[250 * 100], Own[250 * 100];
ChartPlan Reference;
HWND Window;
HDC Single;

// A bitmap's size, and its pixels as top-down 0xRRGGBB rows.
SIZE Pixels(HBITMAP bitmap, uint32_t* out) {
    BITMAP b = {};
    GetObjectW(bitmap, sizeof b, &b);
    BITMAPINFO bi = {{sizeof bi.bmiHeader, b.bmWidth, -b.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                     {}};
    GetDIBits(Board.Backbuffer, bitmap, 0, b.bmHeight, out, &bi, DIB_RGB_COLORS);
    return SIZE{b.bmWidth, b.bmHeight};
}

// The board window and the drawing objects, made once as start-up makes them.
void OpenBoard() {
    HINSTANCE self = GetModuleHandleW(NULL);
    if (Window)
        return;
    WNDCLASSW wc = {0, DefWindowProcW, 0, 0, self, NULL, NULL, NULL, NULL, L"board_win_test"};
    RegisterClassW(&wc);
    Window = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_DLGFRAME, 0, 0,
                             kW, kH, NULL, NULL, self, NULL);
    ShowWindow(Window, SW_SHOWNOACTIVATE);
    HDC dc = GetDC(Window);
    Single = CreateCompatibleDC(dc);
    Board.Backbuffer = CreateCompatibleDC(dc);
    Board.SpriteSurface = CreateCompatibleDC(dc);
    Board.BackbufferBitmap = CreateCompatibleBitmap(dc, kW, kH);
    ReleaseDC(Window, dc);
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap);
    LoadBoardPictures(self);
    ComposeSpriteSheet();
    CreateBoardPens();
}

void Plain(int id, int x, int y, int w, int h, DWORD rop) {
    SelectObject(Single, Picture(id));
    const SheetSlot* s = FindSheetSlot(id);
    StretchBlt(Board.Backbuffer, x, y, w, h, Single, 0, 0, s->width, s->height, rop);
}

// Numbers at the board's scales and two others (every digit, sign, point and unit); a chart.
void Draw(bool fast, int span) {
    std::fill(Surface, Surface + kW * kH, kGreen);
    const double kNumbers[][3] = {
        {-123.4, 1.0, 20}, {56.7, 0.7, 120}, {89.0, 0.6, 150}, {0.5, 1.5, 0}, {6.1, 0.33, 200}};
    for (const auto& n : kNumbers) {
        NumberLayout l;
        LayoutChalkNumber(n[0], (int)n[2], 40, n[1], SignedWithUnit, &l);
        for (int c = 0; c < l.count && !fast; c++) {
            const GlyphCell& g = l.cells[c];
            const ChalkGlyph& glyph = g.kind == kGlyphDigit   ? *DigitGlyph(g.digit)
                                      : g.kind == kGlyphPoint ? PointGlyph()
                                      : g.kind == kGlyphUnit  ? UnitGlyph()
                                                              : SignGlyph(g.positive);
            Plain(glyph.mask, g.x, g.y, g.width, g.height, SRCAND);
            Plain(glyph.picture, g.x, g.y, g.width, g.height, SRCPAINT);
        }
        if (fast)
            DrawChalkNumber(n[0], (int)n[2], 40, n[1], SignedWithUnit);
    }
    PlanWeightChart(CurrentChartInput(), span, 1100, 0, &Reference);
    for (int s = 0; s < Reference.strokeCount && !fast; s++) {
        const ChartPoint* p = &Reference.points[Reference.strokes[s].start];
        SelectObject(Board.Backbuffer, ChartPenHandle(Reference.strokes[s].pen));
        MoveToEx(Board.Backbuffer, p[0].x, p[0].y, NULL);
        for (int i = 1; i < Reference.strokes[s].count; i++)
            LineTo(Board.Backbuffer, p[i].x, p[i].y);
    }
    if (fast)
        PlotWeightChart(span, 1100, 0);
    GdiFlush();
}

// The log has plateaus and jagged runs; the spans put several entries on one column.
TEST(BoardWin, FastDrawingPaintsWhatPlainDrawingPaints) {
    OpenBoard();
    BITMAPINFO bi = {{sizeof bi.bmiHeader, kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HBITMAP dib = CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, (void**)&Surface, NULL, 0);
    SelectObject(Board.Backbuffer, dib);
    SetStretchBltMode(Board.Backbuffer, COLORONCOLOR);
    Settings = {0, 0, 0, 1200, 540, 520, 160, 1, 1, 0, 0, 20240101};
    PeriodStartDate = {2024, 1, 1};
    for (int i = 0; i < 1200; i++)
        WeightLog[i] = {20240101 + i / 28 % 12 * 100 + i % 28,
                        i % 90 < 45 ? 600 + i / 5 % 3 : 520 + i * 37 % 90 - i % 7 * 3};
    const int kSpans[] = {31, 90, 360, 1000};
    for (int run = 0; run < 8; run++) {
        int span = kSpans[run % 4];
        Settings.ninpu = run / 4;
        Draw(false, span);
        memcpy(Expected, Surface, sizeof Expected);
        Draw(true, span);
        long i = std::mismatch(Surface, Surface + kW * kH, Expected).first - Surface;
        EXPECT_EQ(i, kW * kH) << "span " << span << " ninpu " << run / 4 << " at " << i % kW << ","
                              << i / kW;
    }
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap);
    DeleteObject(dib);
}

// Paints the whole window, and reads the canvas back from the background picture.
void Paint() {
    InvalidateRect(Window, NULL, FALSE);
    PaintBoard(Window);
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap); // frees the canvas to be read
    Pixels(Picture(104), Canvas);
}

// The canvas from (x0, y0) to (x1, y1) shows picture id placed at (px, py).
::testing::AssertionResult Shows(int id, int px, int py, int x0, int y0, int x1, int y1) {
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(id));
    int width = Pixels(bitmap, Own).cx;
    DeleteObject(bitmap);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (Canvas[y * 250 + x] != Own[(y - py) * width + x - px])
                return ::testing::AssertionFailure() << id << " differs at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

int MonthShown = 12; // the clock's month

// Given seven entries, each paint leaves on the background picture the board it describes.
TEST(BoardWin, PaintComposesTheBoardOnTheBackgroundPicture) {
    OpenBoard();
    Settings = {0, 0, 0, 7, 500, 500, 160, 0, 0, 0, 0, 20101206};
    const int weights[7] = {523, 521, 524, 518, 515, 517, 512};
    for (int i = 0; i < 7; i++)
        WeightLog[i] = {20100501 + i, weights[i]};
    CurrentWeight = 51.2, FaceIndex = 2;
    Platform.localDate = [] { return LocalDate{2010, MonthShown, 6, 1}; };
    Paint();
    EXPECT_TRUE(Shows(104, 0, 0, 0, 0, 249, 2));        // above the writing area
    EXPECT_TRUE(Shows(104, 0, 0, 0, 92, 249, 99));      // the tray below it
    EXPECT_TRUE(Shows(165, 72, 75, 72, 75, 87, 90));    // a span button
    EXPECT_TRUE(Shows(154, 231, 52, 231, 52, 241, 63)); // Monday, above the face
    EXPECT_TRUE(Shows(150, 130, 62, 130, 62, 160, 80)); // the BMI label
    EXPECT_TRUE(Shows(161, 210, 64, 210, 64, 239, 91)); // face 2
    EXPECT_EQ(Canvas[70 * 250 + 205], kGreen);          // cleared
    EXPECT_EQ(PaintedHoverX, 254);

    // The read-out is shown once; the strip above the date column holds only the latest month.
    HoverActive = 1, HoverX = 90;
    Paint();
    EXPECT_EQ(PaintedHoverX, 90);
    EXPECT_EQ(HoverActive, 0);
    MonthShown = 9;
    Paint();
    EXPECT_EQ(PaintedHoverX, 254);
    EXPECT_TRUE(Shows(104, 0, 0, 212, 3, 231, 15));
    EXPECT_TRUE(Shows(104, 0, 0, 241, 3, 247, 15));

    // An empty log draws no chart and keeps the painted column.
    Settings.weightdatalen = 0, PaintedHoverX = 77;
    Paint();
    EXPECT_EQ(Canvas[40 * 250 + 119], kGreen);
    EXPECT_EQ(PaintedHoverX, 77);
}

} // namespace
