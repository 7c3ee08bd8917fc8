#include "render/trend.h"

#include "store/calendar.h"

namespace {

// a / b for b > 0, rounded to the nearest integer, halves away from zero;
// |a| well inside the type's range.
template <typename T> T DivideRounded(T a, T b) {
    return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

// The newest entry before the last, in log order, dated at least
// kTrendRateDays before it; -1 when there is none.
int32_t RateReference(const WeightEntry* log, int32_t count) {
    int32_t newest = DayCount(log[count - 1].date);
    for (int32_t i = count - 2; i >= 0; i--) {
        if (DayCount(log[i].date) <= newest - kTrendRateDays)
            return i;
    }
    return -1;
}

// Days from the newest entry until the trend reaches the target at the
// change of `change` grams in `days` days; -1 when it does not get there
// within kTrendProjectionMaxDays.
int64_t DaysToTarget(int64_t remaining, int64_t change, int64_t days) {
    if (remaining == 0 || change == 0 || (remaining < 0) != (change < 0))
        return -1;
    if (remaining < 0) {
        remaining = -remaining;
        change = -change;
    }
    int64_t scaled;
    if (__builtin_mul_overflow(remaining, days, &scaled))
        return -1; // centuries away
    int64_t toGo = (scaled + change - 1) / change;
    return toGo > kTrendProjectionMaxDays ? -1 : toGo;
}

} // namespace

int64_t FirstTrend(int32_t weight) {
    return (int64_t)weight * 100;
}

int64_t NextTrend(int64_t before, int32_t weight) {
    // The log runs through this step once per change of it. Any gap a person's
    // weighings make fits 32 bits, whose division costs a few cycles where
    // a 64-bit one is a library call in the 32-bit program.
    int64_t gap = FirstTrend(weight) - before;
    if (gap > -(1 << 30) && gap < (1 << 30))
        return before + DivideRounded<int32_t>((int32_t)gap, 10);
    return before + DivideRounded<int64_t>(gap, 10);
}

void CarryTrend(const WeightEntry* log, int32_t count, int64_t* grams) {
    for (int32_t i = 0; i < count; i++)
        grams[i] = i == 0 ? FirstTrend(log[0].weight) : NextTrend(grams[i - 1], log[i].weight);
}

int32_t TrendTenths(int64_t grams) {
    return (int32_t)DivideRounded<int64_t>(grams, 100);
}

int SummarizeTrend(const WeightEntry* log, const int64_t* grams, int32_t count, int32_t target,
                   TrendSummary* out) {
    TrendSummary none = {0, 0, 0, 0, 0};
    *out = none;
    if (count < 1)
        return -1;
    if (count > kLogCapacity)
        count = kLogCapacity;
    int32_t reference = count >= kTrendRateMinEntries ? RateReference(log, count) : -1;
    int64_t trend = grams[count - 1];
    int64_t atReference = reference < 0 ? trend : grams[reference];
    out->tenths = TrendTenths(trend);
    if (reference < 0)
        return 0;

    // Trends lie within the weights, so the change is below 2^39 grams, and
    // the days are at least kTrendRateDays: the rate fits 32 bits.
    int64_t newestDay = DayCount(log[count - 1].date);
    int64_t days = newestDay - DayCount(log[reference].date);
    int64_t change = trend - atReference;
    out->hasRate = 1;
    out->rateTenths = (int32_t)DivideRounded<int64_t>(change * 7, days * 100);
    if (out->rateTenths == 0)
        return 0;
    int64_t toGo = DaysToTarget(FirstTrend(target) - trend, change, days);
    int32_t date = toGo < 0 ? -1 : DateOfDayCount((int32_t)(newestDay + toGo));
    if (date > 0) {
        out->hasProjection = 1;
        out->targetDate = date;
    }
    return 0;
}
