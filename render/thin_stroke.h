// A line drawn with a 1-pixel pen paints, for each segment, the pixels from
// its start up to but not including its end. Points that change nothing can
// therefore go: a point equal to the one before it, and a point that lies
// between its neighbours on one row or one column (the two segments paint
// exactly the pixels of the one segment that replaces them). The chart's
// thin lines at span 360 and its level lines lose most of their points this
// way and are drawn with one call. Portable.
#pragma once
#include <stdint.h>

#include "render/chart_plan.h"

// Reduces points[0..count) in place, keeping the first and the last point;
// returns the number kept (at least 1 when count is at least 1).
int32_t ReduceThinStroke(ChartPoint* points, int32_t count);
