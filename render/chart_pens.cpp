#include "render/chart_pens.h"

const ChartPenStyle kChartPens[kChartPenCount] = {
    {kPenWeightThick, 4, 255, 255, 0},   {kPenTarget, 2, 255, 128, 64},
    {kPenMarkerLarge, 8, 255, 128, 128}, {kPenWeightMedium, 2, 255, 255, 0},
    {kPenWeightThin, 1, 255, 255, 0},    {kPenMarkerMedium, 6, 255, 128, 128},
    {kPenMarkerSmall, 4, 255, 128, 128}, {kPenUnderweight, 1, 128, 128, 255},
    {kPenOverweight, 1, 255, 128, 128},  {kPenIdealGain, 2, 200, 200, 200},
    // The trend, under the weight line: thin chalk of a colour of its own.
    {kPenTrend, 1, 128, 255, 255},
};

bool IsThinPen(ChartPen pen) {
    return pen >= 0 && pen < kChartPenCount && kChartPens[pen].width == 1;
}
