// The weight chart drawn on the Backbuffer; rewrites the hover tables.
#pragma once
#include <windows.h>
#include <stdint.h>

int32_t PlotWeightChart(int32_t span, int32_t marker, int32_t scrollBack);
