// UTF-8 text in and out of dialog controls through the wide API, so the
// Japanese texts show on a Windows of any language.
#pragma once
#include <windows.h>

void SetItemText(HWND dialog, int id, const char* utf8);
// Reads at most limit - 1 characters of the control's text into out (UTF-8).
void GetItemText(HWND dialog, int id, int limit, char* out, int size);
int ItemTicked(HWND dialog, int id);
void SetItemTicked(HWND dialog, int id, int ticked);
void EnableItem(HWND dialog, int id, int enabled);
// Puts the keyboard focus on a control and selects its text.
void FocusItem(HWND dialog, int id);
// WM_PAINT of a dialog that draws nothing itself.
INT_PTR PaintNothing(HWND dialog);
