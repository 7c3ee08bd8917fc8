#include "render/chalk_win.h"

#include "render/sprite_sheet_win.h"
#include "render/number_layout.h"
#include "render/chalk_glyphs.h"

namespace {

void DrawCell(const GlyphCell& c) {
    switch (c.kind) {
    case kGlyphDigit:
        DrawDigitGlyph(c.digit, c.x, c.y, c.width, c.height);
        break;
    case kGlyphPoint:
        DrawDecimalPoint(c.x, c.y, c.width, c.height);
        break;
    case kGlyphUnit:
        DrawUnitGlyph(c.x, c.y, c.width, c.height);
        break;
    default:
        DrawSignGlyph(c.x, c.y, c.width, c.height, c.positive);
        break;
    }
}

} // namespace

void MaskedBlit(const ChalkGlyph& g, int x, int y, int width, int height) {
    StretchSprite(g.mask, x, y, width, height, SRCAND);
    StretchSprite(g.picture, x, y, width, height, SRCPAINT);
}

int DrawDigitGlyph(int digit, int x, int y, int width, int height) {
    const ChalkGlyph* glyph = DigitGlyph(digit);
    if (!glyph)
        return -1;
    MaskedBlit(*glyph, x, y, width, height);
    return 0;
}

int DrawDecimalPoint(int x, int y, int width, int height) {
    MaskedBlit(PointGlyph(), x, y, width, height);
    return 0;
}

int DrawUnitGlyph(int x, int y, int width, int height) {
    MaskedBlit(UnitGlyph(), x, y, width, height);
    return 0;
}

int DrawSignGlyph(int x, int y, int width, int height, bool positive) {
    MaskedBlit(SignGlyph(positive), x, y, width, height);
    return 0;
}

int DrawChalkNumber(double value, int x, int y, double scale, int mode) {
    NumberLayout layout;
    LayoutChalkNumber(value, x, y, scale, mode, &layout);
    for (int i = 0; i < layout.count; i++)
        DrawCell(layout.cells[i]);
    return 0;
}
