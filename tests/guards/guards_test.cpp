// Given files, settings or typed text that ordinary use never makes, no
// record is lost, replaced or falsified, and no arithmetic is undefined.
#include <gtest/gtest.h>
#include <stdint.h>
#include <stdlib.h>
#include <string>

#include "app/board_commands.h"
#include "app/board_input.h"
#include "app/interaction.h"
#include "dialogs/number_text.h"
#include "dialogs/utf8_text.h"
#include "dialogs/weight_input.h"
#include "render/chart_plan.h"
#include "store/file_access.h"
#include "store/log_file.h"
#include "store/platform.h"
#include "store/records.h"
#include "store/settings_file.h"
#include "tests/store/store_fixture.h"

namespace {

int FailOpen = 0;         // 1: taiju.dat is there but cannot be opened
int ReadsBeforeError = -1; // reads that succeed before one fails
FileSeams Fixture;         // the fixture's file code, wrapped below
const std::string kFiveRecords = "00001,2026/12/01,0600\r\n00002,2026/12/02,0599\r\n"
                                 "00003,2026/12/03,0598\r\n00004,2026/12/04,0597\r\n"
                                 "00005,2026/12/05,0596\r\n";

class Guards : public StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        Fixture = Files;
        Files.openFile = [](const char* name, int* result) -> FileHandle {
            if (FailOpen && std::string(name) == "taiju.dat")
                return *result = kReadFailed, nullptr;
            return Fixture.openFile(name, result);
        };
        Files.readSome = [](FileHandle f, char* b, int n) {
            return ReadsBeforeError == 0 ? -1
                                         : (ReadsBeforeError--, Fixture.readSome(f, b, n < 46 ? n : 46));
        };
        Fake.answer = kIdYes, Fake.today = {2026, 12, 7, 1};
        FailOpen = 0, ReadsBeforeError = -1;
        WriteBytes("taiju.dat", kFiveRecords);
        Settings.weightdatalen = 5;
    }
};

void NoRepaint(OwnerWindow) {}

TEST_F(Guards, ALogThatCannotBeOpenedIsNeverReplacedUntilReset) {
    FailOpen = 1;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(Fake.caption, "OPEN ERROR");
    ASSERT_EQ(AppendWeightEntry(20261207, 595), 0);
    EXPECT_EQ(SaveAppendedEntry(nullptr), -1); // the weighing is refused...
    EXPECT_EQ(Settings.weightdatalen, 0);      // ...and taken back
    EXPECT_EQ(SaveLog(nullptr, 1), -1);        // no CSV that looks whole
    EXPECT_EQ(ReadBytes("taiju.dat"), kFiveRecords);
    EXPECT_FALSE(FileExists("taiju.csv"));
    SaveSettings(nullptr); // at exit: the count on disk stays
    EXPECT_NE(ReadBytes("weighminder.ini").find("\r\nweightdatalen=5\r\n"), std::string::npos);

    FailOpen = 0; // reset still works: the log goes to taiju.dat.bak
    WriteBytes("taiju.dat.bak", "an older backup");
    RunResetCommand(nullptr, NoRepaint);
    EXPECT_EQ(ReadBytes("taiju.dat.bak"), kFiveRecords);
    EXPECT_FALSE(FileExists("taiju.dat"));
    EXPECT_EQ(Settings.weightdatalen, 0);
    ASSERT_EQ(AppendWeightEntry(20261207, 595), 0);
    EXPECT_EQ(SaveAppendedEntry(nullptr), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2026/12/07,0595\r\n");
}

TEST_F(Guards, AReadErrorPartWayKeepsTheRecordsBeforeItAndRefusesSaves) {
    ReadsBeforeError = 1; // two records come, then the disk fails
    LoadLog();
    ASSERT_EQ(Settings.weightdatalen, 2);
    EXPECT_EQ(WeightLog[1].date, 20261202);
    EXPECT_EQ(WeightLog[1].weight, 599);
    EXPECT_EQ(SaveLog(nullptr, 0), -1);
    ReadsBeforeError = -1; // a later load reads it whole: saves work again
    Settings.weightdatalen = 5;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 5);
    EXPECT_EQ(SaveLog(nullptr, 0), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), kFiveRecords);
}

TEST_F(Guards, AResetThatCannotMoveTheLogChangesNothing) {
    LoadLog();
    Files.replaceFile = [](const char*, const char*) { return -1; };
    RunResetCommand(nullptr, NoRepaint);
    EXPECT_EQ(Settings.weightdatalen, 5);
    EXPECT_EQ(ReadBytes("taiju.dat"), kFiveRecords);
}

TEST_F(Guards, EntriesAndTheDateColumnFollowTheClockPastMidnight) {
    PaintedDay = 20261207;
    EXPECT_EQ(DateColumnStale(), 0);
    EXPECT_EQ(NewEntryDate(), 20261207);
    Fake.today = {2026, 12, 8, 2}; // the board was left running
    EXPECT_EQ(DateColumnStale(), 1);
    EXPECT_EQ(NewEntryDate(), 20261208);
    Fake.today = {2027, 1, 1, 5};
    EXPECT_EQ(NewEntryDate(), 20270101);
}

TEST(TypedText, WhatFitsIsConvertedAtACharacterBoundary) {
    std::u16string kana = u"55.5";
    std::string kanaFits = "55.5"; // 41 kana fit in 127 bytes, the 42nd does not
    for (int i = 0; i < 42; i++)
        kana += u'\u3042', kanaFits += i < 41 ? "\xE3\x81\x82" : "";
    struct Case {
        std::u16string text;
        size_t size;
        std::string want;
    } cases[] = {
        {u"52.3", 128, "52.3"},
        {kana, 128, kanaFits},
        {u"a\U0001F600", 5, "a"}, // a pair is not split
        {u"a\U0001F600", 6, "a\xF0\x9F\x98\x80"},
        {std::u16string(u"1") + (char16_t)0xD800 + u"2", 8, "1\xEF\xBF\xBD" "2"},
        {u"7", 1, ""},
    };
    for (const Case& c : cases) {
        char out[256];
        size_t n = Utf16ToUtf8Prefix(c.text.c_str(), out, c.size);
        EXPECT_EQ(std::string(out, n), c.want);
        EXPECT_EQ(out[n], '\0');
    }
    char out[128];
    Utf16ToUtf8Prefix(kana.c_str(), out, sizeof out);
    EXPECT_EQ(KgToTenths(TextToDouble(out)), 555); // not 0
}

int FarGainDays(int date) { return date == 0 ? 0 : date > 0 ? 10675000 : -10675000; }

TEST(ChartArithmetic, AnyStoredOrTypedValueGivesAPlanInsideTheDrawingRange) {
    static WeightEntry log[3];
    const int32_t values[] = {INT32_MIN, -1, 0, 10000, 99999, INT32_MAX};
    for (int32_t height : values)
        for (int32_t weight : values)
            for (int32_t span : {7, 360}) {
                SettingsRecord set = {};
                set.height = height, set.targetweight = weight, set.original = ~weight;
                set.limit = set.limit2 = set.risou = set.ninpu = 1;
                for (int i = 0; i < 3; i++)
                    log[i] = {i == 0 ? INT32_MIN : i == 1 ? 0 : INT32_MAX, i == 1 ? weight : ~weight};
                static ChartPlan plan;
                ChartInput in = {log, 3, &set, FarGainDays};
                ASSERT_EQ(PlanWeightChart(in, span, 2, 0, &plan), 0);
                for (int32_t p = 0; p < plan.strokes[plan.strokeCount - 1].start + 2; p++) {
                    EXPECT_GE(plan.points[p].x, 0);
                    EXPECT_LE(plan.points[p].x, 256);
                    EXPECT_LE(abs(plan.points[p].y), 30000) << height << " " << weight;
                }
            }
}

} // namespace
