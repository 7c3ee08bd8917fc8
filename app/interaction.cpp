// The interaction state shared by input and drawing, and its start-up values.
#include "app/interaction.h"
#include "app/board_input.h"

int32_t ChartSpan = 7;
int32_t ScrollBack = 0;
int32_t HoverX = 0;
int32_t PaintedHoverX = 0;
int32_t PaintedDay = 0;
int32_t HoverActive = 0;
int32_t DragCountdown = 0;
int32_t HandCursorShown = 0;
int32_t ModalOpen = 0;
int32_t FaceIndex = 0;
int32_t BoardScale = 1;

void ResetInteractionState() {
    ChartSpan = 7;
    ScrollBack = 0;
    HoverX = 0;
    PaintedHoverX = 0;
    PaintedDay = 0;
    HoverActive = 0;
    DragCountdown = 0;
    HandCursorShown = 0;
    ModalOpen = 0;
    BoardScale = 1;
}
