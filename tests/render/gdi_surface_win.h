// A Backbuffer and SpriteSurface on 32-bit DIB sections, the ten chart pens
// and small fake glyph pictures, so the Win32 drawing runs without a window
// and its pixels can be read back.
#pragma once
#include <windows.h>
#include <stdint.h>

enum { kSurfaceWidth = 256, kSurfaceHeight = 106 };

void OpenTestSurface();
void CloseTestSurface();
void FillSurface(COLORREF colour);
COLORREF PixelAt(int x, int y);
// The whole surface, kSurfaceWidth x kSurfaceHeight pixels, row 0 first.
void CopySurface(uint32_t* out);
// A top-down 32-bit DIB section and its pixels.
HBITMAP MakeDib(int width, int height, uint32_t** bits);

// Every glyph picture is a solid colour of its own, GlyphColour(id), and
// every mask black, except their leftmost column: black picture, white mask.
COLORREF GlyphColour(int pictureId);
void MakeFakeGlyphs();

// The board background (104) as a 250 x 100 pattern, BackgroundColour(x, y),
// and every other board picture a solid GlyphColour(id) of its own size.
// Once the pictures are made, ComposeSpriteSheet puts them on the sheet.
COLORREF BackgroundColour(int x, int y);
void MakeFakeBoardPictures();
COLORREF BackgroundPixelAt(int x, int y);
