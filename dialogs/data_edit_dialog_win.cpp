// The data edit dialog: steps through a working copy of the log; OK checks
// the record on screen, copies the copy back and saves the log.
#include "res/resource.h"
#include "dialogs/dialog_procs_win.h"

#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_text_win.h"
#include "dialogs/edit_log.h"
#include "store/messages.h"
#include "store/platform.h"

static const int kRecordFields[] = {IDC_DATA_NO,    IDC_DATA_NEXT, IDC_DATA_PREVIOUS, IDC_DATA_YEAR,
                                    IDC_DATA_MONTH, IDC_DATA_DAY,  IDC_DATA_WEIGHT};

static const TextItem<RecordForm, kDialogTextSize> kRecordTexts[] = {
    {IDC_DATA_YEAR, &RecordForm::year},
    {IDC_DATA_MONTH, &RecordForm::month},
    {IDC_DATA_DAY, &RecordForm::day},
    {IDC_DATA_WEIGHT, &RecordForm::weight},
};

static void ShowRecord(HWND dialog) {
    RecordForm form = ShowEditRecord();
    SetItemText(dialog, IDC_DATA_NO, form.number);
    SetItemTexts(dialog, kRecordTexts, form);
}

static RecordForm ReadRecord(HWND dialog) {
    RecordForm form = {};
    GetItemTexts(dialog, kRecordTexts, &form);
    return form;
}

// An empty log has no record to show: every field and step button is
// greyed, and OK closes without writing anything.
static void DisableRecordFields(HWND dialog) {
    for (int id : kRecordFields)
        EnableItem(dialog, id, 0);
}

// The narrow year box holds four digits only without the font's margins.
static void NarrowMargins(HWND dialog) {
    for (int id = IDC_DATA_YEAR; id <= IDC_DATA_WEIGHT; id++)
        SendDlgItemMessageW(dialog, id, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                            MAKELPARAM(1, 1));
}

static INT_PTR OpenDataEdit(HWND dialog) {
    // キャンセル carries the default-button style too, and the dialog manager
    // takes the last such button as the default: Enter in a field would then
    // throw the corrections away. Enter means OK.
    SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
    NarrowMargins(dialog);
    EnableItem(dialog, IDC_DATA_NEXT, 0);
    OpenEditLog();
    if (EditLogEmpty())
        DisableRecordFields(dialog);
    else
        ShowRecord(dialog);
    return TRUE;
}

// The dialog stays on the same record, with the focus on the field at fault.
static INT_PTR InputError(HWND dialog, int field) {
    Platform.messageBox(dialog, kInputErrorText, kInputErrorCaption, kMbOk | kMbIconWarning);
    FocusItem(dialog, field);
    return -1;
}

static INT_PTR StepRecord(HWND dialog, int controlId) {
    if (EditLogEmpty())
        return TRUE;
    int fault = TakeInEditRecord(ReadRecord(dialog));
    if (fault != 0)
        return InputError(dialog, fault);
    StepEditRecord(controlId);
    ShowRecord(dialog);
    EnableItem(dialog, IDC_DATA_NEXT, NextRecordEnabled());
    EnableItem(dialog, IDC_DATA_PREVIOUS, PreviousRecordEnabled());
    return TRUE;
}

static INT_PTR AcceptRecords(HWND dialog) {
    if (!EditLogEmpty()) {
        int fault = TakeInEditRecord(ReadRecord(dialog));
        if (fault != 0)
            return InputError(dialog, fault);
        ShowStoreResult(dialog, CommitEditLog());
    }
    EndDialog(dialog, 0);
    return TRUE;
}

static INT_PTR CancelRecords(HWND dialog) {
    EndDialog(dialog, 0);
    return TRUE;
}

static INT_PTR DataEditCommand(HWND dialog, WPARAM wParam, LPARAM) {
    int id = LOWORD(wParam);
    switch (id) {
    case IDOK:
        return AcceptRecords(dialog);
    case IDCANCEL:
        return CancelRecords(dialog);
    case IDC_DATA_NEXT:
    case IDC_DATA_PREVIOUS:
        return StepRecord(dialog, id);
    }
    return FALSE;
}

INT_PTR CALLBACK DataEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    static const DialogActions kActions = {OpenDataEdit, DataEditCommand, NULL, NULL, NULL};
    return RunDialogAction(kActions, dialog, message, wParam, lParam);
}
