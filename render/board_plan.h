// What one paint of the board draws, as data: the five numbers with their
// arguments, the weekday and face pictures, how the chart is called and the
// hover read-out. Portable; PaintBoard executes it in its fixed order.
#pragma once
#include <stdint.h>
#include "store/records.h"

struct ChalkNumberCall {
    double value;
    int32_t x;
    int32_t y;
    double scale;
    int32_t mode; // NumberMode
};

// A picture copied as it is (no mask) to (x, y), its own size.
struct PicturePlacement {
    int32_t id; // bitmap resource id
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Everything a paint reads.
struct BoardState {
    double currentWeight;
    const WeightEntry* log;
    int32_t logCount;
    int32_t height;
    LocalDate today;
    int32_t faceIndex;
    int32_t hoverActive;
    int32_t hoverX;
    int32_t chartSpan;
    int32_t scrollBack;
    const int32_t* hoverIndexTable; // 256 columns, as the last chart left them
};

struct BoardPlan {
    int32_t background; // the canvas: drawn on in place, never reloaded
    PicturePlacement plusButton;
    PicturePlacement minusButton;
    PicturePlacement dateColumn;
    PicturePlacement weekday;
    PicturePlacement bmiLabel;
    PicturePlacement face;
    ChalkNumberCall weight;
    ChalkNumberCall change;
    ChalkNumberCall month;
    ChalkNumberCall day;
    bool drawBmi; // only with a height above 0
    ChalkNumberCall bmi;
    bool drawChart; // only with a non-empty log
    int32_t chartSpan;
    int32_t chartMarker;
    int32_t chartScrollBack;
    int32_t paintedHoverX; // the new value; unchanged when no chart is drawn
    bool showReadout;
    int32_t readoutColumn; // HoverLabels slot printed after the chart
};

// The strip above the date column where the month's digits go; no other
// step repaints it, so it is restored from the background before each paint.
enum { kMonthStripX = 212, kMonthStripY = 3, kMonthStripWidth = 36, kMonthStripHeight = 13 };

// paintedHoverX is the current value, kept when the log is empty.
void PlanBoardPaint(const BoardState& state, int32_t paintedHoverX, BoardPlan* plan);

int32_t WeekdayPicture(int32_t weekday);
int32_t FacePicture(int32_t faceIndex);
