// A fuzz target's own check: a broken promise names its line and stops the
// run, and libFuzzer keeps the input that broke it.
#pragma once
#include <stdio.h>
#include <stdlib.h>

#define Require(condition)                                                                         \
    ((condition) ? (void)0                                                                         \
                 : (fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition), abort()))
