// Interaction state shared by input (the window procedure) and drawing.
#pragma once
#include <stdint.h>

extern int32_t ChartSpan;     // 7, 30, 90 or 360 entries in view
extern int32_t ScrollBack;    // newest entries hidden at the chart's right end
extern int32_t HoverX;        // column whose read-out the next paint shows
extern int32_t PaintedHoverX; // column the last paint read out, 254 for none
extern int32_t PaintedDay;    // yyyymmdd of the date the last paint showed (set after it)
extern int32_t HoverActive;
extern int32_t DragCountdown;
extern int32_t HandCursorShown;
extern int32_t ModalOpen;
extern int32_t FaceIndex; // 0..5, drawn once at start-up
// The board's enlargement on screen (render/board_scale.h): 1 at 96 DPI.
extern int32_t BoardScale;
