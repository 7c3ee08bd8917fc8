// The conversions of typed text shared by the three dialogs: the standard
// atof and atoi rules (leading blanks skipped, longest valid prefix, 0 when
// there is none), made safe for numbers too large for an int.
#pragma once
#include <stddef.h>

double TextToDouble(const char* text);
// atoi's value, clamped to the int range instead of overflowing.
int TextToInt(const char* text);
// Kilograms times ten, truncated toward zero, clamped to the int range.
int KgToTenths(double kg);
// Tenths of a kilogram shown as kilograms with one decimal ("%.1f").
void FormatTenthsAsKg(int tenths, char* out, size_t size);
