#include "app/board_lock.h"

#include <stdio.h>

void BoardLockName(const uint16_t* folder, int length, char* out, size_t size) {
    uint64_t hash = 14695981039346656037ull;
    for (int i = 0; i < length; i++)
        for (int byte = 0; byte < 2; byte++) {
            hash ^= (folder[i] >> (8 * byte)) & 0xFF;
            hash *= 1099511628211ull;
        }
    snprintf(out, size, "Local\\weighminder-board-%08lx%08lx", (unsigned long)(hash >> 32),
             (unsigned long)(hash & 0xFFFFFFFFu));
}
