#include "tests/render/chart_fixture.h"

#include <string.h>

namespace {

using V = std::vector<int>;

// Every column in [from, to] names entry, with that entry's label.
void ExpectColumns(int from, int to, int entry) {
    for (int k = from; k <= to; k++) {
        ASSERT_EQ(Chart.plan.hoverIndex[k], entry) << "column " << k;
        char expected[kHoverLabelSize];
        FormatHoverLabel(Chart.log[entry], expected);
        ASSERT_EQ(Label(k), std::string(expected)) << "column " << k;
    }
}

void SevenEntries() {
    ResetChart();
    const int weights[7] = {523, 521, 524, 518, 515, 517, 512};
    for (int i = 0; i < 7; i++)
        AddEntry(20100501 + i, weights[i]);
}

void PregnancyLog() {
    ResetChart();
    Chart.settings.targetweight = 550;
    Chart.settings.ninpu = Chart.settings.limit = Chart.settings.limit2 = 1;
    Chart.settings.risou = 1;
    AddEntry(20100421, 530);
    AddEntry(20100501, 534);
    AddEntry(20100511, 537);
}

TEST(ChartPlan, SevenEntriesAtSpanSeven) {
    SevenEntries();
    ASSERT_EQ(Plan(7, 6, 0), 0);
    EXPECT_EQ(Chart.plan.scale.high, 529);
    EXPECT_EQ(Chart.plan.scale.low, 488);
    EXPECT_EQ(Chart.plan.scale.range, 41);
    EXPECT_EQ(StrokeKinds(), V({kStrokeWeight, kStrokeTarget, kStrokeMarker}));
    EXPECT_EQ(PointXs(kStrokeWeight), V({5, 24, 43, 62, 81, 100, 119}));
    EXPECT_EQ(PointYs(kStrokeWeight), V({21, 24, 19, 29, 34, 31, 40}));
    EXPECT_EQ(StrokePen(kStrokeWeight), kPenWeightThick);
    EXPECT_EQ(PointXs(kStrokeTarget), V({5, 119}));
    EXPECT_EQ(PointYs(kStrokeTarget), V({60, 60}));
    EXPECT_EQ(StrokePen(kStrokeTarget), kPenTarget);
    EXPECT_EQ(PointXs(kStrokeMarker), V({119, 119}));
    EXPECT_EQ(PointYs(kStrokeMarker), V({40, 40}));
    EXPECT_EQ(StrokePen(kStrokeMarker), kPenMarkerLarge);
    ExpectColumns(0, 23, 0);
    ExpectColumns(24, 42, 1);
    ExpectColumns(43, 61, 2);
    ExpectColumns(62, 80, 3);
    ExpectColumns(81, 99, 4);
    ExpectColumns(100, 118, 5);
    ExpectColumns(119, 255, 6);
    EXPECT_EQ(Label(0), "'10/5/1 52.3kg");
    EXPECT_EQ(Label(255), "'10/5/7 51.2kg");
}

TEST(ChartPlan, SingleEntryDrawsDotAndFullTargetLine) {
    SevenEntries();
    Chart.count = 1;
    ASSERT_EQ(Plan(7, 0, 0), 0);
    EXPECT_EQ(Chart.plan.scale.high, 528);
    EXPECT_EQ(Chart.plan.scale.low, 488);
    EXPECT_EQ(Chart.plan.scale.range, 40);
    EXPECT_EQ(StrokePoints(kStrokeWeight).size(), 1u); // a move, no segment
    EXPECT_EQ(PointXs(kStrokeMarker), V({5, 5}));
    EXPECT_EQ(PointYs(kStrokeMarker), V({19, 19}));
    EXPECT_EQ(PointXs(kStrokeTarget), V({5, 119}));
    EXPECT_EQ(PointYs(kStrokeTarget), V({59, 59}));
    ExpectColumns(0, 255, 0);
}

TEST(ChartPlan, PregnancyWithAllFourLines) {
    PregnancyLog();
    ASSERT_EQ(Plan(7, 2, 0), 0);
    EXPECT_EQ(Chart.plan.scale.underweight, 460);
    EXPECT_EQ(Chart.plan.scale.overweight, 665);
    EXPECT_EQ(Chart.plan.scale.high, 670);
    EXPECT_EQ(Chart.plan.scale.low, 448);
    EXPECT_EQ(Chart.plan.scale.range, 222);
    EXPECT_EQ(StrokeKinds(), V({kStrokeIdealGain, kStrokeWeight, kStrokeUnderweight,
                                kStrokeOverweight, kStrokeTarget, kStrokeMarker}));
    EXPECT_EQ(PointYs(kStrokeIdealGain), V({59, 58, 56}));
    EXPECT_EQ(PointYs(kStrokeWeight), V({55, 53, 52}));
    EXPECT_EQ(PointYs(kStrokeUnderweight), V({72, 70, 69}));
    EXPECT_EQ(PointYs(kStrokeOverweight), V({15, 14, 12}));
    for (int kind : {kStrokeIdealGain, kStrokeWeight, kStrokeUnderweight, kStrokeOverweight})
        EXPECT_EQ(PointXs(kind), V({5, 24, 43})) << "stroke " << kind;
    EXPECT_EQ(PointYs(kStrokeTarget), V({48, 48}));
    EXPECT_EQ(StrokePen(kStrokeIdealGain), kPenIdealGain);
    EXPECT_EQ(StrokePen(kStrokeUnderweight), kPenUnderweight);
    EXPECT_EQ(StrokePen(kStrokeOverweight), kPenOverweight);
}

TEST(ChartPlan, NinpuTwoDrawsRisingLinesOnAPlainScale) {
    PregnancyLog();
    Chart.settings.ninpu = 2;
    ASSERT_EQ(Plan(7, 2, 0), 0);
    EXPECT_EQ(Chart.plan.scale.overweight, 640); // not raised by pregnancy
    EXPECT_EQ(Chart.plan.scale.high, 645);
    EXPECT_EQ(Chart.plan.scale.low, 448);
    EXPECT_EQ(Chart.plan.scale.range, 197);
    EXPECT_EQ(PointYs(kStrokeOverweight), V({7, 5, 3}));
    EXPECT_EQ(PointYs(kStrokeUnderweight), V({71, 69, 67}));
    EXPECT_EQ(PointYs(kStrokeIdealGain), V({57, 55, 53}));
}

TEST(ChartPlan, ThreeEntriesAtSpanThirty) {
    SevenEntries();
    Chart.count = 3;
    Chart.settings.limit = Chart.settings.limit2 = 1;
    ASSERT_EQ(Plan(30, 2, 0), 0);
    EXPECT_EQ(PointXs(kStrokeWeight), V({5, 8, 12}));
    EXPECT_EQ(StrokePen(kStrokeWeight), kPenWeightMedium);
    EXPECT_EQ(StrokePen(kStrokeMarker), kPenMarkerMedium);
    ExpectColumns(0, 7, 0);
    ExpectColumns(8, 11, 1);
    ExpectColumns(12, 255, 2);
    EXPECT_EQ(PointXs(kStrokeTarget), V({5, 119}));
    EXPECT_EQ(PointXs(kStrokeUnderweight), V({5, 8, 12}));
    EXPECT_EQ(PointXs(kStrokeOverweight), V({5, 8, 12}));
    // Level lines without pregnancy.
    V under = PointYs(kStrokeUnderweight);
    EXPECT_EQ(under, V(3, under[0]));
}

TEST(ChartPlan, ScrollBackOnTenEntries) {
    ResetChart();
    for (int i = 0; i < 10; i++)
        AddEntry(20100501 + i, 500 + 3 * i);
    ASSERT_EQ(Plan(7, 7, 2), 0);
    EXPECT_EQ(Chart.plan.first, 1);
    EXPECT_EQ(Chart.plan.count, 7);
    ExpectColumns(0, 23, 1);
    ExpectColumns(119, 255, 7);
    EXPECT_EQ(PointXs(kStrokeMarker), V({119, 119}));

    ASSERT_EQ(Plan(7, 6, 3), 0);
    EXPECT_EQ(Chart.plan.first, 0);
    EXPECT_EQ(Chart.plan.count, 7);
    ExpectColumns(0, 23, 0);
    ExpectColumns(119, 255, 6);
}

TEST(ChartPlan, ScrollBackPastTheLogIsHeldToTheOldestEntry) {
    ResetChart();
    for (int i = 0; i < 10; i++)
        AddEntry(20100501 + i, 500 + 3 * i);
    for (int scroll : {9, 10, 50, 2000000000}) {
        ASSERT_EQ(Plan(7, 9, scroll), 0);
        EXPECT_EQ(Chart.plan.first, 0) << scroll;
        EXPECT_EQ(Chart.plan.count, 1) << scroll;
        ExpectColumns(0, 255, 0);
    }
    // A negative scroll-back would reach past the newest entry.
    ASSERT_EQ(Plan(7, 9, -5), 0);
    EXPECT_EQ(Chart.plan.first, 3);
    EXPECT_EQ(Chart.plan.count, 7);
}

TEST(ChartPlan, MarkerOnFirstOrOutsideTheViewSitsOnTheFirstPoint) {
    SevenEntries();
    for (int marker : {0, -1, 7, 100}) {
        ASSERT_EQ(Plan(7, marker, 0), 0);
        EXPECT_EQ(PointXs(kStrokeMarker), V({5, 5})) << marker;
        EXPECT_EQ(PointYs(kStrokeMarker), V({21, 21})) << marker;
    }
    ASSERT_EQ(Plan(7, 3, 0), 0);
    EXPECT_EQ(PointXs(kStrokeMarker), V({62, 62}));
}

TEST(ChartPlan, Span360With400Entries) {
    ResetChart();
    for (int i = 0; i < 400; i++)
        AddEntry(20100101 + i % 28, 600 + i % 17);
    ASSERT_EQ(Plan(360, 399, 0), 0);
    EXPECT_EQ(Chart.plan.first, 40);
    EXPECT_EQ(Chart.plan.count, 360);
    EXPECT_EQ(Chart.plan.scale.step, 320);
    EXPECT_EQ(StrokePen(kStrokeWeight), kPenWeightThin);
    EXPECT_EQ(StrokePen(kStrokeMarker), kPenMarkerSmall);
    EXPECT_EQ(StrokePoints(kStrokeWeight).size(), 360u);
    V first(Chart.plan.hoverIndex, Chart.plan.hoverIndex + 7);
    EXPECT_EQ(first, V({40, 40, 40, 40, 40, 43, 46}));
    EXPECT_EQ(PointXs(kStrokeWeight).back(), 119);
    EXPECT_EQ(PointXs(kStrokeMarker), V({119, 119}));
}

TEST(ChartPlan, TargetEqualToHighGetsNoMargin) {
    ResetChart();
    AddEntry(20100501, 495);
    AddEntry(20100502, 490);
    ASSERT_EQ(Plan(7, 1, 0), 0);
    EXPECT_EQ(Chart.plan.scale.high, 500);
    EXPECT_EQ(PointYs(kStrokeTarget), V({10, 10}));
}

TEST(ChartPlan, HeightZeroSqueezesTheWeightLine) {
    SevenEntries();
    Chart.settings.height = 0;
    Chart.settings.limit = Chart.settings.limit2 = 1;
    ASSERT_EQ(Plan(7, 6, 0), 0);
    EXPECT_EQ(Chart.plan.scale.underweight, 0);
    EXPECT_EQ(Chart.plan.scale.overweight, 0);
    EXPECT_EQ(Chart.plan.scale.low, -12);
    EXPECT_EQ(Chart.plan.scale.range, 541);
    for (int y : PointYs(kStrokeWeight)) {
        EXPECT_GE(y, 11);
        EXPECT_LE(y, 13);
    }
    EXPECT_EQ(PointYs(kStrokeUnderweight), V(7, 79));
    EXPECT_EQ(PointYs(kStrokeOverweight), V(7, 79));
}

TEST(ChartPlan, OverweightLineBelowTheBoard) {
    ResetChart();
    Chart.settings.height = 150;
    Chart.settings.limit = 1;
    Chart.settings.targetweight = 800;
    AddEntry(20100501, 900);
    AddEntry(20100502, 905);
    AddEntry(20100503, 898);
    ASSERT_EQ(Plan(7, 2, 0), 0);
    EXPECT_EQ(Chart.plan.scale.overweight, 562);
    EXPECT_EQ(PointYs(kStrokeOverweight), V(3, 209));
}

TEST(ChartPlan, EmptyLogPlansNothing) {
    ResetChart();
    EXPECT_EQ(Plan(7, 0, 0), -1);
    EXPECT_EQ(Chart.plan.strokeCount, 0);
}

TEST(ChartPlan, SpanBelowTwoDividesNothingByZero) {
    SevenEntries();
    ASSERT_EQ(Plan(1, 6, 0), 0);
    EXPECT_EQ(Chart.plan.count, 2);
    EXPECT_EQ(PointXs(kStrokeWeight), V({5, 120}));
}

TEST(ChartLabels, FormatAndCut) {
    char out[kHoverLabelSize];
    FormatHoverLabel({20100508, 653}, out);
    EXPECT_STREQ(out, "'10/5/8 65.3kg");
    FormatHoverLabel({20001231, 0}, out);
    EXPECT_STREQ(out, "'00/12/31 0.0kg");
    FormatHoverLabel({20991231, 999999}, out);
    EXPECT_STREQ(out, "'99/12/31 99999.9kg"); // the longest that fits whole
    memset(out, 'x', sizeof out);
    FormatHoverLabel({-2147483647, -2147483647}, out);
    EXPECT_EQ(strlen(out), 19u);
}

TEST(ChartReferenceValues, ProductsDoNotOverflow) {
    EXPECT_EQ(UnderweightValue(160, 0), 460);
    EXPECT_EQ(OverweightValue(160, 0), 640);
    EXPECT_EQ(UnderweightValue(160, 100), 512);
    EXPECT_EQ(OverweightValue(160, 100), 691);
    EXPECT_EQ(IdealGainValue(160, 500, 100), 551);
    // 32-bit products would wrap here (height 200 past 1434 days; 300 cm).
    EXPECT_EQ(OverweightValue(200, 2000), 2600);
    EXPECT_EQ(OverweightValue(300, 0), 2250);
    EXPECT_EQ(IdealGainValue(300, 500, 2000), 4100);
}

} // namespace
