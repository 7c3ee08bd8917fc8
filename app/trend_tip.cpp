#include "app/trend_tip.h"

#include <stdio.h>

#include "render/trend.h"

namespace {

enum { kNumberSize = 16 };

// Tenths of a kilogram as "64.8" or "-0.4"; with `sign`, a rise as "+0.3".
void FormatTenths(char out[kNumberSize], int32_t tenths, bool sign) {
    uint32_t magnitude = tenths < 0 ? 0u - (uint32_t)tenths : (uint32_t)tenths;
    const char* prefix = tenths < 0 ? "-" : sign && tenths > 0 ? "+" : "";
    snprintf(out, kNumberSize, "%s%u.%u", prefix, (unsigned)(magnitude / 10),
             (unsigned)(magnitude % 10));
}

} // namespace

void FormatTrayTip(char* out, size_t size, int32_t trendOn, const WeightEntry* log,
                   const int64_t* grams, int32_t count, int32_t target) {
    TrendSummary t;
    if (trendOn != 1 || SummarizeTrend(log, grams, count, target, &t) != 0) {
        snprintf(out, size, "weighminder");
        return;
    }
    char trend[kNumberSize];
    char rate[kNumberSize + 16] = "";
    char goal[48] = "";
    FormatTenths(trend, t.tenths, false);
    if (t.hasRate) {
        char number[kNumberSize];
        FormatTenths(number, t.rateTenths, true);
        snprintf(rate, sizeof rate, "  %skg/週", number);
    }
    if (t.hasProjection)
        snprintf(goal, sizeof goal, "\n目標到達 %04d/%02d/%02d頃", DateYear(t.targetDate),
                 DateMonth(t.targetDate), DateDay(t.targetDate));
    snprintf(out, size, "weighminder\nトレンド %skg%s%s", trend, rate, goal);
}
