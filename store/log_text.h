// The records of taiju.dat and the lines of taiju.csv, without file access.
#pragma once
#include "store/records.h"

enum { kLogRecordSize = 23, kCsvLineCapacity = 48 };

// 1 when the entry can be written as a 23-byte record that reads back as
// the same entry: the date lies in 0 ... 99999999 (a four-digit year and
// two-digit month and day, none negative) and the weight in -999 ... 9999
// tenths (four characters, a minus sign counting as one).
int EntryFitsRecord(WeightEntry entry);

// Formats entry `index` (0-based; numbered index + 1) as
// "%05d,%04d/%02d/%02d,%04d\r\n" into out[24]. Returns 23, or -1 (and writes
// nothing useful) when the entry does not fit the 23-byte frame.
int FormatLogRecord(char* out, int index, WeightEntry entry);

// Formats the CSV line "%05d,%04d/%02d/%02d,%f\r\n" (weight in kilograms)
// into out[kCsvLineCapacity]; returns its length.
int FormatCsvLine(char* out, int index, WeightEntry entry);

// Reads one 23-byte record by its fixed offsets: year 6-9, month 11-12,
// day 14-15, weight 17-20. The record number is not read. A date that
// reads below zero becomes 0, so every record read can be written again.
WeightEntry ParseLogRecord(const char* record);

// Reads up to `count` whole records from `text` into `out`; returns how many
// there were (a record cut short at the end is not read).
int ParseLogRecords(const char* text, int length, int count, WeightEntry* out);
