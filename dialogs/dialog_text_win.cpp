#include "dialogs/dialog_text_win.h"

#include "dialogs/utf8_text.h"
#include "win/utf8_win.h"

enum { kWideTextSize = 256 };

void SetItemText(HWND dialog, int id, const char* utf8) {
    wchar_t wide[kWideTextSize];
    WidenUtf8(utf8, wide, kWideTextSize);
    SetDlgItemTextW(dialog, id, wide);
}

void GetItemText(HWND dialog, int id, int limit, char* out, int size) {
    wchar_t wide[kWideTextSize];
    if (limit > kWideTextSize)
        limit = kWideTextSize;
    wide[0] = 0;
    GetDlgItemTextW(dialog, id, wide, limit);
    // What fits, cut at a character: the number conversions then see the
    // same leading text however much was typed after it.
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text");
    Utf16ToUtf8Prefix(reinterpret_cast<const char16_t*>(wide), out, size > 0 ? (size_t)size : 0);
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
