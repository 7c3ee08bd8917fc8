// The chart read from the program's own records, with the store's calendar.
#include <gtest/gtest.h>

#include <string.h>

#include "render/chart_state.h"

namespace {

ChartPlan StatePlan;

TEST(ChartState, PregnancyChartFromTheSharedRecords) {
    memset(&Settings, 0, sizeof Settings);
    Settings.height = 160;
    Settings.original = 500;
    Settings.targetweight = 550;
    Settings.ninpu = Settings.limit = Settings.limit2 = Settings.risou = 1;
    PeriodStartDate = {2010, 1, 1};
    WeightLog[0] = {20100421, 530};
    WeightLog[1] = {20100501, 534};
    WeightLog[2] = {20100511, 537};
    Settings.weightdatalen = 3;
    ASSERT_EQ(PlanWeightChart(CurrentChartInput(), 7, 2, 0, &StatePlan), 0);
    EXPECT_EQ(StatePlan.scale.high, 670);
    EXPECT_EQ(StatePlan.scale.low, 448);
    // The overweight line rises with 30, 40 and 50 days of gain.
    const ChartStroke& over = StatePlan.strokes[3];
    ASSERT_EQ(over.kind, kStrokeOverweight);
    EXPECT_EQ(StatePlan.points[over.start].y, 15);
    EXPECT_EQ(StatePlan.points[over.start + 2].y, 12);

    memset(HoverIndexTable, 0xff, sizeof HoverIndexTable);
    PublishHoverTables(StatePlan);
    EXPECT_EQ(HoverIndexTable[0], 0);
    EXPECT_EQ(HoverIndexTable[30], 1);
    EXPECT_EQ(HoverIndexTable[255], 2);
    EXPECT_STREQ(HoverLabels[255], "'10/5/11 53.7kg");
}

} // namespace
