#include "dialogs/number_text.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

double TextToDouble(const char* text) {
    return strtod(text, nullptr);
}

int TextToInt(const char* text) {
    long long value = strtoll(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int KgToTenths(double kg) {
    // Rounded to a double before truncating: the 32-bit x87 unit would keep
    // 65.3 * 10 as 652.99999... in its wider registers and store 652.
    volatile double tenths = kg * 10.0;
    if (!(tenths == tenths))
        return 0; // "nan" typed: no number
    if (tenths >= 2147483647.0)
        return INT_MAX;
    if (tenths <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(tenths); // truncates toward zero
}

void FormatTenthsAsKg(int tenths, char* out, size_t size) {
    snprintf(out, size, "%.1f", tenths / 10.0);
}
