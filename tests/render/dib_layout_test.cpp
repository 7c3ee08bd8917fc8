// Where a bitmap resource's rows start, and which resources are refused.
#include <gtest/gtest.h>

#include "render/dib_layout.h"

namespace {

DibHeaderFields Header(int32_t width, int32_t height, uint16_t bits, uint32_t colours = 0,
                       uint32_t compression = 0) {
    return DibHeaderFields{40, width, height, bits, compression, colours};
}

TEST(DibLayout, RowsFollowTheHeaderAndTheColourTable) {
    // 24 bits: no table; rows of 16 x 3 = 48 bytes; 22 rows.
    EXPECT_EQ(DibBitsOffset(Header(16, 22, 24), 40 + 48 * 22), 40u);
    // The dialog arrows: 4 bits, 16 colours named; 13 pixels round up to 8 bytes a row.
    EXPECT_EQ(DibBitsOffset(Header(13, 13, 4, 16), 40 + 64 + 8 * 13), 104u);
    // No colour count: the full table of the bit depth.
    EXPECT_EQ(DibBitsOffset(Header(8, 2, 8), 40 + 1024 + 16), 1064u);
    EXPECT_EQ(DibBitsOffset(Header(8, 2, 1), 40 + 8 + 8), 48u);
    // Three masks after a plain info header.
    EXPECT_EQ(DibBitsOffset(Header(2, 2, 32, 0, 3), 40 + 12 + 16), 52u);
    // Top-down rows count the same.
    EXPECT_EQ(DibBitsOffset(Header(16, -22, 24), 40 + 48 * 22), 40u);
    // A larger header (BITMAPV5HEADER) moves the rows.
    DibHeaderFields v5 = Header(1, 1, 24);
    v5.headerSize = 124;
    EXPECT_EQ(DibBitsOffset(v5, 124 + 4), 124u);
}

TEST(DibLayout, ShortOrStrangeResourcesAreRefused) {
    EXPECT_EQ(DibBitsOffset(Header(16, 22, 24), 40 + 48 * 22 - 1), 0u);
    EXPECT_EQ(DibBitsOffset(Header(13, 13, 4, 16), 40 + 63 + 8 * 13), 0u);
    EXPECT_EQ(DibBitsOffset(Header(16, 22, 7), 100000), 0u);
    EXPECT_EQ(DibBitsOffset(Header(0, 22, 24), 100000), 0u);
    EXPECT_EQ(DibBitsOffset(Header(16, 0, 24), 100000), 0u);
    EXPECT_EQ(DibBitsOffset(Header(16, 22, 8, 0, 1), 100000), 0u); // run-length coded
    DibHeaderFields core = Header(16, 22, 24);
    core.headerSize = 12;
    EXPECT_EQ(DibBitsOffset(core, 100000), 0u);
    // Sizes whose rows would overflow 32 bits, and a colour count to match.
    EXPECT_EQ(DibBitsOffset(Header(0x7FFFFFFF, 0x7FFFFFFF, 32), 0xFFFFFFFFu), 0u);
    EXPECT_EQ(DibBitsOffset(Header(1, 1, 8, 0xFFFFFFFFu), 0xFFFFFFFFu), 0u);
    EXPECT_EQ(DibBitsOffset(Header(1, (int32_t)0x80000000, 24), 0xFFFFFFFFu), 0u);
}

} // namespace
