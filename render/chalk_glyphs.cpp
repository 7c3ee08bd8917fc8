#include "render/chalk_glyphs.h"

#include "render/number_layout.h"
#include "res/resource.h"

namespace {

// The digits and the signs share one size.
constexpr ChalkGlyph DigitSized(int picture, int mask) {
    return {picture, mask, kDigitWidth, kDigitHeight};
}

// The ids do not run in digit order (1 is 113, 0 is 116; 8's mask is 136).
const ChalkGlyph kDigits[10] = {
    DigitSized(IDB_DIGIT_0, IDB_DIGIT_0_MASK), DigitSized(IDB_DIGIT_1, IDB_DIGIT_1_MASK),
    DigitSized(IDB_DIGIT_2, IDB_DIGIT_2_MASK), DigitSized(IDB_DIGIT_3, IDB_DIGIT_3_MASK),
    DigitSized(IDB_DIGIT_4, IDB_DIGIT_4_MASK), DigitSized(IDB_DIGIT_5, IDB_DIGIT_5_MASK),
    DigitSized(IDB_DIGIT_6, IDB_DIGIT_6_MASK), DigitSized(IDB_DIGIT_7, IDB_DIGIT_7_MASK),
    DigitSized(IDB_DIGIT_8, IDB_DIGIT_8_MASK), DigitSized(IDB_DIGIT_9, IDB_DIGIT_9_MASK),
};
const ChalkGlyph kPoint = {IDB_POINT, IDB_POINT_MASK, kPointSize, kPointSize};
const ChalkGlyph kUnit = {IDB_UNIT, IDB_UNIT_MASK, kUnitWidth, kUnitHeight};
const ChalkGlyph kPlus = DigitSized(IDB_PLUS, IDB_PLUS_MASK);
const ChalkGlyph kMinus = DigitSized(IDB_MINUS, IDB_MINUS_MASK);

} // namespace

const ChalkGlyph* DigitGlyph(int digit) {
    return digit >= 0 && digit <= 9 ? &kDigits[digit] : 0;
}
const ChalkGlyph& PointGlyph() {
    return kPoint;
}
const ChalkGlyph& UnitGlyph() {
    return kUnit;
}
const ChalkGlyph& SignGlyph(bool positive) {
    return positive ? kPlus : kMinus;
}
