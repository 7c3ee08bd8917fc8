#include "tests/res/image_files.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kMaxFile = 128 * 1024;
uint8_t FileBytes[kMaxFile];

int ReadWholeFile(const char* path) {
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return -1;
    int n = static_cast<int>(std::fread(FileBytes, 1, kMaxFile, f));
    std::fclose(f);
    return n == kMaxFile ? -1 : n;
}

uint32_t U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return U16(p) | (U16(p + 2) << 16);
}
int32_t S32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p));
}

int RowBytes(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

int IndexAt(const uint8_t* row, int x, int bits) {
    int bit = x * bits;
    int shift = 8 - bits - bit % 8;
    return (row[bit / 8] >> shift) & ((1 << bits) - 1);
}

// Decodes bottom-up pixel rows that follow a BITMAPINFOHEADER at `info`.
// `height` is the image's own height (for icons, half the header's).
bool DecodePixels(const uint8_t* info, int size, int width, int height, Image* out) {
    int bits = U16(info + 14);
    if (U32(info) != 40 || U32(info + 16) != 0 || width <= 0 || height <= 0 ||
        width * height > kMaxPixels)
        return false;
    int colours = bits <= 8 ? (U32(info + 32) ? static_cast<int>(U32(info + 32)) : 1 << bits) : 0;
    const uint8_t* palette = info + 40;
    const uint8_t* data = palette + 4 * colours;
    if (data + RowBytes(width, bits) * height > info + size)
        return false;
    out->width = width;
    out->height = height;
    out->bitsPerPixel = bits;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = data + RowBytes(width, bits) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* bgr = row + 3 * x;
            if (bits != 24) {
                int index = IndexAt(row, x, bits);
                if (index >= colours)
                    return false;
                bgr = palette + 4 * index;
            }
            out->pixels[y * width + x] = Rgb{bgr[2], bgr[1], bgr[0]};
            out->clear[y * width + x] = false;
        }
    }
    return true;
}

} // namespace

const char* ResPath(const char* name, char* buffer, int size) {
    std::snprintf(buffer, size, "%s/%s", WM_RES_DIR, name);
    return buffer;
}

bool ReadBmpFile(const char* path, Image* out) {
    int n = ReadWholeFile(path);
    if (n < 54 || FileBytes[0] != 'B' || FileBytes[1] != 'M' ||
        static_cast<int>(U32(FileBytes + 2)) != n)
        return false;
    const uint8_t* info = FileBytes + 14;
    int width = S32(info + 4);
    int height = S32(info + 8);
    int bits = U16(info + 14);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        return false;
    int colours = bits <= 8 ? (U32(info + 32) ? static_cast<int>(U32(info + 32)) : 1 << bits) : 0;
    if (static_cast<int>(U32(FileBytes + 10)) != 14 + 40 + 4 * colours)
        return false;
    return DecodePixels(info, n - 14, width, height, out);
}

bool ReadIconFile(const char* path, IconFile* out) {
    int n = ReadWholeFile(path);
    if (n < 6 || U16(FileBytes) != 0)
        return false;
    out->type = static_cast<int>(U16(FileBytes + 2));
    out->count = static_cast<int>(U16(FileBytes + 4));
    if (out->count > kMaxIconImages || 6 + 16 * out->count > n)
        return false;
    for (int i = 0; i < out->count; ++i) {
        const uint8_t* e = FileBytes + 6 + 16 * i;
        IconEntry& entry = out->entries[i];
        entry.width = e[0] ? e[0] : 256;
        entry.height = e[1] ? e[1] : 256;
        entry.colourCount = e[2];
        entry.planes = static_cast<int>(U16(e + 4));
        entry.bitCount = static_cast<int>(U16(e + 6));
        entry.bytes = static_cast<int>(U32(e + 8));
        entry.offset = static_cast<int>(U32(e + 12));
        if (entry.offset + entry.bytes > n)
            return false;
    }
    return true;
}

bool ReadIconImage(const char* path, int index, Image* out) {
    IconFile dir;
    if (!ReadIconFile(path, &dir) || index >= dir.count)
        return false;
    const IconEntry& e = dir.entries[index];
    const uint8_t* info = FileBytes + e.offset;
    int width = S32(info + 4);
    int height = S32(info + 8) / 2;
    if (width != e.width || height != e.height || !DecodePixels(info, e.bytes, width, height, out))
        return false;
    int bits = out->bitsPerPixel;
    int colours = bits <= 8 ? 1 << bits : 0;
    const uint8_t* mask = info + 40 + 4 * colours + RowBytes(width, bits) * height;
    if (mask + RowBytes(width, 1) * height > info + e.bytes)
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out->clear[y * width + x] = IndexAt(mask + RowBytes(width, 1) * (height - 1 - y), x, 1);
    return true;
}
