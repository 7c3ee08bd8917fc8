// The chart's link to the program's shared records.
#pragma once
#include "render/chart_plan.h"

// The trend of every entry of WeightLog (CarryTrend), carried again only
// when the log has changed since (LogRevision moved, or the count grew).
const int64_t* LogTrend();

// The log, its count, the settings and PregnancyGainDays as they stand, and
// LogTrend() while the trend is on.
ChartInput CurrentChartInput();

// Copies the plan's column tables into HoverIndexTable and HoverLabels.
void PublishHoverTables(const ChartPlan& plan);
