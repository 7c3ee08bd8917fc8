// Per-column tables rebuilt by every chart plot: which log entry owns each
// board column and the read-out text of that entry.
#pragma once
#include <stdint.h>

enum { kHoverColumns = 256, kHoverLabelSize = 20 };

extern int32_t HoverIndexTable[kHoverColumns];
extern char HoverLabels[kHoverColumns][kHoverLabelSize];
