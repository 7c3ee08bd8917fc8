#include "app/board_place.h"

BoardPlaceHold BoardPlace = {0, {0, 0}, 0};

void HoldBoardPlace(BoardPlaceHold* hold, ScalePoint at) {
    hold->held = 1;
    hold->at = at;
    hold->undone = 0;
}

void ReleaseBoardPlace(BoardPlaceHold* hold) {
    hold->held = 0;
}

int32_t BoardPlaceToRestore(BoardPlaceHold* hold, ScalePoint now) {
    if (!hold->held || (now.x == hold->at.x && now.y == hold->at.y))
        return 0;
    if (hold->undone >= kPlaceUndoLimit) {
        // Whoever moves it keeps moving it: the board stays where it is put.
        hold->held = 0;
        return 0;
    }
    hold->undone++;
    return 1;
}
