// A laid-out number as text, for readable expectations: digits, '.' for the
// point, 'k' for the unit, '+' or '-' for the sign, '?' for a digit that
// draws nothing.
#pragma once
#include <string>

#include "render/number_layout.h"

inline std::string Glyphs(const NumberLayout& l) {
    std::string s;
    for (int i = 0; i < l.count; i++) {
        const GlyphCell& c = l.cells[i];
        if (c.kind == kGlyphDigit)
            s += (c.digit >= 0 && c.digit <= 9) ? char('0' + c.digit) : '?';
        else if (c.kind == kGlyphPoint)
            s += '.';
        else if (c.kind == kGlyphUnit)
            s += 'k';
        else
            s += c.positive ? '+' : '-';
    }
    return s;
}
