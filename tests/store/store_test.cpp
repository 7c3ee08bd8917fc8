// weighminder.ini and taiju.dat against oracles (texts by hand, printf, timegm):
// given files on disk, what loads; given records, what is saved.
#include "store_fixture.h"

#include <stdio.h>
#include <string.h>
#include <time.h>

#include <tuple>
#include <vector>

#include "store/calendar.h"
#include "store/log_changes.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/safe_save.h"
#include "store/settings_file.h"
#include "store/settings_text.h"

namespace {

using S = SettingsRecord;

using std::make_tuple;
using std::string;

// Read into 7s, clamped to 1920 x 1080: the field named changes (or stays 7), no other.
// A value ends at CR, LF or 0 and is read when it has up to 99 characters.
TEST(SettingsText, ReadsEachKeyOnItsOwnAndClampsThePlaceTopmostAndCount) {
    const std::tuple<string, int32_t S::*, int32_t> cases[] = {
        {"junk;topmost=12;more\r\n", &S::topmost, 12},
        {"weightdatalen= +13cm\r\n", &S::weightdatalen, 13},
        {"TARGETWEIGHT=-14\r\n", &S::targetweight, -14},
        {"original=15\n" + string(99, ' '), &S::original, 15},
        {string("height=16\0", 10) + string(99, ' '), &S::height, 16},
        {"ninpu=1\r\n", &S::ninpu, 1}, // three characters after the key, or nothing
        {"risou=1\r", &S::risou, 7},
        {"winX=1\r\nwinX=2\r\n", &S::winX, 1},
        {"height=abc\r\n", &S::height, 0},
        {"height=99999999999\r\n", &S::height, INT32_MAX},
        {"height=-99999999999\r\n", &S::height, INT32_MIN},
        {"height=" + string(96, '0') + "123\r\n", &S::height, 123},
        {"height=" + string(97, '0') + "123\r\n", &S::height, 7},
        {"winX=1665\r\n", &S::winX, 1664},
        {"winY=2147483647\r\n", &S::winY, 974},
        {"topmost=-1\r\n", &S::topmost, 0},
        {"weightdatalen=65537\r\n", &S::weightdatalen, 65536},
    };
    for (const auto& [text, field, value] : cases) {
        SettingsRecord read = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}, expected = read;
        expected.*field = value;
        ParseSettingsText(text.data(), (int)text.size(), &read);
        ClampSettings(&read, 1920, 1080);
        EXPECT_EQ(memcmp(&read, &expected, sizeof read), 0) << text;
    }
}

// A record is written when printf fills its frame with it, and its index and
// date are not negative and the index is inside the log.
TEST(LogRecord, IsWrittenAsPrintfWritesItWhenTheFrameHoldsIt) {
    char out[24], want[64];
    for (int date : {0, 101, 10000000, 20100508, 99999999, 100000000})
        for (int weight = -1000; weight <= 10000; weight++) {
            int index = (weight + 1000) % 4 * 21845; // 0 ... 65535
            int n = snprintf(want, sizeof want, "%05d,%04d/%02d/%02d,%04d\r\n", index + 1,
                             date / 10000, date % 10000 / 100, date % 100, weight);
            ASSERT_EQ(FormatLogRecord(out, index, {date, weight}), n == 23 ? 23 : -1) << want;
            ASSERT_TRUE(n != 23 || string(out, 23) == want) << want;
        }
    for (auto [index, date] : {make_tuple(-1, 0), make_tuple(65536, 0), make_tuple(0, -1)})
        EXPECT_EQ(FormatLogRecord(out, index, {date, 0}), -1) << index << " " << date;
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

// Days from 1970 by Python's datetime, both ways; a month 0 counts as January.
TEST(Calendar, CountsTheDaysAsDatetimeDoes) {
    for (auto [date, days] :
         {make_tuple(16010101, -134774), make_tuple(19691231, -1), make_tuple(19000715, -25372),
          make_tuple(21001231, 47846), make_tuple(20120229, 15399), make_tuple(99991231, 2932896)})
        EXPECT_EQ(make_tuple(DayCount(date), DateOfDayCount(days)), make_tuple(days, date));
    EXPECT_EQ(DayCount(20100005), 14614); // 5 January 2010
    EXPECT_EQ(DayCount(101), -719528);    // 1 January of the year 0, before the epoch's era
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

// A first start writes the defaults, and the log only once it holds entries.
// The log is saved as records or as CSV, and not at all when empty; settings
// load back with the period starting on their date (before 2000: today's).
TEST_F(StoreTest, SettingsAndLogAreWrittenAsTheyLoadBack) {
    EXPECT_EQ(LoadSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"),
              "winX=0\r\nwinY=0\r\ntopmost=0\r\nweightdatalen=0\r\ntargetweight=500\r\n"
              "original=500\r\nheight=150\r\nlimit=0\r\nlimit2=0\r\nninpu=0\r\nrisou=0\r\n"
              "startdate=20100508\r\n");
    EXPECT_FALSE(FileExists("taiju.dat"));
    for (auto [date, weight] : {make_tuple(20100508, 523), make_tuple(19991231, 1615),
                                make_tuple(20110102, 7), make_tuple(20110103, -5)})
        ASSERT_EQ(RecordWeighing(date, weight), kStoreOk);
    std::remove("weighminder.ini");
    EXPECT_EQ(LoadSettings(nullptr), 0);
    memset(WeightLog, 0, sizeof WeightLog);
    LoadLog();
    const char log[] = "00001,2010/05/08,0523\r\n00002,1999/12/31,1615\r\n00003,2011/01/02,0007\r\n"
                       "00004,2011/01/03,-005\r\n";
    EXPECT_NE(ReadBytes("weighminder.ini").find("\r\nweightdatalen=4\r\n"), string::npos);
    ASSERT_EQ(SaveLog(nullptr, 1), 0);
    EXPECT_EQ(ReadBytes("taiju.csv"),
              "00001,2010/05/08,52.300000\r\n00002,1999/12/31,161.500000\r\n"
              "00003,2011/01/02,0.700000\r\n00004,2011/01/03,-0.500000\r\n");
    const SettingsRecord s = {100, 200, 1, 0, 480, 510, 163, 2, 3, 4, 5, 20091103};
    Settings = s, PeriodStartDate = {2009, 11, 3};
    EXPECT_EQ(SaveLog(nullptr, 0), -1); // as after a reset: the old file stays
    ASSERT_EQ(SaveSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"),
              "winX=100\r\nwinY=200\r\ntopmost=1\r\nweightdatalen=0\r\ntargetweight=480\r\n"
              "original=510\r\nheight=163\r\nlimit=2\r\nlimit2=3\r\nninpu=4\r\nrisou=5\r\n"
              "startdate=20091103\r\n");
    EXPECT_EQ(make_tuple(ReadBytes("taiju.dat"), Fake.messages), make_tuple(log, 0));
    ResetRecordsToDefaults();
    Fake.today = {2012, 2, 29, 3};
    ASSERT_EQ(LoadSettings(nullptr), 0);
    const CalendarDate& p = PeriodStartDate;
    EXPECT_EQ(make_tuple(memcmp(&Settings, &s, sizeof s), p.year, p.month, p.day),
              make_tuple(0, 2009, 11, 3));
    WriteBytes("weighminder.ini", "winX=99999\r\nTREND=1\r\nstartdate=19991231\r\n");
    ASSERT_EQ(LoadSettings(nullptr), 0);
    EXPECT_EQ(make_tuple(p.year, p.month, p.day, Fake.messages, Settings.winX, Options.trend),
              make_tuple(2012, 2, 29, 0, 1664, 1));
    // A save that cannot even make its temporary file says so and keeps the file.
    std::filesystem::create_directory("weighminder.ini.tmp");
    const std::string kept = ReadBytes("weighminder.ini");
    EXPECT_EQ(make_tuple(SaveSettings(nullptr), Fake.messages, ReadBytes("weighminder.ini")),
              make_tuple(-1, 1, kept));
    static SaveStream save; // nor can one whose name would be cut short
    EXPECT_EQ(BeginSave(&save, string(kSaveNameSize, 'n').c_str()), -1);
    // Each field of a record ends at its byte, whatever stands there.
    WriteBytes("taiju.dat", "00001920109059089-0059\n");
    Settings.weightdatalen = 1;
    LoadLog();
    EXPECT_EQ(make_tuple(WeightLog[0].date, WeightLog[0].weight), make_tuple(20100508, -5));
}

} // namespace
