#include "app/hot_zones.h"

int InChartZone(int32_t x, int32_t y) {
    return 5 <= x && x < 130 && 2 < y && y < 70;
}
int InPlusButton(int32_t x, int32_t y) {
    return 70 < x && x < 90 && 75 < y && y < 95;
}
int InMinusButton(int32_t x, int32_t y) {
    return 30 < x && x < 50 && 75 < y && y < 95;
}
int InWeightZone(int32_t x, int32_t y) {
    return 130 < x && x < 220 && 5 < y && y < 40;
}
int InExitButton(int32_t x, int32_t y) {
    return 170 < x && x < 190 && y > 85;
}

HotZone HotZoneAt(int32_t x, int32_t y) {
    if (InChartZone(x, y)) {
        return kZoneChart;
    }
    if (InPlusButton(x, y)) {
        return kZonePlus;
    }
    if (InMinusButton(x, y)) {
        return kZoneMinus;
    }
    if (InWeightZone(x, y)) {
        return kZoneWeight;
    }
    if (InExitButton(x, y)) {
        return kZoneExit;
    }
    return kZoneNone;
}
