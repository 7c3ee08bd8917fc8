// The trend, its weekly rate and the target date, on logs worked by hand;
// the chart with the trend on; the icon's tip and the settings line.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/trend_tip.h"
#include "render/chart_plan.h"
#include "render/trend.h"
#include "store/settings_text.h"

namespace {

using V = std::vector<int32_t>;

WeightEntry Log[kLogCapacity];
ChartPlan Plan;

// Weights in log order, one a day from 1 January 2010.
int32_t SetLog(const V& weights) {
    for (size_t i = 0; i < weights.size(); i++)
        Log[i] = WeightEntry{20100101 + (int32_t)i, weights[i]};
    return (int32_t)weights.size();
}

V Tenths(int32_t from, int32_t to) {
    V out;
    while (from <= to)
        out.push_back(TrendTenths(TrendAt(Log, from++)));
    return out;
}

// `before` entries of 800, one a day from January `first` up to the 14th
// (the rest on the 14th), then `last` on 29 January.
int32_t RateLog(int first, int32_t before, int32_t last) {
    for (int32_t i = 0; i < before; i++)
        Log[i] = WeightEntry{20100100 + std::min(first + i, 14), 800};
    Log[before] = WeightEntry{20100129, last};
    return before + 1;
}

std::string Tip(int32_t trendOn, int32_t count, int32_t target) {
    char tip[kTrayTipSize];
    FormatTrayTip(tip, sizeof tip, trendOn, Log, count, target);
    return tip;
}

TEST(Trend, RoundsEachStepAndTheTenthsToTheNearest) {
    // Grams 60000, 60050, 60045, 60040 (-4.5 g rounds to -5), 60036.
    SetLog({600, 605, 600, 600, 600});
    EXPECT_EQ(TrendAt(Log, 3), 60040);
    EXPECT_EQ(Tenths(0, 4), V({600, 601, 600, 600, 600}));
    // A jump: a tenth of the way each entry, settling 4 g off the new weight.
    V jump(101, 600);
    jump[0] = 700;
    SetLog(jump);
    EXPECT_EQ(Tenths(0, 4), V({700, 690, 681, 673, 666}));
    EXPECT_EQ(TrendAt(Log, 100), 60004);
    Log[0].weight = 500;
    EXPECT_EQ(TrendAt(Log, 100), 59996);
    EXPECT_EQ(Tenths(100, 100), V({600}));
}

TEST(Trend, AFullLogOf65536Entries) {
    // 80.0 kg on 20 December, then a tenth of the way to 90.0 on 17 January:
    // +1.0 kg in 28 days, 0.25 kg a week with the half rounded up; 85.0 in
    // 112 days.
    for (int32_t i = 0; i < kLogCapacity; i++)
        Log[i] = WeightEntry{20091220, 800};
    Log[kLogCapacity - 1] = WeightEntry{20100117, 900};
    EXPECT_EQ(Tip(1, kLogCapacity, 850),
              "weighminder\nトレンド 81.0kg  +0.3kg/週\n目標到達 2010/05/09頃");
}

TEST(TrayTip, TheRateFromFourteenEntriesOver28DaysAndTheDateWithinThreeYears) {
    // 80.0 kg from January `first`, then `last` on the 29th: 70.0 gives
    // -1.0 kg in 28 days, -0.25 kg a week (762 days to 51.8 kg, over a leap
    // day); 80.1 gives 2.5 g a week, shown as 0.0 and so no date.
    struct {
        int32_t trendOn, first, before, last, target;
        const char* tip;
    } cases[] = {
        {0, 1, 14, 700, 750, "weighminder"},
        {1, 1, 14, 700, 750, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2010/05/21頃"},
        {1, 1, 13, 700, 518, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2012/03/01頃"},
        {1, 1, 13, 700, 519, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2012/02/27頃"},
        {1, 1, 12, 700, 750, "weighminder\nトレンド 79.0kg"}, // 13 entries
        {1, 2, 13, 700, 750, "weighminder\nトレンド 79.0kg"}, // 27 days
        {1, 1, 14, 700, 0, "weighminder\nトレンド 79.0kg  -0.3kg/週"},   // 2,212 days
        {1, 1, 14, 700, 790, "weighminder\nトレンド 79.0kg  -0.3kg/週"}, // there
        {1, 1, 14, 700, 800, "weighminder\nトレンド 79.0kg  -0.3kg/週"}, // behind
        {1, 1, 14, 801, 801, "weighminder\nトレンド 80.0kg  0.0kg/週"}, // 252 days
        {1, 1, 0, 800, 750, "weighminder\nトレンド 80.0kg"},           // one entry
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tip(c.trendOn, RateLog(c.first, c.before, c.last), c.target), c.tip);
    EXPECT_EQ(Tip(1, 0, 750), "weighminder");
    // The widest figures still fit the icon's record.
    int32_t n = RateLog(1, 14, INT32_MAX);
    for (int32_t i = 0; i < 14; i++)
        Log[i].weight = INT32_MIN;
    EXPECT_EQ(Tip(1, n, 500),
              "weighminder\nトレンド -171798691.9kg  +10737418.2kg/週\n目標到達 2010/05/22頃");
}

TEST(TrendChart, SevenEntriesWithTheTrendUnderTheWeightLine) {
    SettingsRecord settings = {};
    settings.height = 160;
    settings.targetweight = 500;
    ChartInput in = {Log, 0, &settings, [](int) { return 0; }};
    struct {
        V weights;
        int64_t high, range;
        V trendYs, weightYs;
    } cases[] = {
        // Trend 52.3 52.3 52.3 52.2 52.2 52.1 52.0: inside the weights' scale.
        {{523, 521, 524, 518, 515, 517, 512}, 529, 41, {21, 21, 21, 22, 22, 24, 26},
         {21, 24, 19, 29, 34, 31, 40}},
        // Three days at 60.0 first: the trend 59.2 ... 55.7 raises the top.
        {{600, 600, 600, 523, 521, 524, 518, 515, 517, 512}, 597, 109,
         {14, 18, 22, 26, 30, 33, 36}, {58, 59, 57, 61, 63, 62, 65}},
    };
    for (const auto& c : cases) {
        in.count = SetLog(c.weights);
        ASSERT_EQ(PlanWeightChart(in, 7, in.count - 1, 0, true, &Plan), 0);
        EXPECT_EQ(std::make_pair(Plan.scale.high, Plan.scale.range),
                  std::make_pair(c.high, c.range));
        const ChartStroke &t = Plan.strokes[0], &w = Plan.strokes[1];
        ASSERT_EQ(std::make_tuple(Plan.strokeCount, t.kind, t.pen, w.kind, t.count, w.count),
                  std::make_tuple(4, kStrokeTrend, kPenTrend, kStrokeWeight, 7, 7));
        V ys[2];
        for (int32_t i = 0; i < 7; i++) {
            EXPECT_EQ(Plan.points[t.start + i].x, Plan.points[w.start + i].x) << i;
            ys[0].push_back(Plan.points[t.start + i].y);
            ys[1].push_back(Plan.points[w.start + i].y);
        }
        EXPECT_EQ(ys[0], c.trendYs);
        EXPECT_EQ(ys[1], c.weightYs);
    }
}

TEST(TrendSetting, ALineAfterTheTwelveOnlyWhileOn) {
    char text[16];
    OptionSettings on = {1}, off = {0};
    EXPECT_EQ(FormatOptionLines(text, sizeof text, &on), 9);
    EXPECT_STREQ(text, "trend=1\r\n");
    EXPECT_EQ(FormatOptionLines(text, sizeof text, &off), 0) << "nothing while off";
    // Each text read over an option that was on, and the option it leaves.
    const std::pair<const char*, int32_t> cases[] = {
        {"risou=0\r\ntrend=1\r\n", 1}, {"TREND=1\r\n", 1}, {"risou=0\r\n", 0},
        {"trend=2\r\n", 0}};
    for (const auto& c : cases) {
        OptionSettings read = {1};
        ParseOptionLines(c.first, (int)strlen(c.first), &read);
        EXPECT_EQ(read.trend, c.second) << c.first;
    }
}

} // namespace
