#include "dialogs/dialog_actions_win.h"

INT_PTR RunDialogAction(const DialogActions& actions, HWND dialog, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return actions.open(dialog);
    case WM_COMMAND:
        return actions.command(dialog, wParam, lParam);
    case WM_NOTIFY:
        return actions.notice ? actions.notice(dialog, reinterpret_cast<const NMHDR*>(lParam))
                              : FALSE;
    case WM_PAINT:
        return actions.paint ? actions.paint(dialog) : FALSE;
    case WM_NCDESTROY:
        if (actions.closed)
            actions.closed();
        return FALSE;
    }
    return FALSE;
}
