#include "render/number_layout.h"

namespace {

// trunc(base + k * s), computed in double as the glyphs have always been.
int32_t Offset(int32_t base, double k, double s) {
    return (int32_t)(base + k * s);
}
int32_t Size(double k, double s) {
    return (int32_t)(k * s);
}

void Add(NumberLayout* out, int32_t kind, int32_t digit, bool positive, int32_t x, int32_t y,
         int32_t w, int32_t h) {
    GlyphCell c = {kind, digit, positive, x, y, w, h};
    out->cells[out->count++] = c;
}

} // namespace

int32_t ChalkTenths(double value) {
    double t = value * 10.0;
    if (!(t > -2147483649.0 && t < 2147483648.0))
        return INT32_MIN;
    return (int32_t)t;
}

void LayoutChalkNumber(double value, int32_t x, int32_t y, double s, int32_t mode,
                       NumberLayout* out) {
    out->count = 0;
    bool positive = true;
    if (value < 0) {
        value = -value;
        positive = false;
    }
    int32_t n = ChalkTenths(value);
    int32_t hundreds = n / 1000;
    if (hundreds > 9)
        hundreds = 0;
    int32_t tens = n % 1000 / 100;
    int32_t units = n % 100 / 10;
    int32_t tenths = n % 10;

    int32_t w = Size(kDigitWidth, s);
    int32_t h = Size(kDigitHeight, s);
    bool hundredsDrawn = hundreds > 0;
    bool tensDrawn = tens > 0 || hundredsDrawn;
    if (hundredsDrawn)
        Add(out, kGlyphDigit, hundreds, positive, x, y, w, h);
    if (tensDrawn)
        Add(out, kGlyphDigit, tens, positive, Offset(x, 17, s), y, w, h);
    Add(out, kGlyphDigit, units, positive, Offset(x, 34, s), y, w, h);
    if (mode >= WithTenths) {
        int32_t p = Size(5, s);
        Add(out, kGlyphPoint, 0, positive, Offset(x, 51, s), Offset(y, 20, s), p, p);
        Add(out, kGlyphDigit, tenths, positive, Offset(x, 56, s), Offset(y, 1, s), w, h);
    }
    if (mode == SignedWithUnit) {
        int32_t sx = hundredsDrawn ? Offset(x, -17, s) : tensDrawn ? x : Offset(x, 17, s);
        Add(out, kGlyphSign, 0, positive, sx, y, w, h);
    }
    if (mode >= WithUnit)
        Add(out, kGlyphUnit, 0, positive, Offset(x, 72, s), Offset(y, 8, s), Size(kUnitWidth, s),
            Size(kUnitHeight, s));
}
