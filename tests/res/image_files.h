// Readers for the picture files the resource script names: BMP (1, 4, 8 and
// 24 bits per pixel) and the .ico / .cur containers. Test-side only: they
// decode exactly what the generator writes and reject anything else.
#pragma once

#include <cstdint>

struct Rgb {
    uint8_t r, g, b;
};
inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}

constexpr int kMaxPixels = 250 * 100;

// A decoded picture, rows from the top. For icon images `clear` marks the
// pixels the AND mask leaves see-through.
struct Image {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    Rgb pixels[kMaxPixels];
    bool clear[kMaxPixels];
    Rgb at(int x, int y) const { return pixels[y * width + x]; }
    bool clearAt(int x, int y) const { return clear[y * width + x]; }
};

// One entry of an icon or cursor directory. For a cursor, `planes` and
// `bitCount` of the directory hold the hot spot instead.
struct IconEntry {
    int width;
    int height;
    int colourCount;
    int planes;
    int bitCount;
    int bytes;
    int offset;
};

constexpr int kMaxIconImages = 8;

struct IconFile {
    int type = 0; // 1 icon, 2 cursor
    int count = 0;
    IconEntry entries[kMaxIconImages];
};

// Path of a file in the res/ folder of the source tree.
const char* ResPath(const char* name, char* buffer, int size);

// Returns false when the file is missing or not a BMP we can read.
bool ReadBmpFile(const char* path, Image* out);

// Reads the directory of an .ico or .cur file.
bool ReadIconFile(const char* path, IconFile* out);

// Decodes image `index` of an .ico or .cur file (colour bits and AND mask).
bool ReadIconImage(const char* path, int index, Image* out);
