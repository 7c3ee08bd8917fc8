// The weight chart drawn on the Backbuffer; rewrites the hover tables.
#pragma once
#include <windows.h>
#include <stdint.h>

// The board's pen for a ChartPen.
HPEN ChartPenHandle(int32_t pen);

int32_t PlotWeightChart(int32_t span, int32_t marker, int32_t scrollBack);
