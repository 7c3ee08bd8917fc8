// The 23-byte record on its own: the hand-written formatter against printf,
// and the quick reader against the general conversion on damaged records.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string>

#include "store/log_text.h"

namespace {

std::string Printf(int index, WeightEntry e) {
    char line[64];
    snprintf(line, sizeof line, "%05d,%04d/%02d/%02d,%04d\r\n", index + 1, e.date / 10000,
             e.date % 10000 / 100, e.date % 100, e.weight);
    return line;
}

TEST(LogRecord, FormatsAsPrintfDoesForEveryStorableWeight) {
    const int dates[] = {0, 101, 20100508, 20091231, 99999999, 10000000};
    const int indexes[] = {0, 8, 99, 65535};
    char out[24];
    for (int date : dates) {
        for (int weight = -999; weight <= 9999; weight++) {
            int index = indexes[(weight + 999) % 4];
            ASSERT_EQ(FormatLogRecord(out, index, WeightEntry{date, weight}), 23);
            ASSERT_EQ(std::string(out, 23), Printf(index, WeightEntry{date, weight}))
                << date << " " << weight;
        }
    }
}

TEST(LogRecord, RefusesEntriesOutsideTheFrame) {
    char out[24];
    EXPECT_EQ(FormatLogRecord(out, 0, WeightEntry{20100508, 10000}), -1);
    EXPECT_EQ(FormatLogRecord(out, 0, WeightEntry{20100508, -1000}), -1);
    EXPECT_EQ(FormatLogRecord(out, 0, WeightEntry{-1, 500}), -1);
    EXPECT_EQ(FormatLogRecord(out, 0, WeightEntry{100000000, 500}), -1);
    EXPECT_EQ(FormatLogRecord(out, 65536, WeightEntry{20100508, 500}), -1);
}

TEST(LogRecord, QuickReaderAgreesWithTheGeneralConversion) {
    const char base[] = "00001,2010/05/08,0523\r\n";
    const char replacements[] = {' ', '-',        '+',        '/',        ':', '\0', '\t',
                                 'a', (char)0x80, (char)0xFF, (char)0x29, '9', '0'};
    int checked = 0;
    for (int pos = 0; pos < 23; pos++) {
        for (char c : replacements) {
            char record[23];
            memcpy(record, base, 23);
            record[pos] = c;
            WeightEntry quick;
            ASSERT_EQ(ParseLogRecords(record, 23, 1, &quick), 1);
            WeightEntry general = ParseLogRecord(record);
            ASSERT_EQ(quick.date, general.date) << "byte " << pos << " = " << (int)c;
            ASSERT_EQ(quick.weight, general.weight) << "byte " << pos << " = " << (int)c;
            checked++;
        }
    }
    EXPECT_EQ(checked, 23 * 13);
    WeightEntry e = ParseLogRecord(" 0001, 201/ 5/-8, -52\r\n");
    EXPECT_EQ(e.date, 201 * 10000 + 5 * 100 - 8);
    EXPECT_EQ(e.weight, -52);
}

TEST(LogRecord, ReadsOnlyWholeRecords) {
    const char text[] = "00001,2010/05/08,0523\r\n00002,2010/05/09,0521\r\n000";
    WeightEntry out[3] = {};
    EXPECT_EQ(ParseLogRecords(text, 46 + 3, 3, out), 2);
    EXPECT_EQ(ParseLogRecords(text, 45, 3, out), 1);
    EXPECT_EQ(ParseLogRecords(text, 46, 1, out), 1);
    EXPECT_EQ(out[1].date, 20100509);
}

} // namespace
