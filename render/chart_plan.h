// The weight chart as data: which entries are in view, the integer scale,
// the strokes to draw in their order with the pen of each, the marker point
// and the per-column hover tables. Portable; the Win32 half executes it.
#pragma once
#include <stdint.h>

#include "render/chart_pens.h"
#include "render/chart_scale.h"
#include "render/hover_tables.h"

// What each stroke of the plan draws, in drawing order.
enum ChartStrokeKind {
    kStrokeIdealGain,
    kStrokeTrend,
    kStrokeWeight,
    kStrokeUnderweight,
    kStrokeOverweight,
    kStrokeTarget,
    kStrokeMarker
};

struct ChartPoint {
    int32_t x;
    int32_t y;
};

// One polyline: select the pen, move to the first point, draw to each later
// one. The marker is two equal points: a round dot of the pen's width.
struct ChartStroke {
    ChartStrokeKind kind;
    ChartPen pen;
    int32_t start; // index of the first point in ChartPlan::points
    int32_t count; // number of points, at least 1
};

enum {
    kChartLargestSpan = 360, // the widest span the board shows
    kChartMaxStrokes = 7,
    // Five polylines of at most one point per entry in view, the target
    // line and the marker.
    kChartPointCapacity = 5 * kChartLargestSpan + 4,
};

struct ChartPlan {
    int32_t first; // log index of the first entry in view
    int32_t count; // entries in view
    ChartScale scale;
    ChartPoint marker;
    int32_t strokeCount;
    ChartStroke strokes[kChartMaxStrokes];
    int32_t hoverIndex[kHoverColumns];
    char hoverLabels[kHoverColumns][kHoverLabelSize];
    ChartPoint points[kChartPointCapacity];
};

// Plans the chart of span entries ending scrollBack entries before the
// newest, marking log entry marker. A scroll-back that would leave nothing
// in view is held to the oldest entry, a span below 2 counts as 2 and one
// above kChartLargestSpan as kChartLargestSpan. With input.trend set, the
// trend line goes under the weight line, one point per entry in view at the
// weight's x. Returns 0, or -1 with no strokes when the log is empty.
int PlanWeightChart(const ChartInput& input, int32_t span, int32_t marker, int32_t scrollBack,
                    ChartPlan* plan);

// The strokes of a plan whose view and scale are set, in drawing order.
void AddChartStrokes(const ChartInput& input, int32_t span, int32_t marker, ChartPlan* plan);
