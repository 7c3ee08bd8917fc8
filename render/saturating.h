// Saturating arithmetic for the chart. Heights, weights and dates come from
// a file or a dialog and may be any 32-bit value: the products saturate
// instead of overflowing. Every value an actual person gives stays far
// inside, where they are exact. Portable.
#pragma once
#include <stdint.h>

inline int32_t Saturate(int64_t v) {
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : (int32_t)v;
}

inline int64_t SaturatedMul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? INT64_MIN : INT64_MAX;
    return r;
}

inline int64_t SaturatedAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r))
        return b < 0 ? INT64_MIN : INT64_MAX;
    return r;
}

inline int64_t SaturatedSub(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_sub_overflow(a, b, &r))
        return b > 0 ? INT64_MIN : INT64_MAX;
    return r;
}
