// Crashes, faults of the file system and hostile contents: the old data stays,
// the user is told, and whatever was read can be saved again.
#include <signal.h>
#include <stdio.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "../store/store_fixture.h"
#include "store/log_changes.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/messages.h"
#include "store/settings_file.h"

namespace {

using std::make_tuple;
using std::string;

// Entry i of a log (generation): a day of 2010, 40.0 ... 99.9 kg.
WeightEntry Entry(int generation, int i) {
    return {20100101 + i / 28 % 12 * 100 + i % 28, 400 + (generation * 37 + i * 11) % 600};
}

string Log(int count, int generation = 0) { // its records 1 ... count
    string text;
    char record[24];
    for (int i = 0; i < count; i++)
        text.append(record, FormatLogRecord(record, i, Entry(generation, i)));
    return text;
}

string Ini(int count) {
    return "height=171\r\nweightdatalen=" + std::to_string(count) + "\r\n";
}

// Each test runs on a small disk of its own (a tmpfs, when run as root).
struct Faults : StoreTest {
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(!root_ ||
                    (mkdir("disk", 0755) == 0 &&
                     mount("tmpfs", "disk", "tmpfs", 0, "size=4m") == 0 && chdir("disk") == 0));
    }
    void TearDown() override {
        if (root_ && chdir("..") == 0)
            umount2("disk", MNT_DETACH);
        StoreTest::TearDown();
    }
    const bool root_ = geteuid() == 0;
};

// The child keeps the generation in targetweight and repeats the count in height.
[[noreturn]] void EnterWeightsForever() {
    LoadSettings(nullptr);
    LoadLog();
    for (;;) {
        int generation = Settings.targetweight, count = Settings.weightdatalen;
        WeightEntry e = Entry(generation, count);
        Settings.height = count + 1;
        if (count >= 10 + generation % 4 * 150) { // the reset command
            Settings.weightdatalen = Settings.height = 0, Settings.targetweight++;
            SaveSettings(nullptr);
        } else if (RecordWeighing(e.date, e.weight) != kStoreOk) {
            _exit(3);
        }
    }
}

// A child enters weights and now and then resets the log until SIGKILL after a
// random pause (WM_CRASH_SEED picks others). After each kill the files load to
// a state the child passed through, whole and never older than the last one.
TEST_F(Faults, EveryKillLeavesAWholeStateAndNothingOlder) {
    const char* seed = getenv("WM_CRASH_SEED");
    srand(seed ? (unsigned)strtoul(seed, nullptr, 10) : 1u);
    SCOPED_TRACE(string("WM_CRASH_SEED=") + (seed ? seed : "1"));
    Settings.targetweight = Settings.height = 0;
    ASSERT_EQ(LoadSettings(nullptr), 0); // the first start's file: generation 0, no entries
    std::tuple<int, int> last = {0, 0};
    for (int k = 0; k < 300; k++) {
        SCOPED_TRACE("kill " + std::to_string(k));
        pid_t child = fork();
        if (child == 0)
            EnterWeightsForever();
        usleep(1000 + rand() % 20000);
        int status = 0;
        ASSERT_TRUE(child > 0 && kill(child, SIGKILL) == 0 && waitpid(child, &status, 0) == child &&
                    WIFSIGNALED(status))
            << "the child stopped by itself";
        ResetRecordsToDefaults();
        ASSERT_EQ(LoadSettings(nullptr), 0);
        int count = Settings.weightdatalen;
        LoadLog();
        ASSERT_EQ(make_tuple(Settings.weightdatalen, Settings.height), make_tuple(count, count));
        string log = ReadBytes("taiju.dat");
        ASSERT_EQ(log.size() % 23, 0u) << "a torn record";
        ASSERT_EQ(log.substr(0, 23 * count), Log(count, Settings.targetweight));
        ASSERT_GE(make_tuple(Settings.targetweight, count), last) << "went back";
        last = {Settings.targetweight, count};
    }
    EXPECT_NE(last, make_tuple(0, 0)) << "the child never saved anything";
}

// Plants one fault of a save (-1: takes them all away).
void Plant(int fault) {
    fault == 0 ? WriteBytes("filler", string(3600000, 'x')) : (void)unlink("filler");
    mount(nullptr, ".", nullptr, MS_REMOUNT | (fault == 1 ? MS_RDONLY : 0), nullptr);
    rlimit limit = {fault == 2 ? 40000 : RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
    CommitsLeft = fault == 3 ? 0 : -1;
    chmod("taiju.dat", fault == 4 ? 0444 : 0644),
        chmod("weighminder.ini", fault == 4 ? 0444 : 0644);
}

// After a fault an entry is refused with the log's error (a full log says
// nothing) and both files stay whole; then it goes through (one short of full).
TEST_F(Faults, AFailedSaveKeepsTheOldFilesAndTheEntryCanBeMadeLater) {
    signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
    const std::tuple<const char*, int> cases[] = {
        {"a full disk", 20000},     {"a read-only folder", 20},   {"a file size limit", 3000},
        {"a flush that fails", 20}, {"files made read-only", 20}, {"a full log", 65536}};
    if (!root_) // CI runs as root, and so runs them
        printf("[  SKIPPED ] a full disk, a read-only folder: they need a disk of their own, "
               "which only root can mount\n");
    for (int fault = root_ ? 0 : 2; fault < 6; fault++) {
        auto [name, records] = cases[fault];
        SCOPED_TRACE(name);
        const bool full = records == 65536;
        WriteBytes("taiju.dat", Log(records));
        WriteBytes("weighminder.ini", Ini(records));
        ASSERT_EQ(LoadSettings(nullptr), 0);
        LoadLog();
        Fake.text = "";
        WeightEntry e = Entry(0, records - full);
        Plant(fault);
        EXPECT_NE(ShowStoreResult(nullptr, RecordWeighing(e.date, e.weight)), kStoreOk);
        Plant(-1);
        EXPECT_EQ(make_tuple(Fake.text, Settings.weightdatalen),
                  make_tuple(full ? kLogFullText : kLogOpenErrorText, records));
        EXPECT_TRUE(ReadBytes("taiju.dat") == Log(records) && !FileExists("taiju.dat.tmp"));
        EXPECT_EQ(ReadBytes("weighminder.ini"), Ini(records));
        Settings.weightdatalen -= full;
        EXPECT_EQ(RecordWeighing(e.date, e.weight), kStoreOk);
        EXPECT_TRUE(ReadBytes("taiju.dat") == Log(records - full + 1));
        EXPECT_EQ(ReadBytes("weighminder.ini").find(Ini(records - full + 1).substr(12)), 27u);
    }
}

// Another program changes taiju.dat while the board runs, later than the board's read (its
// time moves on; the raise of the count in weighminder.ini, when it makes one, is merged). A
// weighing goes after the records there now, a correction is refused and the file read again.
TEST_F(Faults, AChangedLogIsReadAgainAndNothingInItIsOverwritten) {
    const std::tuple<const char*, string, bool> cases[] = {
        {"a record added and counted", Log(8), true},
        {"a record added", Log(8), false},
        {"a shorter file", Log(5), false},
        {"the same size, other bytes", Log(7, 1), false},
    };
    for (const auto& [name, log, counted] : cases)
        for (int weighing : {1, 0}) {
            SCOPED_TRACE(string(name) + (weighing ? ", a weighing" : ", a correction"));
            WriteBytes("taiju.dat", Log(7)), WriteBytes("weighminder.ini", Ini(7));
            ResetRecordsToDefaults();
            ASSERT_EQ(LoadSettings(nullptr), 0);
            ASSERT_EQ(LoadLog(), 0);
            WriteBytes("taiju.dat", log);
            auto time = std::filesystem::last_write_time("taiju.dat");
            std::filesystem::last_write_time("taiju.dat", time + std::chrono::seconds(1));
            if (counted)
                WriteBytes("weighminder.ini", Ini(8));
            Fake.text = "";
            const int n = (int)log.size() / 23;
            const WeightEntry e = Entry(2, 0);
            char record[24];
            int result = weighing ? -(RecordWeighing(e.date, e.weight) != kStoreOk)
                                  : (WeightLog[0] = e, SaveLog(nullptr, 0));
            string saved = log + (weighing ? string(record, FormatLogRecord(record, n, e)) : "");
            EXPECT_EQ(make_tuple(result, Fake.text, ReadBytes("taiju.dat"), Settings.weightdatalen),
                      make_tuple(-!weighing, weighing ? "" : kLogChangedText, saved, n + weighing));
            EXPECT_EQ(ReadBytes("weighminder.ini").find(Ini(n + 1).substr(12)),
                      weighing ? 27 : string::npos);
        }
    // Settings of the same size with other bytes, and a record added but not counted: the
    // other program's values stay wherever the board changed nothing, the count is the log's.
    WriteBytes("taiju.dat", Log(8, 1));
    WriteBytes("weighminder.ini", "height=172\r\nweightdatalen=7\r\n");
    Settings.winX = 300;
    ASSERT_EQ(SaveSettings(nullptr), 0);
    EXPECT_EQ(make_tuple(ReadBytes("weighminder.ini").substr(0, 46), Settings.height),
              make_tuple("winX=300\r\nwinY=0\r\ntopmost=0\r\nweightdatalen=8\r\n", 172));
    EXPECT_EQ(SaveLog(nullptr, 0) + SaveLog(nullptr, 0), 0); // its own save is no change
}

const char kFolder[] = "<a folder>", kLoop[] = "<a link to itself>";

// Files that cannot be read or hold stray bytes: what a start-up says and takes.
TEST_F(Faults, StartingWithUnreadableOrDamagedFiles) {
    string stray = Log(3);
    stray[17] = '\0', stray[6 + 23] = '-'; // the first weight ends at once, the second year is < 0
    const char *ini = kSettingsOpenErrorText, *size = kSettingsSizeErrorText;
    const char* dat = kLogOpenErrorText;
    const std::tuple<const char*, string, string, int, const char*, int, string> cases[] = {
        // name, settings, log, read step, message, count, log saved again
        {"settings that are a folder", kFolder, Log(5), 0, ini, 5, Log(5)},
        {"settings that are a link loop", kLoop, Log(5), 0, ini, 5, Log(5)},
        {"settings of 1,000 bytes", Ini(2) + string(971, ' '), Log(5), 0, size, 5, Log(5)},
        {"files of 999 bytes and 3,000 records read in pieces", Ini(3000) + string(967, ' '),
         Log(3000), 11, nullptr, 3000, Log(3000)},
        {"a log that is a link loop", Ini(5), kLoop, 0, dat, 0, ""},
        {"a log longer than its count", Ini(3), Log(5), 0, nullptr, 3, Log(3)},
        {"a log shorter than its count", Ini(65536), Log(1234) + "00001,20", 0, nullptr, 1234,
         Log(1234)},
        {"a log with stray bytes", Ini(3), stray, 0, nullptr, 3,
         "00001,2010/01/01,0000\r\n00002,0000/00/00,0411\r\n" + Log(3).substr(46)},
    };
    for (const auto& [name, settings, log, readStep, message, count, saved] : cases) {
        SCOPED_TRACE(name);
        for (auto [file, bytes] :
             {make_tuple("weighminder.ini", settings), make_tuple("taiju.dat", log)}) {
            std::filesystem::remove(file);
            if (bytes == kFolder || bytes == kLoop)
                ASSERT_EQ(bytes == kFolder ? mkdir(file, 0755) : symlink(file, file), 0);
            else
                WriteBytes(file, bytes);
        }
        ResetRecordsToDefaults();
        Fake.messages = 0, Fake.flags = 0, Fake.text = "", ReadStep = readStep;
        const bool unreadable = message && message != dat; // the settings
        EXPECT_EQ(LoadSettings(nullptr), -unreadable);
        LoadLog();
        EXPECT_EQ(make_tuple(Fake.messages, Fake.text, Fake.flags),
                  make_tuple(!!message, message ? message : "", message ? 0x10u : 0u)); // error
        EXPECT_EQ(make_tuple(Settings.weightdatalen, Settings.height),
                  make_tuple(count, unreadable ? 150 : 171));
        EXPECT_EQ(SaveLog(nullptr, 0) == 0 ? ReadBytes("taiju.dat") : "", saved);
    }
}

} // namespace
