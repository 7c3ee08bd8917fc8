// weighminder.ini through the real file code: first start, round trips,
// the size limit, and what the loader captures and clamps.
#include "store_fixture.h"

#include "store/log_file.h"
#include "store/settings_file.h"

namespace {

const char kSettingsOpenError[] = "weighminder.iniファイルをオープンできませんでした。";
const char kSettingsSizeError[] =
    "weighminder.iniファイルが大きすぎるため設定を取得できませんでした。";

const char kDefaultsText[] = "winX=0\r\nwinY=0\r\ntopmost=0\r\nweightdatalen=0\r\n"
                             "targetweight=500\r\noriginal=500\r\nheight=150\r\nlimit=0\r\n"
                             "limit2=0\r\nninpu=0\r\nrisou=0\r\nstartdate=20100508\r\n";

OwnerWindow const kOwner = (OwnerWindow)0x1234;

using SettingsFile = StoreTest;

TEST_F(SettingsFile, FirstStartWritesTheDefaultsAndNoLog) {
    EXPECT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"), kDefaultsText);
    EXPECT_FALSE(FileExists("taiju.dat")) << "an empty log is not written";
    EXPECT_EQ(Fake.messageCount, 0);
    EXPECT_EQ(Settings.height, 150);
}

TEST_F(SettingsFile, MissingFileWithALogInMemoryWritesBothFiles) {
    ASSERT_EQ(AppendWeightEntry(20100507, 523), 0);
    EXPECT_EQ(LoadSettings(kOwner), 0);
    EXPECT_NE(ReadBytes("weighminder.ini").find("weightdatalen=1\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes("taiju.dat"), "00001,2010/05/07,0523\r\n");
}

TEST_F(SettingsFile, SaveThenLoadGivesTheSameBytesAndValues) {
    SettingsRecord s = {100, 200, 1, 2, 480, 510, 163, 1, 0, 1, 1, 0};
    Settings = s;
    PeriodStartDate = CalendarDate{2009, 11, 3};
    ASSERT_EQ(SaveSettings(kOwner), 0);
    const std::string text = "winX=100\r\nwinY=200\r\ntopmost=1\r\nweightdatalen=2\r\n"
                             "targetweight=480\r\noriginal=510\r\nheight=163\r\nlimit=1\r\n"
                             "limit2=0\r\nninpu=1\r\nrisou=1\r\nstartdate=20091103\r\n";
    EXPECT_EQ(ReadBytes("weighminder.ini"), text);

    ResetRecordsToDefaults();
    ASSERT_EQ(LoadSettings(kOwner), 0);
    s.startdate = 20091103;
    EXPECT_EQ(0, memcmp(&Settings, &s, sizeof s));
    EXPECT_EQ(PeriodStartDate.year, 2009);
    EXPECT_EQ(PeriodStartDate.month, 11);
    EXPECT_EQ(PeriodStartDate.day, 3);
    ASSERT_EQ(SaveSettings(kOwner), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini"), text);
    EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
}

TEST_F(SettingsFile, EveryLoadCapturesTheDateBeforeReading) {
    WriteBytes("weighminder.ini", "height=170\r\n");
    Fake.today = Day(2012, 2, 29, 3);
    ASSERT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(StartupDate.year, 2012);
    EXPECT_EQ(StartupDate.month, 2);
    EXPECT_EQ(StartupDate.day, 29);
    EXPECT_EQ(StartupDate.weekday, 3);
    EXPECT_EQ(PeriodStartDate.year * 10000 + PeriodStartDate.month * 100 + PeriodStartDate.day,
              20120229)
        << "no startdate line: the load date";

    // A later load reuses the start date of the previous file.
    WriteBytes("weighminder.ini", "startdate=20110101\r\n");
    ASSERT_EQ(LoadSettings(kOwner), 0);
    WriteBytes("weighminder.ini", "height=170\r\n");
    Fake.today = Day(2012, 3, 1, 4);
    ASSERT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(StartupDate.day, 1);
    EXPECT_EQ(PeriodStartDate.year * 10000 + PeriodStartDate.month * 100 + PeriodStartDate.day,
              20110101);
}

TEST_F(SettingsFile, StartDatesBeforeTheYear2000AreReplacedByToday) {
    WriteBytes("weighminder.ini", "startdate=19991231\r\n");
    ASSERT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(PeriodStartDate.year, 2010);
    EXPECT_EQ(PeriodStartDate.day, 8);
    WriteBytes("weighminder.ini", "startdate=20000101\r\n");
    ASSERT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(PeriodStartDate.year, 2000);
    EXPECT_EQ(PeriodStartDate.day, 1);
}

TEST_F(SettingsFile, LoadClampsWithTheScreenSize) {
    WriteBytes("weighminder.ini", "winX=5000\r\nwinY=-7\r\ntopmost=-1\r\nweightdatalen=70000\r\n");
    Fake.screenWidth = 1024;
    ASSERT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(Settings.winX, 768);
    EXPECT_EQ(Settings.winY, 0);
    EXPECT_EQ(Settings.topmost, 0);
    EXPECT_EQ(Settings.weightdatalen, 65536);
}

TEST_F(SettingsFile, A999ByteFileIsReadA1000ByteFileIsRefused) {
    std::string body = "height=171\r\nrisou=1\r\n";
    std::string text999 = body + std::string(999 - body.size(), ' ');
    WriteBytes("weighminder.ini", text999);
    EXPECT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(Settings.height, 171);
    EXPECT_EQ(Fake.messageCount, 0);

    ResetRecordsToDefaults();
    WriteBytes("weighminder.ini", text999 + " ");
    Fake.today = Day(2013, 7, 1, 1);
    EXPECT_EQ(LoadSettings(kOwner), -1);
    EXPECT_EQ(Settings.height, 150) << "no field changes";
    EXPECT_EQ(StartupDate.year, 2013) << "the date is captured all the same";
    EXPECT_EQ(Fake.messageCount, 1);
    EXPECT_EQ(Fake.last.caption, "SIZE ERROR");
    EXPECT_EQ(Fake.last.text, kSettingsSizeError);
    EXPECT_EQ(Fake.last.flags, (unsigned)kMbIconError);
    EXPECT_EQ(Fake.last.owner, kOwner);
    EXPECT_EQ(ReadBytes("weighminder.ini").size(), 1000u) << "the file is left alone";
}

TEST_F(SettingsFile, AReadOnlyFileLoadsButIsNotReplaced) {
    WriteBytes("weighminder.ini", "height=181\r\n");
    MakeReadOnly("weighminder.ini");
    ExpectWriteOpenRefused("weighminder.ini");
    EXPECT_EQ(LoadSettings(kOwner), 0);
    EXPECT_EQ(Settings.height, 181);

    Settings.height = 120;
    EXPECT_EQ(SaveSettings(kOwner), -1);
    EXPECT_EQ(ReadBytes("weighminder.ini"), "height=181\r\n");
    EXPECT_EQ(Fake.last.caption, "OPEN ERROR");
    EXPECT_EQ(Fake.last.text, kSettingsOpenError);
    EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
}

TEST_F(SettingsFile, AnUnreadableFileIsReportedAndKept) {
    WriteBytes("weighminder.ini", "height=181\r\n");
    Faults.failRead = 1;
    EXPECT_EQ(LoadSettings(kOwner), -1);
    EXPECT_EQ(Fake.last.text, kSettingsOpenError);
    EXPECT_EQ(Settings.height, 150);
    EXPECT_EQ(ReadBytes("weighminder.ini"), "height=181\r\n") << "not overwritten with defaults";
}

} // namespace
