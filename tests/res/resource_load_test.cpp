// Every picture, the icon group and the cursor group load from the
// resources linked into the program, at their sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdint.h>
#include <string.h>

#include "render/picture_load_win.h"
#include "res/resource.h"
#include "tests/res/picture_table.h"

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST(LinkedResources, EveryBitmapLoadsAtItsSize) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    for (const PictureSpec& spec : kPictures) {
        SCOPED_TRACE(spec.id);
        HBITMAP bitmap = LoadBitmapW(self, MAKEINTRESOURCEW(spec.id));
        ASSERT_NE(bitmap, nullptr);
        SIZE size = BitmapSize(bitmap);
        EXPECT_EQ(size.cx, spec.width);
        EXPECT_EQ(size.cy, spec.height);
        DeleteObject(bitmap);
    }
}

// The start-up loader makes of every picture what LoadBitmap makes: a bitmap
// of the screen's depth with the same pixels, read back as 32-bit rows.
TEST(LinkedResources, StartUpLoaderMatchesLoadBitmapPixelForPixel) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    HDC screen = GetDC(nullptr);
    HDC reference = CreateCompatibleDC(screen);
    HBITMAP screenFormat = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ old = SelectObject(reference, screenFormat);
    static uint32_t plain[250 * 100], loaded[250 * 100];
    for (const PictureSpec& spec : kPictures) {
        SCOPED_TRACE(spec.id);
        HBITMAP a = LoadBitmapW(self, MAKEINTRESOURCEW(spec.id));
        HBITMAP b = LoadPicture(self, spec.id, reference);
        ASSERT_NE(b, nullptr);
        BITMAP infoA = {}, infoB = {};
        GetObjectW(a, sizeof infoA, &infoA);
        GetObjectW(b, sizeof infoB, &infoB);
        EXPECT_EQ(infoB.bmWidth, spec.width);
        EXPECT_EQ(infoB.bmHeight, spec.height);
        EXPECT_EQ(infoB.bmBitsPixel, infoA.bmBitsPixel);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = spec.width;
        bi.bmiHeader.biHeight = -spec.height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        ASSERT_EQ(GetDIBits(screen, a, 0, spec.height, plain, &bi, DIB_RGB_COLORS), spec.height);
        ASSERT_EQ(GetDIBits(screen, b, 0, spec.height, loaded, &bi, DIB_RGB_COLORS), spec.height);
        EXPECT_EQ(memcmp(plain, loaded, sizeof(uint32_t) * spec.width * spec.height), 0);
        DeleteObject(a);
        DeleteObject(b);
    }
    EXPECT_EQ(LoadPicture(self, 999, reference), nullptr);
    EXPECT_EQ(LoadPicture(self, IDI_APP, reference), nullptr); // an icon, not a bitmap
    SelectObject(reference, old);
    DeleteObject(screenFormat);
    DeleteDC(reference);
    ReleaseDC(nullptr, screen);
}

// The board's colours survive the trip through the resource compiler.
TEST(LinkedResources, BoardPixelsComeThroughExactly) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    HBITMAP board = static_cast<HBITMAP>(
        LoadImageW(self, MAKEINTRESOURCEW(IDB_BOARD), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(board, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, board);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(128, 0, 0));
    EXPECT_EQ(GetPixel(dc, 249, 99), RGB(128, 0, 0));
    EXPECT_EQ(GetPixel(dc, 100, 0), RGB(121, 122, 58));
    EXPECT_EQ(GetPixel(dc, 100, 50), RGB(0, 64, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(board);
}

// The icon group holds its five images in the order the program ships them.
TEST(LinkedResources, IconGroupHoldsFiveImages) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    HRSRC group =
        FindResourceW(self, MAKEINTRESOURCEW(IDI_APP), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(self, group)));
    ASSERT_NE(dir, nullptr);
    ASSERT_EQ(dir[4] | dir[5] << 8, 5);
    const int expected[5][2] = {{32, 4}, {16, 4}, {48, 8}, {32, 1}, {32, 8}};
    for (int i = 0; i < 5; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;
        EXPECT_EQ(entry[0], expected[i][0]) << i;
        EXPECT_EQ(entry[6] | entry[7] << 8, expected[i][1]) << i;
    }
    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(self, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_EQ(BitmapSize(info.hbmColor).cx, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    EXPECT_NE(LoadIconW(self, MAKEINTRESOURCEW(IDI_APP)), nullptr);
}

TEST(LinkedResources, HandCursorHasItsHotSpotAtTheFingertip) {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
    ASSERT_NE(hand, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    SIZE mask = BitmapSize(info.hbmMask); // two-colour: AND and XOR halves stacked
    EXPECT_EQ(mask.cx, 32);
    EXPECT_EQ(mask.cy, 64);
    EXPECT_EQ(info.hbmColor, nullptr);
    DeleteObject(info.hbmMask);
}

} // namespace
