// taiju.dat and taiju.csv through the real file code.
#include "store_fixture.h"

#include <stdio.h>

#include "store/log_file.h"

namespace {

const char kLogOpenError[] = "体重データファイルをオープンできませんでした。";
OwnerWindow const kOwner = (OwnerWindow)0x77;

using LogFile = StoreTest;

void Append(int date, int weight) {
    ASSERT_EQ(AppendWeightEntry(date, weight), 0);
}

TEST_F(LogFile, SavesTwentyThreeByteRecordsByteForByte) {
    Append(20100508, 523);
    Append(20091231, 615);
    Append(20110102, 7);
    Append(20110103, -5);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/08,0523\r\n"
                                      "00002,2009/12/31,0615\r\n"
                                      "00003,2011/01/02,0007\r\n"
                                      "00004,2011/01/03,-005\r\n");
    EXPECT_FALSE(FileExists("taiju.csv"));
    EXPECT_FALSE(FileExists("taiju.dat.tmp"));
}

TEST_F(LogFile, RoundTripRestoresEntriesAndCurrentWeight) {
    Append(20100508, 523);
    Append(20100509, -999);
    Append(20100510, 9999);
    Append(99991231, 0);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    WeightEntry saved[4];
    memcpy(saved, WeightLog, sizeof saved);
    ResetRecordsToDefaults();
    Settings.weightdatalen = 4;
    EXPECT_EQ(LoadLog(), 0);
    EXPECT_EQ(Settings.weightdatalen, 4);
    EXPECT_EQ(0, memcmp(saved, WeightLog, sizeof saved));
    EXPECT_DOUBLE_EQ(CurrentWeight, 0.0);
    Settings.weightdatalen = 3;
    LoadLog();
    EXPECT_DOUBLE_EQ(CurrentWeight, 999.9) << "the newest entry read";
}

TEST_F(LogFile, ReadsByFixedOffsetsIgnoringTheRecordNumber) {
    WriteBytes("taiju.dat", "00007,2009/12/31,0615\r\n");
    Settings.weightdatalen = 1;
    LoadLog();
    EXPECT_EQ(WeightLog[0].date, 20091231);
    EXPECT_EQ(WeightLog[0].weight, 615);
    EXPECT_DOUBLE_EQ(CurrentWeight, 61.5);
}

TEST_F(LogFile, TruncatedFileShortensTheLog) {
    WriteBytes("taiju.dat", "00001,2010/05/08,0523\r\n00002,2010/05/09,0521\r\n0003,2010/");
    Settings.weightdatalen = 3;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 2);
    EXPECT_EQ(WeightLog[1].date, 20100509);
    EXPECT_DOUBLE_EQ(CurrentWeight, 52.1);
}

TEST_F(LogFile, ExtraRecordsBeyondTheCountAreIgnored) {
    std::string text;
    for (int i = 1; i <= 5; i++) {
        char line[32];
        snprintf(line, sizeof line, "%05d,2010/05/%02d,%04d\r\n", i, i, 500 + i);
        text += line;
    }
    WriteBytes("taiju.dat", text);
    Settings.weightdatalen = 3;
    WeightLog[3].weight = 77;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 3);
    EXPECT_EQ(WeightLog[2].weight, 503);
    EXPECT_EQ(WeightLog[3].weight, 77) << "slots past the count are not touched";
    EXPECT_DOUBLE_EQ(CurrentWeight, 50.3);
}

TEST_F(LogFile, MissingFileEmptiesTheLogSilently) {
    Settings.weightdatalen = 5;
    EXPECT_EQ(LoadLog(), 0);
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(Fake.messageCount, 0);
}

TEST_F(LogFile, EmptyFileEmptiesTheLog) {
    WriteBytes("taiju.dat", "");
    Settings.weightdatalen = 2;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 0);
}

TEST_F(LogFile, SavingAnEmptyLogLeavesTheOldFile) {
    WriteBytes("taiju.dat", "00001,2010/05/08,0523\r\n");
    Settings.weightdatalen = 0;
    EXPECT_EQ(SaveLog(kOwner, 0), -1);
    EXPECT_EQ(SaveLog(kOwner, 1), -1);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/08,0523\r\n");
    EXPECT_FALSE(FileExists("taiju.csv"));
    EXPECT_EQ(Fake.messageCount, 0);
}

TEST_F(LogFile, CsvLinesCarryKilogramsWithSixDecimals) {
    Append(20100508, 523);
    Append(20091231, 615);
    Append(20100101, -5);
    ASSERT_EQ(SaveLog(kOwner, 1), 0);
    EXPECT_EQ(ReadBytes("taiju.csv"), "00001,2010/05/08,52.300000\r\n"
                                      "00002,2009/12/31,61.500000\r\n"
                                      "00003,2010/01/01,-0.500000\r\n");
    EXPECT_FALSE(FileExists("taiju.dat")) << "only the CSV is written";
    ASSERT_EQ(SaveLog(kOwner, 2), 0);
    EXPECT_TRUE(FileExists("taiju.dat")) << "any value but 1 writes taiju.dat";
}

TEST_F(LogFile, AppendRefusesWhatWouldBreakTheFrame) {
    EXPECT_EQ(AppendWeightEntry(20100508, 10000), -1);
    EXPECT_EQ(AppendWeightEntry(20100508, -1000), -1);
    EXPECT_EQ(AppendWeightEntry(-20100508, 500), -1);
    EXPECT_EQ(AppendWeightEntry(100000101, 500), -1);
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(AppendWeightEntry(0, -999), 0);
    EXPECT_EQ(AppendWeightEntry(99999999, 9999), 0);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,0000/00/00,-999\r\n00002,9999/99/99,9999\r\n");
}

TEST_F(LogFile, SaveRefusesAnEntryThatBreaksTheFrame) {
    WriteBytes("taiju.dat", "00001,2010/05/08,0523\r\n");
    Append(20100508, 523);
    Append(20100509, 524);
    WeightLog[1].weight = 12345; // put there directly, bypassing the append check
    EXPECT_EQ(SaveLog(kOwner, 0), -1);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/08,0523\r\n");
    EXPECT_EQ(Fake.last.text, kLogOpenError);
    EXPECT_FALSE(FileExists("taiju.dat.tmp"));
}

TEST_F(LogFile, AFullLogSavesLoadsAndRefusesMore) {
    for (int i = 0; i < kLogCapacity; i++)
        WeightLog[i] = WeightEntry{20000101 + i % 28, 400 + i % 600};
    Settings.weightdatalen = kLogCapacity;
    WeightLog[kLogCapacity - 1] = WeightEntry{20991231, 812};
    EXPECT_EQ(AppendWeightEntry(20100508, 500), -1);
    EXPECT_EQ(Settings.weightdatalen, kLogCapacity);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    std::string text = ReadBytes("taiju.dat");
    ASSERT_EQ(text.size(), (size_t)kLogCapacity * 23);
    EXPECT_EQ(text.substr(text.size() - 23), "65536,2099/12/31,0812\r\n");

    ResetRecordsToDefaults();
    Settings.weightdatalen = kLogCapacity;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, kLogCapacity);
    EXPECT_EQ(WeightLog[100].date, 20000101 + 100 % 28);
    EXPECT_EQ(WeightLog[kLogCapacity - 1].date, 20991231);
    EXPECT_DOUBLE_EQ(CurrentWeight, 81.2);
}

TEST_F(LogFile, AReadOnlyLogStillLoads) {
    WriteBytes("taiju.dat", "00001,2010/05/08,0523\r\n");
    MakeReadOnly("taiju.dat");
    ExpectWriteOpenRefused("taiju.dat");
    Settings.weightdatalen = 1;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 1);
    EXPECT_EQ(WeightLog[0].weight, 523);

    Append(20100509, 520);
    EXPECT_EQ(SaveLog(kOwner, 0), -1);
    EXPECT_EQ(Fake.last.caption, "OPEN ERROR");
    EXPECT_EQ(Fake.last.text, kLogOpenError);
    EXPECT_EQ(Fake.last.owner, kOwner);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/08,0523\r\n");
}

TEST_F(LogFile, ShortReadsStillLoadEveryRecord) {
    for (int i = 0; i < 5000; i++)
        Append(20100101 + i % 28, 300 + i);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    static WeightEntry saved[5000];
    memcpy(saved, WeightLog, sizeof saved);
    ResetRecordsToDefaults();
    Faults.readStep = 7; // records arrive in pieces, split anywhere
    Settings.weightdatalen = 5000;
    LoadLog();
    ASSERT_EQ(Settings.weightdatalen, 5000);
    EXPECT_EQ(0, memcmp(saved, WeightLog, sizeof saved));
    EXPECT_DOUBLE_EQ(CurrentWeight, 529.9);
}

TEST_F(LogFile, AReadErrorPartWayIsReportedNotTakenAsTheEnd) {
    for (int i = 0; i < 3000; i++)
        Append(20100101, 500);
    ASSERT_EQ(SaveLog(kOwner, 0), 0);
    Faults.readBudget = 23 * 2500 + 5;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(Fake.last.text, kLogOpenError);
}

TEST_F(LogFile, AnUnreadableLogIsReported) {
    WriteBytes("taiju.dat", "00001,2010/05/08,0523\r\n");
    Faults.failRead = 1;
    Settings.weightdatalen = 1;
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(Fake.messageCount, 1);
    EXPECT_EQ(Fake.last.text, kLogOpenError);
}

} // namespace
