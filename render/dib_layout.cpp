#include "render/dib_layout.h"

namespace {

enum { kInfoHeaderSize = 40, kRgbRgb = 0, kBitFields = 3 };

uint64_t ColourTableBytes(const DibHeaderFields& h) {
    if (h.compression == kBitFields && h.headerSize == kInfoHeaderSize)
        return 3 * 4;
    if (h.coloursUsed != 0)
        return 4ull * h.coloursUsed;
    return h.bitCount <= 8 ? 4ull << h.bitCount : 0;
}

} // namespace

size_t DibBitsOffset(const DibHeaderFields& h, size_t resourceSize) {
    if (h.headerSize < kInfoHeaderSize || h.width <= 0 || h.height == 0)
        return 0;
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return 0;
    }
    if (h.compression != kRgbRgb && h.compression != kBitFields)
        return 0;
    uint64_t rows = h.height < 0 ? 0ull - (uint64_t)(int64_t)h.height : (uint64_t)h.height;
    uint64_t stride = ((uint64_t)h.width * h.bitCount + 31) / 32 * 4;
    uint64_t offset = (uint64_t)h.headerSize + ColourTableBytes(h);
    if (offset + stride * rows > resourceSize)
        return 0;
    return (size_t)offset;
}
