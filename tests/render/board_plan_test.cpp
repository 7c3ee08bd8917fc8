#include <gtest/gtest.h>

#include <string>

#include "render/board_plan.h"
#include "render/number_layout.h"
#include "tests/render/glyph_text.h"

namespace {

struct Board {
    WeightEntry log[4];
    int32_t hoverTable[256];
    BoardState state;
};

Board Make(double weight, int32_t count = 0) {
    Board b = {};
    b.state.currentWeight = weight;
    b.state.log = b.log;
    b.state.logCount = count;
    b.state.height = 170;
    b.state.today = {2010, 5, 8, 6};
    b.state.chartSpan = 7;
    for (int i = 0; i < 256; i++)
        b.hoverTable[i] = 1000 + i;
    return b;
}

BoardPlan PlanOf(Board& b, int32_t paintedHoverX = 77) {
    b.state.log = b.log;
    b.state.hoverIndexTable = b.hoverTable;
    BoardPlan p;
    PlanBoardPaint(b.state, paintedHoverX, &p);
    return p;
}

NumberLayout Lay(const ChalkNumberCall& c) {
    NumberLayout l;
    LayoutChalkNumber(c.value, c.x, c.y, c.scale, c.mode, &l);
    return l;
}

std::string Glyphs(const ChalkNumberCall& c) {
    return Glyphs(Lay(c));
}

std::string Xs(const ChalkNumberCall& c) {
    NumberLayout l = Lay(c);
    std::string s;
    for (int i = 0; i < l.count; i++)
        s += std::to_string(l.cells[i].x) + "," + std::to_string(l.cells[i].y) + " ";
    return s;
}

TEST(BoardPlan, NumberArgumentsAndWhereTheirGlyphsSit) {
    Board b = Make(105.3, 2);
    b.log[0] = {20100507, 1060};
    b.log[1] = {20100508, 1053};
    BoardPlan p = PlanOf(b);
    EXPECT_EQ(Glyphs(p.weight), "105.3k");
    EXPECT_EQ(Xs(p.weight), "115,8 132,8 149,8 166,28 171,9 187,16 ");
    EXPECT_EQ(Glyphs(p.change), "0.7-k"); // against the older of the two
    EXPECT_EQ(Xs(p.change), "159,39 171,53 175,39 147,39 186,44 ");
    EXPECT_EQ(p.change.scale, 0.7);
    EXPECT_EQ(Glyphs(p.month), "5");
    EXPECT_EQ(Xs(p.month), "232,3 ");
    EXPECT_EQ(Xs(p.day), "232,28 ");
    ASSERT_TRUE(p.drawBmi);
    EXPECT_EQ(Glyphs(p.bmi), "36.4");
    EXPECT_EQ(Xs(p.bmi), "168,64 178,64 188,76 191,64 ");
}

TEST(BoardPlan, ChangeReadouts) {
    Board one = Make(65.3, 1);
    one.log[0] = {20100508, 653};
    EXPECT_EQ(Glyphs(PlanOf(one).change), "0.0+k");
    Board two = Make(65.3, 2);
    two.log[0] = {20100507, 660};
    two.log[1] = {20100508, 653};
    EXPECT_EQ(Glyphs(PlanOf(two).change), "0.7-k");
    // An empty log has nothing to compare with, whatever its slots hold.
    Board empty = Make(65.3, 0);
    empty.log[0] = {20100101, 700};
    EXPECT_EQ(PlanOf(empty).change.value, 0.0);
    EXPECT_EQ(Glyphs(PlanOf(empty).change), "0.0+k");
}

TEST(BoardPlan, MonthAndDayColumns) {
    Board b = Make(60.0);
    b.state.today = {2010, 9, 30, 4};
    BoardPlan p = PlanOf(b);
    EXPECT_EQ(Xs(p.month), "232,3 ");
    EXPECT_EQ(Xs(p.day), "226,28 236,28 ");
    b.state.today = {2010, 12, 1, 3};
    p = PlanOf(b);
    EXPECT_EQ(Glyphs(p.month), "12");
    EXPECT_EQ(Xs(p.month), "226,3 236,3 ");
    EXPECT_EQ(Xs(p.day), "232,28 ");
}

TEST(BoardPlan, BodyMassIndex) {
    Board b = Make(65.3);
    EXPECT_EQ(Glyphs(PlanOf(b).bmi), "22.5"); // 22.595... is cut
    b.state.height = 0;
    EXPECT_FALSE(PlanOf(b).drawBmi);
    b.state.height = -3;
    EXPECT_FALSE(PlanOf(b).drawBmi);
    Board reset = Make(0.0);
    BoardPlan p = PlanOf(reset);
    EXPECT_EQ(Glyphs(p.weight), "0.0k");
    EXPECT_EQ(Xs(p.weight).substr(0, 6), "149,8 ");
    EXPECT_EQ(Glyphs(p.bmi), "0.0");
}

TEST(BoardPlan, ChartCallWithoutReadoutShowsTheNewest) {
    Board b = Make(60.0, 4);
    b.state.scrollBack = 3;
    b.state.chartSpan = 30;
    BoardPlan p = PlanOf(b);
    EXPECT_TRUE(p.drawChart);
    EXPECT_EQ(p.paintedHoverX, 254);
    EXPECT_EQ(p.chartSpan, 30);
    EXPECT_EQ(p.chartMarker, 3);
    EXPECT_EQ(p.chartScrollBack, 0);
    EXPECT_FALSE(p.showReadout);
}

TEST(BoardPlan, ChartCallWithReadoutUsesTheHoverColumn) {
    Board b = Make(60.0, 4);
    b.state.hoverActive = 1;
    b.state.hoverX = 40;
    b.state.scrollBack = 2;
    BoardPlan p = PlanOf(b);
    EXPECT_EQ(p.paintedHoverX, 40);
    EXPECT_EQ(p.chartMarker, 1040);
    EXPECT_EQ(p.chartScrollBack, 2);
    EXPECT_TRUE(p.showReadout);
    EXPECT_EQ(p.readoutColumn, 40);
    // A column off the table reads its nearest slot, never past the table.
    b.state.hoverX = 300;
    EXPECT_EQ(PlanOf(b).chartMarker, 1255);
    EXPECT_EQ(PlanOf(b).readoutColumn, 255);
}

TEST(BoardPlan, EmptyLogDrawsNoChartAndKeepsPaintedHoverX) {
    Board b = Make(0.0, 0);
    b.state.hoverActive = 1;
    BoardPlan p = PlanOf(b, 77);
    EXPECT_FALSE(p.drawChart);
    EXPECT_EQ(p.paintedHoverX, 77);
}

TEST(BoardPlan, Pictures) {
    const int weekdays[8] = {156, 154, 158, 159, 157, 153, 155, 155};
    for (int d = 0; d < 8; d++)
        EXPECT_EQ(WeekdayPicture(d), weekdays[d]) << d;
    EXPECT_EQ(WeekdayPicture(-1), 155);
    const int faces[7] = {152, 160, 161, 162, 163, 164, 164};
    for (int f = 0; f < 7; f++)
        EXPECT_EQ(FacePicture(f), faces[f]) << f;
    Board b = Make(60.0);
    b.state.today.weekday = 1;
    b.state.faceIndex = 2;
    BoardPlan p = PlanOf(b);
    EXPECT_EQ(p.background, 104);
    EXPECT_EQ(p.weekday.id, 154);
    EXPECT_EQ(p.weekday.x, 231);
    EXPECT_EQ(p.weekday.y, 52);
    EXPECT_EQ(p.face.id, 161);
    EXPECT_EQ(p.face.x, 210);
    EXPECT_EQ(p.plusButton.id, 165);
    EXPECT_EQ(p.plusButton.x, 72);
    EXPECT_EQ(p.minusButton.id, 166);
    EXPECT_EQ(p.minusButton.x, 32);
    EXPECT_EQ(p.dateColumn.id, 151);
    EXPECT_EQ(p.bmiLabel.id, 150);
}

} // namespace
