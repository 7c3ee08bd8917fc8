// Days of pregnancy past the 80th, from the period start to an entry.
#include <gtest/gtest.h>

#include "store/calendar.h"
#include "store/records.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

int Gain(CalendarDate start, int date) {
    PeriodStartDate = start;
    return PregnancyGainDays(date);
}

TEST(PregnancyGainDays, CountsFromTheEighty_firstDay) {
    CalendarDate start = {2010, 5, 8};
    EXPECT_EQ(Gain(start, 20100508), 0);
    EXPECT_EQ(Gain(start, 20100401), 0) << "before the start";
    EXPECT_EQ(Gain(start, 20100727), 0) << "day 80";
    EXPECT_EQ(Gain(start, 20100728), 1) << "day 81";
    EXPECT_EQ(Gain(start, 20110212), 200) << "day 280";
    EXPECT_EQ(Gain(start, 20300508), 7225) << "twenty years on";
}

TEST(PregnancyGainDays, FollowsLeapYearsAndMonthEnds) {
    EXPECT_EQ(Gain(CalendarDate{2011, 12, 1}, 20120228), 9);
    EXPECT_EQ(Gain(CalendarDate{2011, 12, 1}, 20120229), 10);
    EXPECT_EQ(Gain(CalendarDate{2011, 12, 1}, 20120301), 11);
    EXPECT_EQ(Gain(CalendarDate{2012, 12, 1}, 20130301), 10);
    EXPECT_EQ(Gain(CalendarDate{2099, 12, 1}, 21000301), 10) << "2100 is no leap year";
    EXPECT_EQ(Gain(CalendarDate{1999, 12, 1}, 20000301), 11) << "2000 is one";
    EXPECT_EQ(Gain(CalendarDate{2010, 1, 31}, 20100430), 9);
}

TEST(PregnancyGainDays, InvalidDatesGiveZero) {
    CalendarDate start = {2009, 1, 1};
    EXPECT_EQ(Gain(start, 20100101), 285);
    EXPECT_EQ(Gain(start, 20100230), 0) << "30 February";
    EXPECT_EQ(Gain(start, 20100229), 0) << "29 February of a common year";
    EXPECT_EQ(Gain(start, 20120229), 1074);
    EXPECT_EQ(Gain(start, 20101301), 0);
    EXPECT_EQ(Gain(start, 20100100), 0);
    EXPECT_EQ(Gain(start, 20100431), 0);
    EXPECT_EQ(Gain(start, -20100101), 0);
    EXPECT_EQ(Gain(start, 0), 0);
    EXPECT_EQ(Gain(CalendarDate{2010, 2, 30}, 20110101), 0) << "an invalid start";
    EXPECT_EQ(Gain(CalendarDate{2010, 13, 1}, 20110101), 0);
}

#ifdef _WIN32
// The platform's own conversion, the arithmetic the portable code copies.
int GainBySystemTime(CalendarDate start, int date) {
    SYSTEMTIME s = {}, e = {};
    s.wYear = (WORD)start.year;
    s.wMonth = (WORD)start.month;
    s.wDay = (WORD)start.day;
    e.wYear = (WORD)(date / 10000);
    e.wMonth = (WORD)(date % 10000 / 100);
    e.wDay = (WORD)(date % 100);
    FILETIME fs, fe;
    if (!SystemTimeToFileTime(&s, &fs) || !SystemTimeToFileTime(&e, &fe))
        return 0;
    long long ts = ((long long)fs.dwHighDateTime << 32) | fs.dwLowDateTime;
    long long te = ((long long)fe.dwHighDateTime << 32) | fe.dwLowDateTime;
    long long days = (te - ts) / 10000 / 1000 / 60 / 60 / 24 - 80;
    return days < 0 ? 0 : (int)days;
}

TEST(PregnancyGainDays, AgreesWithSystemTimeToFileTime) {
    const CalendarDate starts[] = {{2010, 5, 8}, {2011, 12, 31}, {2000, 2, 29}, {2099, 11, 15}};
    int compared = 0;
    for (CalendarDate start : starts) {
        for (int year = start.year - 1; year <= start.year + 2; year++) {
            for (int month = 0; month <= 13; month++) {
                for (int day = 0; day <= 32; day++) {
                    int date = year * 10000 + month * 100 + day;
                    // Wine accepts 29 February of every year; Windows does not.
                    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
                    if (month == 2 && day == 29 && !leap)
                        continue;
                    ASSERT_EQ(Gain(start, date), GainBySystemTime(start, date))
                        << "start " << start.year << "/" << start.month << "/" << start.day
                        << " entry " << date;
                    compared++;
                }
            }
        }
    }
    EXPECT_GT(compared, 7000);
}
#endif

} // namespace
