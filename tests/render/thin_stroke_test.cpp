// Reducing a 1-pixel line to the points that paint something.
#include <gtest/gtest.h>

#include <vector>

#include "render/thin_stroke.h"

namespace {

std::vector<ChartPoint> Reduce(std::vector<ChartPoint> points) {
    int32_t n = ReduceThinStroke(points.data(), (int32_t)points.size());
    points.resize(n);
    return points;
}

::testing::AssertionResult Same(const std::vector<ChartPoint>& got,
                                const std::vector<ChartPoint>& want) {
    bool same = got.size() == want.size();
    for (size_t i = 0; same && i < got.size(); i++)
        same = got[i].x == want[i].x && got[i].y == want[i].y;
    if (same)
        return ::testing::AssertionSuccess();
    auto result = ::testing::AssertionFailure() << "got";
    for (const ChartPoint& p : got)
        result << " (" << p.x << "," << p.y << ")";
    return result;
}

TEST(ThinStroke, LevelLineOfASpan360ChartBecomesOneSegment) {
    std::vector<ChartPoint> level;
    for (int m = 0; m < 360; m++)
        level.push_back({320 * m / 1000 + 5, 70});
    EXPECT_TRUE(Same(Reduce(level), {{5, 70}, {119, 70}}));
}

TEST(ThinStroke, RepeatedPointsGoAndStraightRunsJoin) {
    EXPECT_TRUE(Same(Reduce({{5, 10}, {5, 10}, {5, 12}, {5, 12}, {5, 20}, {6, 20}}),
                     {{5, 10}, {5, 20}, {6, 20}}));
    EXPECT_TRUE(Same(Reduce({{9, 4}, {7, 4}, {3, 4}, {3, 1}, {3, 0}}), {{9, 4}, {3, 4}, {3, 0}}));
}

// Turning back on the same column or row paints the turning point, which the
// joined segment would leave out; sloped lines keep every point.
TEST(ThinStroke, TurnsAndSlopesKeepTheirPoints) {
    std::vector<ChartPoint> zigzag = {{20, 30}, {20, 40}, {20, 35}, {20, 45}};
    EXPECT_TRUE(Same(Reduce(zigzag), zigzag));
    std::vector<ChartPoint> back = {{5, 8}, {9, 8}, {5, 8}};
    EXPECT_TRUE(Same(Reduce(back), back));
    std::vector<ChartPoint> slope = {{0, 0}, {2, 1}, {4, 2}, {6, 3}};
    EXPECT_TRUE(Same(Reduce(slope), slope));
}

TEST(ThinStroke, ShortStrokesAndThePens) {
    EXPECT_TRUE(Same(Reduce({{7, 7}}), {{7, 7}}));
    EXPECT_TRUE(Same(Reduce({{7, 7}, {7, 7}}), {{7, 7}}));
    EXPECT_EQ(ReduceThinStroke(nullptr, 0), 0);
    EXPECT_TRUE(IsThinPen(kPenWeightThin));
    EXPECT_TRUE(IsThinPen(kPenUnderweight));
    EXPECT_TRUE(IsThinPen(kPenOverweight));
    EXPECT_FALSE(IsThinPen(kPenWeightMedium));
    EXPECT_FALSE(IsThinPen(kPenTarget));
    EXPECT_FALSE(IsThinPen(kPenIdealGain));
    EXPECT_FALSE(IsThinPen(kPenMarkerSmall));
}

} // namespace
