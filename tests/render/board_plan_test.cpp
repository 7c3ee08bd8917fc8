// Chalk numbers and one paint of the board as data: where each glyph lands,
// which pictures go where and how the chart is called. Glyphs read left to
// right: digits ('?' for one that draws nothing), '.', 'k' (unit), '+', '-'.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/board_plan.h"
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

// The glyphs left to right; with positions, each "glyph@x,y " relative to
// (x0, y0).
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
    const struct {
        double value, scale;
        int mode;
        const char* cells; // relative to the hundreds cell at (100, 50)
    } kCases[] = {
        {100.0, 1.0, WithUnit, "1@0,0 0@17,0 0@34,0 .@51,20 0@56,1 k@72,8 "},
        {-0.04, 1.0, SignedWithUnit, "-@17,0 0@34,0 .@51,20 0@56,1 k@72,8 "},
        {-123.4, 1.0, SignedWithUnit, "-@-17,0 1@0,0 2@17,0 3@34,0 .@51,20 4@56,1 k@72,8 "},
        {-123.4, 0.7, SignedWithUnit, "-@-12,0 1@0,0 2@11,0 3@23,0 .@35,14 4@39,0 k@50,5 "},
        {-123.4, 0.6, SignedWithUnit, "-@-11,0 1@0,0 2@10,0 3@20,0 .@30,12 4@33,0 k@43,4 "},
        {22.59, 1.0, WithTenths, "2@17,0 2@34,0 .@51,20 5@56,1 "},
        {1234.5, 1.0, WithTenths, "3@17,0 4@34,0 .@51,20 5@56,1 "},
        {65.3, 1.0, -7, "6@17,0 5@34,0 "}, // the modes are thresholds
        {65.3, 1.0, 2, "6@17,0 5@34,0 .@51,20 3@56,1 k@72,8 "},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Glyphs(Lay(c.value, 100, 50, c.scale, c.mode), true, 100, 50), c.cells)
            << c.value;
    // The sign, a digit, the point and the unit at the board's scales.
    for (auto s : {std::make_pair(1.0, "16x22 16x22 5x5 30x22 "),
                   {0.7, "11x15 11x15 3x3 21x15 "},
                   {0.6, "9x13 9x13 3x3 18x13 "}}) {
        Cells l = Lay(-123.4, 0, 0, s.first, SignedWithUnit);
        std::string sizes;
        for (int i : {0, 1, 4, 6})
            sizes += std::to_string(l[i].width) + "x" + std::to_string(l[i].height) + " ";
        EXPECT_EQ(sizes, s.second) << s.first;
    }
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
    const struct {
        double weight;
        int logCount, height;
        int month, day, weekday, face, hoverActive, hoverX;
        const char* numbers; // weight | change | month | day | body-mass index
        const char* rest;    // weekday, face, chart call, painted column, read-out column
    } kCases[] = {
        {105.3, 2, 170, 5, 8, 6, 2, 0, 0,
         "1@115,8 0@132,8 5@149,8 .@166,28 3@171,9 k@187,16 | -@147,39 0@159,39 .@171,53 7@175,39 "
         "k@186,44 | 5@232,3 | 8@232,28 | 3@168,64 6@178,64 .@188,76 4@191,64 ",
         "155@231,52/11x13 161@210,64/30x28 chart 7,1,0 painted 254"},
        {106.0, 1, 160, 12, 1, 1, 5, 0, 0,
         "1@115,8 0@132,8 6@149,8 .@166,28 0@171,9 k@187,16 | +@147,39 0@159,39 .@171,53 0@175,39 "
         "k@186,44 | 1@226,3 2@236,3 | 1@232,28 | 4@168,64 1@178,64 .@188,76 4@191,64 ",
         "154@231,52/11x13 164@210,64/30x28 chart 7,0,0 painted 254"},
        // After a reset: no log, no height.
        {0.0, 0, 0, 9, 30, 0, 0, 1, 40,
         "0@149,8 .@166,28 0@171,9 k@187,16 | +@147,39 0@159,39 .@171,53 0@175,39 k@186,44 | "
         "9@232,3 | 3@226,28 0@236,28 | -",
         "156@231,52/11x13 152@210,64/30x28 no chart painted 77 read-out 40"},
        {65.3, 4, 170, 5, 8, 7, 6, 1, 40,
         "6@132,8 5@149,8 .@166,28 3@171,9 k@187,16 | -@136,39 3@147,39 4@159,39 .@171,53 7@175,39 "
         "k@186,44 | 5@232,3 | 8@232,28 | 2@168,64 2@178,64 .@188,76 5@191,64 ",
         "155@231,52/11x13 164@210,64/30x28 chart 7,1040,2 painted 40 read-out 40"},
        // Another active value shows the read-out over the newest chart; a
        // column off the table reads its last slot.
        {65.3, 4, -3, 5, 8, -1, -1, 2, 300,
         "6@132,8 5@149,8 .@166,28 3@171,9 k@187,16 | -@136,39 3@147,39 4@159,39 .@171,53 7@175,39 "
         "k@186,44 | 5@232,3 | 8@232,28 | -",
         "155@231,52/11x13 164@210,64/30x28 chart 7,3,0 painted 254 read-out 255"},
    };
    for (const auto& c : kCases) {
        BoardState s = {
            c.weight,  log,           c.logCount, c.height, {2010, c.month, c.day, c.weekday},
            c.face,    c.hoverActive, c.hoverX,   7,        2,
            hoverTable};
        BoardPlan p;
        PlanBoardPaint(s, 77, &p);
        EXPECT_EQ(Glyphs(p.weight) + "| " + Glyphs(p.change) + "| " + Glyphs(p.month) + "| " +
                      Glyphs(p.day) + "| " + (p.drawBmi ? Glyphs(p.bmi) : "-"),
                  c.numbers);
        std::string chart = "chart " + std::to_string(p.chartSpan) + "," +
                            std::to_string(p.chartMarker) + "," + std::to_string(p.chartScrollBack);
        EXPECT_EQ(Place(p.weekday) + Place(p.face) + (p.drawChart ? chart : "no chart") +
                      " painted " + std::to_string(p.paintedHoverX) +
                      (p.showReadout ? " read-out " + std::to_string(p.readoutColumn) : ""),
                  c.rest);
        // The sprite sheet holds each picture at the size it is placed at.
        for (const PicturePlacement* q :
             {&p.plusButton, &p.minusButton, &p.dateColumn, &p.weekday, &p.bmiLabel, &p.face}) {
            const SheetSlot* slot = FindSheetSlot(q->id);
            EXPECT_TRUE(slot && slot->width == q->width && slot->height == q->height) << q->id;
        }
        EXPECT_EQ(Place(p.plusButton) + Place(p.minusButton) + Place(p.dateColumn) +
                      Place(p.bmiLabel) + std::to_string(p.background),
                  "165@72,75/16x16 166@32,75/16x16 151@221,16/27x51 "
                  "150@130,62/31x19 104");
    }
}

} // namespace
