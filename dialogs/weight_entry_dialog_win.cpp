// The weight entry dialog: CurrentWeight follows the box as it is typed or
// stepped, so the board behind shows the value being entered.
#include "res/resource.h"
#include "dialogs/dialog_procs_win.h"

#include <stdint.h>

#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_text_win.h"
#include "dialogs/number_text.h"
#include "dialogs/weight_input.h"
#include "render/board_objects.h"
#include "render/board_scale.h"
#include "win/dpi_win.h"
#include "store/log_changes.h"
#include "store/platform.h"

int StepCurrentWeight(HWND, int controlId) {
    CurrentWeight = SteppedWeight(CurrentWeight, controlId);
    return 0;
}

// The board shows CurrentWeight while it is typed; its painter leaves the
// foreground and the keyboard with the dialog.
static void ShowTypedWeightOnBoard(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner || !IsWindowVisible(dialog))
        return; // opening: the box shows the weight the board shows already
    InvalidateRect(owner, nullptr, FALSE);
    UpdateWindow(owner);
}

// Sets the box to CurrentWeight; the box's change notice reads it back.
static void ShowCurrentWeight(HWND dialog) {
    char text[kWeightTextSize];
    double shown = ShownWeight(CurrentWeight, text, sizeof text);
    SetItemText(dialog, IDC_WEIGHT_EDIT, text);
    CurrentWeight = shown; // the same value, should the edit not notify
}

// The step arrows enlarged by a whole factor at a higher DPI, as the board
// is; made when the dialog opens and freed when it closes.
static HBITMAP EnlargedArrows[2];

static HBITMAP EnlargedPicture(HWND dialog, HBITMAP picture, int scale) {
    BITMAP bm;
    if (scale <= 1 || picture == NULL || !GetObject(picture, sizeof bm, &bm))
        return NULL;
    HDC screen = GetDC(dialog);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP large = CreateCompatibleBitmap(screen, bm.bmWidth * scale, bm.bmHeight * scale);
    HGDIOBJ fromBefore = SelectObject(from, picture);
    HGDIOBJ toBefore = SelectObject(to, large);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, bm.bmWidth * scale, bm.bmHeight * scale, from, 0, 0, bm.bmWidth,
               bm.bmHeight, SRCCOPY);
    SelectObject(from, fromBefore);
    SelectObject(to, toBefore);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(dialog, screen);
    return large;
}

static void FreeEnlargedArrows() {
    for (HBITMAP& arrow : EnlargedArrows) {
        if (arrow != NULL)
            DeleteObject(arrow);
        arrow = NULL;
    }
}

// The step buttons are placed in pixels, those of 96 DPI: at another DPI
// they grow with it, as the dialog's font and controls do.
// Their text is never drawn beside the picture; screen readers read it.
static void AddStepButton(HWND dialog, int id, int y, int picture, HBITMAP* enlarged) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    UINT dpi = WindowDpi(dialog);
    const wchar_t* name = id == IDC_STEP_UP ? L"0.1 kg 増やす" : L"0.1 kg 減らす";
    CreateWindowExW(0, L"BUTTON", name, WS_CHILD | WS_VISIBLE | BS_BITMAP, ScaleToDpi(51, dpi),
                    ScaleToDpi(y, dpi), ScaleToDpi(19, dpi), ScaleToDpi(19, dpi), dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    *enlarged = EnlargedPicture(dialog, Picture(picture),
                                BoardScaleForDpi(static_cast<int32_t>(dpi), INT32_MAX, INT32_MAX));
    SendDlgItemMessageW(dialog, id, BM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(*enlarged != NULL ? *enlarged : Picture(picture)));
}

static INT_PTR OnWeightEntryOpen(HWND dialog) {
    ShowCurrentWeight(dialog);
    FreeEnlargedArrows();
    AddStepButton(dialog, IDC_STEP_UP, 1, IDB_STEP_UP, &EnlargedArrows[0]);
    AddStepButton(dialog, IDC_STEP_DOWN, 21, IDB_STEP_DOWN, &EnlargedArrows[1]);
    return TRUE; // focus goes to the first tab stop, the box
}

static INT_PTR FollowWeightText(HWND dialog, HWND sender) {
    if (sender != GetDlgItem(dialog, IDC_WEIGHT_EDIT))
        return TRUE;
    char text[kWeightTextSize * 3];
    GetItemText(dialog, IDC_WEIGHT_EDIT, kWeightTextRead, text, sizeof text);
    CurrentWeight = ParseWeightText(text);
    ShowTypedWeightOnBoard(dialog);
    return TRUE;
}

static INT_PTR StepWeight(HWND dialog, int controlId) {
    StepCurrentWeight(dialog, controlId);
    ShowCurrentWeight(dialog);
    SetFocus(GetDlgItem(dialog, IDC_WEIGHT_EDIT));
    return TRUE;
}

// What the store says of the weighing: a refused one keeps the dialog open
// with the value in the box, so nothing typed is lost and the user can mend it.
static INT_PTR AcceptWeight(HWND dialog) {
    StoreResult result = RecordWeighing(NewEntryDate(), KgToTenths(CurrentWeight));
    if (!LogSaved(ShowStoreResult(dialog, result))) {
        FocusItem(dialog, IDC_WEIGHT_EDIT);
        return TRUE;
    }
    EndDialog(dialog, 0);
    return TRUE;
}

static INT_PTR CancelWeight(HWND dialog) {
    CurrentWeight = NewestLoggedWeight();
    EndDialog(dialog, 0);
    return TRUE;
}

static INT_PTR WeightEntryCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (id == IDOK)
        return AcceptWeight(dialog);
    if (id == IDCANCEL)
        return CancelWeight(dialog);
    if (code == EN_CHANGE)
        return FollowWeightText(dialog, reinterpret_cast<HWND>(lParam));
    if (code == BN_CLICKED)
        return StepWeight(dialog, id);
    return FALSE;
}

INT_PTR CALLBACK WeightEntryDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    static const DialogActions kActions = {OnWeightEntryOpen, WeightEntryCommand, NULL,
                                           PaintNothing, FreeEnlargedArrows};
    return RunDialogAction(kActions, dialog, message, wParam, lParam);
}
