// What the chart reads, the entries in view and the integer scale they are
// drawn on, with the reference values of each entry. Portable.
#pragma once
#include <stdint.h>

#include "store/records.h"

// Everything the chart reads. gainDays is PregnancyGainDays in the program.
struct ChartInput {
    const WeightEntry* log;
    int32_t count; // weightdatalen
    const SettingsRecord* settings;
    int (*gainDays)(int date);
    // Each entry's trend in grams (CarryTrend), null while the trend is off.
    const int64_t* trend;
};

// The window of entries a plan shows: first .. first + count - 1.
struct ChartView {
    int32_t first;
    int32_t count;
};

// Reference values and the scale are kept in 64 bits, and the products that
// make them saturate: any 32-bit height, weight or date (a hand-edited file,
// a typed height of 2,147,483,647) gives a defined, if meaningless, chart.
struct ChartScale {
    int64_t high;
    int64_t low; // after the final margin of 7
    int64_t range;
    int64_t underweight; // U: body-mass index 18 without pregnancy
    int64_t overweight;  // V: index 25, raised by pregnancy when ninpu is 1
    int32_t step;        // thousandths of a pixel between two entries
    int32_t xEnd;        // right end of the target line
};

// The scale of the entries in view at a span: the weights, and the trend
// in view while it is on, widen it as the reference lines drawn do.
ChartScale ComputeChartScale(const ChartInput& input, ChartView view, int32_t span);

// Reference values of one entry, tenths of a kilogram, for D days of gain.
int64_t UnderweightValue(int32_t height, int32_t gainDays);
int64_t OverweightValue(int32_t height, int32_t gainDays);
int64_t IdealGainValue(int32_t height, int32_t original, int32_t gainDays);

enum ReferenceKind { kRefUnderweight, kRefOverweight, kRefIdealGain };
// The reference value of log entry `index`, for its days of gain.
int64_t ReferenceValue(const ChartInput& input, ReferenceKind kind, int32_t index);

// The trend of log entry `index` in tenths (input.trend must be set).
int32_t TrendTenthsAt(const ChartInput& input, int32_t index);

// x of the m-th entry in view.
int32_t EntryX(int32_t step, int32_t m);
// y of a value in tenths on the chart's scale; values far off the chart are
// held at +-30,000.
int32_t ChartY(const ChartScale& scale, int64_t value);
