#include "render/chart_scale.h"

#include "render/saturating.h"
#include "render/trend.h"

namespace {

// Points far off the chart are pulled in to where any drawing code can take
// them; the visible part of their lines does not change.
enum { kFarOff = 30000 };
int32_t Coordinate(int64_t v) {
    return v > kFarOff ? kFarOff : v < -kFarOff ? -kFarOff : (int32_t)v;
}

void Widen(int64_t value, int64_t* high, int64_t* low) {
    if (value > *high)
        *high = value;
    if (value < *low)
        *low = value;
}

// The weights in view, and the trend with them while it is on.
void WidenByEntries(const ChartInput& in, ChartView v, ChartScale* s) {
    int64_t high = 0;
    int64_t low = 9999;
    for (int32_t m = 0; m < v.count; m++)
        Widen(in.log[v.first + m].weight, &high, &low);
    for (int32_t m = 0; in.trend && m < v.count; m++)
        Widen(TrendTenthsAt(in, v.first + m), &high, &low);
    s->high = high + 5;
    s->low = low - 5;
}

} // namespace

int64_t UnderweightValue(int32_t height, int32_t gainDays) {
    return SaturatedMul(SaturatedMul(20 * (int64_t)gainDays + 18000, height), height) / 1000000;
}

int64_t OverweightValue(int32_t height, int32_t gainDays) {
    return SaturatedMul(SaturatedMul(20 * (int64_t)gainDays + 25000, height), height) / 1000000;
}

int64_t IdealGainValue(int32_t height, int32_t original, int32_t gainDays) {
    return SaturatedAdd(
        SaturatedMul(SaturatedMul(20 * (int64_t)gainDays, height), height) / 1000000, original);
}

int64_t ReferenceValue(const ChartInput& in, ReferenceKind kind, int32_t index) {
    const SettingsRecord& set = *in.settings;
    int32_t d = in.gainDays(in.log[index].date);
    if (kind == kRefUnderweight)
        return UnderweightValue(set.height, d);
    if (kind == kRefOverweight)
        return OverweightValue(set.height, d);
    return IdealGainValue(set.height, set.original, d);
}

int32_t TrendTenthsAt(const ChartInput& in, int32_t index) {
    return TrendTenths(in.trend[index]);
}

ChartScale ComputeChartScale(const ChartInput& in, ChartView v, int32_t span) {
    const SettingsRecord& set = *in.settings;
    ChartScale s = {};
    int64_t h = set.height;
    WidenByEntries(in, v, &s);
    s.underweight = SaturatedMul(SaturatedMul(h, 18), h) / 1000;
    s.overweight = SaturatedMul(SaturatedMul(h, 25), h) / 1000;
    for (int32_t m = 0; set.ninpu == 1 && m < v.count; m++) {
        int64_t over = ReferenceValue(in, kRefOverweight, v.first + m);
        if (over > s.overweight)
            s.overweight = over;
    }
    for (int32_t m = 0; set.risou == 1 && m < v.count; m++)
        Widen(ReferenceValue(in, kRefIdealGain, v.first + m), &s.high, &s.low);
    if (set.targetweight > s.high)
        s.high = (int64_t)set.targetweight + 5;
    if (set.targetweight < s.low)
        s.low = (int64_t)set.targetweight - 5;
    if (set.limit == 1 && s.overweight > s.high)
        s.high = SaturatedAdd(s.overweight, 5);
    if (set.limit2 == 1 && s.underweight < s.low)
        s.low = SaturatedSub(s.underweight, 5);
    s.low = SaturatedSub(s.low, 7);
    s.range = SaturatedSub(s.high, s.low);
    s.step = 115000 / (span - 1);
    s.xEnd = Saturate((int64_t)s.step * (span - 1) / 1000 + 5);
    return s;
}

int32_t EntryX(int32_t step, int32_t m) {
    return step * m / 1000 + 5;
}

int32_t ChartY(const ChartScale& s, int64_t value) {
    return Coordinate(80 - (SaturatedMul(SaturatedSub(value, s.low), 70000) / s.range) / 1000);
}
