#include "render/chart_win.h"

#include <windows.h>

#include "render/board_objects.h"
#include "render/chart_state.h"
#include "render/thin_stroke.h"

namespace {

// Plans are large (one point per log entry and line); one is kept for the
// program's life rather than on the stack.
ChartPlan ChartScratch;

// Thin lines: the points that paint something, handed over in batches.
void DrawThinStroke(HDC dc, ChartPoint* p, int32_t count) {
    enum { kBatch = 256 };
    static POINT batch[kBatch];
    count = ReduceThinStroke(p, count);
    MoveToEx(dc, p[0].x, p[0].y, NULL);
    int32_t n = 0;
    for (int32_t i = 1; i < count; i++) {
        batch[n].x = p[i].x;
        batch[n].y = p[i].y;
        if (++n == kBatch) {
            PolylineTo(dc, batch, n);
            n = 0;
        }
    }
    if (n > 0)
        PolylineTo(dc, batch, n);
}

// Wide pens draw every segment with its own round ends.
void DrawWideStroke(HDC dc, const ChartPoint* p, int32_t count) {
    MoveToEx(dc, p[0].x, p[0].y, NULL);
    for (int32_t i = 1; i < count; i++)
        LineTo(dc, p[i].x, p[i].y);
}

void DrawStroke(HDC dc, ChartPlan& plan, const ChartStroke& s) {
    ChartPoint* p = &plan.points[s.start];
    SelectObject(dc, ChartPenHandle(s.pen));
    if (IsThinPen(s.pen))
        DrawThinStroke(dc, p, s.count);
    else
        DrawWideStroke(dc, p, s.count);
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
