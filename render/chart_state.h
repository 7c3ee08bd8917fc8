// The chart's link to the program's shared records.
#pragma once
#include "render/chart_plan.h"

// The log, its count, the settings and PregnancyGainDays as they stand.
ChartInput CurrentChartInput();

// Copies the plan's column tables into HoverIndexTable and HoverLabels.
void PublishHoverTables(const ChartPlan& plan);
