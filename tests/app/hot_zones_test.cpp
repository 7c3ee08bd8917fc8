// The hot zones on their borders: each inclusive bound is inside, one pixel
// further is outside.
#include <gtest/gtest.h>

#include "app/hot_zones.h"

namespace {

struct ZoneBounds {
    HotZone zone;
    int left, top, right, bottom; // inclusive
};

const ZoneBounds kZones[] = {
    {kZoneChart, 5, 3, 129, 69},
    {kZonePlus, 71, 76, 89, 94},
    {kZoneMinus, 31, 76, 49, 94},
    {kZoneWeight, 131, 6, 219, 39},
};

TEST(HotZones, EachBoxedZoneIsExactlyItsInclusiveBounds) {
    for (const ZoneBounds& z : kZones) {
        SCOPED_TRACE(z.zone);
        int midX = (z.left + z.right) / 2;
        int midY = (z.top + z.bottom) / 2;
        EXPECT_EQ(HotZoneAt(z.left, z.top), z.zone);
        EXPECT_EQ(HotZoneAt(z.right, z.bottom), z.zone);
        EXPECT_EQ(HotZoneAt(z.left, z.bottom), z.zone);
        EXPECT_EQ(HotZoneAt(z.right, z.top), z.zone);
        EXPECT_NE(HotZoneAt(z.left - 1, midY), z.zone);
        EXPECT_NE(HotZoneAt(z.right + 1, midY), z.zone);
        EXPECT_NE(HotZoneAt(midX, z.top - 1), z.zone);
        EXPECT_NE(HotZoneAt(midX, z.bottom + 1), z.zone);
    }
}

TEST(HotZones, ExitRunsFromRow86DownWithoutEnd) {
    EXPECT_EQ(HotZoneAt(171, 86), kZoneExit);
    EXPECT_EQ(HotZoneAt(189, 99), kZoneExit);
    EXPECT_EQ(HotZoneAt(180, 65535), kZoneExit);
    EXPECT_EQ(HotZoneAt(180, 85), kZoneNone);
    EXPECT_EQ(HotZoneAt(170, 90), kZoneNone);
    EXPECT_EQ(HotZoneAt(190, 90), kZoneNone);
}

TEST(HotZones, BoardOutsideTheZonesIsNone) {
    EXPECT_EQ(HotZoneAt(0, 0), kZoneNone);
    EXPECT_EQ(HotZoneAt(4, 30), kZoneNone);   // left of the chart
    EXPECT_EQ(HotZoneAt(130, 20), kZoneNone); // between chart and weight
    EXPECT_EQ(HotZoneAt(60, 85), kZoneNone);  // between the span buttons
    EXPECT_EQ(HotZoneAt(230, 30), kZoneNone); // the date column
    EXPECT_EQ(HotZoneAt(65535, 65535), kZoneNone);
}

} // namespace
