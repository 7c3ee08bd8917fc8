#include "dialogs/dialog_text_win.h"

enum { kWideTextSize = 256 };

void SetItemText(HWND dialog, int id, const char* utf8) {
    wchar_t wide[kWideTextSize];
    if (MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, kWideTextSize) == 0)
        wide[0] = 0;
    SetDlgItemTextW(dialog, id, wide);
}

void GetItemText(HWND dialog, int id, int limit, char* out, int size) {
    wchar_t wide[kWideTextSize];
    if (limit > kWideTextSize)
        limit = kWideTextSize;
    wide[0] = 0;
    GetDlgItemTextW(dialog, id, wide, limit);
    if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, size, nullptr, nullptr) == 0)
        out[0] = 0;
}

int ItemTicked(HWND dialog, int id) {
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetItemTicked(HWND dialog, int id, int ticked) {
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableItem(HWND dialog, int id, int enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void FocusItem(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    SetFocus(item);
    SendMessageW(item, EM_SETSEL, 0, -1);
}

INT_PTR PaintNothing(HWND dialog) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}
