// The board at a display scale k: the factor for a DPI, the pointer and the
// paint in board pixels, the window's size and place, the calendar's layout.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/hot_zones.h"
#include "dialogs/settings_input.h"
#include "render/board_scale.h"

namespace {

TEST(BoardScale, NearestWholeFactorOfDpiOver96WithinTheRoom) {
    // DPI, room width and height, scale.
    const int32_t cases[][4] = {
        {96, 1920, 1080, 1},  {143, 1920, 1080, 1}, {144, 1920, 1080, 2},
        {192, 1920, 1080, 2}, {239, 1920, 1080, 2}, {240, 1920, 1080, 3},
        {480, 3840, 2160, 5}, {-96, 1920, 1080, 1}, {480, 1018, 762, 4},
        {480, 1250, 499, 4},  {192, 200, 80, 1},    {INT32_MAX, 2500, 1000, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(BoardScaleForDpi(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1];
}

// At scale k each zone's inclusive bounds (the 96-DPI table) run from the
// first window pixel of its first block to the last pixel of its last one.
TEST(BoardScale, EachZoneCoversExactlyTheBlocksOfItsBoardPixels) {
    const uint32_t zones[][5] = {{kZoneChart, 5, 3, 129, 69},    {kZonePlus, 71, 76, 89, 94},
                                 {kZoneMinus, 31, 76, 49, 94},   {kZoneWeight, 131, 6, 219, 39},
                                 {kZoneExit, 171, 86, 189, 99}};
    for (uint32_t k = 1; k <= 3; k++) {
        for (const auto& z : zones) {
            uint32_t x0 = z[1] * k, y0 = z[2] * k, x1 = z[3] * k + k - 1, y1 = z[4] * k + k - 1;
            // A window point and whether it is in the zone; EXIT runs on below.
            const uint32_t probes[][3] = {
                {x0, y0, 1}, {x1, y1, 1}, {x0 - 1, y0, 0}, {x0, y0 - 1, 0}, {x1 + 1, y1, 0},
                {x1, y1 + 1, z[0] == kZoneExit}};
            for (const auto& p : probes) {
                uint32_t board = BoardParamFromWindow(p[0] | p[1] << 16, static_cast<int32_t>(k));
                uint32_t zone = static_cast<uint32_t>(HotZoneAt(board & 0xFFFF, board >> 16));
                EXPECT_EQ(zone == z[0], p[2] == 1) << k << ": " << p[0] << "," << p[1];
            }
        }
    }
    EXPECT_EQ(BoardParamFromWindow(0xFFFFFFFFu, 2), 0x7FFF7FFFu); // far out stays far out
}

TEST(BoardScale, APaintCopiesTheWholeBlocksUnderTheInvalidRectangle) {
    const int32_t cases[][8] = {{0, 0, 500, 200, 0, 0, 250, 100}, {3, 5, 7, 9, 1, 2, 4, 5},
                                {4, 6, 6, 8, 2, 3, 3, 4}, {-5, -5, 900, 900, 0, 0, 250, 100},
                                {499, 199, 500, 200, 249, 99, 250, 100}};
    for (const auto& c : cases) {
        ScaleRect b = BoardRectCovering({c[0], c[1], c[2], c[3]}, 2);
        EXPECT_EQ((std::vector<int32_t>{b.left, b.top, b.right, b.bottom}),
                  std::vector<int32_t>(c + 4, c + 8));
    }
    // Unscaled, and with no scale known (as unscaled): the rectangle itself.
    ScaleRect plain = BoardRectCovering({0, 1, 250, 100}, 1);
    ScaleRect none = BoardRectCovering({0, 1, 7, 9}, 0);
    EXPECT_EQ((std::vector<int32_t>{plain.left, plain.top, plain.right, none.left, none.right}),
              (std::vector<int32_t>{0, 1, 250, 0, 7}));
}

TEST(BoardScale, WindowIsTheEnlargedBoardInItsFrameAndOpensOnTheScreen) {
    ScaleSize plain = BoardWindowSize(1, 3, 3), twice = BoardWindowSize(2, 3, 3);
    EXPECT_EQ(std::make_pair(plain.width, plain.height), std::make_pair(256, 106)); // as at 96 DPI
    EXPECT_EQ(std::make_pair(twice.width, twice.height), std::make_pair(506, 206));
    // Saved x, y, scale, placed x, y on a 1024 x 768 screen.
    const int32_t cases[][5] = {{100, 50, 1, 100, 50},   {768, 662, 1, 768, 662},
                                {769, 663, 1, 768, 662}, {769, 663, 2, 518, 562},
                                {-40, -1, 2, 0, 0},      {2147483647, 300, 2, 518, 300}};
    for (const auto& c : cases) {
        ScalePoint p = BoardOriginOnScreen({c[0], c[1]}, c[2] == 1 ? plain : twice, 1024, 768);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(c[3], c[4])) << c[0];
    }
}

// The calendar's margins and place grow with the DPI, as the dialog does: at
// twice the DPI, with the dialog and the month twice as large, all doubles.
TEST(BoardScale, SettingsCalendarLayoutGrowsWithTheDpi) {
    CalendarLayout a = LayoutPeriodCalendar(451, 140, 160, 96);
    CalendarLayout b = LayoutPeriodCalendar(902, 280, 320, 192);
    EXPECT_EQ((std::vector<int>{3, 3, 2 * a.dialogHeight, 2 * a.x, 2 * a.y, 2 * a.width}),
              (std::vector<int>{a.months, b.months, b.dialogHeight, b.x, b.y, b.width}));
    CalendarLayout c = LayoutPeriodCalendar(300, 140, 160, 144); // 150 %: rounded
    EXPECT_EQ(std::make_pair(c.y, c.dialogHeight), std::make_pair(278, 160 + 330));
    EXPECT_EQ(LayoutPeriodCalendar(300, 140, 160, 0).y, 185); // no DPI known: as at 96
}

} // namespace
