// Keeps the board where the program put it until the user takes it.
//
// A window manager (Wine's X11 driver passes its moves on as ordinary
// window moves) may shift a newly shown window that it finds partly off the
// screen. The board's window is larger than the board by its hidden dialog
// frame, so a board at the screen's top-left corner has its frame off the
// screen, and such a manager would move the visible board in by the frame's
// width. A move that the user did not make is undone, a few times at most,
// until the user first presses a button or a key on the board or the display
// changes. On Windows no such move comes and nothing is done. Portable.
#pragma once
#include <stdint.h>

#include "render/board_scale.h"

enum { kPlaceUndoLimit = 2 };

struct BoardPlaceHold {
    int32_t held;   // 1 while a move from outside is undone
    ScalePoint at;  // the board's top-left corner on the screen, as put there
    int32_t undone; // moves undone so far
};

extern BoardPlaceHold BoardPlace;

void HoldBoardPlace(BoardPlaceHold* hold, ScalePoint at);
void ReleaseBoardPlace(BoardPlaceHold* hold);
// The board's corner now stands at `now`: 1 when the move is to be undone,
// the board going back to `hold->at`.
int32_t BoardPlaceToRestore(BoardPlaceHold* hold, ScalePoint now);
