#pragma once

// Days in a month (1..12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

// Days past the 80th since PeriodStartDate for an entry dated yyyymmdd;
// 0 on or before that day and for a date that is not a real calendar date.
int PregnancyGainDays(int date);
