#include "dialogs/utf8_text.h"

#include <stdint.h>

namespace {

// The next code point of the text, and how many UTF-16 units it took.
uint32_t NextCodePoint(const char16_t* p, int* units) {
    uint32_t c = p[0];
    *units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
        *units = 2;
        return 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
    }
    return c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c;
}

size_t Encode(uint32_t c, char* b) {
    if (c < 0x80) {
        b[0] = (char)c;
        return 1;
    }
    if (c < 0x800) {
        b[0] = (char)(0xC0 | c >> 6);
        b[1] = (char)(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        b[0] = (char)(0xE0 | c >> 12);
        b[1] = (char)(0x80 | (c >> 6 & 0x3F));
        b[2] = (char)(0x80 | (c & 0x3F));
        return 3;
    }
    b[0] = (char)(0xF0 | c >> 18);
    b[1] = (char)(0x80 | (c >> 12 & 0x3F));
    b[2] = (char)(0x80 | (c >> 6 & 0x3F));
    b[3] = (char)(0x80 | (c & 0x3F));
    return 4;
}

} // namespace

size_t Utf16ToUtf8Prefix(const char16_t* wide, char* out, size_t size) {
    if (size == 0)
        return 0;
    size_t used = 0;
    while (*wide != 0) {
        int units;
        char bytes[4];
        size_t n = Encode(NextCodePoint(wide, &units), bytes);
        if (used + n > size - 1)
            break;
        for (size_t i = 0; i < n; i++)
            out[used + i] = bytes[i];
        used += n;
        wide += units;
    }
    out[used] = '\0';
    return used;
}
