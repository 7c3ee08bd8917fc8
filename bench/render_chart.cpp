// BM_PlotChart/<log length>: one chart plan at span 360 (the widest), as
// every paint makes one. The cost must not grow with the log's length.
#include <benchmark/benchmark.h>

#include "app/trend_tip.h"
#include "render/chart_plan.h"
#include "render/trend.h"

namespace {

WeightEntry BenchLog[kLogCapacity];
int64_t BenchTrend[kLogCapacity];
ChartPlan BenchPlan;

int PregnancyDays(int date) {
    return date % 100;
}

void PlotChart(benchmark::State& state, bool trend) {
    int32_t count = (int32_t)state.range(0);
    for (int32_t i = 0; i < count; i++) {
        BenchLog[i].date = 20100101 + i % 28;
        BenchLog[i].weight = 500 + (i * 7) % 61;
    }
    SettingsRecord settings = {};
    settings.height = 160;
    settings.targetweight = 500;
    settings.original = 500;
    settings.limit = settings.limit2 = settings.ninpu = settings.risou = 1;
    // The trend is carried once per change of the log, not per plan.
    CarryTrend(BenchLog, count, BenchTrend);
    ChartInput in = {BenchLog, count, &settings, PregnancyDays, trend ? BenchTrend : nullptr};
    for (auto _ : state) {
        PlanWeightChart(in, 360, count - 1, 0, &BenchPlan);
        benchmark::DoNotOptimize(BenchPlan.hoverIndex[255]);
        benchmark::ClobberMemory();
    }
}

void BM_PlotChart(benchmark::State& state) {
    PlotChart(state, false);
}

// The same with the trend line, carried once beforehand as the program
// carries it once per change of the log. And the icon's tip with the trend
// on, at its worst: no entry lies 28 days back, so the rate's search runs
// through the whole log (the tip too is made once per change).
void BM_PlotChartTrend(benchmark::State& state) {
    PlotChart(state, true);
}

void BM_TrayTip(benchmark::State& state) {
    int32_t count = (int32_t)state.range(0);
    for (int32_t i = 0; i < count; i++) {
        BenchLog[i].date = 20100101 + i % 28;
        BenchLog[i].weight = 500 + (i * 7) % 61;
    }
    char tip[kTrayTipSize];
    CarryTrend(BenchLog, count, BenchTrend);
    for (auto _ : state) {
        FormatTrayTip(tip, sizeof tip, 1, BenchLog, BenchTrend, count, 450);
        benchmark::DoNotOptimize(tip[0]);
    }
}

} // namespace

BENCHMARK(BM_PlotChart)->Arg(360)->Arg(65536);
BENCHMARK(BM_PlotChartTrend)->Arg(360)->Arg(65536);
BENCHMARK(BM_TrayTip)->Arg(360)->Arg(65536);
