// The chart's points, pens and column owners for a log and settings in the shared records,
// trend line included, worked out by hand; thin lines reduced to the points that paint.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/chart_state.h"
#include "render/hover_columns.h"
#include "render/thin_stroke.h"

namespace {

ChartPlan Plan;

struct Flags {
    int height, target, original, limit, limit2, ninpu, risou;
};
const Flags kPlain = {160, 500, 500, 0, 0, 0, 0}, kLimits = {160, 500, 500, 1, 1, 0, 0};
const Flags kPregnancy = {160, 550, 500, 1, 1, 1, 1}, kNinpu2 = {160, 550, 500, 1, 1, 2, 1};

struct ChartCase {
    const char* name;
    std::vector<WeightEntry> log;
    Flags flags; // height, target, original, limit, limit2, ninpu, risou
    int span, marker, scrollBack, high, low;
    std::string strokes; // kind letter and pen width, then the points
    const char* columns; // runs of columns and the entry that owns them
    bool trend = false;
};

std::vector<WeightEntry> Daily(const std::vector<int>& weights) {
    std::vector<WeightEntry> log(weights.size());
    for (size_t i = 0; i < log.size(); i++)
        log[i] = {20100501 + (int)i, weights[i]};
    return log;
}

const auto kSeven = Daily({523, 521, 524, 518, 515, 517, 512});
const auto kTen = Daily({500, 503, 506, 509, 512, 515, 518, 521, 524, 527});
// 30, 40 and 50 days of gain after a period that started on 2010-01-01.
const std::vector<WeightEntry> kPregnant = {{20100421, 530}, {20100501, 534}, {20100511, 537}};

void Given(const std::vector<WeightEntry>& log, const Flags& f) {
    int n = (int)log.size();
    Settings = {0, 0, 0, n, f.target, f.original, f.height, f.limit, f.limit2, f.ninpu, f.risou, 0};
    PeriodStartDate = {2010, 1, 1};
    std::copy(log.begin(), log.end(), WeightLog);
    LogRevision++;
}

std::string Strokes() {
    std::string out;
    for (int i = 0; i < Plan.strokeCount; i++) {
        const ChartStroke& s = Plan.strokes[i];
        out += (i ? " | " : "") + std::string(1, "GRWUOTM"[s.kind]) +
               std::to_string(kChartPens[s.pen].width);
        for (int p = s.start; p < s.start + s.count; p++)
            out += " " + std::to_string(Plan.points[p].x) + "," + std::to_string(Plan.points[p].y);
    }
    return out;
}

// The published tables as runs "from-to:entry"; each label is checked against
// its entry's, built digit by digit rather than with printf.
std::string Columns() {
    std::string out;
    for (int from = 0, k = 1; k <= kHoverColumns; k++) {
        if (k < kHoverColumns && HoverIndexTable[k] == HoverIndexTable[from])
            continue;
        const WeightEntry& e = WeightLog[HoverIndexTable[from]];
        std::string label =
            "'" + std::to_string(e.date / 100000 % 10) + std::to_string(e.date / 10000 % 10) + "/" +
            std::to_string(e.date / 100 % 100) + "/" + std::to_string(e.date % 100) + " " +
            std::to_string(e.weight / 10) + "." + std::to_string(e.weight % 10) + "kg";
        for (int c = from; c < k; c++)
            EXPECT_EQ(HoverLabels[c], label) << "column " << c;
        out += (from ? " " : "") + std::to_string(from) + "-" + std::to_string(k - 1) + ":" +
               std::to_string(HoverIndexTable[from]);
        from = k;
    }
    return out;
}

const ChartCase kCases[] = {
    {"pregnancy, all four lines", kPregnant, kPregnancy, 7, 2, 0, 670, 448,
     "G2 5,59 24,58 43,56 | W4 5,55 24,53 43,52 | U1 5,72 24,70 43,69 | O1 5,15 24,14 43,12 | "
     "T2 5,48 119,48 | M8 43,52 43,52",
     "0-23:0 24-42:1 43-255:2"},
    {"ninpu 2: rising lines on a plain scale", kPregnant, kNinpu2, 7, 2, 0, 645, 448,
     "G2 5,57 24,55 43,53 | W4 5,51 24,50 43,49 | U1 5,71 24,69 43,67 | O1 5,7 24,5 43,3 | "
     "T2 5,44 119,44 | M8 43,49 43,49",
     "0-23:0 24-42:1 43-255:2"},
    // More than 30 entries in a span draw thin, more than 10 medium, else thick.
    {"span 30, level lines", Daily({523, 521, 524}), kLimits, 30, 2, 0, 645, 448,
     "W2 5,54 8,55 12,53 | U1 5,76 8,76 12,76 | O1 5,12 8,12 12,12 | T2 5,62 119,62 | M6 12,53 "
     "12,53",
     "0-7:0 8-11:1 12-255:2"},
    {"scroll-back 2 of ten", kTen, kPlain, 7, 7, 2, 526, 491,
     "W4 5,56 24,50 43,44 62,38 81,32 100,26 119,20 | T2 5,62 119,62 | M8 119,20 119,20",
     "0-23:1 24-42:2 43-61:3 62-80:4 81-99:5 100-118:6 119-255:7"},
    {"target equal to high, span 10", Daily({495, 490}), kPlain, 10, 1, 0, 500, 478,
     "W4 5,26 17,42 | T2 5,10 119,10 | M8 17,42 17,42", "0-16:0 17-255:1"},
    {"target equal to low, span 11", Daily({505, 510}), kPlain, 11, 1, 0, 515, 493,
     "W2 5,42 16,26 | T2 5,58 120,58 | M6 16,26 16,26", "0-15:0 16-255:1"},
    // Beyond what the board passes: a span below 2 counts as 2, a marker out of view sits on
    // the first point, and a scroll-back past the log is held to the oldest entry.
    {"span 1, marker out of view", kSeven, kPlain, 1, 7, 0, 522, 488,
     "W4 5,21 120,31 | T2 5,56 120,56 | M8 5,21 5,21", "0-119:5 120-255:6"},
    {"one entry", Daily({500}), kPlain, 7, 0, 0, 505, 488,
     "W4 5,31 | T2 5,31 119,31 | M8 5,31 5,31", "0-255:0"},
    {"scroll-back of the whole log, span 31", kTen, kPlain, 31, 9, 10, 505, 488,
     "W1 5,31 | T2 5,31 119,31 | M4 5,31 5,31", "0-255:0"},
    // After three days at 60.0 the trend in view, 59.2 ... 55.7, raises the top.
    {"trend above the weights", Daily({600, 600, 600, 523, 521, 524, 518, 515, 517, 512}), kPlain,
     7, 9, 0, 597, 488,
     "R1 5,14 24,18 43,22 62,26 81,30 100,33 119,36 | W4 5,58 24,59 43,57 62,61 81,63 100,62 "
     "119,65 | T2 5,73 119,73 | M8 119,65 119,65",
     "0-23:3 24-42:4 43-61:5 62-80:6 81-99:7 100-118:8 119-255:9", true},
};

TEST(Chart, PlotsTheEntriesInViewOnTheirScale) {
    for (const ChartCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Given(c.log, c.flags);
        Options.trend = c.trend;
        ASSERT_EQ(PlanWeightChart(CurrentChartInput(), c.span, c.marker, c.scrollBack, &Plan), 0);
        memset(HoverIndexTable, 0xff, sizeof HoverIndexTable);
        PublishHoverTables(Plan);
        EXPECT_EQ(Plan.scale.high, c.high);
        EXPECT_EQ(Plan.scale.low, c.low);
        EXPECT_EQ(Strokes(), c.strokes);
        EXPECT_EQ(Columns(), c.columns);
    }
}

TEST(Chart, EmptyLogPlansNothing) {
    Given({}, kPlain);
    Plan.strokeCount = Plan.count = Plan.first = 9;
    EXPECT_EQ(PlanWeightChart(CurrentChartInput(), 7, 0, 0, &Plan), -1);
    EXPECT_EQ(Plan.strokeCount + Plan.count + Plan.first, 0);
}

// A label never leaves its 20-byte slot, whatever a hand-edited log holds.
TEST(Chart, LabelsStayInTheirSlots) {
    char out[kHoverLabelSize + 1] = "xxxxxxxxxxxxxxxxxxxx";
    FormatHoverLabel({-2147483647, -2147483647}, out);
    EXPECT_EQ(strlen(out), 19u);
}

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
    EXPECT_EQ(Reduced({{5, 10}, {5, 12}, {6, 20}}), "5,10 5,12 6,20 ");
    EXPECT_EQ(Reduced({{7, 7}, {7, 7}}) + Reduced({{7, 7}}), "7,7 7,7 ");
    EXPECT_EQ(Reduced({}), "");
}

} // namespace
