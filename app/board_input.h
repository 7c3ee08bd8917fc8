// What the board's mouse, key and notification-icon input does to the
// interaction state. Each function changes the state and returns what the
// window must do next (set a cursor, start a drag, repaint, open a dialog);
// the Win32 window procedure carries that out.
#pragma once
#include <stdint.h>

// Key codes and mouse messages with the values Win32 gives them.
enum {
    kKeyLeft = 0x25,
    kKeyRight = 0x27,
    kMsgLeftButtonDown = 0x0201,
    kMsgRightButtonDown = 0x0204,
    kMsgTraySelect = 0x0400,    // NIN_SELECT: the icon chosen, with the mouse or the keyboard
    kMsgTrayKeySelect = 0x0401, // NIN_KEYSELECT: chosen with Enter or the space bar
};

// Gives the interaction state its start-up values (FaceIndex aside).
void ResetInteractionState();

// A mouse position from a mouse message's lParam: x in the low 16 bits and
// y in the high 16 bits, each unsigned.
struct BoardPoint {
    int32_t x;
    int32_t y;
};
BoardPoint BoardPointFromParam(uint32_t lParam);

// The chart span one click on the plus (narrower) or minus (wider) button
// leads to: 7 <-> 30 <-> 90 <-> 360, stopping at both ends.
int32_t NarrowerSpan(int32_t span);
int32_t WiderSpan(int32_t span);

enum CursorChange { kCursorKeep = 0, kCursorHand, kCursorArrow };

struct MouseMoveEffect {
    CursorChange cursor; // set only when the pointer crosses a zone's edge
    int startDrag;       // 1: start the system move of the window now
};
MouseMoveEffect TrackMouseMove(uint32_t lParam);

void PressLeftButton();  // a drag may follow
void LoseMouseCapture(); // no drag pending any more

enum ClickAction {
    kClickNothing = 0,
    kClickSpan,        // the span changed: repaint without erasing
    kClickWeightEntry, // open the weight entry dialog, then repaint with erasing
    kClickExit,        // shut the program down
};

// The left button came up at lParam. Call FinishClick once the action is done.
ClickAction ReleaseLeftButton(uint32_t lParam);
// Ends every click: no drag stays pending. 1 when the board must be repainted
// (without erasing) to show the chart read-out of a click in the chart.
int FinishClick();

// Left or right arrow: steps the read-out to the next entry along the chart,
// scrolling it by one entry at either edge. 1 when the key was an arrow and
// the board must be repainted (without erasing); 0 for any other key.
int StepReadout(uint32_t key);

// 1 when the board shows another date than today's (a board left running
// past midnight, a clock set, a resume from sleep): it is to be repainted.
int DateColumnStale();

struct TrayEffect {
    int bringToFront; // bring the board to the front and repaint it
    int showMenu;     // open the popup menu
};
// A mouse message over the notification icon, or its selection.
TrayEffect TrayIconClicked(uint32_t mouseMessage);
