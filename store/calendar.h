// The program's one calendar: month lengths and the proleptic Gregorian
// day count that the trend's rate and projection and the pregnancy days
// follow. Portable.
#pragma once
#include <stdint.h>

// Days in a month (1..12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

// Days from 1 January 1970 of a yyyymmdd date. Any fields a log may hold give
// a number: the month is held to 1..12 and the day counted on from the
// first, so 30 February is 2 March. Every step of any 32-bit date fits 32 bits.
int32_t DayCount(int32_t date);

// The yyyymmdd date of a day count, or -1 outside the years 1 to 9999.
int32_t DateOfDayCount(int32_t days);

// Days past the 80th since PeriodStartDate for an entry dated yyyymmdd;
// 0 on or before that day and for a date that is not a real calendar date.
int PregnancyGainDays(int date);
