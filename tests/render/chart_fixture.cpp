#include "tests/render/chart_fixture.h"

TestChart Chart;

namespace {

int TableGainDays(int date) {
    switch (date) {
    case 20100421:
        return 30;
    case 20100501:
        return 40;
    case 20100511:
        return 50;
    default:
        return 0;
    }
}

const ChartStroke* Find(int kind) {
    for (int i = 0; i < Chart.plan.strokeCount; i++) {
        if (Chart.plan.strokes[i].kind == kind)
            return &Chart.plan.strokes[i];
    }
    return nullptr;
}

} // namespace

void ResetChart() {
    Chart.count = 0;
    Chart.settings = SettingsRecord();
    Chart.settings.height = 160;
    Chart.settings.targetweight = 500;
    Chart.settings.original = 500;
}

void AddEntry(int32_t date, int32_t weight) {
    Chart.log[Chart.count].date = date;
    Chart.log[Chart.count].weight = weight;
    Chart.count++;
}

int Plan(int32_t span, int32_t marker, int32_t scrollBack) {
    ChartInput in = {Chart.log, Chart.count, &Chart.settings, TableGainDays};
    return PlanWeightChart(in, span, marker, scrollBack, &Chart.plan);
}

std::vector<ChartPoint> StrokePoints(int kind) {
    std::vector<ChartPoint> out;
    const ChartStroke* s = Find(kind);
    if (s)
        out.assign(Chart.plan.points + s->start, Chart.plan.points + s->start + s->count);
    return out;
}

int StrokePen(int kind) {
    const ChartStroke* s = Find(kind);
    return s ? s->pen : -1;
}

std::vector<int> StrokeKinds() {
    std::vector<int> out;
    for (int i = 0; i < Chart.plan.strokeCount; i++)
        out.push_back(Chart.plan.strokes[i].kind);
    return out;
}

std::vector<int> PointYs(int kind) {
    std::vector<int> out;
    for (const ChartPoint& p : StrokePoints(kind))
        out.push_back(p.y);
    return out;
}

std::vector<int> PointXs(int kind) {
    std::vector<int> out;
    for (const ChartPoint& p : StrokePoints(kind))
        out.push_back(p.x);
    return out;
}

std::string Label(int column) {
    return Chart.plan.hoverLabels[column];
}
