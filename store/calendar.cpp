// The day count of SystemTimeToFileTime, done by hand so that the chart's
// arithmetic is the same on every platform: a date converts only when it is
// a real calendar date between the years 1601 and 30827, and its fields are
// first narrowed to 16 bits as a SYSTEMTIME would hold them.
#include "store/calendar.h"

#include <stdint.h>

#include "store/records.h"

enum { kFirstYear = 1601, kLastYear = 30827, kGestationGraceDays = 80 };

static int IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// Days since 1 January 1601, or -1 when the fields are not a date the
// platform's conversion accepts.
static int64_t DayNumber(int year, int month, int day) {
    int y = (uint16_t)year, m = (uint16_t)month, d = (uint16_t)day;
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return -1;
    int64_t past = y - kFirstYear;
    int64_t days = past * 365 + past / 4 - past / 100 + past / 400;
    for (int i = 1; i < m; i++)
        days += DaysInMonth(y, i);
    return days + d - 1;
}

int PregnancyGainDays(int date) {
    int64_t start = DayNumber(PeriodStartDate.year, PeriodStartDate.month, PeriodStartDate.day);
    int64_t entry = DayNumber(DateYear(date), DateMonth(date), DateDay(date));
    if (start < 0 || entry < 0)
        return 0;
    // Ticks of 100 ns, taken back to days by the same truncating steps.
    int64_t ticks = (entry - start) * 24 * 60 * 60 * 1000 * 10000;
    int64_t days = ticks / 10000 / 1000 / 60 / 60 / 24;
    int64_t gain = days - kGestationGraceDays;
    return gain < 0 ? 0 : (int)gain;
}
