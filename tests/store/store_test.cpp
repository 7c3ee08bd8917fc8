// weighminder.ini and taiju.dat against oracles (texts by hand, printf, timegm):
// given files on disk, what loads; given records, what is saved.
#include "store_fixture.h"

#include <stdio.h>
#include <string.h>
#include <time.h>

#include <string>
#include <tuple>
#include <vector>

#include "store/calendar.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/messages.h"
#include "store/settings_file.h"
#include "store/settings_text.h"

namespace {

using S = SettingsRecord;

using std::make_tuple;
using std::string;

// Read into 7s, clamped to 1920 x 1080: the field named changes (or stays 7), no other.
TEST(SettingsText, ReadsEachKeyOnItsOwnAndClampsThePlaceTopmostAndCount) {
    const std::tuple<string, int32_t S::*, int32_t> cases[] = {
        {"WINY=11\r\n", &S::winY, 11},       {"junk;topmost=12;more\r\n", &S::topmost, 12},
        {"weightdatalen= +13cm\r\n", &S::weightdatalen, 13},
        {"TARGETWEIGHT=-14\r\n", &S::targetweight, -14},
        {"original=15\n5\r\n", &S::original, 15}, {"limit2=18\r\n", &S::limit2, 18},
        {string("height=16\0" "5\r\n", 13), &S::height, 16}, {"ninpu=19\r\n", &S::ninpu, 19},
        {"junk\r\nrisou=1", &S::risou, 7},   {"risou=1\r", &S::risou, 7}, // 3 characters after
        {"winX=1\r\nwinX=2\r\n", &S::winX, 1}, {"height=abc\r\n", &S::height, 0},
        {"height=\r\n\r\n", &S::height, 0},  {"height=99999999999\r\n", &S::height, INT32_MAX},
        {"height=-99999999999\r\n", &S::height, INT32_MIN},
        {"height=" + string(96, '0') + "123\r\n", &S::height, 123}, // 99 characters
        {"height=" + string(97, '0') + "123\r\n", &S::height, 7},   // 100
        {"winX=1664\r\n", &S::winX, 1664},   {"winX=1665\r\n", &S::winX, 1664},
        {"winX=-5\r\n", &S::winX, 0},        {"winY=2147483647\r\n", &S::winY, 974},
        {"winY=-1\r\n", &S::winY, 0},        {"topmost=-1\r\n", &S::topmost, 0},
        {"weightdatalen=65537\r\n", &S::weightdatalen, 65536},
        {"weightdatalen=-3\r\n", &S::weightdatalen, 0},
    };
    for (const auto& [text, field, value] : cases) {
        SettingsRecord read = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}, expected = read;
        expected.*field = value;
        ParseSettingsText(text.data(), (int)text.size(), &read);
        ClampSettings(&read, 1920, 1080);
        EXPECT_EQ(memcmp(&read, &expected, sizeof read), 0) << text;
    }
}

TEST(LogRecord, IsWrittenAsPrintfWritesItWhenTheFrameHoldsIt) {
    char out[24], want[64];
    for (int date : {0, 101, 20100508, 99999999, 10000000})
        for (int weight = -999; weight <= 9999; weight++) {
            int index = (weight + 1000) % 4 * 21845; // 0 ... 65535
            snprintf(want, sizeof want, "%05d,%04d/%02d/%02d,%04d\r\n", index + 1, date / 10000,
                     date % 10000 / 100, date % 100, weight);
            ASSERT_EQ(FormatLogRecord(out, index, {date, weight}), 23);
            ASSERT_EQ(string(out, 23), want);
        }
    const int refused[][3] = {{0, 0, 10000}, {0, 0, -1000}, {0, -1, 0}, {0, 100000000, 0},
                              {65536, 0, 0}, {-1, 0, 0}}; // index, date, weight
    for (auto [index, date, weight] : refused)
        EXPECT_EQ(FormatLogRecord(out, index, {date, weight}), -1) << index << " " << date;
}

// Days since 1970 by the C library, for a date it need not normalise. As in
// the platform's SYSTEMTIME, the fields hold 16 bits and years 1601 ... 30827.
bool CivilDays(int date, long long* days) {
    int year = (uint16_t)DateYear(date), month = (uint16_t)DateMonth(date);
    int day = (uint16_t)DateDay(date);
    struct tm t = {};
    t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day;
    *days = timegm(&t) / 86400;
    return t.tm_year == year - 1900 && t.tm_mon == month - 1 && t.tm_mday == day && year >= 1601 &&
           year <= 30827;
}

TEST(PregnancyGainDays, CountsTheDaysPastThe80thAsTheCalendarDoes) {
    std::vector<int> dates = {-20100101, 0, 675460508, 308271231, 308280101};
    for (int year : {1601, 1999, 2000, 2010, 2011, 2012, 2099, 2100})
        for (int month = 0; month <= 13; month++)
            for (int day = 0; day <= 32; day++)
                dates.push_back(MakeDate(year, month, day));
    for (int start : {20100508, 20111231, 20000229, 20991115, 20100230, 16010101})
        for (int date : dates) {
            long long from, to;
            bool valid = CivilDays(start, &from) && CivilDays(date, &to);
            PeriodStartDate = {DateYear(start), DateMonth(start), DateDay(start)};
            ASSERT_EQ(PregnancyGainDays(date), valid && to - from > 80 ? to - from - 80 : 0)
                << start << " to " << date;
        }
}

TEST_F(StoreTest, AFirstStartWritesTheDefaultsAndTheLogOnlyWhenItHoldsEntries) {
    EXPECT_EQ(LoadSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"),
              "winX=0\r\nwinY=0\r\ntopmost=0\r\nweightdatalen=0\r\ntargetweight=500\r\n"
              "original=500\r\nheight=150\r\nlimit=0\r\nlimit2=0\r\nninpu=0\r\nrisou=0\r\n"
              "startdate=20100508\r\n");
    EXPECT_FALSE(FileExists("taiju.dat"));
    std::remove("weighminder.ini");
    ASSERT_EQ(AppendWeightEntry(20100507, 523), 0);
    EXPECT_EQ(LoadSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/07,0523\r\n");
    EXPECT_NE(ReadBytes("weighminder.ini").find("\r\nweightdatalen=1\r\n"), string::npos);
    EXPECT_EQ(Fake.messages, 0);
}

// A load takes today; the period starts on the file's date (before 2000: today's).
// Up to 999 bytes are read, even in pieces (1,000 are refused: Faults).
TEST_F(StoreTest, SettingsSavedAreLoadedBackWithTodaysDateAndThePeriodStart) {
    auto period = [] { return MakeDate(PeriodStartDate.year, PeriodStartDate.month,
                                       PeriodStartDate.day); };
    const SettingsRecord s = {100, 200, 1, 2, 480, 510, 163, 1, 2, 3, 4, 20091103};
    Settings = s;
    PeriodStartDate = {2009, 11, 3};
    ASSERT_EQ(SaveSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"),
              "winX=100\r\nwinY=200\r\ntopmost=1\r\nweightdatalen=2\r\ntargetweight=480\r\n"
              "original=510\r\nheight=163\r\nlimit=1\r\nlimit2=2\r\nninpu=3\r\nrisou=4\r\n"
              "startdate=20091103\r\n");
    ResetRecordsToDefaults();
    Fake.today = {2012, 2, 29, 3};
    ASSERT_EQ(LoadSettings(nullptr), 0);
    const LocalDate& d = StartupDate;
    EXPECT_EQ(make_tuple(memcmp(&Settings, &s, sizeof s), period()), make_tuple(0, 20091103));
    EXPECT_EQ(make_tuple(d.year, d.month, d.day, d.weekday), make_tuple(2012, 2, 29, 3));
    const std::tuple<string, int, int> texts[] = { // text, height, period start
        {"height=171\r\n" + string(987, ' '), 171, 20091103},
        {"height=170\r\n\r\n", 170, 20091103}, {"startdate=19991231\r\n", 170, 20120229}};
    ReadStep = 7;
    for (const auto& [text, height, start] : texts) {
        WriteBytes("weighminder.ini", text);
        ASSERT_EQ(LoadSettings(nullptr), 0);
        EXPECT_EQ(make_tuple(Settings.height, period(), Fake.messages),
                  make_tuple(height, start, 0));
    }
}

TEST_F(StoreTest, TheLogIsSavedAsRecordsOrAsCsvAndNotAtAllWhenEmpty) {
    const char log[] = "00001,2010/05/08,0523\r\n00002,2009/12/31,0615\r\n00003,2011/01/02,0007\r\n"
                       "00004,2011/01/03,-005\r\n";
    EXPECT_EQ(SaveLog(nullptr, 1), -1);
    for (auto [date, weight] : {make_tuple(20100508, 523), make_tuple(20091231, 615),
                                make_tuple(20110102, 7), make_tuple(20110103, -5)})
        ASSERT_EQ(AppendWeightEntry(date, weight), 0);
    ASSERT_EQ(SaveLog(nullptr, 1), 0);
    EXPECT_EQ(ReadBytes("taiju.csv"),
              "00001,2010/05/08,52.300000\r\n00002,2009/12/31,61.500000\r\n"
              "00003,2011/01/02,0.700000\r\n00004,2011/01/03,-0.500000\r\n");
    EXPECT_FALSE(FileExists("taiju.dat"));
    ASSERT_EQ(SaveLog(nullptr, 2), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), log);
    Settings.weightdatalen = 0; // as after a reset: the old file stays
    EXPECT_EQ(SaveLog(nullptr, 0), -1);
    EXPECT_EQ(make_tuple(ReadBytes("taiju.dat"), Fake.messages), make_tuple(log, 0));
}

} // namespace
