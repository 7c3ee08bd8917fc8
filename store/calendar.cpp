#include "store/calendar.h"

#include "store/records.h"

enum { kFirstYear = 1601, kLastYear = 30827, kGestationGraceDays = 80 };

static int IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

int32_t DayCount(int32_t date) {
    int32_t y = DateYear(date);
    int32_t m = DateMonth(date);
    int32_t d = DateDay(date);
    m = m < 1 ? 1 : m > 12 ? 12 : m;
    y -= m <= 2;
    int32_t era = (y >= 0 ? y : y - 399) / 400;
    int32_t yearOfEra = y - era * 400;
    int32_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + d - 1;
}

int32_t DateOfDayCount(int32_t days) {
    days += 719468;
    int32_t era = (days >= 0 ? days : days - 146096) / 146097;
    int32_t dayOfEra = days - era * 146097;
    int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int32_t mp = (5 * dayOfYear + 2) / 153;
    int32_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    int32_t month = mp < 10 ? mp + 3 : mp - 9;
    int32_t year = yearOfEra + era * 400 + (month <= 2);
    if (year < 1 || year > 9999)
        return -1;
    return year * 10000 + month * 100 + day;
}

// The day count of a date SystemTimeToFileTime accepts, the same on every
// platform: its fields narrowed to 16 bits as a SYSTEMTIME holds them, and
// a real calendar date between the years 1601 and 30827; -1 otherwise.
static int64_t SystemDayCount(int year, int month, int day) {
    int y = (uint16_t)year, m = (uint16_t)month, d = (uint16_t)day;
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return -1;
    return DayCount(MakeDate(y, m, d)) - DayCount(MakeDate(kFirstYear, 1, 1));
}

int PregnancyGainDays(int date) {
    int64_t start =
        SystemDayCount(PeriodStartDate.year, PeriodStartDate.month, PeriodStartDate.day);
    int64_t entry = SystemDayCount(DateYear(date), DateMonth(date), DateDay(date));
    if (start < 0 || entry < 0)
        return 0;
    // Ticks of 100 ns, taken back to days by the same truncating steps.
    int64_t ticks = (entry - start) * 24 * 60 * 60 * 1000 * 10000;
    int64_t days = ticks / 10000 / 1000 / 60 / 60 / 24;
    int64_t gain = days - kGestationGraceDays;
    return gain < 0 ? 0 : (int)gain;
}
