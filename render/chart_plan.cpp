#include "render/chart_plan.h"

#include <stdio.h>
#include <string.h>

#include "render/trend.h"

namespace {

int32_t Saturate(int64_t v) {
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return (int32_t)v;
}

// Heights, weights and dates come from a file or a dialog and may be any
// 32-bit value: the products below saturate instead of overflowing. Every
// value an actual person gives stays far inside, where they are exact.
int64_t Mul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? INT64_MIN : INT64_MAX;
    return r;
}
int64_t Add(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r))
        return b < 0 ? INT64_MIN : INT64_MAX;
    return r;
}
int64_t Sub(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_sub_overflow(a, b, &r))
        return b > 0 ? INT64_MIN : INT64_MAX;
    return r;
}

// Points far off the chart are pulled in to where any drawing code can take
// them; the visible part of their lines does not change.
enum { kFarOff = 30000 };
int32_t Coordinate(int64_t v) {
    return v > kFarOff ? kFarOff : v < -kFarOff ? -kFarOff : (int32_t)v;
}

// The window of entries a call shows: first .. first + count - 1.
struct View {
    int32_t first;
    int32_t count;
};

View EntriesInView(int32_t logCount, int32_t span, int32_t scrollBack) {
    int32_t first = logCount - span - scrollBack;
    if (first < 0)
        first = 0;
    View v = {first, logCount - scrollBack - first};
    return v;
}

int32_t EntryX(int32_t step, int32_t m) {
    return step * m / 1000 + 5;
}

int32_t GainDays(const ChartInput& in, int32_t index) {
    return in.gainDays(in.log[index].date);
}

// The trend of each entry in view, in turn, starting from the history
// before the first. That history is the one part of the chart whose cost
// grows with the log: it is run through once per plan.
struct TrendWalk {
    const WeightEntry* log;
    int32_t next;  // log index of the next entry
    int64_t grams; // trend of the entry before it
};

TrendWalk StartTrendWalk(const ChartInput& in, const View& v) {
    TrendWalk t = {in.log, v.first, v.first > 0 ? TrendAt(in.log, v.first - 1) : 0};
    return t;
}

int32_t NextTrendTenths(TrendWalk* t) {
    int32_t w = t->log[t->next].weight;
    t->grams = t->next == 0 ? FirstTrend(w) : NextTrend(t->grams, w);
    t->next++;
    return TrendTenths(t->grams);
}

// The trend in view widens the scale as the weights do; `trend` is null
// while the trend is off.
void WidenByEntries(const ChartInput& in, const View& v, const TrendWalk* trend, ChartScale* s) {
    int64_t high = 0;
    int64_t low = 9999;
    for (int32_t m = 0; m < v.count; m++) {
        int32_t w = in.log[v.first + m].weight;
        if (w > high)
            high = w;
        if (w < low)
            low = w;
    }
    TrendWalk t = trend ? *trend : TrendWalk();
    for (int32_t m = 0; trend && m < v.count; m++) {
        int32_t w = NextTrendTenths(&t);
        if (w > high)
            high = w;
        if (w < low)
            low = w;
    }
    s->high = high + 5;
    s->low = low - 5;
}

void ComputeScale(const ChartInput& in, const View& v, const TrendWalk* trend, ChartScale* s) {
    const SettingsRecord& set = *in.settings;
    int64_t h = set.height;
    WidenByEntries(in, v, trend, s);
    s->underweight = Mul(Mul(h, 18), h) / 1000;
    s->overweight = Mul(Mul(h, 25), h) / 1000;
    if (set.ninpu == 1) {
        for (int32_t m = 0; m < v.count; m++) {
            int64_t over = OverweightValue(set.height, GainDays(in, v.first + m));
            if (over > s->overweight)
                s->overweight = over;
        }
    }
    if (set.risou == 1) {
        for (int32_t m = 0; m < v.count; m++) {
            int64_t g = IdealGainValue(set.height, set.original, GainDays(in, v.first + m));
            if (g < s->low)
                s->low = g;
            if (g > s->high)
                s->high = g;
        }
    }
    if (set.targetweight > s->high)
        s->high = (int64_t)set.targetweight + 5;
    if (set.targetweight < s->low)
        s->low = (int64_t)set.targetweight - 5;
    if (set.limit == 1 && s->overweight > s->high)
        s->high = Add(s->overweight, 5);
    if (set.limit2 == 1 && s->underweight < s->low)
        s->low = Sub(s->underweight, 5);
    s->low = Sub(s->low, 7);
    s->range = Sub(s->high, s->low);
}

// Builds plan strokes one point at a time.
struct StrokeWriter {
    ChartPlan* plan;
    int32_t next; // next free point
};

ChartStroke* BeginStroke(StrokeWriter* w, ChartStrokeKind kind, ChartPen pen) {
    ChartStroke* s = &w->plan->strokes[w->plan->strokeCount++];
    s->kind = kind;
    s->pen = pen;
    s->start = w->next;
    s->count = 0;
    return s;
}

void AddPoint(StrokeWriter* w, ChartStroke* s, int32_t x, int32_t y) {
    ChartPoint p = {x, y};
    w->plan->points[w->next++] = p;
    s->count++;
}

enum ReferenceKind { kRefUnderweight, kRefOverweight, kRefIdealGain };

int64_t ReferenceValue(const ChartInput& in, ReferenceKind kind, int32_t index) {
    const SettingsRecord& set = *in.settings;
    int32_t d = GainDays(in, index);
    if (kind == kRefUnderweight)
        return UnderweightValue(set.height, d);
    if (kind == kRefOverweight)
        return OverweightValue(set.height, d);
    return IdealGainValue(set.height, set.original, d);
}

// A line through one reference value per entry in view.
void AddReferenceLine(StrokeWriter* w, const ChartInput& in, const View& v, ChartStrokeKind kind,
                      ChartPen pen, ReferenceKind ref) {
    const ChartScale& s = w->plan->scale;
    ChartStroke* st = BeginStroke(w, kind, pen);
    for (int32_t m = 0; m < v.count; m++)
        AddPoint(w, st, EntryX(s.step, m), ChartY(s, ReferenceValue(in, ref, v.first + m)));
}

// A level line at one value, ending at the last point in view.
void AddLevelLine(StrokeWriter* w, const View& v, ChartStrokeKind kind, ChartPen pen,
                  int64_t value) {
    const ChartScale& s = w->plan->scale;
    ChartStroke* st = BeginStroke(w, kind, pen);
    int32_t y = ChartY(s, value);
    for (int32_t m = 0; m < v.count; m++)
        AddPoint(w, st, EntryX(s.step, m), y);
}

// Column ownership; the label of a run of columns is formatted once.
struct ColumnFiller {
    ChartPlan* plan;
    const WeightEntry* log;
    int32_t column;
    int32_t lastEntry;
};

void FillColumn(ColumnFiller* f, int32_t entry) {
    ChartPlan* p = f->plan;
    int32_t k = f->column++;
    p->hoverIndex[k] = entry;
    if (k > 0 && entry == f->lastEntry)
        memcpy(p->hoverLabels[k], p->hoverLabels[k - 1], kHoverLabelSize);
    else
        FormatHoverLabel(f->log[entry], p->hoverLabels[k]);
    f->lastEntry = entry;
}

void AddTrendLine(StrokeWriter* w, const View& v, TrendWalk t) {
    const ChartScale& s = w->plan->scale;
    ChartStroke* st = BeginStroke(w, kStrokeTrend, kPenTrend);
    for (int32_t m = 0; m < v.count; m++)
        AddPoint(w, st, EntryX(s.step, m), ChartY(s, NextTrendTenths(&t)));
}

ChartPen WeightPen(int32_t span) {
    if (span > 30)
        return kPenWeightThin;
    if (span > 10)
        return kPenWeightMedium;
    return kPenWeightThick;
}

ChartPen MarkerPen(int32_t span) {
    if (span > 30)
        return kPenMarkerSmall;
    if (span > 10)
        return kPenMarkerMedium;
    return kPenMarkerLarge;
}

void AddWeightLine(StrokeWriter* w, const ChartInput& in, const View& v, int32_t span,
                   int32_t marker) {
    ChartPlan* p = w->plan;
    ChartStroke* st = BeginStroke(w, kStrokeWeight, WeightPen(span));
    AddPoint(w, st, 5, ChartY(p->scale, in.log[v.first].weight));
    p->marker = p->points[st->start];
    ColumnFiller f = {p, in.log, 0, -1};
    for (int32_t m = 1; m < v.count; m++) {
        int32_t j = v.first + m;
        int32_t x = EntryX(p->scale.step, m);
        int32_t y = ChartY(p->scale, in.log[j].weight);
        AddPoint(w, st, x, y);
        while (f.column < x && f.column < kHoverColumns)
            FillColumn(&f, j - 1);
        if (j == marker) {
            p->marker.x = x;
            p->marker.y = y;
        }
    }
    while (f.column < kHoverColumns)
        FillColumn(&f, v.first + v.count - 1);
}

} // namespace

int64_t UnderweightValue(int32_t height, int32_t gainDays) {
    return Mul(Mul(20 * (int64_t)gainDays + 18000, height), height) / 1000000;
}

int64_t OverweightValue(int32_t height, int32_t gainDays) {
    return Mul(Mul(20 * (int64_t)gainDays + 25000, height), height) / 1000000;
}

int64_t IdealGainValue(int32_t height, int32_t original, int32_t gainDays) {
    return Add(Mul(Mul(20 * (int64_t)gainDays, height), height) / 1000000, original);
}

int32_t ChartY(const ChartScale& s, int64_t value) {
    return Coordinate(80 - (Mul(Sub(value, s.low), 70000) / s.range) / 1000);
}

void FormatHoverLabel(const WeightEntry& e, char out[kHoverLabelSize]) {
    char text[64];
    snprintf(text, sizeof text, "'%02d/%d/%d %.1fkg", DateYear(e.date) - 2000, DateMonth(e.date),
             DateDay(e.date), e.weight / 10.0);
    memcpy(out, text, kHoverLabelSize - 1);
    out[kHoverLabelSize - 1] = '\0';
}

int PlanWeightChart(const ChartInput& in, int32_t span, int32_t marker, int32_t scrollBack,
                    ChartPlan* plan) {
    return PlanWeightChart(in, span, marker, scrollBack, false, plan);
}

int PlanWeightChart(const ChartInput& in, int32_t span, int32_t marker, int32_t scrollBack,
                    bool trend, ChartPlan* plan) {
    plan->strokeCount = 0;
    plan->first = 0;
    plan->count = 0;
    int32_t logCount = in.count > kLogCapacity ? (int32_t)kLogCapacity : in.count;
    if (logCount < 1)
        return -1;
    if (span < 2)
        span = 2;
    if (scrollBack < 0)
        scrollBack = 0;
    if (scrollBack > logCount - 1)
        scrollBack = logCount - 1;

    View v = EntriesInView(logCount, span, scrollBack);
    plan->first = v.first;
    plan->count = v.count;
    ChartScale* s = &plan->scale;
    TrendWalk walk = trend ? StartTrendWalk(in, v) : TrendWalk();
    ComputeScale(in, v, trend ? &walk : nullptr, s);
    s->step = 115000 / (span - 1);
    s->xEnd = Saturate((int64_t)s->step * (span - 1) / 1000 + 5);

    const SettingsRecord& set = *in.settings;
    StrokeWriter w = {plan, 0};
    if (set.risou == 1)
        AddReferenceLine(&w, in, v, kStrokeIdealGain, kPenIdealGain, kRefIdealGain);
    if (trend)
        AddTrendLine(&w, v, walk);
    AddWeightLine(&w, in, v, span, marker);
    if (set.limit2 == 1) {
        if (set.ninpu == 0)
            AddLevelLine(&w, v, kStrokeUnderweight, kPenUnderweight, s->underweight);
        else
            AddReferenceLine(&w, in, v, kStrokeUnderweight, kPenUnderweight, kRefUnderweight);
    }
    if (set.limit == 1) {
        if (set.ninpu == 0)
            AddLevelLine(&w, v, kStrokeOverweight, kPenOverweight, s->overweight);
        else
            AddReferenceLine(&w, in, v, kStrokeOverweight, kPenOverweight, kRefOverweight);
    }
    ChartStroke* target = BeginStroke(&w, kStrokeTarget, kPenTarget);
    int32_t ty = ChartY(*s, set.targetweight);
    AddPoint(&w, target, 5, ty);
    AddPoint(&w, target, s->xEnd, ty);
    ChartStroke* dot = BeginStroke(&w, kStrokeMarker, MarkerPen(span));
    AddPoint(&w, dot, plan->marker.x, plan->marker.y);
    AddPoint(&w, dot, plan->marker.x, plan->marker.y);
    return 0;
}
