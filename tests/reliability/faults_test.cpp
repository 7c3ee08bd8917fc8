// Crashes, faults of the file system and hostile contents: the old data stays,
// the user is told, and whatever was read can be saved again.
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "../store/store_fixture.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/messages.h"
#include "store/settings_file.h"

namespace {

using std::make_tuple;
using std::string;

string Log(int count, int i = 0) { // records 1 ... count: 1987/12/01 1234, 1987/12/02 1235, ...
    string text;
    for (char record[24]; i < count; i++)
        text.append(record, FormatLogRecord(record, i, {19871201 + i % 28, 1234 + i % 7000}));
    return text;
}

string Ini(int count) {
    return "height=171\r\nweightdatalen=" + std::to_string(count) + "\r\n";
}

// Each test runs on a small disk of its own (a tmpfs, when run as root).
class Faults : public StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(!root_ || (mkdir("disk", 0755) == 0 &&
                               mount("tmpfs", "disk", "tmpfs", 0, "size=4m") == 0 &&
                               chdir("disk") == 0));
    }
    void TearDown() override {
        if (root_ && chdir("..") == 0)
            umount2("disk", MNT_DETACH);
        StoreTest::TearDown();
    }
    const bool root_ = geteuid() == 0;
};

// Each log (generation) has its weights; the settings keep it in targetweight.
WeightEntry Expected(int generation, int i) {
    return {20100101 + i / 28 % 12 * 100 + i % 28, 400 + (generation * 37 + i * 11) % 600};
}

[[noreturn]] void EnterWeightsForever() {
    LoadSettings(nullptr);
    LoadLog();
    for (;;) {
        int generation = Settings.targetweight, count = Settings.weightdatalen;
        WeightEntry e = Expected(generation, count);
        Settings.height = count + 1;
        if (count >= 10 + generation % 4 * 150) { // the reset command; height repeats the count
            Settings.weightdatalen = Settings.height = 0, Settings.targetweight++;
            SaveSettings(nullptr);
        } else if (AppendWeightEntry(e.date, e.weight) != 0 || SaveAppendedEntry(nullptr) != 0) {
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
                    WIFSIGNALED(status)) << "the child stopped by itself";
        ResetRecordsToDefaults();
        ASSERT_EQ(LoadSettings(nullptr), 0);
        int count = Settings.weightdatalen;
        LoadLog();
        ASSERT_EQ(make_tuple(Settings.weightdatalen, Settings.height), make_tuple(count, count));
        ASSERT_EQ(ReadBytes("taiju.dat").size() % 23, 0u) << "a torn record";
        for (int i = 0; i < count; i++) {
            WeightEntry e = Expected(Settings.targetweight, i);
            ASSERT_TRUE(WeightLog[i].date == e.date && WeightLog[i].weight == e.weight) << i;
        }
        ASSERT_GE(make_tuple(Settings.targetweight, count), last) << "went back";
        last = {Settings.targetweight, count};
    }
    EXPECT_NE(last, make_tuple(0, 0)) << "the child never saved anything";
}

// After a fault an entry is refused with the log's error (a full log says nothing)
// and both files stay whole; without it, it goes through (one short of full).
TEST_F(Faults, AFailedSaveKeepsTheOldFilesAndTheEntryCanBeMadeLater) {
    signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
    const std::tuple<const char*, int, bool, void (*)(bool)> cases[] = {
        {"a full disk", 20000, true, [](bool on) {
             on ? WriteBytes("filler", string(3600000, 'x')) : (void)unlink("filler"); }},
        {"a read-only folder", 20, true, [](bool on) {
             mount(nullptr, ".", nullptr, MS_REMOUNT | (on ? MS_RDONLY : 0), nullptr); }},
        {"a file size limit", 3000, false, [](bool on) {
             rlimit limit = {on ? 40000 : RLIM_INFINITY, RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &limit); }},
        {"a flush that fails", 20, false, [](bool on) { FailCommit = on; }},
        {"files made read-only", 20, false, [](bool on) {
             chmod("taiju.dat", on ? 0444 : 0644), chmod("weighminder.ini", on ? 0444 : 0644); }},
        {"a full log", 65536, false, [](bool) {}},
    };
    for (const auto& [name, records, needsRoot, fault] : cases) {
        if (needsRoot && !root_)
            continue;
        SCOPED_TRACE(name);
        const bool full = records == 65536;
        WriteBytes("taiju.dat", Log(records));
        WriteBytes("weighminder.ini", Ini(records));
        ASSERT_EQ(LoadSettings(nullptr) + LoadLog(), 0);
        Fake.messages = 0, Fake.text = "";
        fault(true);
        EXPECT_TRUE(AppendWeightEntry(20261206, 612) != 0 || SaveAppendedEntry(nullptr) != 0);
        fault(false);
        EXPECT_EQ(make_tuple(Fake.text, Settings.weightdatalen),
                  make_tuple(full ? "" : kLogOpenErrorText, records));
        EXPECT_TRUE(ReadBytes("taiju.dat") == Log(records) && !FileExists("taiju.dat.tmp"));
        EXPECT_EQ(ReadBytes("weighminder.ini"), Ini(records));
        Settings.weightdatalen -= full;
        Fake.messages = 0;
        EXPECT_EQ(AppendWeightEntry(20261206, 612), 0);
        EXPECT_EQ(SaveAppendedEntry(nullptr), 0);
        char added[24];
        FormatLogRecord(added, records - full, {20261206, 612});
        EXPECT_TRUE(ReadBytes("taiju.dat") == Log(records - full) + added) << Fake.messages;
        EXPECT_EQ(ReadBytes("weighminder.ini").find(Ini(records - full + 1).substr(12)), 27u);
    }
}

const char kFolder[] = "<a folder>", kLoop[] = "<a link to itself>", kAny[] = "<any records>";

// Files that cannot be read or hold stray bytes: what a start-up says and takes.
TEST_F(Faults, StartingWithUnreadableOrDamagedFiles) {
    string lf = Log(3), cr = lf, nul = lf, noise(23 * 40 + 5, ' ');
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    cr.erase(std::remove(cr.begin(), cr.end(), '\n'), cr.end());
    nul[17] = nul[6 + 23] = '\0'; // the first weight and the second year end at once
    for (size_t i = 0; i < noise.size(); i++)
        noise[i] = (char)(i * 2654435761u >> 13);
    const char *ini = kSettingsOpenErrorText, *size = kSettingsSizeErrorText;
    const char* dat = kLogOpenErrorText;
    const std::tuple<const char*, string, string, int, const char*, int, int, string> cases[] = {
        // name, settings, log, read step, message, count, height, log saved again
        {"settings that are a folder", kFolder, Log(5), 0, ini, 5, 150, Log(5)},
        {"settings that are a link loop", kLoop, Log(5), 0, ini, 5, 150, Log(5)},
        {"settings of 1,000 bytes", Ini(2) + string(1000, ' '), Log(5), 0, size, 5, 150, Log(5)},
        {"settings with CR, LF and zero ends", string("weightdatalen=5\rheight=171\n\0\0", 29),
         Log(5), 0, nullptr, 5, 171, Log(5)},
        {"settings of noise", noise.substr(0, 999), Log(5), 0, nullptr, 0, 150, ""},
        {"a log that is a folder", Ini(5), kFolder, 0, dat, 0, 171, ""},
        {"a log longer than its count", Ini(3), Log(5), 0, nullptr, 3, 171, Log(3)},
        {"a log shorter than its count", Ini(65536), Log(1234) + "00001,20", 0, nullptr, 1234, 171,
         Log(1234)},
        {"a log read in pieces", Ini(3000), Log(3000), 40, nullptr, 3000, 171, Log(3000)},
        {"a log with zero bytes", Ini(3), nul, 0, nullptr, 3, 171,
         "00001,1987/12/01,0000\r\n00002,0000/12/02,1235\r\n" + Log(3, 2)},
        {"a log with LF line ends", Ini(3), lf, 0, nullptr, 2, 171, kAny},
        {"a log with CR line ends", Ini(3), cr, 0, nullptr, 2, 171, kAny},
        {"a log of noise", Ini(65536), noise, 0, nullptr, 40, 171, kAny},
    };
    for (const auto& [name, settings, log, readStep, message, count, height, saved] : cases) {
        SCOPED_TRACE(name);
        for (auto [file, bytes] :
             {make_tuple("weighminder.ini", settings), make_tuple("taiju.dat", log)}) {
            std::filesystem::remove(file);
            if (bytes == kFolder || bytes == kLoop)
                ASSERT_EQ(bytes == kFolder ? mkdir(file, 0755) : symlink(file, file), 0);
            else if (!bytes.empty())
                WriteBytes(file, bytes);
        }
        ResetRecordsToDefaults();
        Fake.messages = 0, Fake.flags = 0, Fake.text = "", ReadStep = readStep;
        EXPECT_EQ(LoadSettings(nullptr), message && message != dat ? -1 : 0);
        LoadLog();
        EXPECT_EQ(make_tuple(Fake.messages, Fake.text, Fake.flags),
                  make_tuple(!!message, message ? message : "", message ? 0x10u : 0u)); // error
        EXPECT_EQ(make_tuple(Settings.weightdatalen, Settings.height), make_tuple(count, height));
        string again = count > 0 && SaveLog(nullptr, 0) == 0 ? ReadBytes("taiju.dat") : "";
        EXPECT_TRUE(saved == kAny ? again.size() == 23u * count : again == saved);
    }
}

} // namespace
