#include "render/chart_plan.h"

#include "render/hover_columns.h"

namespace {

ChartView EntriesInView(int32_t logCount, int32_t span, int32_t scrollBack) {
    int32_t first = logCount - span - scrollBack;
    if (first < 0)
        first = 0;
    return ChartView{first, logCount - scrollBack - first};
}

} // namespace

int PlanWeightChart(const ChartInput& in, int32_t span, int32_t marker, int32_t scrollBack,
                    ChartPlan* plan) {
    plan->strokeCount = 0;
    plan->first = 0;
    plan->count = 0;
    int32_t logCount = in.count > kLogCapacity ? (int32_t)kLogCapacity : in.count;
    if (logCount < 1)
        return -1;
    span = span < 2 ? 2 : span > kChartLargestSpan ? kChartLargestSpan : span;
    if (scrollBack < 0)
        scrollBack = 0;
    if (scrollBack > logCount - 1)
        scrollBack = logCount - 1;
    ChartView v = EntriesInView(logCount, span, scrollBack);
    plan->first = v.first;
    plan->count = v.count;
    plan->scale = ComputeChartScale(in, v, span);
    AddChartStrokes(in, span, marker, plan);
    FillHoverColumns(in.log, v, plan->scale.step, plan->hoverIndex, plan->hoverLabels);
    return 0;
}
