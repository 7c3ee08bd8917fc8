// The chart's strokes, in drawing order: the ideal gain, the trend, the
// weights, the underweight and overweight limits, the target and the marker.
#include "render/chart_plan.h"

namespace {

// Builds plan strokes one point at a time.
struct StrokeWriter {
    ChartPlan* plan;
    const ChartInput& in;
    ChartView view;
    int32_t next; // next free point

    ChartStroke* Begin(ChartStrokeKind kind, ChartPen pen) {
        ChartStroke* s = &plan->strokes[plan->strokeCount++];
        *s = ChartStroke{kind, pen, next, 0};
        return s;
    }
    void Add(ChartStroke* s, int32_t x, int32_t y) {
        plan->points[next++] = ChartPoint{x, y};
        s->count++;
    }
    int32_t X(int32_t m) const { return EntryX(plan->scale.step, m); }
    int32_t Y(int64_t value) const { return ChartY(plan->scale, value); }

    // A line through one reference value per entry in view.
    void ReferenceLine(ChartStrokeKind kind, ChartPen pen, ReferenceKind ref) {
        ChartStroke* s = Begin(kind, pen);
        for (int32_t m = 0; m < view.count; m++)
            Add(s, X(m), Y(ReferenceValue(in, ref, view.first + m)));
    }
    // A level line at one value, ending at the last point in view.
    void LevelLine(ChartStrokeKind kind, ChartPen pen, int64_t value) {
        ChartStroke* s = Begin(kind, pen);
        for (int32_t m = 0; m < view.count; m++)
            Add(s, X(m), Y(value));
    }
    // A limit: level without pregnancy, else rising with its days.
    void LimitLine(ChartStrokeKind kind, ChartPen pen, int64_t level, ReferenceKind ref) {
        if (in.settings->ninpu == 0)
            LevelLine(kind, pen, level);
        else
            ReferenceLine(kind, pen, ref);
    }
    void TrendLine() {
        ChartStroke* s = Begin(kStrokeTrend, kPenTrend);
        for (int32_t m = 0; m < view.count; m++)
            Add(s, X(m), Y(TrendTenthsAt(in, view.first + m)));
    }
    // The weights; the marker sits on the entry named, else on the first.
    void WeightLine(ChartPen pen, int32_t marker) {
        ChartStroke* s = Begin(kStrokeWeight, pen);
        Add(s, 5, Y(in.log[view.first].weight));
        plan->marker = plan->points[s->start];
        for (int32_t m = 1; m < view.count; m++) {
            Add(s, X(m), Y(in.log[view.first + m].weight));
            if (view.first + m == marker)
                plan->marker = plan->points[next - 1];
        }
    }
};

// More than 30 entries in a span draw thin, more than 10 medium, else thick.
ChartPen BySpan(int32_t span, ChartPen thin, ChartPen medium, ChartPen thick) {
    return span > 30 ? thin : span > 10 ? medium : thick;
}

} // namespace

void AddChartStrokes(const ChartInput& in, int32_t span, int32_t marker, ChartPlan* plan) {
    const SettingsRecord& set = *in.settings;
    StrokeWriter w = {plan, in, ChartView{plan->first, plan->count}, 0};
    if (set.risou == 1)
        w.ReferenceLine(kStrokeIdealGain, kPenIdealGain, kRefIdealGain);
    if (in.trend)
        w.TrendLine();
    w.WeightLine(BySpan(span, kPenWeightThin, kPenWeightMedium, kPenWeightThick), marker);
    if (set.limit2 == 1)
        w.LimitLine(kStrokeUnderweight, kPenUnderweight, plan->scale.underweight, kRefUnderweight);
    if (set.limit == 1)
        w.LimitLine(kStrokeOverweight, kPenOverweight, plan->scale.overweight, kRefOverweight);
    ChartStroke* target = w.Begin(kStrokeTarget, kPenTarget);
    w.Add(target, 5, w.Y(set.targetweight));
    w.Add(target, plan->scale.xEnd, w.Y(set.targetweight));
    ChartStroke* dot =
        w.Begin(kStrokeMarker, BySpan(span, kPenMarkerSmall, kPenMarkerMedium, kPenMarkerLarge));
    ChartPoint at = plan->marker;
    w.Add(dot, at.x, at.y);
    w.Add(dot, at.x, at.y);
}
