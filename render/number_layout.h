// Where the chalk glyphs of one number go: the cells of a value drawn at a
// position and scale, in drawing order. Portable; the Win32 half blits them.
#pragma once
#include <stdint.h>

// How much of a number is drawn. Values below -2 act as -2, above 1 as 0.
enum NumberMode {
    IntegerOnly = -2,
    WithTenths = -1,
    WithUnit = 0,
    SignedWithUnit = 1,
};

enum GlyphKind { kGlyphDigit, kGlyphPoint, kGlyphUnit, kGlyphSign };

// Source sizes of the glyph pictures.
enum {
    kDigitWidth = 16,
    kDigitHeight = 22,
    kPointSize = 6,
    kUnitWidth = 30,
    kUnitHeight = 22,
};

struct GlyphCell {
    int32_t kind;  // GlyphKind
    int32_t digit; // kGlyphDigit: the digit (outside 0..9 draws nothing)
    bool positive; // kGlyphSign: plus when true, minus when false
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

enum { kMaxNumberCells = 7 };

struct NumberLayout {
    int32_t count;
    GlyphCell cells[kMaxNumberCells];
};

// Tenths of the value, cut toward zero. A value whose tenths do not fit 32
// bits (or no number at all) gives the most negative count, whose digits
// fall outside 0..9 and so draw nothing.
int32_t ChalkTenths(double value);

// Lays out value (kilograms or any figure) with its top-left hundreds cell
// at (x, y), every size and offset multiplied by scale. Tenths are cut,
// never rounded.
void LayoutChalkNumber(double value, int32_t x, int32_t y, double scale, int32_t mode,
                       NumberLayout* out);
