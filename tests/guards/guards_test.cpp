// Given files, settings or typed text that ordinary use never makes, no
// record is lost, replaced or falsified, and no arithmetic is undefined.
#include <stdint.h>
#include <stdlib.h>

#include <string>
#include <tuple>

#include "app/board_commands.h"
#include "app/board_input.h"
#include "app/interaction.h"
#include "dialogs/utf8_text.h"
#include "dialogs/weight_input.h"
#include "render/chart_plan.h"
#include "render/chart_state.h"
#include "render/trend.h"
#include "store/file_access.h"
#include "store/log_changes.h"
#include "store/log_file.h"
#include "store/settings_file.h"
#include "tests/store/store_fixture.h"

namespace {

using std::make_tuple;
using std::string;

// taiju.dat holds three records but a read fails after two: no save replaces it with fewer until a
// load reads it whole, and a reset keeps it as taiju.dat.bak.
TEST_F(StoreTest, APartlyReadLogIsNeverReplacedByAShorterOne) {
    const string three = "00001,2026/12/01,0600\r\n00002,2026/12/02,0599\r\n"
                         "00003,2026/12/03,0598\r\n";
    WriteBytes("taiju.dat", three);
    WriteBytes("taiju.dat.bak", "an older backup");
    ReadStep = 46, ReadsLeft = 1, Settings.weightdatalen = 3;
    LoadLog();
    EXPECT_EQ(make_tuple(Settings.weightdatalen, CurrentWeight, Fake.caption),
              make_tuple(2, 59.9, "OPEN ERROR")); // the newest weight read
    ReadsLeft = 1;                                // read again before the save, still in part
    EXPECT_EQ(RecordWeighing(20261207, 595), kStoreLogPartlyRead); // refused, no entry kept
    EXPECT_EQ(Settings.weightdatalen, 2);
    EXPECT_EQ(SaveLog(nullptr, 1), -1); // no CSV that passes for the whole log
    ReadsLeft = 1;
    SaveSettings(nullptr); // as at exit: the count on disk stays
    EXPECT_NE(ReadBytes("weighminder.ini").find("\r\nweightdatalen=3\r\n"), string::npos);
    EXPECT_TRUE(ReadBytes("taiju.dat") == three && !FileExists("taiju.csv"));
    ReadsLeft = -1, Settings.weightdatalen = 3; // read whole, it can be saved again
    LoadLog();
    EXPECT_EQ(SaveLog(nullptr, 0), 0);
    auto replace = Files.replaceFile; // a reset that cannot move it changes nothing
    Files.replaceFile = [](const char*, const char*) { return -1; };
    Fake.answer = kIdYes;
    RunResetCommand(nullptr, [](OwnerWindow) {});
    EXPECT_EQ(make_tuple(Settings.weightdatalen, ReadBytes("taiju.dat")), make_tuple(3, three));
    Files.replaceFile = replace;
    ReadsLeft = 0; // unreadable again, it is still kept
    LoadLog();
    RunResetCommand(nullptr, [](OwnerWindow) {});
    EXPECT_EQ(make_tuple(ReadBytes("taiju.dat.bak"), FileExists("taiju.dat")),
              make_tuple(three, false));
    EXPECT_EQ(RecordWeighing(20261207, 595), kStoreOk);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2026/12/07,0595\r\n");
    // Held at start-up with a count of 0, it had nothing to give: weighings go on.
    auto open = Files.openFile;
    Files.openFile = [](const char*, int* result) { return *result = kReadFailed, FileHandle{}; };
    Settings.weightdatalen = 0, Fake.messages = 0;
    LoadLog();
    Files.openFile = open;
    EXPECT_EQ(make_tuple(RecordWeighing(20261208, 594), Fake.messages), make_tuple(kStoreOk, 0));
}

int StampsAsRead; // stamps that report taiju.dat as last read, before the real ones

// A record another program adds between the weighing's look at the file and its save is
// read with the rest, and the count that covers it stays.
TEST_F(StoreTest, ALogChangedJustBeforeTheSaveKeepsTheRecordsReadAgain) {
    const string rec = "00001,2026/12/01,0600\r\n";
    WriteBytes("taiju.dat", rec + rec), Settings.weightdatalen = 2;
    LoadLog();
    WriteBytes("taiju.dat", rec + rec + rec);
    StampsAsRead = 1;
    Files.stampFile = [](const char* name) {
        return StampsAsRead-- > 0 ? LogStamp : RealFiles.stampFile(name);
    };
    EXPECT_EQ(RecordWeighing(20261207, 595), kStoreLogChanged);
    EXPECT_EQ(Settings.weightdatalen, 3);
    const string low = "00001,2026/12/01,0500\r\n"; // the trend follows a shorter log read again
    LogTrend();                                     // worked out for the log as read
    WriteBytes("taiju.dat", low + low);
    EXPECT_EQ(CorrectLog(WeightLog, 3), kStoreLogChanged);
    EXPECT_EQ(LogTrend()[1], 50000);
}

TEST_F(StoreTest, EntriesAndTheDateColumnFollowTheClockPastMidnight) {
    PaintedDay = 20100508; // today
    EXPECT_EQ(make_tuple(DateColumnStale(), NewEntryDate()), make_tuple(0, 20100508));
    Fake.today = {2027, 1, 1, 5}; // the board was left running
    EXPECT_EQ(make_tuple(DateColumnStale(), NewEntryDate()), make_tuple(1, 20270101));
}

// Typed text is cut to what fits whole in the buffer, never in a character.
TEST(TypedText, WhatFitsIsConvertedAtACharacterBoundary) {
    const std::tuple<std::u16string, size_t, string> cases[] = {
        {u"55.5\u3042\u3042", 10, "55.5\xE3\x81\x82"},
        {u"a\U000E0041", 5, "a"}, // a pair is not split
        {u"a\U000E0041", 6, "a\xF3\xA0\x81\x81"},
        {std::u16string(u"1") + (char16_t)0xD800 + u"2", 8, "1\uFFFD2"}, // alone: U+FFFD
    };
    for (const auto& [text, size, want] : cases) {
        char out[16];
        size_t n = Utf16ToUtf8Prefix(text.c_str(), out, size);
        EXPECT_EQ(make_tuple(string(out, n), out[n]), make_tuple(want, '\0'));
    }
}

TEST(ChartArithmetic, AnyStoredOrTypedValueGivesAPlanInsideTheDrawingRange) {
    static WeightEntry log[3];
    static ChartPlan plan;
    // 250 cm after 40 days, worked by hand: 20 * 40 * 250 * 250 / 1,000,000 = 50 tenths of
    // gain on 50.0 kg; the lines at BMI 18 and 25 and 0.02 more a day (18.8 and 25.8),
    // cut to the tenth below.
    EXPECT_EQ(make_tuple(IdealGainValue(250, 500, 40), UnderweightValue(250, 40),
                         OverweightValue(250, 40)),
              make_tuple(550, 1175, 1612));
    auto farGainDays = [](int date) { return date == 0 ? 0 : date > 0 ? 10675000 : -10675000; };
    const int32_t values[] = {INT32_MIN, -1, 0, 10000, 99999, INT32_MAX};
    for (int32_t height : values)
        for (int32_t weight : values)
            for (int32_t span : {7, 360}) {
                // winX, winY, topmost, count, target, original, height, lines on, start
                SettingsRecord set = {0, 0, 0, 0, weight, ~weight, height, 1, 1, 1, 1, 0};
                log[0] = {INT32_MIN, ~weight}, log[1] = {0, weight}, log[2] = {INT32_MAX, ~weight};
                int64_t trend[3];
                CarryTrend(log, 3, trend);
                ASSERT_EQ(PlanWeightChart({log, 3, &set, farGainDays, trend}, span, 2, 0, &plan),
                          0);
                for (int32_t p = 0; p < plan.strokes[plan.strokeCount - 1].start + 2; p++)
                    EXPECT_TRUE(plan.points[p].x >= 0 && plan.points[p].x <= 256 &&
                                abs(plan.points[p].y) <= 30000)
                        << height << " " << weight << " " << p;
            }
}

} // namespace
