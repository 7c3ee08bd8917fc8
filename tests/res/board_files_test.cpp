// The committed blackboard, the pictures on green, the step arrows, the
// program icon and the hand cursor.
#include <gtest/gtest.h>

#include "tests/res/picture_table.h"
#include "tests/res/resource_script.h"

namespace {

const Rgb kKey{128, 0, 0};
const Rgb kOlive{121, 122, 58};
const Rgb kBoardGreen{0, 64, 0};
const Rgb kPictureGreen{0, 66, 0};
const Rgb kWhite{255, 255, 255};
Image Board, Picture;

bool NearCorner(int x, int y) {
    return (x < 9 || x > 240) && (y < 9 || y > 90);
}
bool InExitLabel(int x, int y) {
    return x >= 171 && x <= 192 && y >= 84 && y <= 93;
}
bool IsChalk(Rgb c) {
    return c.r >= 170 && c.g >= 170 && c.b >= 150;
}

TEST(Blackboard, FrameGreenAndTrayAtTheirCoordinates) {
    ASSERT_TRUE(LoadScriptBitmap(104, &Board));
    for (int x = 9; x <= 240; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(Board.at(x, 0), kOlive);
        EXPECT_EQ(Board.at(x, 1), kOlive);
        EXPECT_EQ(Board.at(x, 98), kOlive);
        EXPECT_EQ(Board.at(x, 99), kOlive);
        for (int y = 93; y <= 97; ++y) {
            Rgb c = Board.at(x, y);
            if (!InExitLabel(x, y)) {
                EXPECT_TRUE(c.r >= 90 && c.g >= 90 && c.b >= 80 && c != kBoardGreen) << y;
            }
        }
    }
    for (int y = 9; y <= 90; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(Board.at(0, y), kOlive);
        EXPECT_EQ(Board.at(1, y), kOlive);
        EXPECT_EQ(Board.at(248, y), kOlive);
        EXPECT_EQ(Board.at(249, y), kOlive);
    }
    // The writing surface is flat board green: the painter clears part of it
    // with a brush of exactly that colour, so any texture would show a seam.
    for (int y = 2; y <= 92; ++y)
        for (int x = 2; x <= 247; ++x)
            if (!NearCorner(x, y) && !InExitLabel(x, y)) {
                ASSERT_EQ(Board.at(x, y), kBoardGreen) << x << "," << y;
            }
}

TEST(Blackboard, ExitLabelIsYellowWithDarkLettering) {
    ASSERT_TRUE(LoadScriptBitmap(104, &Board));
    int yellow = 0, dark = 0;
    for (int y = 84; y <= 93; ++y)
        for (int x = 171; x <= 192; ++x) {
            Rgb c = Board.at(x, y);
            bool isYellow = c.r >= 200 && c.g >= 160 && c.b <= 80;
            yellow += isYellow;
            dark += c.r < 100 && c.g < 100;
            EXPECT_TRUE(isYellow || (c.r < 100 && c.g < 100) || (c.r >= 180 && c.b <= 60))
                << x << "," << y;
        }
    EXPECT_GE(yellow, 22 * 10 * 2 / 3);
    EXPECT_GE(dark, 20);
    // The lettering lies where the EXIT hot zone takes clicks (x 171 … 189, y > 85).
    for (int y = 84; y <= 93; ++y)
        for (int x = 171; x <= 192; ++x)
            if (Board.at(x, y).r < 100) {
                EXPECT_TRUE(x > 170 && x < 190 && y > 85) << x << "," << y;
            }
}

TEST(Blackboard, CornersAreRoundedWithTheKeyColourOutside) {
    ASSERT_TRUE(LoadScriptBitmap(104, &Board));
    EXPECT_EQ(Board.at(0, 0), kKey);
    EXPECT_EQ(Board.at(249, 0), kKey);
    EXPECT_EQ(Board.at(0, 99), kKey);
    EXPECT_EQ(Board.at(249, 99), kKey);
    int keyed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 250; ++x) {
            if (Board.at(x, y) != kKey)
                continue;
            ++keyed;
            EXPECT_TRUE(NearCorner(x, y)) << x << "," << y;
            // Keyed pixels are the outside: the run from the edge is unbroken.
            if (x > 0 && x < 125) {
                EXPECT_EQ(Board.at(x - 1, y), kKey) << x << "," << y;
            }
            if (x < 249 && x >= 125) {
                EXPECT_EQ(Board.at(x + 1, y), kKey) << x << "," << y;
            }
        }
    EXPECT_GE(keyed, 4 * 6);
    // The four corners are mirror images of one another.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            bool key = Board.at(x, y) == kKey;
            EXPECT_EQ(Board.at(249 - x, y) == kKey, key);
            EXPECT_EQ(Board.at(x, 99 - y) == kKey, key);
            EXPECT_EQ(Board.at(249 - x, 99 - y) == kKey, key);
        }
}

// Every picture on green lies on the pictures' own green, carries chalk,
// and nothing in it is darker than that green.
TEST(GreenPictures, ChalkOnThePicturesGreen) {
    for (const PictureSpec& spec : kPictures) {
        if (spec.kind != PictureKind::Green)
            continue;
        SCOPED_TRACE(spec.id);
        ASSERT_TRUE(LoadScriptBitmap(spec.id, &Picture));
        int area = Picture.width * Picture.height, ground = 0, chalk = 0;
        for (int i = 0; i < area; ++i) {
            Rgb c = Picture.pixels[i];
            ground += c == kPictureGreen;
            chalk += IsChalk(c);
            EXPECT_GE(c.g, 66) << "pixel " << i;
        }
        EXPECT_GE(ground, area / 4);
        EXPECT_GE(chalk, area / 25);
        EXPECT_EQ(Picture.at(0, 0), kPictureGreen);
    }
}

bool RowIsGreen(const Image& p, int y, int x0 = 0, int x1 = -1) {
    for (int x = x0; x <= (x1 < 0 ? p.width - 1 : x1); ++x)
        if (p.at(x, y) != kPictureGreen)
            return false;
    return true;
}

int ChalkInRows(const Image& p, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = 0; x < p.width; ++x)
            n += IsChalk(p.at(x, y));
    return n;
}

// 月 in rows 1 … 11, 日 in rows 26 … 34, parentheses in rows 39 … 47; the
// day's digits go in between and the weekday inside the parentheses.
TEST(GreenPictures, DateColumnKeepsEachPartInItsRows) {
    ASSERT_TRUE(LoadScriptBitmap(151, &Picture));
    for (int y :
         {0, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 35, 36, 37, 38, 48, 49, 50})
        EXPECT_TRUE(RowIsGreen(Picture, y)) << "row " << y;
    EXPECT_GE(ChalkInRows(Picture, 1, 11), 20);
    EXPECT_GE(ChalkInRows(Picture, 26, 34), 15);
    EXPECT_GE(ChalkInRows(Picture, 39, 47), 8);
    for (int y = 39; y <= 47; ++y)
        EXPECT_TRUE(RowIsGreen(Picture, y, 10, 20)) << "weekday cell, row " << y;
}

TEST(GreenPictures, WeekdaysAndFacesAreAllDifferent) {
    const int groups[2][7] = {{156, 154, 158, 159, 157, 153, 155},
                              {152, 160, 161, 162, 163, 164, 0}};
    static Image first;
    for (const auto& group : groups)
        for (int a = 0; a < 7 && group[a]; ++a)
            for (int b = a + 1; b < 7 && group[b]; ++b) {
                ASSERT_TRUE(LoadScriptBitmap(group[a], &first));
                ASSERT_TRUE(LoadScriptBitmap(group[b], &Picture));
                int differing = 0;
                for (int i = 0; i < first.width * first.height; ++i)
                    differing += IsChalk(first.pixels[i]) != IsChalk(Picture.pixels[i]);
                EXPECT_GE(differing, 10) << group[a] << " vs " << group[b];
            }
}

// 148 a red triangle pointing up, 147 a blue one pointing down, on white.
TEST(StepArrows, TrianglesOnWhite) {
    for (int id : {147, 148}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(LoadScriptBitmap(id, &Picture));
        Rgb colour = id == 148 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
        int widths[13] = {}, widest = 0, first = -1, last = -1;
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) {
                Rgb c = Picture.at(x, y);
                ASSERT_TRUE(c == kWhite || c == colour) << x << "," << y;
                widths[y] += c == colour;
            }
            if (widths[y]) {
                first = first < 0 ? y : first;
                last = y;
            }
            widest = std::max(widest, widths[y]);
        }
        EXPECT_EQ(widest, 11);
        int tip = id == 148 ? first : last, base = id == 148 ? last : first;
        EXPECT_EQ(widths[tip], 1);
        EXPECT_EQ(widths[base], 11);
        for (int y = first; y < last; ++y)
            EXPECT_TRUE(id == 148 ? widths[y] < widths[y + 1] : widths[y] > widths[y + 1]) << y;
        EXPECT_EQ(Picture.at(0, 0), kWhite);
    }
}

TEST(AppIcon, FiveImagesOfTheGivenSizesAndColours) {
    char path[512];
    IconFile icon;
    ASSERT_TRUE(ReadIconFile(ResPath("app.ico", path, sizeof path), &icon));
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.count, 5);
    const int expected[5][3] = {{32, 4, 16}, {16, 4, 16}, {48, 8, 0}, {32, 1, 2}, {32, 8, 0}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(icon.entries[i].width, expected[i][0]);
        EXPECT_EQ(icon.entries[i].height, expected[i][0]);
        EXPECT_EQ(icon.entries[i].bitCount, expected[i][1]);
        EXPECT_EQ(icon.entries[i].colourCount, expected[i][2]);
        ASSERT_TRUE(ReadIconImage(path, i, &Picture));
        EXPECT_EQ(Picture.bitsPerPixel, expected[i][1]);
        int s = expected[i][0];
        EXPECT_TRUE(Picture.clearAt(0, 0));
        EXPECT_FALSE(Picture.clearAt(s / 2, s / 2));
        for (int p = 0; p < s * s; ++p)
            if (Picture.clear[p]) {
                ASSERT_EQ(Picture.pixels[p], (Rgb{0, 0, 0})) << "see-through pixel " << p;
            }
    }
}

// At 16 x 16 the motif still reads as a framed green board with chalk on it.
TEST(AppIcon, SmallImageIsAFramedBoardWithChalk) {
    char path[512];
    ASSERT_TRUE(ReadIconImage(ResPath("app.ico", path, sizeof path), 1, &Picture));
    int green = 0, chalk = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Rgb c = Picture.at(x, y);
            if (Picture.clearAt(x, y))
                continue;
            green += c.g >= 100 && c.r == 0 && c.b == 0;
            chalk += c.r >= 192 && c.g >= 192 && c.b >= 192;
        }
    EXPECT_GE(green, 40);
    EXPECT_GE(chalk, 6);
    Rgb frame = Picture.at(0, 8);
    EXPECT_TRUE(frame.r >= 100 && frame.g >= 100 && frame.b < 60);
}

TEST(HandCursor, PointsWithItsFingertipAtTheHotSpot) {
    char path[512];
    IconFile cursor;
    ASSERT_TRUE(ReadIconFile(ResPath("hand.cur", path, sizeof path), &cursor));
    EXPECT_EQ(cursor.type, 2);
    ASSERT_EQ(cursor.count, 1);
    EXPECT_EQ(cursor.entries[0].width, 32);
    EXPECT_EQ(cursor.entries[0].height, 32);
    EXPECT_EQ(cursor.entries[0].planes, 5);   // hot spot x
    EXPECT_EQ(cursor.entries[0].bitCount, 0); // hot spot y
    ASSERT_TRUE(ReadIconImage(path, 0, &Picture));
    EXPECT_EQ(Picture.bitsPerPixel, 1);
    EXPECT_FALSE(Picture.clearAt(5, 0));
    EXPECT_TRUE(Picture.clearAt(0, 0));
    // The finger: a narrow white column under the tip, the hand wider below.
    int widest = 0;
    for (int y = 0; y < 32; ++y) {
        int opaque = 0;
        for (int x = 0; x < 32; ++x)
            opaque += !Picture.clearAt(x, y);
        if (y < 4) {
            EXPECT_LE(opaque, 5) << "row " << y;
        }
        widest = std::max(widest, opaque);
    }
    EXPECT_GE(widest, 14);
    EXPECT_EQ(Picture.at(5, 2), kWhite);
}

} // namespace
