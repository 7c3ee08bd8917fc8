// The committed chalk glyphs: sizes, masks, strokes and dust, and how they
// hold up when the board shrinks them.
#include <gtest/gtest.h>

#include "tests/res/picture_table.h"
#include "tests/res/resource_script.h"

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
Image Picture, Mask, Other;

bool IsGrey(Rgb c) {
    return c.r == c.g && c.g == c.b;
}

TEST(ResourceScript, NamesEveryBitmapOnceWithItsSizeAndDepth) {
    EXPECT_EQ(ScriptBitmapCount(), kPictureCount);
    for (const PictureSpec& spec : kPictures) {
        SCOPED_TRACE(spec.id);
        ASSERT_TRUE(LoadScriptBitmap(spec.id, &Picture));
        EXPECT_EQ(Picture.width, spec.width);
        EXPECT_EQ(Picture.height, spec.height);
        EXPECT_EQ(Picture.bitsPerPixel, spec.kind == PictureKind::Arrow ? 4 : 24);
        for (const PictureSpec& other : kPictures)
            if (other.id != spec.id) {
                EXPECT_STRNE(ScriptBitmapFile(spec.id), ScriptBitmapFile(other.id));
            }
    }
}

TEST(ChalkGlyphs, MasksHoldOnlyPureBlackAndWhite) {
    for (const PictureSpec& spec : kPictures) {
        if (spec.kind != PictureKind::GlyphMask)
            continue;
        SCOPED_TRACE(spec.id);
        ASSERT_TRUE(LoadScriptBitmap(spec.id, &Mask));
        for (int i = 0; i < Mask.width * Mask.height; ++i)
            ASSERT_TRUE(Mask.pixels[i] == kBlack || Mask.pixels[i] == kWhite) << "pixel " << i;
    }
}

// Under the mask the picture is the stroke: white and light greys. Outside
// it only black and a few faint grey dust pixels, which the board's OR pass
// turns into a neutral grey speck no brighter than 96.
TEST(ChalkGlyphs, PictureIsStrokeUnderTheMaskAndBlackWithFaintDustElsewhere) {
    for (const PictureSpec& spec : kPictures) {
        if (spec.kind != PictureKind::GlyphPicture)
            continue;
        SCOPED_TRACE(spec.id);
        ASSERT_TRUE(LoadScriptBitmap(spec.id, &Picture));
        ASSERT_TRUE(LoadScriptBitmap(spec.pairId, &Mask));
        int area = Picture.width * Picture.height, stroke = 0, dust = 0;
        for (int i = 0; i < area; ++i) {
            Rgb p = Picture.pixels[i];
            if (Mask.pixels[i] == kBlack) {
                ++stroke;
                EXPECT_TRUE(IsGrey(p) && p.r >= 150) << "stroke pixel " << i;
            } else if (p != kBlack) {
                ++dust;
                EXPECT_TRUE(IsGrey(p) && p.r >= 64 && p.r <= 96) << "dust pixel " << i;
            }
        }
        EXPECT_GE(stroke, area / 10);
        if (spec.id != 134) { // the decimal point fills its cell
            EXPECT_LE(stroke, area * 6 / 10);
        }
        EXPECT_LE(dust, 6);
    }
}

TEST(ChalkGlyphs, DecimalPointIsARoundDotMaskedButForItsCorners) {
    ASSERT_TRUE(LoadScriptBitmap(134, &Picture));
    ASSERT_TRUE(LoadScriptBitmap(135, &Mask));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            bool corner = (x == 0 || x == 5) && (y == 0 || y == 5);
            EXPECT_EQ(Mask.at(x, y), corner ? kWhite : kBlack) << x << "," << y;
            EXPECT_EQ(Picture.at(x, y) == kBlack, corner) << x << "," << y;
        }
}

// Nearest-neighbour shrink as the board's COLORONCOLOR stretch does it.
int ShrunkBlackCount(const Image& mask, int w, int h, bool* out) {
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool black = mask.at(x * mask.width / w, y * mask.height / h) == kBlack;
            out[y * w + x] = black;
            count += black;
        }
    return count;
}

// The change read-out draws digits at 11 x 15, the date and the index at
// 9 x 13: every digit must keep enough chalk and stay unlike the others.
TEST(ChalkGlyphs, DigitsStayDistinctWhenShrunkForTheSmallReadOuts) {
    const int sizes[2][2] = {{11, 15}, {9, 13}};
    static bool shrunk[10][16 * 22];
    for (const auto& size : sizes) {
        int w = size[0], h = size[1];
        SCOPED_TRACE(w);
        for (int d = 0; d < 10; ++d) {
            int maskId = 0;
            for (const PictureSpec& spec : kPictures)
                if (spec.id == kDigitPictures[d])
                    maskId = spec.pairId;
            ASSERT_TRUE(LoadScriptBitmap(maskId, &Mask));
            EXPECT_GE(ShrunkBlackCount(Mask, w, h, shrunk[d]), w * h / 8) << "digit " << d;
        }
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b) {
                int differing = 0;
                for (int i = 0; i < w * h; ++i)
                    differing += shrunk[a][i] != shrunk[b][i];
                EXPECT_GE(differing, 8) << "digits " << a << " and " << b;
            }
    }
}

// Digits share one style: similar stroke weight, all within the cell's margins.
TEST(ChalkGlyphs, DigitsSitInsideTheirCellWithSimilarWeight) {
    int least = 1000, most = 0;
    for (int d = 0; d < 10; ++d) {
        ASSERT_TRUE(LoadScriptBitmap(kDigitPictures[d], &Other));
        int chalk = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 16; ++x) {
                bool stroke = Other.at(x, y).r >= 150;
                chalk += stroke;
                if (stroke) {
                    EXPECT_TRUE(x >= 1 && x <= 14 && y >= 1 && y <= 20)
                        << d << ": " << x << "," << y;
                }
            }
        least = std::min(least, chalk);
        most = std::max(most, chalk);
    }
    EXPECT_LE(most, least * 5 / 2);
}

} // namespace
