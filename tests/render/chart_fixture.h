// A log, settings and plan for chart tests; the plan is large, so it and the
// log live in static storage.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/chart_plan.h"

struct TestChart {
    WeightEntry log[kLogCapacity];
    int32_t count;
    SettingsRecord settings;
    ChartPlan plan;
};

extern TestChart Chart;

// Empty log; height 160, target 500, original 500, all four flags 0.
void ResetChart();
void AddEntry(int32_t date, int32_t weight);
// Plans with a gain-days function that maps dates 20100421/0501/0511 to
// 30/40/50 and every other date to 0.
int Plan(int32_t span, int32_t marker, int32_t scrollBack);

std::vector<ChartPoint> StrokePoints(int kind);
int StrokePen(int kind);
std::vector<int> StrokeKinds();
std::vector<int> PointYs(int kind);
std::vector<int> PointXs(int kind);
std::string Label(int column);
