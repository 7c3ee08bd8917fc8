#include "app/board_input.h"

#include <string.h>

#include "app/hot_zones.h"
#include "app/interaction.h"
#include "render/hover_tables.h"
#include "store/platform.h"
#include "store/records.h"

BoardPoint BoardPointFromParam(uint32_t lParam) {
    BoardPoint p;
    p.x = static_cast<int32_t>(lParam & 0xFFFFu);
    p.y = static_cast<int32_t>((lParam >> 16) & 0xFFFFu);
    return p;
}

// The spans in order, narrowest first.
static const int32_t kSpans[] = {7, 30, 90, 360};
enum { kSpanCount = sizeof kSpans / sizeof kSpans[0] };

// The span `step` places along kSpans, held at both ends; a span that is
// not one of them stays.
static int32_t SpanAlong(int32_t span, int step) {
    for (int i = 0; i < kSpanCount; i++) {
        if (kSpans[i] == span) {
            int to = i + step < 0 ? 0 : i + step >= kSpanCount ? kSpanCount - 1 : i + step;
            return kSpans[to];
        }
    }
    return span;
}

int32_t NarrowerSpan(int32_t span) {
    return SpanAlong(span, -1);
}

int32_t WiderSpan(int32_t span) {
    return SpanAlong(span, 1);
}

MouseMoveEffect TrackMouseMove(uint32_t lParam) {
    MouseMoveEffect effect = {kCursorKeep, 0};
    BoardPoint p = BoardPointFromParam(lParam);
    HoverActive = 0;
    HoverX = p.x >= 256 ? 255 : p.x;
    if (HotZoneAt(p.x, p.y) != kZoneNone) {
        if (HandCursorShown != 1) {
            effect.cursor = kCursorHand;
            HandCursorShown = 1;
        }
        if (InChartZone(p.x, p.y)) {
            HoverActive = 1;
        }
    } else if (HandCursorShown != 0) {
        effect.cursor = kCursorArrow;
        HandCursorShown = 0;
    }
    if (DragCountdown == 1) {
        // The move loop runs inside the window's own message handling, so no
        // further mouse move may start a second one.
        effect.startDrag = 1;
        DragCountdown = 0;
    } else if (DragCountdown > 1) {
        DragCountdown = DragCountdown - 1;
    }
    return effect;
}

void PressLeftButton() {
    DragCountdown = 3;
}

void LoseMouseCapture() {
    DragCountdown = 0;
}

static void ChangeSpan(int32_t span) {
    ChartSpan = span;
    DragCountdown = 0;
    ScrollBack = 0;
}

ClickAction ReleaseLeftButton(uint32_t lParam) {
    BoardPoint p = BoardPointFromParam(lParam);
    if (InPlusButton(p.x, p.y)) {
        ChangeSpan(NarrowerSpan(ChartSpan));
        return kClickSpan;
    }
    if (InMinusButton(p.x, p.y)) {
        ChangeSpan(WiderSpan(ChartSpan));
        return kClickSpan;
    }
    if (InWeightZone(p.x, p.y)) {
        DragCountdown = 0;
        return kClickWeightEntry;
    }
    if (DragCountdown >= 2 && InExitButton(p.x, p.y)) {
        return kClickExit;
    }
    return kClickNothing;
}

int FinishClick() {
    DragCountdown = 0;
    return HoverActive == 1;
}

static int32_t ClampColumn(int32_t column) {
    if (column < 0) {
        return 0;
    }
    return column > kHoverColumns - 1 ? kHoverColumns - 1 : column;
}

static int SameLabel(int32_t a, int32_t b) {
    return strcmp(HoverLabels[a], HoverLabels[b]) == 0;
}

static void StepRight() {
    int32_t start = ClampColumn(PaintedHoverX);
    int32_t col = start;
    while (col < 255 && SameLabel(col, start)) {
        col = col + 1;
    }
    HoverX = col;
    if (col == 255 && ScrollBack > 0) {
        ScrollBack = ScrollBack - 1;
        HoverIndexTable[255] = HoverIndexTable[255] + 1;
    }
}

static void StepLeft() {
    int32_t start = ClampColumn(PaintedHoverX);
    int32_t col = start;
    while (col > 0 && SameLabel(col, start)) {
        col = col - 1;
    }
    HoverX = col;
    if (col == 0 && Settings.weightdatalen - ChartSpan - ScrollBack > 0) {
        ScrollBack = ScrollBack + 1;
        HoverIndexTable[0] = HoverIndexTable[0] - 1;
    }
}

int StepReadout(uint32_t key) {
    if (key == kKeyRight) {
        StepRight();
    } else if (key == kKeyLeft) {
        StepLeft();
    } else {
        return 0;
    }
    HoverActive = 1;
    return 1;
}

TrayEffect TrayIconClicked(uint32_t mouseMessage) {
    TrayEffect effect = {0, 0};
    if (mouseMessage == kMsgLeftButtonDown || mouseMessage == kMsgTraySelect ||
        mouseMessage == kMsgTrayKeySelect) {
        effect.bringToFront = 1;
    } else if (mouseMessage == kMsgRightButtonDown && ModalOpen == 0) {
        effect.showMenu = 1;
    }
    return effect;
}

int DateColumnStale() {
    LocalDate today = Platform.localDate();
    return today.year * 10000 + today.month * 100 + today.day != PaintedDay;
}
