// Files of other trackers, written by hand from their layouts, read and merged
// into the log: the days added and left out, the lines not read, the log after.
#include <stdio.h>

#include <string>
#include <vector>

#include "store/import_file.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store_fixture.h"

namespace {

using std::string;

// A zone an hour ahead of UTC, two in the summer of 2024 (from 31 March, 1:00 UTC,
// to 27 October, 1:00 UTC).
int BerlinOffset(int64_t utc) {
    return utc >= 1711846800 && utc < 1729990800 ? 120 : 60;
}

string Utf16(const std::u16string& text) { // little endian, as x86 keeps it
    return string((const char*)text.data(), text.size() * 2);
}

// "added/known/unreadable@first first..last: date:weight ..." (the log's last three
// after a Yes), or "refused <verdict> <room or line>"; no file is left open.
string Import(const string& bytes, const std::vector<WeightEntry>& log = {}) {
    Platform.utcOffsetMinutes = BerlinOffset;
    WriteBytes("in.csv", bytes);
    string records; // the log on disk, read as the board reads it at start
    char text[128];
    for (size_t i = 0; i < log.size(); i++)
        records.append(text, FormatLogRecord(text, (int)i, log[i]));
    WriteBytes("taiju.dat", records);
    Settings.weightdatalen = (int)log.size();
    LoadLog();
    auto open = std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    ImportSummary s = ReadImportFile("in.csv");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}), open);
    if (s.verdict != kImportReady) {
        snprintf(text, sizeof text, "refused %d %d", s.verdict,
                 s.verdict == kImportTooMany       ? s.room
                 : s.verdict == kImportLineTooLong ? s.lineAt
                                                   : 0);
        return text;
    }
    snprintf(text, sizeof text, "%d/%d/%d@%d %d..%d:", s.added, s.known, s.unreadable,
             s.firstUnreadable, s.firstDate, s.lastDate);
    string result = text;
    EXPECT_EQ(ApplyImport(nullptr), 0);
    for (int i = std::max(Settings.weightdatalen - 3, 0); i < Settings.weightdatalen; i++)
        result +=
            " " + std::to_string(WeightLog[i].date) + ":" + std::to_string(WeightLog[i].weight);
    return result;
}

TEST_F(StoreTest, EachLayoutEncodingDateFormAndUnitIsReadAndEachBadFileRefused) {
    const string sjis =
        "\x93\xfa\x95\x74,\x91\xcc\x8f\x64\r\n2024/1/15,73.3\r\n"
        "\x82\x51\x82\x4f\x82\x51\x82\x53/1/16,\x82\x56\x82\x52.2\r\n"; // full-width
    const std::vector<WeightEntry> full(65535, {20100101, 500});        // room for one more
    const struct {
        const char* name;
        string file;
        const char* read;
        std::vector<WeightEntry> log = {};
    } cases[] = {
        {"taiju.dat", "00001,2010/05/08,0523\r\n00002,2010/05/09,0530\r\n",
         "2/0/0@0 20100508..20100509: 20100508:523 20100509:530"},
        {"taiju.csv", "00001,2010/05/08,52.300000\r\n", "1/0/0@0 20100508..20100508: 20100508:523"},
        {"openScale 3: the earliest time",
         "DATE,TIME,WEIGHT,FAT\n2024-01-15,19:05,73.4,20\n2024-01-15,7:30,73.1,20\n",
         "1/0/0@0 20240115..20240115: 20240115:731"},
        {"openScale 2",
         "\"biceps\",\"dateTime\",\"weight\"\n\"0.0\",\"15.01.2024 07:48\",\"73.3\"\n"
         "\"0.0\",\"2024-01-16 07:50\",\"73.2\"\n",
         "2/0/0@0 20240115..20240116: 20240115:733 20240116:732"},
        {"Libra in lbs, UTC in winter",
         "#Version: 6\n#Units: lbs\n#date;weight;weight trend;comment\n"
         "2024-03-30T23:30:00.000Z;161.6;161.6;\n#note;x\n",
         "1/0/0@0 20240331..20240331: 20240331:733"},
        {"Withings, newest first",
         "Date,\"Weight (kg)\",\"Fat mass (kg)\",Comments\n"
         "\"2024-01-15 10:30:00\",73.3,,\n\"2024-01-15 06:30:00\",73.0,,\n"
         "\"2024-01-14 06:00:00Z \",73.5,,",
         "2/0/0@0 20240114..20240115: 20240114:735 20240115:730"},
        {"Google Health, grams, UTC in summer",
         "timestamp,weight grams,data source\n"
         "2024-10-26T22:30:00Z,93450,x\n2024-05-01T01:00:00+0900,93000,x\n"
         "2024-05-02T01:00:00-05:30,92000,x\n",
         "3/0/0@0 20240430..20241027: 20240430:930 20240502:920 20241027:935"},
        {"Google Fit: a day without weight",
         "Date,Move Minutes count,Average weight (kg),Max weight (kg)\n"
         "2024-01-15,30,73.34,74\n2024-01-16,20,,\n2024-01-17,5\n",
         "1/0/0@0 20240115..20240115: 20240115:733"},
        {"body measures, a half rounded up", "date,weightkg,fat\n1901/1/5,73.35,1\n",
         "1/0/0@0 19010105..19010105: 19010105:734"},
        {"Shift_JIS", sjis, "2/0/0@0 20240115..20240116: 20240115:733 20240116:732"},
        {"UTF-16, tabs, a decimal comma", Utf16(u"\uFEFF日付\t体重(kg)\r\n2024.01.15\t73,3\r\n"),
         "1/0/0@0 20240115..20240115: 20240115:733"},
        {"UTF-8 mark, cell unit", "\xEF\xBB\xBF日付;体重\n15.01.24;161,6 lb\n",
         "1/0/0@0 20240115..20240115: 20240115:733"},
        {"no header, AM/PM",
         "2024-01-15 7:05 PM,73.4 kg\r2024-01-15 12:05:10.5 AM,73.0\n2024-01-16,73.1\r\n",
         "2/0/0@0 20240115..20240116: 20240115:730 20240116:731"},
        {"a header after '#', time first, 4-byte UTF-8, 9 digits",
         "#time;日付;体重;メモ\n19:05;2024-01-15;73.4;\U0001F600\n"
         "7:30;2024-01-15;000000073.1;\n",
         "1/0/0@0 20240115..20240115: 20240115:731"},
        {"month first", "date,weight\n01/15/2024,73.3\n12/01/24,73.0\n",
         "2/0/0@0 20240115..20241201: 20240115:733 20241201:730"},
        {"day first", "date,weight\n01/02/2024,73.3\n15/01/2024,73.0\n",
         "2/0/0@0 20240115..20240201: 20240115:730 20240201:733"},
        {"a day in the log",
         "date,weight\n2024-01-15,73.3\n2024-01-16,73.2\n",
         "1/1/0@0 20240115..20240116: 20240115:700 20240116:732",
         {{20240115, 700}}},
        {"lines not read",
         "date,weight\n2024-01-15,73.3\n2024-02-30,73\nxx,1\n2024-01-16,0.0\n"
         "2024-01-17,1000\n2024-01-18,73 st\n9999-12-31T23:00:00-05:00,73\n"
         "2024-01-19 7:3,73\n2024-01-20 7:30:5,73\n2024-01-21 7:30:05.,73\n2024-01-22,0000000073\n"
         "2024-01-23T07:00:00+091,73\n2024-01-150,73\n2024-001-25,73\n",
         "1/0/13@3 20240115..20240115: 20240115:733"},
        {"every day in the log", "2024-01-15,73.3\n", "refused 1 0", {{20240115, 700}}},
        {"ambiguous", "date,weight\n01/02/2024,73.3\n", "refused 8 0"},
        {"empty", "\xEF\xBB\xBF \r\n", "refused 3 0"},
        {"binary", "date,weight\n\x01\x02", "refused 4 0"},
        {"UTF-16 without its mark", Utf16(u"date,weight\n"), "refused 4 0"},
        {"no columns", "name,age\nBob,3\n", "refused 7 0"},
        {"a line over 64 KB", "date,weight\n\n" + string(65537, ' ') + "\n", "refused 6 3"},
        {"64 KB is not over", "date,weight\n" + string(65536, ' ') + "\n", "refused 1 0"},
        {"over 64 MB", string(64 << 20, '\n') + "\n", "refused 5 0"},
        {"65,536 in all", "2024-01-15,73.3\n",
         "1/0/0@0 20240115..20240115: 20100101:500 20100101:500 20240115:733", full},
        {"past 65,536", "date,weight\n2024-01-15,73.3\n2024-01-16,73.2\n", "refused 9 1", full},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Import(c.file, c.log), c.read) << c.name;
    EXPECT_EQ(ReadImportFile("missing.csv").verdict, kImportCannotOpen);
}

} // namespace
