#include "render/chart_win.h"

#include <windows.h>

#include "render/board_objects.h"
#include "render/chart_state.h"

namespace {

// Plans are large (one point per log entry and line); one is kept for the
// program's life rather than on the stack.
ChartPlan ChartScratch;

HPEN ChartPenHandle(int32_t pen) {
    switch (pen) {
    case kPenWeightThick:
        return Board.WeightPenThick;
    case kPenTarget:
        return Board.TargetPen;
    case kPenMarkerLarge:
        return Board.MarkerPenLarge;
    case kPenWeightMedium:
        return Board.WeightPenMedium;
    case kPenWeightThin:
        return Board.WeightPenThin;
    case kPenMarkerMedium:
        return Board.MarkerPenMedium;
    case kPenMarkerSmall:
        return Board.MarkerPenSmall;
    case kPenUnderweight:
        return Board.UnderweightPen;
    case kPenOverweight:
        return Board.OverweightPen;
    default:
        return Board.IdealGainPen;
    }
}

void DrawStroke(HDC dc, const ChartPlan& plan, const ChartStroke& s) {
    const ChartPoint* p = &plan.points[s.start];
    SelectObject(dc, ChartPenHandle(s.pen));
    MoveToEx(dc, p[0].x, p[0].y, NULL);
    for (int32_t i = 1; i < s.count; i++)
        LineTo(dc, p[i].x, p[i].y);
}

} // namespace

int32_t PlotWeightChart(int32_t span, int32_t marker, int32_t scrollBack) {
    ChartPlan& plan = ChartScratch;
    if (PlanWeightChart(CurrentChartInput(), span, marker, scrollBack, &plan) != 0)
        return 0;
    for (int32_t i = 0; i < plan.strokeCount; i++)
        DrawStroke(Board.Backbuffer, plan, plan.strokes[i]);
    PublishHoverTables(plan);
    return 0;
}
