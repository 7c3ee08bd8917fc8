// Input rules of the settings dialog: the values its controls show, what OK
// stores, which controls are enabled, and where the month calendar goes.
#pragma once
#include <stddef.h>

#include "store/records.h"

enum { kDialogTextSize = 128 }; // edits are read with this limit, zero included

// The dialog's controls as values: ticks are 0 or 1, edits are UTF-8 text.
struct SettingsForm {
    int keepInFront;                  // 1016, ticked when topmost is 0
    int pregnancy;                    // 1017, ninpu
    int overweight;                   // 1018, limit
    int underweight;                  // 1022, limit2
    int idealGain;                    // 1023, risou
    char targetKg[kDialogTextSize];   // 1019
    char heightCm[kDialogTextSize];   // 1020
    char originalKg[kDialogTextSize]; // 1024
};

SettingsForm SettingsToForm(const SettingsRecord& settings);
// Stores the form into the fields the dialog edits; the others are kept.
void FormToSettings(const SettingsForm& form, SettingsRecord* settings);

// The pregnancy check box is usable while either limit line is ticked, the
// pre-pregnancy weight while the ideal-gain line is ticked. Disabling keeps
// the tick or text, and OK still reads it.
int PregnancyBoxEnabled(int overweightTicked, int underweightTicked);
int OriginalWeightEnabled(int idealGainTicked);

// The calendar shows as many months as fit the dialog's outer width W with
// 10 pixels per month, is sized with 15 pixels per month, and the dialog's
// outer height becomes the month height plus 220. These pixels, and the
// calendar's place (10, 185), are those of 96 DPI; at another DPI they grow
// with it, as the dialog's own font and controls do.
struct CalendarLayout {
    int months;
    int dialogHeight;
    int x, y, width, height; // in the dialog's client area
};
CalendarLayout LayoutPeriodCalendar(int dialogWidth, int monthWidth, int monthHeight, int dpi = 96);

// The month calendar's keys, which it does not handle itself everywhere:
// Left and Right move the date by a day, Up and Down by a week, Page Up and
// Page Down by a month (the day kept, or the month's last). 1 with the date
// the key leads to; 0 for another key or a date that is not a real one.
enum {
    kCalendarKeyPageUp = 0x21,
    kCalendarKeyPageDown,
    kCalendarKeyLeft = 0x25,
    kCalendarKeyUp,
    kCalendarKeyRight,
    kCalendarKeyDown,
};
int StepPeriodDate(const CalendarDate& date, unsigned key, CalendarDate* next);

// "%4d/%02d/%02d"
void FormatPeriodDate(const CalendarDate& date, char* out, size_t size);
