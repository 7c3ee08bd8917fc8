// The settings dialog: the controls act on the settings only on OK; the
// period start is picked on a month calendar made when the dialog opens.
#include "res/resource.h"
#include "dialogs/dialog_procs_win.h"

#include <commctrl.h>

#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_text_win.h"
#include "dialogs/settings_input.h"
#include "store/log_file.h"
#include "store/settings_file.h"
#include "win/dpi_win.h"
#include "win/entry_win.h"
#include "win/system_library_win.h"

HWND PeriodCalendar;

typedef BOOL(WINAPI* InitCommonControlsFn)(const INITCOMMONCONTROLSEX*);
static HMODULE CommonControls; // loaded once, kept for the process's life

// The common controls are loaded the first time the calendar is wanted, not
// at start-up: the board itself never needs them, and loading them costs the
// widget a few megabytes for its whole run.
static void RegisterCalendarClass() {
    if (CommonControls == NULL) {
        // By name, so that the version 6 the manifest asks for comes from the
        // system's side-by-side store; the search itself stays in the system
        // folder. Windows 7 without the update that brought the flag refuses
        // it: then by full path.
        CommonControls = LoadLibraryExW(L"comctl32.dll", NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    if (CommonControls == NULL) {
        CommonControls = LoadSystemLibrary(L"comctl32.dll");
    }
    InitCommonControlsFn init =
        FindEntry<InitCommonControlsFn>(CommonControls, "InitCommonControlsEx");
    if (init != NULL) {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
        init(&classes);
    }
}

static const struct {
    int id;
    int SettingsForm::*ticked;
} kSettingsTicks[] = {
    {IDC_KEEP_IN_FRONT, &SettingsForm::keepInFront},
    {IDC_PREGNANCY, &SettingsForm::pregnancy},
    {IDC_OVERWEIGHT_LINE, &SettingsForm::overweight},
    {IDC_UNDERWEIGHT_LINE, &SettingsForm::underweight},
    {IDC_IDEAL_GAIN_LINE, &SettingsForm::idealGain},
};
static const TextItem<SettingsForm, kDialogTextSize> kSettingsTexts[] = {
    {IDC_TARGET_WEIGHT, &SettingsForm::targetKg},
    {IDC_HEIGHT, &SettingsForm::heightCm},
    {IDC_ORIGINAL_WEIGHT, &SettingsForm::originalKg},
};

static void WriteSettingsForm(HWND dialog, const SettingsForm& form) {
    for (const auto& tick : kSettingsTicks)
        SetItemTicked(dialog, tick.id, form.*tick.ticked);
    SetItemTexts(dialog, kSettingsTexts, form);
}

static SettingsForm ReadSettingsForm(HWND dialog) {
    SettingsForm form;
    for (const auto& tick : kSettingsTicks)
        form.*tick.ticked = ItemTicked(dialog, tick.id);
    GetItemTexts(dialog, kSettingsTexts, &form);
    return form;
}

static void ApplyEnablingRules(HWND dialog) {
    EnableItem(dialog, IDC_PREGNANCY,
               PregnancyBoxEnabled(ItemTicked(dialog, IDC_OVERWEIGHT_LINE),
                                   ItemTicked(dialog, IDC_UNDERWEIGHT_LINE)));
    EnableItem(dialog, IDC_ORIGINAL_WEIGHT,
               OriginalWeightEnabled(ItemTicked(dialog, IDC_IDEAL_GAIN_LINE)));
}

static void ShowPendingDate(HWND dialog) {
    char text[32];
    FormatPeriodDate(PendingPeriodDate, text, sizeof text);
    SetItemText(dialog, IDC_PERIOD_DATE, text);
}

// The calendar shows as many months as the dialog's width holds, below the
// other controls; the dialog grows or shrinks to the calendar's height.
static void AddPeriodCalendar(HWND dialog) {
    RegisterCalendarClass();
    RECT frame;
    GetWindowRect(dialog, &frame);
    int width = frame.right - frame.left;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    // Clipped by its siblings: with a font a pixel taller than usual the
    // label above reaches into the calendar's top edge and stays readable.
    // The last tab stop, as it is the lowest control; its text, never drawn,
    // is the name screen readers read.
    PeriodCalendar = CreateWindowExW(
        0, MONTHCAL_CLASSW, L"最後の生理日",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | MCS_WEEKNUMBERS, 0, 0, 0, 0, dialog,
        reinterpret_cast<HMENU>(IDC_PERIOD_CALENDAR), instance, nullptr);
    // The calendar writes in the dialog's own font, like the other controls.
    SendMessageW(PeriodCalendar, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    RECT least = {0, 0, 0, 0};
    SendMessageW(PeriodCalendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&least));
    CalendarLayout layout =
        LayoutPeriodCalendar(width, least.right, least.bottom, static_cast<int>(WindowDpi(dialog)));
    MoveWindow(dialog, frame.left, frame.top, width, layout.dialogHeight, TRUE);
    MoveWindow(PeriodCalendar, layout.x, layout.y, layout.width, layout.height, TRUE);
}

static BOOL SelectPeriodDate(const CalendarDate& date) {
    SYSTEMTIME day = {};
    day.wYear = static_cast<WORD>(date.year);
    day.wMonth = static_cast<WORD>(date.month);
    day.wDay = static_cast<WORD>(date.day);
    return SendMessageW(PeriodCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day)) != 0;
}

// The calendar's own window procedure, under the keys below.
static WNDPROC CalendarProcedure;

// The calendar's keys, for every system alike: Wine's calendar takes the
// focus but not the arrows.
static LRESULT CALLBACK CalendarKeys(HWND calendar, UINT message, WPARAM wParam, LPARAM lParam) {
    CalendarDate next;
    if (message == WM_KEYDOWN &&
        StepPeriodDate(PendingPeriodDate, static_cast<unsigned>(wParam), &next)) {
        if (SelectPeriodDate(next)) {
            PendingPeriodDate = next;
            ShowPendingDate(GetParent(calendar));
        }
        return 0;
    }
    return CallWindowProcW(CalendarProcedure, calendar, message, wParam, lParam);
}

static INT_PTR OpenSettings(HWND dialog) {
    WriteSettingsForm(dialog, SettingsToForm(Settings));
    ApplyEnablingRules(dialog);
    PendingPeriodDate = PeriodStartDate;
    AddPeriodCalendar(dialog);
    CalendarProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(PeriodCalendar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CalendarKeys)));
    ShowPendingDate(dialog);
    SelectPeriodDate(PeriodStartDate);
    return TRUE;
}

static INT_PTR FollowCalendar(HWND dialog, const NMHDR* notice) {
    if (notice->hwndFrom != PeriodCalendar || notice->code != MCN_SELCHANGE)
        return FALSE;
    SYSTEMTIME day = {};
    SendMessageW(PeriodCalendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    PendingPeriodDate.year = day.wYear;
    PendingPeriodDate.month = day.wMonth;
    PendingPeriodDate.day = day.wDay;
    ShowPendingDate(dialog);
    return TRUE;
}

static INT_PTR AcceptSettings(HWND dialog) {
    FormToSettings(ReadSettingsForm(dialog), &Settings);
    PeriodStartDate = PendingPeriodDate;
    SaveSettings(dialog);
    EndDialog(dialog, 0);
    return TRUE;
}

// Every other change is saved when it is made, so reading both files back
// restores what the dialog may have touched; it also refreshes StartupDate.
static INT_PTR CancelSettings(HWND dialog) {
    LoadSettings(dialog);
    LoadLog();
    EndDialog(dialog, 0);
    return TRUE;
}

static INT_PTR SettingsCommand(HWND dialog, WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK:
        return AcceptSettings(dialog);
    case IDCANCEL:
        return CancelSettings(dialog);
    }
    ApplyEnablingRules(dialog);
    return FALSE;
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    static const DialogActions kActions = {OpenSettings, SettingsCommand, FollowCalendar,
                                           PaintNothing, NULL};
    return RunDialogAction(kActions, dialog, message, wParam, lParam);
}
