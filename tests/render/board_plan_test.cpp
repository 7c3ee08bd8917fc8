// Chalk numbers and one paint of the board as data: where each glyph lands, which pictures go
// where and how the chart is called; the pictures' sheet and where a bitmap resource's rows
// start. Glyphs read left to right: digits ('?' draws nothing), '.', 'k' (unit), '+', '-'.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "render/board_plan.h"
#include "render/board_speech.h"
#include "render/dib_layout.h"
#include "render/number_layout.h"
#include "render/sprite_sheet.h"

namespace {

using Cells = std::vector<GlyphCell>;

Cells Lay(double value, int x, int y, double scale, int mode) {
    NumberLayout l;
    LayoutChalkNumber(value, x, y, scale, mode, &l);
    Cells cells(l.cells, l.cells + l.count);
    std::sort(cells.begin(), cells.end(),
              [](const GlyphCell& a, const GlyphCell& b) { return a.x < b.x; });
    return cells;
}

// The glyphs left to right; with positions, each "glyph@x,y " from (x0, y0).
std::string Glyphs(const Cells& cells, bool positions = true, int x0 = 0, int y0 = 0) {
    std::string out;
    for (const GlyphCell& c : cells) {
        bool digit = c.kind == kGlyphDigit && c.digit >= 0 && c.digit <= 9;
        char other = c.kind == kGlyphSign ? "-+"[c.positive] : "?.k"[c.kind];
        out += digit ? (char)('0' + c.digit) : other;
        if (positions)
            out += "@" + std::to_string(c.x - x0) + "," + std::to_string(c.y - y0) + " ";
    }
    return out;
}

TEST(ChalkNumber, GlyphsSitAtTheirOffsets) {
    // Value, scale, mode: the cells relative to the hundreds cell at (100, 50).
    const std::tuple<double, double, int, const char*> kCases[] = {
        {-0.04, 1.0, SignedWithUnit, "-@17,0 0@34,0 .@51,20 0@56,1 k@72,8 "},
        {-123.4, 1.0, SignedWithUnit, "-@-17,0 1@0,0 2@17,0 3@34,0 .@51,20 4@56,1 k@72,8 "},
        {-123.4, 0.7, SignedWithUnit, "-@-12,0 1@0,0 2@11,0 3@23,0 .@35,14 4@39,0 k@50,5 "},
        {1034.5, 1.0, WithTenths, "3@17,0 4@34,0 .@51,20 5@56,1 "},
        {65.3, 1.0, -7, "6@17,0 5@34,0 "}, // the modes are thresholds
        {65.3, 1.0, 2, "6@17,0 5@34,0 .@51,20 3@56,1 k@72,8 "},
    };
    for (const auto& [value, scale, mode, cells] : kCases)
        EXPECT_EQ(Glyphs(Lay(value, 100, 50, scale, mode), true, 100, 50), cells) << value;
    // The sign, a digit, the point and the unit at the change's scale.
    Cells l = Lay(-123.4, 0, 0, 0.7, SignedWithUnit);
    std::string sizes;
    for (int i : {0, 1, 4, 6})
        sizes += std::to_string(l[i].width) + "x" + std::to_string(l[i].height) + " ";
    EXPECT_EQ(sizes, "11x15 11x15 3x3 21x15 ");
}

// Every weight from 0.0 to 999.9 kg, either sign, reads as printf writes it:
// w / 10.0 times 10 is not always w again, yet no tenth is lost.
TEST(ChalkNumber, EveryWeightReadsAsPrintfWritesIt) {
    char text[32];
    for (int w = 0; w <= 9999; w++) {
        for (double value : {w / 10.0, -(w / 10.0)}) {
            snprintf(text, sizeof text, "%c%.1fk", value < 0 ? '-' : '+', fabs(value));
            ASSERT_EQ(Glyphs(Lay(value, 100, 50, 1.0, SignedWithUnit), false), text);
        }
    }
    // Values a hand-edited file may hold draw no digit rather than wrong ones.
    for (double v : {1e300, -1e12, 214748364.8, (double)NAN})
        EXPECT_EQ(Glyphs(Lay(v, 0, 0, 1.0, WithTenths), false), "?.?") << v;
    EXPECT_EQ(Glyphs(Lay(214748364.7, 0, 0, 1.0, WithTenths), false), "64.7");
}

std::string Glyphs(const ChalkNumberCall& c) {
    return Glyphs(Lay(c.value, c.x, c.y, c.scale, c.mode));
}

std::string Place(const PicturePlacement& p) {
    return std::to_string(p.id) + "@" + std::to_string(p.x) + "," + std::to_string(p.y) + "/" +
           std::to_string(p.width) + "x" + std::to_string(p.height) + " ";
}

TEST(BoardPaint, PlacesNumbersPicturesAndTheChart) {
    const WeightEntry log[4] = {{20100505, 1060}, {20100506, 1053}, {20100507, 1000}, {1, 1}};
    int32_t hoverTable[256];
    for (int i = 0; i < 256; i++)
        hoverTable[i] = 1000 + i;
    // Weight | change | month | day | body-mass index | weekday, face, chart call,
    // painted column, read-out column.
    const std::pair<BoardState, const char*> kCases[] = {
        // Another active value than 1 reads out over the newest chart. A column
        // off the table reads its nearest slot.
        {{106.0, log, 1, 160, {2010, 12, 10, 6}, 2, 2, -1, 7, 2, hoverTable},
         "1@115,8 0@132,8 6@149,8 .@166,28 0@171,9 k@187,16 | +@147,39 0@159,39 .@171,53 0@175,39 "
         "k@186,44 | 1@226,3 2@236,3 | 1@226,28 0@236,28 | 4@168,64 1@178,64 .@188,76 4@191,64 | "
         "155@231,52/11x13 161@210,64/30x28 chart 7,0,0 painted 254 read-out 0"},
        // After a reset: no log, no height.
        {{0.0, log, 0, 0, {2010, 9, 30, 0}, 0, 0, 0, 7, 2, hoverTable},
         "0@149,8 .@166,28 0@171,9 k@187,16 | +@147,39 0@159,39 .@171,53 0@175,39 k@186,44 | "
         "9@232,3 | 3@226,28 0@236,28 | - | 156@231,52/11x13 152@210,64/30x28 no chart painted 77"},
        {{65.3, log, 4, 170, {2010, 5, 8, 5}, 5, 1, 256, 7, 2, hoverTable},
         "6@132,8 5@149,8 .@166,28 3@171,9 k@187,16 | -@136,39 3@147,39 4@159,39 .@171,53 7@175,39 "
         "k@186,44 | 5@232,3 | 8@232,28 | 2@168,64 2@178,64 .@188,76 5@191,64 | "
         "153@231,52/11x13 164@210,64/30x28 chart 7,1255,2 painted 256 read-out 255"},
    };
    for (const auto& c : kCases) {
        BoardPlan p;
        PlanBoardPaint(c.first, 77, &p);
        std::string chart = "chart " + std::to_string(p.chartSpan) + "," +
                            std::to_string(p.chartMarker) + "," + std::to_string(p.chartScrollBack);
        EXPECT_EQ(Glyphs(p.weight) + "| " + Glyphs(p.change) + "| " + Glyphs(p.month) + "| " +
                      Glyphs(p.day) + "| " + (p.drawBmi ? Glyphs(p.bmi) : "- ") + "| " +
                      Place(p.weekday) + Place(p.face) + (p.drawChart ? chart : "no chart") +
                      " painted " + std::to_string(p.paintedHoverX) +
                      (p.showReadout ? " read-out " + std::to_string(p.readoutColumn) : ""),
                  c.second);
    }
}

// What a screen reader hears: the board's numbers, and the read-out's entry while it shows.
TEST(BoardSpeech, SaysTheNumbersTheBoardShowsAndTheReadout) {
    const WeightEntry log[4] = {{20261208, 527}, {20261209, 523}, {20100105, -1}, {20100106, 0}};
    int32_t hoverTable[256] = {};
    hoverTable[40] = 2, hoverTable[41] = 4, hoverTable[42] = 3;
    const std::pair<BoardState, const char*> kCases[] = {
        {{52.3, log, 2, 157, {2026, 12, 9, 3}, 0, 0, 0, 7, 0, hoverTable},
         "体重 52.3 kg、前回から −0.4 kg、BMI 21.2、12月9日(水)"},
        {{52.3, log, 2, 157, {2026, 12, 9, 3}, 0, 1, 0, 7, 0, hoverTable},
         "グラフ 2026年12月8日 52.7 kg、体重 52.3 kg、前回から −0.4 kg、BMI 21.2、12月9日(水)"},
        {{-0.1, log, 3, 0, {2010, 1, 5, 9}, 0, 1, 40, 7, 0, hoverTable},
         "グラフ 2010年1月5日 −0.1 kg、体重 −0.1 kg、前回から −52.4 kg、1月5日(土)"},
        {{165.3, log, 4, 0, {2010, 1, 6, 2}, 0, 1, 42, 7, 0, hoverTable},
         "グラフ 2010年1月6日 0.0 kg、体重 165.3 kg、前回から +165.4 kg、1月6日(火)"},
        // After a reset the read-out has no entry; a weight past the digits reads as none.
        {{0.0, log, 0, 0, {2010, 9, 30, 0}, 0, 1, 40, 7, 0, hoverTable},
         "体重 0.0 kg、前回から +0.0 kg、9月30日(日)"},
        {{1e300, log, 4, 170, {2010, 5, 8, 5}, 0, 1, 41, 7, 0, hoverTable},
         "体重 -- kg、前回から -- kg、BMI --、5月8日(金)"},
    };
    for (const auto& [state, said] : kCases) {
        BoardPlan p;
        PlanBoardPaint(state, 77, &p);
        char text[kBoardSpeechSize];
        FormatBoardSpeech(p, state, text, sizeof text);
        EXPECT_EQ(std::string(text), said);
    }
}

// Every picture has a place of its own on the sheet, found by its id; a paint
// places the fixed ones and every weekday and face as large as they are there.
TEST(SpriteSheet, EachPictureHasAPlaceOfItsOwnAsLargeAsItIsPlaced) {
    for (int i = 0, end = 0; i < kSheetSpriteCount; i++) {
        const SheetSlot& s = SheetSlots()[i];
        EXPECT_EQ(FindSheetSlot(s.id), &s);
        EXPECT_TRUE(s.x >= end && s.x + s.width <= kSheetWidth && s.height <= kSheetHeight) << s.id;
        end = s.x + s.width;
    }
    EXPECT_EQ(FindSheetSlot(104), nullptr); // the canvas is not copied from the sheet
    for (int i = -1; i < 7; i++) {
        BoardState s = {};
        s.today.weekday = s.faceIndex = i;
        BoardPlan p;
        PlanBoardPaint(s, 0, &p);
        EXPECT_EQ(Place(p.plusButton) + Place(p.minusButton) + Place(p.dateColumn) +
                      Place(p.bmiLabel) + std::to_string(p.background),
                  "165@72,75/16x16 166@32,75/16x16 151@221,16/27x51 150@130,62/31x19 104");
        for (const PicturePlacement* q :
             {&p.plusButton, &p.minusButton, &p.dateColumn, &p.weekday, &p.bmiLabel, &p.face}) {
            const SheetSlot* slot = FindSheetSlot(q->id);
            EXPECT_TRUE(slot && slot->width == q->width && slot->height == q->height) << q->id;
        }
    }
}

// Sizes of headers and rows worked out from the bitmap format by hand.
TEST(DibLayout, RowsStartAfterHeaderAndColoursOrTheResourceIsRefused) {
    // Header, the resource's bytes: where the rows start (0: refused).
    const std::tuple<DibHeaderFields, size_t, size_t> kCases[] = {
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
    for (const auto& [h, bytes, offset] : kCases)
        EXPECT_EQ(DibBitsOffset(h, bytes), offset) << h.width << "x" << h.height;
}

} // namespace
