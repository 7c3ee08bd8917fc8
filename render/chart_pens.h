// The chart's pens as one table: each pen's width and colour. Start-up
// creates one pen per row; the chart names them by ChartPen. Portable.
#pragma once
#include <stdint.h>

// In the order start-up creates them.
enum ChartPen {
    kPenWeightThick, // WeightPenThick
    kPenTarget,      // TargetPen
    kPenMarkerLarge, // MarkerPenLarge
    kPenWeightMedium,
    kPenWeightThin,
    kPenMarkerMedium,
    kPenMarkerSmall,
    kPenUnderweight,
    kPenOverweight,
    kPenIdealGain,
    kPenTrend, // made after the other ten
    kChartPenCount
};

struct ChartPenStyle {
    ChartPen pen;
    int32_t width; // pixels
    uint8_t red, green, blue;
};

// One row per ChartPen, in its order: a new pen is a new row and a new name.
extern const ChartPenStyle kChartPens[kChartPenCount];

// True for the pens one pixel wide.
bool IsThinPen(ChartPen pen);
