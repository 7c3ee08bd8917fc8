// The chalk glyph set: each glyph is a picture and a same-sized mask, both
// bitmap resources, drawn from their whole source rectangle.
#pragma once

struct ChalkGlyph {
    int picture; // bitmap resource ids
    int mask;
    int width; // source size
    int height;
};

// NULL for a digit outside 0..9.
const ChalkGlyph* DigitGlyph(int digit);
const ChalkGlyph& PointGlyph();
const ChalkGlyph& UnitGlyph();
const ChalkGlyph& SignGlyph(bool positive);
