#include "render/trend.h"

namespace {

// a / b for b > 0, rounded to the nearest integer, halves away from zero;
// |a| well inside the type's range.
template <typename T> T DivideRounded(T a, T b) {
    return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

// Days from 1 January 1970 of a proleptic Gregorian date. Any fields a log
// may hold give a number: the month is held to 1..12 and the day counted on
// from the first, so 30 February is 2 March. Every step of any 32-bit date
// fits 32 bits.
int32_t DayCount(int32_t date) {
    int32_t y = DateYear(date);
    int32_t m = DateMonth(date);
    int32_t d = DateDay(date);
    m = m < 1 ? 1 : m > 12 ? 12 : m;
    y -= m <= 2;
    int32_t era = (y >= 0 ? y : y - 399) / 400;
    int32_t yearOfEra = y - era * 400;
    int32_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + d - 1;
}

// The yyyymmdd date of a day count, or -1 outside the years 1 to 9999.
int32_t DateOfDayCount(int32_t days) {
    days += 719468;
    int32_t era = (days >= 0 ? days : days - 146096) / 146097;
    int32_t dayOfEra = days - era * 146097;
    int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int32_t mp = (5 * dayOfYear + 2) / 153;
    int32_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    int32_t month = mp < 10 ? mp + 3 : mp - 9;
    int32_t year = yearOfEra + era * 400 + (month <= 2);
    if (year < 1 || year > 9999)
        return -1;
    return year * 10000 + month * 100 + day;
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
    // The history runs through this step once per paint. Any gap a person's
    // weighings make fits 32 bits, whose division costs a few cycles where
    // a 64-bit one is a library call in the 32-bit program.
    int64_t gap = FirstTrend(weight) - before;
    if (gap > -(1 << 30) && gap < (1 << 30))
        return before + DivideRounded<int32_t>((int32_t)gap, 10);
    return before + DivideRounded<int64_t>(gap, 10);
}

int64_t TrendAt(const WeightEntry* log, int32_t index) {
    int64_t trend = FirstTrend(log[0].weight);
    for (int32_t i = 1; i <= index; i++)
        trend = NextTrend(trend, log[i].weight);
    return trend;
}

int32_t TrendTenths(int64_t grams) {
    return (int32_t)DivideRounded<int64_t>(grams, 100);
}

int SummarizeTrend(const WeightEntry* log, int32_t count, int32_t target, TrendSummary* out) {
    TrendSummary none = {0, 0, 0, 0, 0};
    *out = none;
    if (count < 1)
        return -1;
    if (count > kLogCapacity)
        count = kLogCapacity;
    int32_t reference = count >= kTrendRateMinEntries ? RateReference(log, count) : -1;
    int64_t trend = FirstTrend(log[0].weight);
    int64_t atReference = trend;
    for (int32_t i = 1; i < count; i++) {
        trend = NextTrend(trend, log[i].weight);
        if (i == reference)
            atReference = trend;
    }
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
