#include "render/chart_state.h"

#include <string.h>

#include "store/calendar.h"

ChartInput CurrentChartInput() {
    ChartInput in = {WeightLog, Settings.weightdatalen, &Settings, PregnancyGainDays};
    return in;
}

void PublishHoverTables(const ChartPlan& plan) {
    memcpy(HoverIndexTable, plan.hoverIndex, sizeof HoverIndexTable);
    memcpy(HoverLabels, plan.hoverLabels, sizeof HoverLabels);
}
