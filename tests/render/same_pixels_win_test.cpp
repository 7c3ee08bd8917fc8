// The board's faster drawing paths paint exactly what the plain ones do:
// thin chart lines handed over in one call against one LineTo per point, and
// sprites copied from the sheet against their own pictures selected one at a
// time. Every pixel of the surface is compared.
#include <gtest/gtest.h>

#include <string.h>

#include "render/board_objects.h"
#include "render/chalk_glyphs.h"
#include "render/chalk_win.h"
#include "render/chart_plan.h"
#include "render/chart_state.h"
#include "render/chart_win.h"
#include "render/sprite_sheet.h"
#include "render/sprite_sheet_win.h"
#include "store/records.h"
#include "tests/render/gdi_surface_win.h"

namespace {

const COLORREF kGreen = RGB(0, 64, 0);
enum { kPixels = kSurfaceWidth * kSurfaceHeight };

uint32_t Drawn[kPixels];
uint32_t Expected[kPixels];
ChartPlan Reference;

::testing::AssertionResult MatchesExpected() {
    CopySurface(Drawn);
    int differing = 0, first = -1;
    for (int i = 0; i < kPixels; i++) {
        if (Drawn[i] != Expected[i]) {
            differing++;
            if (first < 0)
                first = i;
        }
    }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ, the first at (" << first % kSurfaceWidth << ", "
           << first / kSurfaceWidth << "): " << std::hex << Drawn[first] << " instead of "
           << Expected[first];
}

class SamePixels : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenTestSurface();
        memset(&Settings, 0, sizeof Settings);
        Settings.height = 160;
        Settings.targetweight = 540;
        Settings.original = 520;
        Settings.startdate = 20240101;
    }
    void TearDown() override { CloseTestSurface(); }
};

// Every stroke of the plan drawn the plain way: one LineTo per point.
void DrawWithLineTo(int span, int marker, int scrollBack) {
    ASSERT_EQ(PlanWeightChart(CurrentChartInput(), span, marker, scrollBack, &Reference), 0);
    HDC dc = Board.Backbuffer;
    for (int s = 0; s < Reference.strokeCount; s++) {
        const ChartStroke& stroke = Reference.strokes[s];
        const ChartPoint* p = &Reference.points[stroke.start];
        SelectObject(dc, ChartPenHandle(stroke.pen));
        MoveToEx(dc, p[0].x, p[0].y, NULL);
        for (int i = 1; i < stroke.count; i++)
            LineTo(dc, p[i].x, p[i].y);
    }
}

// Daily entries from 2024-01-01 on (the date only feeds the labels and the
// days of pregnancy).
void FillLog(int count, int (*weight)(int)) {
    for (int i = 0; i < count; i++)
        WeightLog[i] = {20240101 + (i / 28) % 12 * 100 + i % 28, weight(i)};
    Settings.weightdatalen = count;
}

int Jagged(int i) {
    return 520 + (i * 37) % 90 - (i % 7) * 3;
}
int Plateaus(int i) {
    return 600 + (i / 5) % 3 - (i / 40);
}
int Scattered(int i) {
    return 450 + (int)((uint32_t)(i + 1) * 2654435761u >> 25);
}

TEST_F(SamePixels, ThinChartLinesMatchOneLineToPerPoint) {
    int (*logs[])(int) = {Jagged, Plateaus, Scattered};
    const int spans[] = {31, 90, 360, 1000};
    for (int flags = 0; flags < 3; flags++) {
        Settings.limit = Settings.limit2 = flags > 0;
        Settings.ninpu = flags == 2;
        for (auto weight : logs) {
            FillLog(1200, weight);
            for (int span : spans) {
                for (int scrollBack : {0, 7}) {
                    int marker = Settings.weightdatalen - 1 - scrollBack - span / 3;
                    FillSurface(kGreen);
                    DrawWithLineTo(span, marker, scrollBack);
                    CopySurface(Expected);
                    FillSurface(kGreen);
                    PlotWeightChart(span, marker, scrollBack);
                    EXPECT_TRUE(MatchesExpected())
                        << "span " << span << " scroll-back " << scrollBack << " flags " << flags;
                }
            }
        }
    }
}

// A picture whose every pixel tells where it came from; masks are black
// and white in a pattern of their own.
HBITMAP PatternPicture(int id, int width, int height, bool mask) {
    uint32_t* bits;
    HBITMAP bmp = MakeDib(width, height, &bits);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            uint32_t v = (uint32_t)(id * 7919 + x * 131 + y * 17);
            bits[y * width + x] = mask ? ((x + 2 * y + id) % 3 ? 0 : 0xFFFFFF) : v & 0xFFFFFF;
        }
    }
    return bmp;
}

class SheetPixels : public SamePixels {
  protected:
    HDC Single = NULL;

    void SetUp() override {
        SamePixels::SetUp();
        const SheetSlot* slots = SheetSlots();
        for (int i = 0; i < kSheetSpriteCount; i++) {
            const SheetSlot& s = slots[i];
            bool mask = false;
            for (int d = 0; d <= 9; d++)
                mask |= DigitGlyph(d)->mask == s.id;
            mask |= s.id == PointGlyph().mask || s.id == UnitGlyph().mask ||
                    s.id == SignGlyph(true).mask || s.id == SignGlyph(false).mask;
            Board.Pictures[PictureSlot(s.id)] = PatternPicture(s.id, s.width, s.height, mask);
        }
        ComposeSpriteSheet();
        Single = CreateCompatibleDC(NULL);
    }
    void TearDown() override {
        DeleteDC(Single);
        SamePixels::TearDown();
    }
    void StretchSingle(int id, int x, int y, int w, int h, int sw, int sh, DWORD rop) {
        SelectObject(Single, Picture(id));
        StretchBlt(Board.Backbuffer, x, y, w, h, Single, 0, 0, sw, sh, rop);
    }
};

// The painter names larger rectangles than some pictures have (20 x 20 for
// the 16 x 16 buttons, 31 x 80 for the date column): only the picture's own
// pixels may land, never its neighbours on the sheet.
TEST_F(SheetPixels, PictureCopiesMatchTheirOwnPictures) {
    const int ids[] = {165, 166, 151, 150, 152, 160, 161, 162, 163,
                       164, 153, 154, 155, 156, 157, 158, 159};
    for (int id : ids) {
        const SheetSlot* s = FindSheetSlot(id);
        for (int extra : {0, 4, 29}) {
            FillSurface(kGreen);
            SelectObject(Single, Picture(id));
            BitBlt(Board.Backbuffer, 9, 3, s->width + extra, s->height + extra, Single, 0, 0,
                   SRCCOPY);
            CopySurface(Expected);
            FillSurface(kGreen);
            CopySprite(id, 9, 3, s->width + extra, s->height + extra);
            EXPECT_TRUE(MatchesExpected()) << "picture " << id << " extra " << extra;
        }
    }
}

// Glyphs at the sizes the board draws them (1.0, 0.7, 0.6) and a few more,
// both passes through the mask.
TEST_F(SheetPixels, MaskedGlyphsMatchTheTwoPassCopyOfTheirOwnPictures) {
    const ChalkGlyph* glyphs[14];
    for (int d = 0; d <= 9; d++)
        glyphs[d] = DigitGlyph(d);
    glyphs[10] = &PointGlyph();
    glyphs[11] = &UnitGlyph();
    glyphs[12] = &SignGlyph(true);
    glyphs[13] = &SignGlyph(false);
    const double scales[] = {1.0, 0.7, 0.6, 1.5, 0.33};
    SetStretchBltMode(Board.Backbuffer, COLORONCOLOR);
    for (const ChalkGlyph* g : glyphs) {
        for (double scale : scales) {
            int w = (int)(g->width * scale), h = (int)(g->height * scale);
            FillSurface(kGreen);
            StretchSingle(g->mask, 20, 11, w, h, g->width, g->height, SRCAND);
            StretchSingle(g->picture, 20, 11, w, h, g->width, g->height, SRCPAINT);
            CopySurface(Expected);
            FillSurface(kGreen);
            MaskedBlit(*g, 20, 11, w, h);
            EXPECT_TRUE(MatchesExpected()) << "glyph " << g->picture << " scale " << scale;
        }
    }
}

} // namespace
