// Saves that fail part way, or are cut short by a crash, leave the old file
// whole; a temporary file left behind does no harm.
#include "store_fixture.h"

#include "store/log_file.h"
#include "store/settings_file.h"

namespace {

const char kOldLog[] = "00001,2010/05/08,0523\r\n00002,2010/05/09,0521\r\n";
const char kOldSettings[] = "winX=1\r\nheight=160\r\nweightdatalen=2\r\n";

class CrashSafety : public StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        WriteBytes("taiju.dat", kOldLog);
        WriteBytes("weighminder.ini", kOldSettings);
        for (int i = 0; i < 1000; i++)
            ASSERT_EQ(AppendWeightEntry(20100601 + i % 28, 600), 0);
    }
    void ExpectOldFilesAndAnError(const char* text) {
        EXPECT_EQ(ReadBytes("taiju.dat"), kOldLog);
        EXPECT_EQ(ReadBytes("weighminder.ini"), kOldSettings);
        EXPECT_EQ(Fake.messageCount, 1);
        EXPECT_EQ(Fake.last.caption, "OPEN ERROR");
        EXPECT_EQ(Fake.last.text, text);
        EXPECT_EQ(Fake.last.flags, (unsigned)kMbIconError);
    }
};

const char kLogError[] = "体重データファイルをオープンできませんでした。";
const char kSettingsError[] = "weighminder.iniファイルをオープンできませんでした。";

TEST_F(CrashSafety, LogWriteFailingHalfWay) {
    Faults.writeBudget = 1000 * 23 / 2;
    EXPECT_EQ(SaveLog(nullptr, 0), -1);
    ExpectOldFilesAndAnError(kLogError);
    EXPECT_FALSE(FileExists("taiju.dat.tmp"));
    EXPECT_EQ(Settings.weightdatalen, 1000) << "the log in memory is unchanged";
}

TEST_F(CrashSafety, SettingsWriteFailingHalfWay) {
    Faults.writeBudget = 40;
    EXPECT_EQ(SaveSettings(nullptr), -1);
    ExpectOldFilesAndAnError(kSettingsError);
    EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
}

TEST_F(CrashSafety, DiskFullWhenFlushing) {
    Faults.failCommit = 1;
    EXPECT_EQ(SaveLog(nullptr, 0), -1);
    EXPECT_EQ(SaveSettings(nullptr), -1);
    EXPECT_EQ(ReadBytes("taiju.dat"), kOldLog);
    EXPECT_EQ(ReadBytes("weighminder.ini"), kOldSettings);
    EXPECT_EQ(Fake.messageCount, 2);
}

TEST_F(CrashSafety, NothingCanBeWrittenAtAll) {
    Faults.writeBudget = 0;
    EXPECT_EQ(SaveLog(nullptr, 1), -1);
    EXPECT_FALSE(FileExists("taiju.csv"));
    EXPECT_FALSE(FileExists("taiju.csv.tmp"));
    EXPECT_EQ(Fake.last.text, kLogError);
}

TEST_F(CrashSafety, CrashBeforeTheSwapThenACleanRestart) {
    // The process dies after writing the temporary files: no move, no cleanup.
    Faults.failReplace = 1;
    Faults.keepTemp = 1;
    Settings.height = 175;
    SaveSettings(nullptr);
    SaveLog(nullptr, 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), kOldLog);
    EXPECT_EQ(ReadBytes("weighminder.ini"), kOldSettings);
    ASSERT_TRUE(FileExists("taiju.dat.tmp"));

    // The next start reads the old files and its saves go through.
    Faults = FileFaults{-1, 0, 0, 0, 0, 0, -1};
    ResetRecordsToDefaults();
    ASSERT_EQ(LoadSettings(nullptr), 0);
    LoadLog();
    EXPECT_EQ(Settings.height, 160);
    EXPECT_EQ(Settings.weightdatalen, 2);
    ASSERT_EQ(AppendWeightEntry(20100510, 519), 0);
    ASSERT_EQ(SaveSettings(nullptr), 0);
    ASSERT_EQ(SaveLog(nullptr, 0), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), std::string(kOldLog) + "00003,2010/05/10,0519\r\n");
    EXPECT_NE(ReadBytes("weighminder.ini").find("weightdatalen=3\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists("taiju.dat.tmp"));
    EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
}

TEST_F(CrashSafety, AStrayTemporaryFileIsOverwritten) {
    WriteBytes("taiju.dat.tmp", std::string(50000, 'x'));
    Settings.weightdatalen = 1;
    ASSERT_EQ(SaveLog(nullptr, 0), 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/06/01,0600\r\n");
    EXPECT_FALSE(FileExists("taiju.dat.tmp"));
}

} // namespace
