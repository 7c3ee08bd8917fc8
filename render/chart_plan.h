// The weight chart as data: which entries are in view, the integer scale,
// the strokes to draw in their order with the pen of each, the marker point
// and the per-column hover tables. Portable; the Win32 half executes it.
#pragma once
#include <stdint.h>
#include "render/chart_pens.h"
#include "render/hover_tables.h"
#include "store/records.h"

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
    kChartMaxStrokes = 7,
    // Five polylines of at most one point per log entry, the target line
    // and the marker.
    kChartPointCapacity = 5 * kLogCapacity + 4,
};

// Reference values and the scale are kept in 64 bits, and the products that
// make them saturate: any 32-bit height, weight or date (a hand-edited file,
// a typed height of 2,147,483,647) gives a defined, if meaningless, chart.
struct ChartScale {
    int64_t high;
    int64_t low; // after the final margin of 7
    int64_t range;
    int64_t underweight; // U: body-mass index 18 without pregnancy
    int64_t overweight;  // V: index 25, raised by pregnancy when ninpu is 1
    int32_t step;        // thousandths of a pixel between two entries
    int32_t xEnd;        // right end of the target line
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

// Everything the chart reads. gainDays is PregnancyGainDays in the program.
struct ChartInput {
    const WeightEntry* log;
    int32_t count; // weightdatalen
    const SettingsRecord* settings;
    int (*gainDays)(int date);
};

// Plans the chart of span entries ending scrollBack entries before the
// newest, marking log entry marker. A scroll-back that would leave nothing
// in view is held to the oldest entry, and a span below 2 counts as 2.
// Returns 0, or -1 with no strokes when the log is empty.
int PlanWeightChart(const ChartInput& input, int32_t span, int32_t marker, int32_t scrollBack,
                    ChartPlan* plan);
// The same, with the trend line under the weight line when `trend` is set:
// one point per entry in view at the weight's x, the trend of the first
// carrying every entry before it; the scale takes in the trend values in view
// as it does the weights.
int PlanWeightChart(const ChartInput& input, int32_t span, int32_t marker, int32_t scrollBack,
                    bool trend, ChartPlan* plan);

// The read-out text of one entry, "'yy/m/d w.wkg", cut to 19 characters.
void FormatHoverLabel(const WeightEntry& entry, char out[kHoverLabelSize]);

// Reference values of one entry, tenths of a kilogram, for D days of gain.
int64_t UnderweightValue(int32_t height, int32_t gainDays);
int64_t OverweightValue(int32_t height, int32_t gainDays);
int64_t IdealGainValue(int32_t height, int32_t original, int32_t gainDays);

// y of a value in tenths on the chart's scale; values far off the chart are
// held at +-30,000.
int32_t ChartY(const ChartScale& scale, int64_t value);
