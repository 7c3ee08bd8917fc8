// A fuzz target's own checks: a broken promise stops the run, names the
// line, and libFuzzer keeps the input that broke it.
#pragma once
#include <stdio.h>
#include <stdlib.h>

#define Require(condition)                                                                         \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition);          \
            abort();                                                                               \
        }                                                                                          \
    } while (0)
