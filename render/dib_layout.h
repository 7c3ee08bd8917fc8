// Where the pixels of a packed bitmap resource start (its info header, then
// its colour table, then the rows), checked against the resource's size.
// Portable.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct DibHeaderFields {
    uint32_t headerSize; // biSize
    int32_t width;
    int32_t height; // negative for top-down rows
    uint16_t bitCount;
    uint32_t compression; // 0 BI_RGB, 3 BI_BITFIELDS
    uint32_t coloursUsed;
};

// The offset of the first row from the start of the header, or 0 when the
// resource of resourceSize bytes cannot hold the header, the colour table
// and every row.
size_t DibBitsOffset(const DibHeaderFields& h, size_t resourceSize);
