// The trend, its weekly rate and the target date, on logs worked by hand, in
// the icon's tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/trend_tip.h"
#include "render/trend.h"

namespace {

WeightEntry Log[kLogCapacity];

// `before` entries of `weight`, one a day from the `first` of the month up to the 14th
// (the rest on the 14th), then `last` on the 29th.
int32_t RateLog(int first, int32_t before, int32_t last, int month = 1, int32_t weight = 800) {
    for (int32_t i = 0; i < before; i++)
        Log[i] = WeightEntry{20100000 + month * 100 + std::min(first + i, 14), weight};
    Log[before] = WeightEntry{20100029 + month * 100, last};
    return before + 1;
}

int64_t Grams[kLogCapacity];

std::string Tip(int32_t trendOn, int32_t count, int32_t target) {
    char tip[kTrayTipSize];
    CarryTrend(Log, count, Grams);
    FormatTrayTip(tip, sizeof tip, trendOn, Log, Grams, count, target);
    return tip;
}

// Each step rounds its tenth to the nearest gram, halves away from zero.
TEST(Trend, StepsRoundToTheNearestGram) {
    for (int32_t i = 0; i < 5; i++)
        Log[i].weight = i == 1 ? 605 : 600;
    CarryTrend(Log, 5, Grams);
    EXPECT_EQ(std::vector<int64_t>(Grams, Grams + 5),
              std::vector<int64_t>({60000, 60050, 60045, 60040, 60036})); // -4.5 g to -5
}

TEST(TrayTip, TheRateFromFourteenEntriesOver28DaysAndTheDateWithinThreeYears) {
    // 80.0 kg from January `first`, then `last` on the 29th: 70.0 gives -0.25 kg
    // a week (762 days to 51.8 kg, over a leap day); 80.1 gives 2.5 g a week, shown
    // as 0.0 and so no date; 90.0 gives +0.25, the half rounded up.
    struct {
        int32_t trendOn, first, before, last, target;
        const char* tip;
    } cases[] = {
        {0, 1, 14, 700, 750, "weighminder"},
        {1, 1, 14, 700, 750, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2010/05/21頃"},
        {1, 1, 13, 700, 518, "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2012/03/01頃"},
        {1, 1, 12, 700, 750, "weighminder\nトレンド 79.0kg"},            // 13 entries
        {1, 2, 13, 700, 750, "weighminder\nトレンド 79.0kg"},            // 27 days
        {1, 1, 14, 700, 0, "weighminder\nトレンド 79.0kg  -0.3kg/週"},   // 2,212 days
        {1, 1, 14, 700, 790, "weighminder\nトレンド 79.0kg  -0.3kg/週"}, // there
        {1, 1, 14, 700, 800, "weighminder\nトレンド 79.0kg  -0.3kg/週"}, // behind
        {1, 1, 14, 801, 801, "weighminder\nトレンド 80.0kg  0.0kg/週"},  // 252 days
        {1, 1, 0, 800, 750, "weighminder\nトレンド 80.0kg"},             // one entry
        {1, 1, kLogCapacity - 1, 900, 850,                               // a full log
         "weighminder\nトレンド 81.0kg  +0.3kg/週\n目標到達 2010/05/21頃"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tip(c.trendOn, RateLog(c.first, c.before, c.last), c.target), c.tip);
    EXPECT_EQ(Tip(1, 0, 750), "weighminder");
    // The same weighings in July: the same rate, and the date 112 days on again.
    EXPECT_EQ(Tip(1, RateLog(1, 14, 700, 7), 750),
              "weighminder\nトレンド 79.0kg  -0.3kg/週\n目標到達 2010/11/18頃");
    // The widest figures still fit the icon's record.
    EXPECT_EQ(Tip(1, RateLog(1, 14, INT32_MAX, 1, INT32_MIN), 500),
              "weighminder\nトレンド -171798691.9kg  +10737418.2kg/週\n目標到達 2010/05/22頃");
}

} // namespace
