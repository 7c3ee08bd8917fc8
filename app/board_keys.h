// The board's keys beyond the arrows: every command of the mouse has one.
// Portable; the window procedure carries out what they return.
#pragma once
#include <stdint.h>

// Key codes with the values Win32 gives them.
enum {
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyAdd = 0x6B,      // + on the numpad
    kKeySubtract = 0x6D, // - on the numpad
    kKeyOemPlus = 0xBB,  // the main keyboard's + key, wherever the layout puts it
    kKeyOemMinus = 0xBD,
};

// The column the painter names when its last paint showed no read-out.
enum { kNoReadoutColumn = 254 };

enum BoardKeyAction {
    kKeyIgnored = 0,
    kKeyRepaint,     // repaint without erasing
    kKeyWeightEntry, // open the weight entry dialog, then repaint erasing
};

// A key pressed on the board: the arrows step the read-out, Home and End
// put it on the first and the last entry in view, Esc hides it, + and -
// narrow and widen the chart as its buttons do, Enter opens weight entry.
BoardKeyAction PressBoardKey(uint32_t key);

// WM_CONTEXTMENU's lParam: 1 when the popup menu is to open at the board's
// corner, for Shift+F10 or the menu key (the point -1, -1) while no dialog
// is open. A menu asked for with the mouse opens on the button itself.
int KeyboardMenuWanted(uint32_t lParam);
