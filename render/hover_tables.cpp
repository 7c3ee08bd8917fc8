#include "render/hover_tables.h"

int32_t HoverIndexTable[kHoverColumns];
char HoverLabels[kHoverColumns][kHoverLabelSize];
