#include "tests/render/gdi_surface_win.h"

#include <string.h>

#include "render/board_objects.h"
#include "render/chalk_glyphs.h"
#include "render/sprite_sheet.h"

namespace {

uint32_t* SurfacePixels;
uint32_t* BackgroundPixels;

} // namespace

HBITMAP MakeDib(int width, int height, uint32_t** bits) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down: row 0 is y 0
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = 0;
    HBITMAP bmp = CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &p, NULL, 0);
    *bits = (uint32_t*)p;
    return bmp;
}

namespace {

uint32_t Bgra(COLORREF c) {
    return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// Black in the leftmost column, where the mask is white.
HBITMAP FakePicture(int width, int height, COLORREF colour) {
    uint32_t* bits;
    HBITMAP bmp = MakeDib(width, height, &bits);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++)
            bits[y * width + x] = x == 0 ? 0 : Bgra(colour);
    }
    return bmp;
}

HBITMAP FakeMask(int width, int height) {
    uint32_t* bits;
    HBITMAP bmp = MakeDib(width, height, &bits);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++)
            bits[y * width + x] = x == 0 ? 0xFFFFFF : 0;
    }
    return bmp;
}

void SetPicture(int id, HBITMAP bmp) {
    Board.Pictures[PictureSlot(id)] = bmp;
}

void MakeGlyph(const ChalkGlyph& g) {
    SetPicture(g.picture, FakePicture(g.width, g.height, GlyphColour(g.picture)));
    SetPicture(g.mask, FakeMask(g.width, g.height));
}

} // namespace

COLORREF GlyphColour(int id) {
    return RGB(id, 255 - id, (id * 37) & 0xFF);
}

void OpenTestSurface() {
    Board.Backbuffer = CreateCompatibleDC(NULL);
    Board.SpriteSurface = CreateCompatibleDC(NULL);
    Board.BackbufferBitmap = MakeDib(kSurfaceWidth, kSurfaceHeight, &SurfacePixels);
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap);
    SetStretchBltMode(Board.Backbuffer, COLORONCOLOR);
    CreateBoardPens();
}

void MakeFakeGlyphs() {
    for (int d = 0; d <= 9; d++)
        MakeGlyph(*DigitGlyph(d));
    MakeGlyph(PointGlyph());
    MakeGlyph(UnitGlyph());
    MakeGlyph(SignGlyph(true));
    MakeGlyph(SignGlyph(false));
}

COLORREF BackgroundColour(int x, int y) {
    return RGB(x, y, 77);
}

void MakeFakeBoardPictures() {
    HBITMAP bg = MakeDib(250, 100, &BackgroundPixels);
    for (int y = 0; y < 100; y++) {
        for (int x = 0; x < 250; x++)
            BackgroundPixels[y * 250 + x] = Bgra(BackgroundColour(x, y));
    }
    SetPicture(104, bg);
    const int ids[] = {150, 151, 152, 153, 154, 155, 156, 157, 158,
                       159, 160, 161, 162, 163, 164, 165, 166};
    for (int id : ids) {
        const SheetSlot* s = FindSheetSlot(id);
        SetPicture(id, FakePicture(s->width, s->height, GlyphColour(id)));
    }
}

COLORREF BackgroundPixelAt(int x, int y) {
    GdiFlush();
    uint32_t v = BackgroundPixels[y * 250 + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void CloseTestSurface() {
    DeleteDC(Board.Backbuffer);
    DeleteDC(Board.SpriteSurface);
    DeleteObject(Board.BackbufferBitmap);
    if (Board.SpriteSheet)
        DeleteObject(Board.SpriteSheet);
    Board.SpriteSheet = NULL;
    HPEN pens[] = {Board.WeightPenThick,  Board.TargetPen,      Board.MarkerPenLarge,
                   Board.WeightPenMedium, Board.WeightPenThin,  Board.MarkerPenMedium,
                   Board.MarkerPenSmall,  Board.UnderweightPen, Board.OverweightPen,
                   Board.IdealGainPen};
    for (HPEN p : pens)
        DeleteObject(p);
    for (HBITMAP& b : Board.Pictures) {
        if (b)
            DeleteObject(b);
        b = NULL;
    }
}

void FillSurface(COLORREF colour) {
    GdiFlush();
    for (int i = 0; i < kSurfaceWidth * kSurfaceHeight; i++)
        SurfacePixels[i] = Bgra(colour);
}

void CopySurface(uint32_t* out) {
    GdiFlush();
    memcpy(out, SurfacePixels, sizeof(uint32_t) * kSurfaceWidth * kSurfaceHeight);
}

COLORREF PixelAt(int x, int y) {
    GdiFlush();
    uint32_t v = SurfacePixels[y * kSurfaceWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}
