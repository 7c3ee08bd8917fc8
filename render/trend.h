// The trend: the weight smoothed from entry to entry in log order, as in the
// paper-and-pencil method of "The Hacker's Diet": T1 = W1, and each later
// entry moves it a tenth of the way to its weight, Tn = Tn-1 + (Wn - Tn-1)/10.
// Two weighings on one day are two entries. Portable.
//
// The trend is kept in grams and each step rounds its tenth to the nearest
// gram, halves away from zero; the tenths of a kilogram shown and charted
// are the grams rounded to the nearest 100 g, halves away from zero. All
// integer arithmetic, so every build shows the same tenths. (Rounding to the
// nearest matters: a trend that settles on a steady weight stops up to 4 g
// short of it, which truncation would show 0.1 kg low.)
//
// The weekly rate is the trend's change from a reference entry to the newest
// one, scaled to 7 days: the reference is the newest entry, in log order,
// dated at least 28 days before the newest entry's date. It is given only
// when the log holds at least 14 entries and such a reference exists. The
// projection is the date the trend reaches the target going on at that rate,
// counted from the newest entry's date; it is given only when the trend moves
// toward the target at a rate of at least 0.1 kg a week (as shown, rounded),
// and the date is at most three years (1,095 days) away.
#pragma once
#include <stdint.h>

#include "store/records.h"

enum {
    kTrendRateMinEntries = 14,
    kTrendRateDays = 28,
    kTrendProjectionMaxDays = 1095,
};

// The trend of the first entry, and of an entry after one whose trend is
// `before`; grams.
int64_t FirstTrend(int32_t weight);
int64_t NextTrend(int64_t before, int32_t weight);

// The trend of each of `count` entries into grams[0 .. count): once per
// change of the log, for every chart and tip until the next.
void CarryTrend(const WeightEntry* log, int32_t count, int64_t* grams);

// Grams to the tenths of a kilogram shown.
int32_t TrendTenths(int64_t grams);

struct TrendSummary {
    int32_t tenths;        // trend of the newest entry
    int32_t hasRate;       // 1 when the rate can be told
    int32_t rateTenths;    // change per week, tenths of a kilogram
    int32_t hasProjection; // 1 when the target date can be told
    int32_t targetDate;    // yyyymmdd the trend reaches the target
};

// The trend of the newest of `count` entries with its rate and projection
// toward `target` (tenths); grams is the log's CarryTrend. Returns -1 for an
// empty log, else 0.
int SummarizeTrend(const WeightEntry* log, const int64_t* grams, int32_t count, int32_t target,
                   TrendSummary* out);
