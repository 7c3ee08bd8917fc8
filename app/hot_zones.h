// The hot zones of the board, in client (board) coordinates. Each test is
// strict on every side, so a zone's inclusive bounds lie one pixel inside
// the numbers written here.
#pragma once
#include <stdint.h>

enum HotZone {
    kZoneNone = 0,
    kZoneChart,  // the chart: x 5..129, y 3..69
    kZonePlus,   // the plus button: x 71..89, y 76..94
    kZoneMinus,  // the minus button: x 31..49, y 76..94
    kZoneWeight, // the large weight read-out: x 131..219, y 6..39
    kZoneExit,   // the EXIT lettering: x 171..189, y 86 and below
};

int InChartZone(int32_t x, int32_t y);
int InPlusButton(int32_t x, int32_t y);
int InMinusButton(int32_t x, int32_t y);
int InWeightZone(int32_t x, int32_t y);
int InExitButton(int32_t x, int32_t y);

// The zone under a point; the zones do not overlap.
HotZone HotZoneAt(int32_t x, int32_t y);
