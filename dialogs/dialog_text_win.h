// UTF-8 text in and out of dialog controls through the wide API, so the
// Japanese texts show on a Windows of any language.
#pragma once
#include <windows.h>

void SetItemText(HWND dialog, int id, const char* utf8);
// Reads at most limit - 1 characters of the control's text into out (UTF-8).
void GetItemText(HWND dialog, int id, int limit, char* out, int size);
int ItemTicked(HWND dialog, int id);
void SetItemTicked(HWND dialog, int id, int ticked);
// A form's text field and the control that shows it: a dialog keeps a table
// of them, which one loop writes into the controls and one reads back.
template <typename Form, int Size> struct TextItem {
    int id;
    char (Form::*text)[Size];
};
template <typename Form, int Size, size_t N>
void SetItemTexts(HWND dialog, const TextItem<Form, Size> (&items)[N], const Form& form) {
    for (const auto& item : items)
        SetItemText(dialog, item.id, form.*item.text);
}
template <typename Form, int Size, size_t N>
void GetItemTexts(HWND dialog, const TextItem<Form, Size> (&items)[N], Form* form) {
    for (const auto& item : items)
        GetItemText(dialog, item.id, Size, form->*item.text, Size);
}
void EnableItem(HWND dialog, int id, int enabled);
// Puts the keyboard focus on a control and selects its text.
void FocusItem(HWND dialog, int id);
// WM_PAINT of a dialog that draws nothing itself.
INT_PTR PaintNothing(HWND dialog);
