// The values in a line of an imported file: its fields, dates with or
// without a time and zone, and weights with their units. Text is UTF-8.
#pragma once
#include <stdint.h>

struct ImportField {
    const char* text; // blanks around it and its quotes taken off
    int length;
};

enum { kImportMaxFields = 64 };

// Tab when the line has one outside quotes, else ';' when it has one, else ','.
char GuessSeparator(const char* line, int length);
// Splits the line at the separator outside quotes into at most `max`
// fields (the last one takes the rest); returns how many.
int SplitImportFields(const char* line, int length, char separator, ImportField* fields, int max);

// Day and month order of dates written d/m/y or m/d/y, one for a whole file.
enum DateOrder { kOrderUnknown, kMonthFirst, kDayFirst };
// What the d/m/y and m/d/y dates read so far say about their order.
struct DateEvidence {
    int slashDates; // one was read
    int dayFirst;   // one had a first field above 12 (and a second one not)
    int monthFirst; // one had a second field above 12 (and a first one not)
};

// Reads y-m-d, y/m/d and y.m.d (four-digit year), d.m.y, and m/d/y or d/m/y
// by `order` (month first while unknown; two-digit years are 20yy), each
// with an optional time after a space or 'T': h:mm, h:mm:ss, fractions,
// AM/PM, then 'Z' or an offset, which take it to the local date by the
// offset in force then. 1 with *date (yyyymmdd of a real day) and *seconds
// (into that day, 0 without a time); else 0. evidence may be null.
int ParseImportDate(const char* text, int length, int order, DateEvidence* evidence, int* date,
                    int* seconds);
// A time of day alone ("07:48", "7:48:05 PM"): 1 with *seconds, else 0.
int ParseImportTime(const char* text, int length, int* seconds);

enum WeightUnit { kUnitKg, kUnitLb, kUnitGram, kUnitTenths };

// The unit a word names (kg, kgs, lb, lbs, g, in any case), or -1.
int ImportUnitWord(const char* text, int length);

// A number with a decimal point, or a decimal comma where the separator is
// not a comma, and an optional unit after it (kg, lb, lbs, g), which wins
// over `unit`. 1 with *tenths, the weight in tenths of a kilogram rounded to
// the nearest, within the 0.1 ... 999.9 kg that a weighing can have; else 0.
int ParseImportWeight(const char* text, int length, char separator, int unit, int* tenths);
