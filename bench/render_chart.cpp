// BM_PlotChart/<log length>: one chart plan at span 360 (the widest), as
// every paint makes one. The cost must not grow with the log's length.
#include <benchmark/benchmark.h>

#include "render/chart_plan.h"

namespace {

WeightEntry BenchLog[kLogCapacity];
ChartPlan BenchPlan;

int PregnancyDays(int date) {
    return date % 100;
}

void BM_PlotChart(benchmark::State& state) {
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
    ChartInput in = {BenchLog, count, &settings, PregnancyDays};
    for (auto _ : state) {
        PlanWeightChart(in, 360, count - 1, 0, &BenchPlan);
        benchmark::DoNotOptimize(BenchPlan.hoverIndex[255]);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_PlotChart)->Arg(360)->Arg(65536);
