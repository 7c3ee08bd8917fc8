// The board at a display scale: DPI factor, pointer, paint, window size and place.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/board_place.h"
#include "app/hot_zones.h"
#include "render/board_scale.h"

namespace {

using std::make_tuple;

TEST(BoardScale, NearestWholeFactorOfDpiOver96WithinTheRoom) {
    const std::tuple<const char*, int32_t, int32_t, int32_t, int32_t> cases[] = {
        {"below 150 %", 143, 1920, 1080, 1}, {"150 %", 144, 1920, 1080, 2},
        {"500 %", 480, 3840, 2160, 5},       {"no DPI", -96, 1920, 1080, 1},
        {"too narrow", 480, 1018, 762, 4},   {"too low", 480, 1250, 499, 4},
        {"a tiny room", 192, 200, 80, 1},    {"huge DPI", INT32_MAX, 2500, 1000, 10},
    };
    for (const auto& [name, dpi, width, height, scale] : cases)
        EXPECT_EQ(BoardScaleForDpi(dpi, width, height), scale) << name;
}

// At scale k each zone's inclusive bounds (the 96-DPI table) run from the
// first window pixel of its first block to the last pixel of its last one.
TEST(BoardScale, EachZoneCoversExactlyTheBlocksOfItsBoardPixels) {
    const uint32_t zones[][5] = {
        {kZoneChart, 5, 3, 129, 69},    {kZonePlus, 71, 76, 89, 94},   {kZoneMinus, 31, 76, 49, 94},
        {kZoneWeight, 131, 6, 219, 39}, {kZoneExit, 171, 86, 189, 99},
    };
    for (uint32_t k = 1; k <= 3; k++)
        for (const auto& z : zones) {
            uint32_t x0 = z[1] * k, y0 = z[2] * k, x1 = z[3] * k + k - 1, y1 = z[4] * k + k - 1;
            // A window point and whether it is in the zone; EXIT runs on below.
            const uint32_t probes[][3] = {{x0, y0, 1},     {x1, y1, 1},
                                          {x0 - 1, y0, 0}, {x0, y0 - 1, 0},
                                          {x1 + 1, y1, 0}, {x1, y1 + 1, z[0] == kZoneExit}};
            for (const auto& p : probes) {
                uint32_t board = BoardParamFromWindow(p[0] | p[1] << 16, static_cast<int32_t>(k));
                uint32_t zone = static_cast<uint32_t>(HotZoneAt(board & 0xFFFF, board >> 16));
                EXPECT_EQ(zone == z[0], p[2] == 1) << k << ": " << p[0] << "," << p[1];
            }
        }
    EXPECT_EQ(BoardParamFromWindow(0xFFFFFFFFu, 2), 0x7FFF7FFFu); // far out stays far out
}

TEST(BoardScale, APaintCopiesTheWholeBlocksUnderTheInvalidRectangle) {
    // Window rectangle, scale (0: not known, as unscaled), board rectangle.
    const std::tuple<const char*, ScaleRect, int32_t, ScaleRect> cases[] = {
        {"the whole window", {0, 0, 500, 200}, 2, {0, 0, 250, 100}},
        {"part blocks", {3, 5, 7, 9}, 2, {1, 2, 4, 5}},
        {"beyond the window", {-5, -5, 900, 900}, 2, {0, 0, 250, 100}},
        {"no scale", {0, 1, 7, 9}, 0, {0, 1, 7, 9}},
    };
    for (const auto& [name, window, scale, want] : cases) {
        ScaleRect b = BoardRectCovering(window, scale);
        EXPECT_EQ(make_tuple(b.left, b.top, b.right, b.bottom),
                  make_tuple(want.left, want.top, want.right, want.bottom))
            << name;
    }
}

TEST(BoardScale, WindowIsTheEnlargedBoardInItsFrameAndOpensOnTheScreen) {
    // Saved x, y, scale, placed x, y on a 1024 x 768 screen: 256 x 106 at 96 DPI.
    const std::tuple<const char*, int32_t, int32_t, int32_t, int32_t, int32_t> cases[] = {
        {"in the corner", 768, 662, 1, 768, 662},   {"a pixel out", 769, 663, 1, 768, 662},
        {"enlarged twice", 769, 663, 2, 518, 562},  {"above and left", -40, -1, 2, 0, 0},
        {"far right", INT32_MAX, 300, 2, 518, 300},
    };
    for (const auto& [name, x, y, scale, placedX, placedY] : cases) {
        ScalePoint p = BoardOriginOnScreen({x, y}, BoardWindowSize(scale, 3, 3), 1024, 768);
        EXPECT_EQ(make_tuple(p.x, p.y), make_tuple(placedX, placedY)) << name;
    }
}

// The size the window asks for at a new DPI keeps the board whole in the
// frame of that DPI, also where the scale stays (96 -> 120) or the measured
// frame is not what the system reckons (the last row).
TEST(BoardScale, WindowAtANewDpiHasTheFrameOfThatDpi) {
    // measured frame, the system's frame then and now, scale: window width, height
    const int32_t cases[][6] = {
        {3, 3, 3, 1, 256, 106}, {3, 3, 4, 1, 258, 108}, {5, 5, 6, 2, 512, 212},
        {6, 6, 4, 1, 258, 108}, {3, 4, 7, 2, 512, 212},
    };
    for (const auto& c : cases) {
        ScalePoint frame = FrameAtDpi({c[0], c[0]}, {c[1], c[1]}, {c[2], c[2]});
        ScaleSize size = BoardWindowSize(c[3], frame.x, frame.y);
        EXPECT_EQ(make_tuple(size.width, size.height), make_tuple(c[4], c[5]))
            << c[0] << " " << c[1] << " " << c[2];
    }
}

// A window manager moves the new board in by its frame: the move is undone, up to a
// limit where it keeps coming (the user's own moves release the hold: test_dpi's drag).
TEST(BoardPlace, MovesFromOutsideAreUndoneUntilTheyKeepComing) {
    BoardPlaceHold hold = {0, {7, 7}, kPlaceUndoLimit};                        // a hold from before
    std::string restores = std::to_string(BoardPlaceToRestore(&hold, {3, 3})); // none held yet
    HoldBoardPlace(&hold, {0, 0});
    for (ScalePoint at : {ScalePoint{3, 3}, {0, 0}, {0, 3}, {3, 3}, {3, 3}})
        restores += std::to_string(BoardPlaceToRestore(&hold, at));
    EXPECT_EQ(make_tuple(restores, hold.at.x, hold.at.y), make_tuple("010100", 0, 0));
}

} // namespace
