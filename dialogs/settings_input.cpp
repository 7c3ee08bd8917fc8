#include "dialogs/settings_input.h"

#include <stdint.h>
#include <stdio.h>

#include "dialogs/number_text.h"
#include "store/calendar.h"
#include "win/dpi.h"

enum { kMostMonths = 12 };

SettingsForm SettingsToForm(const SettingsRecord& settings) {
    SettingsForm form;
    form.keepInFront = settings.topmost == 0;
    form.pregnancy = settings.ninpu != 0;
    form.overweight = settings.limit != 0;
    form.underweight = settings.limit2 != 0;
    form.idealGain = settings.risou != 0;
    FormatTenthsAsKg(settings.targetweight, form.targetKg, sizeof form.targetKg);
    snprintf(form.heightCm, sizeof form.heightCm, "%d", static_cast<int>(settings.height));
    FormatTenthsAsKg(settings.original, form.originalKg, sizeof form.originalKg);
    return form;
}

void FormToSettings(const SettingsForm& form, SettingsRecord* settings) {
    settings->topmost = form.keepInFront ? 0 : 1;
    settings->ninpu = form.pregnancy ? 1 : 0;
    settings->limit = form.overweight ? 1 : 0;
    settings->limit2 = form.underweight ? 1 : 0;
    settings->risou = form.idealGain ? 1 : 0;
    settings->targetweight = KgToTenths(TextToDouble(form.targetKg));
    settings->original = KgToTenths(TextToDouble(form.originalKg));
    settings->height = TextToInt(form.heightCm);
}

int PregnancyBoxEnabled(int overweightTicked, int underweightTicked) {
    return overweightTicked || underweightTicked;
}

int OriginalWeightEnabled(int idealGainTicked) {
    return idealGainTicked != 0;
}

CalendarLayout LayoutPeriodCalendar(int dialogWidth, int monthWidth, int monthHeight, int dpi) {
    CalendarLayout layout;
    int countMargin = PixelsAtDpi(10, dpi);
    int n = 1;
    // A calendar that reports no width still gets one month, and never more
    // than a year's worth.
    while (monthWidth + countMargin > 0 && n < kMostMonths &&
           (monthWidth + countMargin) * (n + 1) < dialogWidth)
        n++;
    layout.months = n;
    layout.dialogHeight = monthHeight + PixelsAtDpi(220, dpi);
    layout.x = PixelsAtDpi(10, dpi);
    layout.y = PixelsAtDpi(185, dpi);
    layout.width = (monthWidth + PixelsAtDpi(15, dpi)) * n;
    layout.height = monthHeight;
    return layout;
}

void FormatPeriodDate(const CalendarDate& date, char* out, size_t size) {
    snprintf(out, size, "%4d/%02d/%02d", date.year, date.month, date.day);
}

static CalendarDate AddMonths(CalendarDate d, int months) {
    int index = d.year * 12 + d.month - 1 + months;
    d.year = index / 12;
    d.month = index % 12 + 1;
    int last = DaysInMonth(d.year, d.month);
    d.day = d.day > last ? last : d.day;
    return d;
}

static CalendarDate AddDays(CalendarDate d, int days) {
    for (; days > 0; days--) {
        if (++d.day > DaysInMonth(d.year, d.month))
            d = AddMonths(CalendarDate{d.year, d.month, 1}, 1);
    }
    for (; days < 0; days++) {
        if (--d.day < 1) {
            d = AddMonths(CalendarDate{d.year, d.month, 1}, -1);
            d.day = DaysInMonth(d.year, d.month);
        }
    }
    return d;
}

int StepPeriodDate(const CalendarDate& date, unsigned key, CalendarDate* next) {
    // Years the month calendar can show; further out it refuses the date.
    if (date.year < 1601 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month))
        return 0;
    switch (key) {
    case kCalendarKeyLeft:
    case kCalendarKeyRight:
        *next = AddDays(date, key == kCalendarKeyLeft ? -1 : 1);
        return 1;
    case kCalendarKeyUp:
    case kCalendarKeyDown:
        *next = AddDays(date, key == kCalendarKeyUp ? -7 : 7);
        return 1;
    case kCalendarKeyPageUp:
    case kCalendarKeyPageDown:
        *next = AddMonths(date, key == kCalendarKeyPageUp ? -1 : 1);
        return 1;
    default:
        return 0;
    }
}
