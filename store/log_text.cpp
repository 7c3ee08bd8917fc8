#include "store/log_text.h"

#include <stdio.h>

#include "store/settings_text.h"

int EntryFitsRecord(WeightEntry e) {
    return e.date >= 0 && e.date <= 99999999 && e.weight >= -999 && e.weight <= 9999;
}

int FormatLogRecord(char* out, int index, WeightEntry e) {
    if (!EntryFitsRecord(e) || index < 0 || index >= kLogCapacity)
        return -1;
    int n = snprintf(out, kLogRecordSize + 1, "%05d,%04d/%02d/%02d,%04d\r\n", index + 1,
                     DateYear(e.date), DateMonth(e.date), DateDay(e.date), (int)e.weight);
    return n == kLogRecordSize ? n : -1;
}

int FormatCsvLine(char* out, int index, WeightEntry e) {
    int n = snprintf(out, kCsvLineCapacity, "%05d,%04d/%02d/%02d,%f\r\n", index + 1,
                     DateYear(e.date), DateMonth(e.date), DateDay(e.date), e.weight / 10.0);
    if (n < 0)
        return 0;
    return n < kCsvLineCapacity ? n : kCsvLineCapacity - 1;
}

WeightEntry ParseLogRecord(const char* r) {
    int year = DecimalValue(r + 6, 4);
    int month = DecimalValue(r + 11, 2);
    int day = DecimalValue(r + 14, 2);
    WeightEntry e;
    e.date = MakeDate(year, month, day);
    e.weight = DecimalValue(r + 17, 4);
    return e;
}
