// The chart's hover columns: which log entry owns each board column and the
// read-out text of that entry. Portable.
#pragma once
#include <stdint.h>

#include "render/chart_scale.h"
#include "render/hover_tables.h"

// Column k belongs to the entry in view drawn at or after it, the columns
// past the newest to the newest; each run's label is formatted once.
void FillHoverColumns(const WeightEntry* log, ChartView view, int32_t step,
                      int32_t index[kHoverColumns], char labels[kHoverColumns][kHoverLabelSize]);

// The read-out text of one entry, "'yy/m/d w.wkg", cut to 19 characters.
void FormatHoverLabel(const WeightEntry& entry, char out[kHoverLabelSize]);
