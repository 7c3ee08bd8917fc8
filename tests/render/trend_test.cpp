// The trend, its weekly rate and the target date, on logs worked by hand;
// the chart with the trend on; the icon's tip and the settings line.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/trend_tip.h"
#include "render/chart_plan.h"
#include "render/trend.h"
#include "store/settings_text.h"

namespace {

WeightEntry Log[kLogCapacity];
ChartPlan Plan;

// Weights in log order, one a day from 1 January 2010.
int32_t SetLog(const std::vector<int32_t>& weights) {
    for (size_t i = 0; i < weights.size(); i++)
        Log[i] = WeightEntry{20100101 + (int32_t)i, weights[i]};
    return (int32_t)weights.size();
}

std::vector<int32_t> Tenths(int32_t count) {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < count; i++)
        out.push_back(TrendTenths(TrendAt(Log, i)));
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
    int32_t n = SetLog({600, 605, 600, 600, 600});
    EXPECT_EQ(TrendAt(Log, 3), 60040);
    EXPECT_EQ(Tenths(n), (std::vector<int32_t>{600, 601, 600, 600, 600}));
}

TEST(Trend, AfterAJumpMovesATenthAWayAndSettlesOnTheNewWeight) {
    std::vector<int32_t> down(101, 600), up(101, 600);
    down[0] = 700;
    up[0] = 500;
    SetLog(down);
    EXPECT_EQ(Tenths(5), (std::vector<int32_t>{700, 690, 681, 673, 666}));
    EXPECT_EQ(TrendAt(Log, 100), 60004); // stops 4 g above
    SetLog(up);
    EXPECT_EQ(TrendAt(Log, 100), 59996); // and 4 g below, still shown as 60.0
    EXPECT_EQ(TrendTenths(TrendAt(Log, 100)), 600);
}

TEST(Trend, AFullLogOf65536Entries) {
    int32_t n = RateLog(1, kLogCapacity - 1, 900);
    ASSERT_EQ(n, kLogCapacity);
    TrendSummary t;
    ASSERT_EQ(SummarizeTrend(Log, n, 850, &t), 0);
    // 80.0 kg throughout, then a tenth of the way to 90.0; +1.0 kg in 28 days.
    EXPECT_EQ(t.tenths, 810);
    EXPECT_EQ(t.rateTenths, 3); // 0.25 kg a week, the half rounded up
    EXPECT_EQ(t.targetDate, 20100521);
    EXPECT_EQ(Tip(1, n, 850), "weighminder\nトレンド 81.0kg  +0.3kg/週\n目標到達 2010/05/21頃");
}

TEST(TrendRate, NeedsFourteenEntriesAndOneTwentyEightDaysBack) {
    struct {
        int first, before, hasRate;
    } cases[] = {{1, 13, 1}, {1, 12, 0}, {2, 13, 0}};
    for (const auto& c : cases) {
        TrendSummary t;
        ASSERT_EQ(SummarizeTrend(Log, RateLog(c.first, c.before, 700), 750, &t), 0);
        EXPECT_EQ(t.tenths, 790);
        EXPECT_EQ(t.hasRate, c.hasRate) << c.first << " " << c.before;
        EXPECT_EQ(t.hasProjection, c.hasRate);
    }
    TrendSummary t;
    EXPECT_EQ(SummarizeTrend(Log, 0, 750, &t), -1);
}

TEST(TrendRate, TheTargetDateOnlyWhenTheTrendHeadsThereWithinThreeYears) {
    // -1.0 kg in 28 days from 80.0 to 79.0: -0.25 kg a week, shown -0.3.
    struct {
        int32_t target, hasProjection, date;
    } cases[] = {{750, 1, 20100521}, // 4 kg: 112 days after 29 January
                 {600, 1, 20110715}, // 532 days
                 {0, 0, 0},          // 2,212 days
                 {790, 0, 0},        // there already
                 {800, 0, 0}};       // behind
    int32_t n = RateLog(1, 14, 700);
    for (const auto& c : cases) {
        TrendSummary t;
        SummarizeTrend(Log, n, c.target, &t);
        EXPECT_EQ(t.rateTenths, -3);
        EXPECT_EQ(t.hasProjection, c.hasProjection) << c.target;
        EXPECT_EQ(t.targetDate, c.date) << c.target;
    }
}

TEST(TrayTip, LinesForTheTrendItsRateAndTheTargetDate) {
    struct {
        int32_t trendOn, count, last, target;
        const char* tip;
    } cases[] = {
        {0, 15, 700, 750, "weighminder"},
        {1, 0, 700, 750, "weighminder"},
        {1, 5, 700, 750, "weighminder\nトレンド 80.0kg"},
        {1, 15, 700, 750, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2010/05/21頃"},
        {1, 15, 801, 850, "weighminder\nトレンド 80.0kg  0.0kg/週"}, // 2.5 g a week
    };
    for (const auto& c : cases) {
        RateLog(1, 14, c.last);
        EXPECT_EQ(Tip(c.trendOn, c.count, c.target), c.tip);
    }
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
        std::vector<int32_t> weights;
        int64_t high, range;
        std::vector<int> trendYs, weightYs;
    } cases[] = {
        // Trend 52.3 52.3 52.3 52.2 52.2 52.1 52.0: inside the weights' scale.
        {{523, 521, 524, 518, 515, 517, 512}, 529, 41, {21, 21, 21, 22, 22, 24, 26},
         {21, 24, 19, 29, 34, 31, 40}},
        // Three days at 60.0 first: the trend in view starts at 59.2 and
        // raises the scale's top to 59.7.
        {{600, 600, 600, 523, 521, 524, 518, 515, 517, 512}, 597, 109,
         {14, 18, 22, 26, 30, 33, 36}, {58, 59, 57, 61, 63, 62, 65}},
    };
    for (const auto& c : cases) {
        in.count = SetLog(c.weights);
        ASSERT_EQ(PlanWeightChart(in, 7, in.count - 1, 0, true, &Plan), 0);
        EXPECT_EQ(Plan.scale.high, c.high);
        EXPECT_EQ(Plan.scale.range, c.range);
        std::vector<int> xs[2], ys[2];
        ASSERT_EQ(Plan.strokeCount, 4);
        for (int s = 0; s < 2; s++) {
            const ChartStroke& st = Plan.strokes[s];
            EXPECT_EQ(st.kind, s == 0 ? kStrokeTrend : kStrokeWeight);
            for (int32_t i = 0; i < st.count; i++) {
                xs[s].push_back(Plan.points[st.start + i].x);
                ys[s].push_back(Plan.points[st.start + i].y);
            }
        }
        EXPECT_EQ(Plan.strokes[0].pen, kPenTrend);
        EXPECT_EQ(xs[0], (std::vector<int>{5, 24, 43, 62, 81, 100, 119}));
        EXPECT_EQ(xs[1], xs[0]);
        EXPECT_EQ(ys[0], c.trendYs);
        EXPECT_EQ(ys[1], c.weightYs);
    }
}

TEST(TrendSetting, ALineAfterTheTwelveOnlyWhileOn) {
    char text[16];
    OptionSettings on = {1}, off = {0};
    EXPECT_EQ(FormatOptionLines(text, sizeof text, &on), 9);
    EXPECT_STREQ(text, "trend=1\r\n");
    EXPECT_EQ(FormatOptionLines(text, sizeof text, &off), 0);
    struct {
        const char* text;
        int32_t trend;
    } cases[] = {{"risou=0\r\ntrend=1\r\n", 1}, {"TREND=1\r\n", 1}, {"risou=0\r\n", 0},
                 {"trend=2\r\n", 0},            {"trend=1", 0}};
    for (const auto& c : cases) {
        OptionSettings read = {1};
        ParseOptionLines(c.text, (int)strlen(c.text), &read);
        EXPECT_EQ(read.trend, c.trend) << c.text;
    }
}

} // namespace
