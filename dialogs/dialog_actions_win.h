// What a dialog does, message by message: each dialog procedure names its
// actions in one record and hands every message to RunDialogAction.
#pragma once
#include <windows.h>

struct DialogActions {
    INT_PTR (*open)(HWND dialog);                                  // WM_INITDIALOG
    INT_PTR (*command)(HWND dialog, WPARAM wParam, LPARAM lParam); // WM_COMMAND
    INT_PTR (*notice)(HWND dialog, const NMHDR* notice);           // WM_NOTIFY, or NULL
    INT_PTR (*paint)(HWND dialog);                                 // WM_PAINT, or NULL
    void (*closed)(); // WM_NCDESTROY, or NULL; the controls are gone by then
};

// The action's answer, or FALSE for a message the dialog leaves to Windows.
INT_PTR RunDialogAction(const DialogActions& actions, HWND dialog, UINT message, WPARAM wParam,
                        LPARAM lParam);
