// Faults of the file system and hostile file contents: a disk that fills
// up, a folder that cannot be written, names taken by folders, bytes no
// editor should have left. The old data stays on disk, the user is told
// where the program says so, and nothing crashes.
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "../store/store_fixture.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/settings_file.h"
#include "store/settings_text.h"

namespace {

const char kLogError[] = "体重データファイルをオープンできませんでした。";
const char kSettingsError[] = "weighminder.iniファイルをオープンできませんでした。";

std::string LogText(int count) {
    std::string text;
    char record[24];
    for (int i = 0; i < count; i++) {
        FormatLogRecord(record, i,
                        WeightEntry{MakeDate(2010, 1 + i / 28 % 12, 1 + i % 28), 500 + i % 300});
        text += record;
    }
    return text;
}

std::string SettingsWithCount(int count) {
    SettingsRecord s = {0, 0, 0, count, 500, 500, 150, 0, 0, 0, 0, 0};
    CalendarDate period = {2010, 5, 8};
    char text[kSettingsBufferSize];
    int n = FormatSettingsText(text, sizeof text, &s, &period);
    return std::string(text, n);
}

class Faults : public StoreTest {
  protected:
    // Old files of `count` records, loaded as a start-up would.
    void StartWith(int count) {
        oldLog_ = LogText(count);
        oldSettings_ = SettingsWithCount(count);
        WriteBytes("taiju.dat", oldLog_);
        WriteBytes("weighminder.ini", oldSettings_);
        ASSERT_EQ(LoadSettings(nullptr), 0);
        LoadLog();
        ASSERT_EQ(Settings.weightdatalen, count);
    }
    // An entry typed and OK pressed.
    int EnterWeight(int tenths) {
        if (AppendWeightEntry(20261206, tenths) != 0)
            return -2;
        return SaveAppendedEntry(nullptr);
    }
    void ExpectOldFilesKept() {
        EXPECT_EQ(ReadBytes("taiju.dat"), oldLog_);
        EXPECT_EQ(ReadBytes("weighminder.ini"), oldSettings_);
        EXPECT_FALSE(FileExists("taiju.dat.tmp"));
        EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
    }
    std::string oldLog_, oldSettings_;
};

// The current folder on a tmpfs of its own (root only); unmounted at the end.
class SmallDisk : public Faults {
  protected:
    void SetUp() override {
        Faults::SetUp();
        if (geteuid() != 0)
            GTEST_SKIP() << "mounting a small tmpfs needs root";
        ASSERT_EQ(mkdir("disk", 0755), 0);
        ASSERT_EQ(mount("tmpfs", "disk", "tmpfs", 0, "size=64k"), 0) << strerror(errno);
        mounted_ = true;
        ASSERT_EQ(chdir("disk"), 0);
    }
    void TearDown() override {
        if (mounted_) {
            EXPECT_EQ(chdir(".."), 0);
            umount2("disk", MNT_DETACH);
            rmdir("disk");
        }
        Faults::TearDown();
    }
    // Fills the disk up to about `leave` free bytes.
    void FillLeaving(int leave) {
        FILE* f = fopen("filler", "wb");
        ASSERT_NE(f, nullptr);
        char block[1024] = {};
        struct stat st;
        while (fwrite(block, 1, sizeof block, f) == sizeof block && fflush(f) == 0)
            ;
        (void)fclose(f);
        ASSERT_EQ(stat("filler", &st), 0);
        ASSERT_EQ(truncate("filler", st.st_size > leave ? st.st_size - leave : 0), 0);
    }
    bool mounted_ = false;
};

TEST_F(SmallDisk, AFullDiskKeepsTheOldFilesAndTheEntryCanBeMadeLater) {
    StartWith(1000); // 23,000 bytes of log on a 64 KB disk
    FillLeaving(4096);
    EXPECT_EQ(EnterWeight(612), -1);
    EXPECT_EQ(Fake.last.text, kLogError);
    EXPECT_EQ(Settings.weightdatalen, 1000) << "the refused entry is not counted";
    ExpectOldFilesKept();
    // At exit the settings still name the 1,000 records that are on disk.
    SaveSettings(nullptr);
    ResetRecordsToDefaults();
    LoadSettings(nullptr);
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 1000);

    // Room again: the same entry goes through.
    ASSERT_EQ(unlink("filler"), 0);
    Fake.messageCount = 0;
    EXPECT_EQ(EnterWeight(612), 0);
    EXPECT_EQ(Fake.messageCount, 0);
    EXPECT_EQ(ReadBytes("taiju.dat"), oldLog_ + "01001,2026/12/06,0612\r\n");
}

TEST_F(SmallDisk, AReadOnlyFolderRefusesSavesAndKeepsTheFiles) {
    StartWith(20);
    ASSERT_EQ(chdir(".."), 0);
    ASSERT_EQ(mount(nullptr, "disk", nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    ASSERT_EQ(chdir("disk"), 0);
    ResetRecordsToDefaults();
    ASSERT_EQ(LoadSettings(nullptr), 0) << "reading needs no write access";
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 20);
    EXPECT_EQ(Fake.messageCount, 0);

    EXPECT_EQ(EnterWeight(612), -1);
    EXPECT_EQ(Fake.last.text, kLogError);
    EXPECT_EQ(SaveSettings(nullptr), -1);
    EXPECT_EQ(Fake.last.text, kSettingsError);
    EXPECT_EQ(Fake.messageCount, 2);
    ExpectOldFilesKept();
}

// A size limit on files written by this process: writes stop with EFBIG
// part way through the temporary file.
TEST_F(Faults, AFileSizeLimitPartWayThroughASaveKeepsTheOldLog) {
    StartWith(3000); // 69,000 bytes
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 40000;
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int result = EnterWeight(612);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(Fake.last.text, kLogError);
    EXPECT_EQ(Settings.weightdatalen, 3000);
    ExpectOldFilesKept();
}

TEST_F(Faults, ASettingsFileThatIsAFolder) {
    WriteBytes("taiju.dat", LogText(5));
    ASSERT_EQ(mkdir("weighminder.ini", 0755), 0);
    EXPECT_EQ(LoadSettings(nullptr), -1);
    EXPECT_EQ(Fake.last.text, kSettingsError);
    EXPECT_EQ(Settings.height, 150) << "the defaults stay";
    EXPECT_EQ(SaveSettings(nullptr), -1) << "the folder is not replaced";
    EXPECT_EQ(Fake.messageCount, 2);
    struct stat st;
    EXPECT_EQ(stat("weighminder.ini", &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_FALSE(FileExists("weighminder.ini.tmp"));
    EXPECT_EQ(ReadBytes("taiju.dat"), LogText(5));
    rmdir("weighminder.ini");
}

TEST_F(Faults, ALogThatIsAFolder) {
    WriteBytes("weighminder.ini", SettingsWithCount(5));
    ASSERT_EQ(mkdir("taiju.dat", 0755), 0);
    ASSERT_EQ(LoadSettings(nullptr), 0);
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_EQ(Fake.last.text, kLogError) << "a log that cannot be read is reported";
    EXPECT_EQ(EnterWeight(612), -1);
    EXPECT_EQ(Fake.messageCount, 2);
    EXPECT_EQ(ReadBytes("weighminder.ini"), SettingsWithCount(5)) << "the count is not lowered";
    rmdir("taiju.dat");
}

// Settings files with foreign line ends and stray bytes still give their
// values; what cannot be read leaves the field alone.
TEST_F(Faults, SettingsWithOtherLineEndsNulBytesAndGarbage) {
    std::string lines = "winX=40\r\nwinY=30\r\ntopmost=1\r\nweightdatalen=7\r\n"
                        "targetweight=612\r\noriginal=550\r\nheight=172\r\nlimit=1\r\n"
                        "limit2=1\r\nninpu=1\r\nrisou=1\r\nstartdate=20240102\r\n";
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = lines;
        for (size_t p = 0; (p = s.find(from, p)) != std::string::npos; p += to.size())
            s.replace(p, from.size(), to);
        return s;
    };
    for (const std::string& text :
         {replaced("\r\n", "\r"), replaced("\r\n", "\n"), replaced("\r\n", std::string("\0", 1))}) {
        WriteBytes("weighminder.ini", text);
        ResetRecordsToDefaults();
        ASSERT_EQ(LoadSettings(nullptr), 0);
        EXPECT_EQ(Settings.winX, 40);
        EXPECT_EQ(Settings.targetweight, 612);
        EXPECT_EQ(Settings.height, 172);
        EXPECT_EQ(Settings.weightdatalen, 7);
        EXPECT_EQ(PeriodStartDate.year, 2024);
    }
    EXPECT_EQ(Fake.messageCount, 0);

    // Binary garbage: nothing found, nothing changed, and the next save
    // writes proper lines.
    srand(7);
    std::string garbage;
    for (int i = 0; i < 999; i++)
        garbage += (char)(rand() & 0xFF);
    WriteBytes("weighminder.ini", garbage);
    ResetRecordsToDefaults();
    ASSERT_EQ(LoadSettings(nullptr), 0);
    EXPECT_EQ(Settings.height, 150);
    ASSERT_EQ(SaveSettings(nullptr), 0);
    EXPECT_EQ(ReadBytes("weighminder.ini").substr(0, 16), "winX=0\r\nwinY=0\r\n");
}

// Logs with foreign line ends and stray bytes: the records are taken at
// their fixed offsets, the count never exceeds the whole records there, and
// whatever was read can be saved again.
TEST_F(Faults, LogsWithOtherLineEndsNulBytesAndGarbage) {
    std::string crlf = LogText(3);
    std::string lf, cr;
    for (size_t i = 0; i < crlf.size(); i++) {
        if (crlf[i] != '\r')
            lf += crlf[i];
        if (crlf[i] != '\n')
            cr += crlf[i];
    }
    std::string garbage;
    srand(11);
    for (int i = 0; i < 23 * 40 + 5; i++)
        garbage += (char)(rand() & 0xFF);
    std::string nul = crlf;
    nul[17] = '\0'; // a zero in the first weight ends it early: "\0" + "500"
    nul[6 + 23] = '\0';
    const struct {
        std::string bytes;
        int loaded;
        int firstDate; // -1: whatever the garbage reads as
    } cases[] = {{lf, 2, 20100101}, {cr, 2, 20100101}, {garbage, 40, -1}, {nul, 3, 20100101}};
    for (const auto& c : cases) {
        WriteBytes("weighminder.ini", SettingsWithCount(65536));
        WriteBytes("taiju.dat", c.bytes);
        ResetRecordsToDefaults();
        ASSERT_EQ(LoadSettings(nullptr), 0);
        LoadLog();
        EXPECT_EQ(Settings.weightdatalen, c.loaded);
        if (c.firstDate >= 0) {
            EXPECT_EQ(WeightLog[0].date, c.firstDate) << "the first record's date is whole";
        }
        ASSERT_EQ(SaveLog(nullptr, 0), 0) << "what was read can be written";
        EXPECT_EQ(ReadBytes("taiju.dat").size(), (size_t)c.loaded * kLogRecordSize);
    }
    EXPECT_EQ(WeightLog[0].weight, 0) << "a weight cut by a zero byte reads as 0";
    EXPECT_EQ(Fake.messageCount, 0);
}

// A settings file that cannot be read gives no count: the log is not taken
// as empty (the next entry would replace it) but read whole.
TEST_F(Faults, SettingsThatCannotBeReadStillGiveTheWholeLog) {
    for (int tooLarge = 0; tooLarge < 2; tooLarge++) {
        WriteBytes("taiju.dat", LogText(300));
        if (tooLarge)
            WriteBytes("weighminder.ini", SettingsWithCount(300) + std::string(1000, ' '));
        else
            ASSERT_EQ(mkdir("weighminder.ini", 0755), 0);
        ResetRecordsToDefaults();
        Fake.messageCount = 0;
        EXPECT_EQ(LoadSettings(nullptr), -1);
        LoadLog();
        EXPECT_EQ(Settings.weightdatalen, 300) << (tooLarge ? "too large" : "a folder");
        EXPECT_EQ(Settings.height, 150) << "the other fields keep their values";
        EXPECT_EQ(Fake.messageCount, 1);
        EXPECT_EQ(EnterWeight(612), tooLarge ? 0 : -1); // a folder cannot be replaced
        EXPECT_EQ(ReadBytes("taiju.dat"), LogText(300) + "00301,2026/12/06,0612\r\n");
        rmdir("weighminder.ini");
    }
}

TEST_F(Faults, ACountOf65536WithAShortFileLoadsTheRecordsThere) {
    WriteBytes("weighminder.ini", SettingsWithCount(65536));
    WriteBytes("taiju.dat", LogText(1234) + "00001,20");
    ASSERT_EQ(LoadSettings(nullptr), 0);
    LoadLog();
    EXPECT_EQ(Settings.weightdatalen, 1234);
    EXPECT_EQ(CurrentWeight, (500 + 1233 % 300) / 10.0);
}

TEST_F(Faults, AFullLogRefusesTheEntryAndKeepsBothFiles) {
    StartWith(65536);
    EXPECT_EQ(EnterWeight(612), -2);
    EXPECT_EQ(Settings.weightdatalen, 65536);
    ExpectOldFilesKept();
    EXPECT_EQ(ReadBytes("taiju.dat").size(), 65536u * 23);
    // One short of full takes the last entry, numbered 65536.
    StartWith(65535);
    EXPECT_EQ(EnterWeight(612), 0);
    EXPECT_EQ(ReadBytes("taiju.dat").substr(65535u * 23), "65536,2026/12/06,0612\r\n");
    EXPECT_NE(ReadBytes("weighminder.ini").find("\r\nweightdatalen=65536\r\n"), std::string::npos);
}

} // namespace
