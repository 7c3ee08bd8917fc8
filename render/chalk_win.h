// The chalk number renderer: glyphs drawn from the SpriteSurface onto the
// Backbuffer through their masks. The caller sets COLORONCOLOR first.
#pragma once
#include <windows.h>

#include "render/chalk_glyphs.h"

// Mask with SRCAND, then picture with SRCPAINT, both stretched onto the rectangle.
void MaskedBlit(const ChalkGlyph& glyph, int x, int y, int width, int height);

int DrawDigitGlyph(int digit, int x, int y, int width, int height); // -1 outside 0..9
int DrawDecimalPoint(int x, int y, int width, int height);
int DrawUnitGlyph(int x, int y, int width, int height);
int DrawSignGlyph(int x, int y, int width, int height, bool positive);

// mode is a NumberMode; always returns 0.
int DrawChalkNumber(double value, int x, int y, double scale, int mode);
