// Saves killed at random moments: a child process keeps entering weights
// (and now and then resets the log) through the storage code, and is killed
// with SIGKILL after a random pause, again and again. After every kill the
// files on disk are loaded as a start-up would: they must give a state the
// child passed through complete, never a shorter log than the last state
// seen, never a torn record, never records of a log from before a reset.
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "../store/store_fixture.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "store/settings_file.h"
#include "store/settings_text.h"

namespace {

// Each log (a "generation", stored in targetweight) has its own weights, so
// a record left over from before a reset cannot pass for a new one.
WeightEntry Expected(int generation, int i) {
    return WeightEntry{MakeDate(2010 + i / 336, 1 + i / 28 % 12, 1 + i % 28),
                       400 + (generation * 37 + i * 11) % 600};
}
int ExpectedHeight(int count) {
    return 100 + count % 100;
}
// The log is reset when it reaches this length, so the loop covers resets
// and logs of some thousands of records.
int ResetLength(int generation) {
    return 500 + generation % 7 * 400;
}

[[noreturn]] void EnterWeightsForever() {
    LoadSettings(nullptr);
    LoadLog();
    for (;;) {
        int generation = Settings.targetweight;
        int count = Settings.weightdatalen;
        if (count >= ResetLength(generation)) {
            // The reset command: the settings alone, count 0, old log kept.
            Settings.weightdatalen = 0;
            Settings.targetweight = generation + 1;
            Settings.height = ExpectedHeight(0);
            SaveSettings(nullptr);
            continue;
        }
        WeightEntry e = Expected(generation, count);
        if (AppendWeightEntry(e.date, e.weight) != 0)
            _exit(3);
        Settings.height = ExpectedHeight(count + 1);
        if (SaveAppendedEntry(nullptr) != 0)
            _exit(4);
    }
}

struct Seen {
    int generation;
    int count;
};

class CrashLoop : public StoreTest {};

TEST_F(CrashLoop, EveryKillLeavesACompleteStateAndNothingShorter) {
    const int kKills = 1000;
    unsigned seed = 1;
    if (const char* s = getenv("WM_CRASH_SEED"))
        seed = (unsigned)strtoul(s, nullptr, 10);
    srand(seed);
    SCOPED_TRACE("WM_CRASH_SEED=" + std::to_string(seed));
    Settings.targetweight = 0;
    Settings.height = ExpectedHeight(0);
    PeriodStartDate = CalendarDate{2010, 5, 8}; // as any load reads it back
    ASSERT_EQ(SaveSettings(nullptr), 0);

    Seen last = {0, 0};
    int midSave = 0, resets = 0, longest = 0;
    for (int kill = 0; kill < kKills; kill++) {
        (void)fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            EnterWeightsForever();
        usleep(1000 + rand() % 25000);
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        midSave += FileExists("taiju.dat.tmp") || FileExists("weighminder.ini.tmp");

        // Start-up: settings, then the log the settings count.
        std::string ini = ReadBytes("weighminder.ini");
        ResetRecordsToDefaults();
        Fake.messageCount = 0;
        ASSERT_EQ(LoadSettings(nullptr), 0) << "kill " << kill;
        int saidCount = Settings.weightdatalen;
        LoadLog();
        ASSERT_EQ(Fake.messageCount, 0) << "kill " << kill << ": " << Fake.last.text;
        Seen now = {Settings.targetweight, Settings.weightdatalen};

        // The settings file is exactly one the child wrote in full.
        char text[kSettingsBufferSize + 1];
        int length = FormatSettingsText(text, sizeof text, &Settings, &PeriodStartDate);
        ASSERT_EQ(ini, std::string(text, length)) << "kill " << kill;
        ASSERT_EQ(Settings.height, ExpectedHeight(now.count)) << "kill " << kill;
        // Every record the settings count is there, whole, from this log.
        ASSERT_EQ(now.count, saidCount) << "kill " << kill << ": the log is shorter";
        for (int i = 0; i < now.count; i++) {
            WeightEntry e = Expected(now.generation, i);
            ASSERT_TRUE(WeightLog[i].date == e.date && WeightLog[i].weight == e.weight)
                << "kill " << kill << ": record " << i + 1 << " of " << now.count;
        }
        std::string dat = ReadBytes("taiju.dat");
        ASSERT_EQ(dat.size() % kLogRecordSize, 0u) << "kill " << kill << ": a torn record";
        // Never back in time: the same log at least as long, or a newer log.
        ASSERT_TRUE(now.generation > last.generation ||
                    (now.generation == last.generation && now.count >= last.count))
            << "kill " << kill << ": " << now.generation << "/" << now.count << " after "
            << last.generation << "/" << last.count;
        resets += now.generation - last.generation;
        longest = now.count > longest ? now.count : longest;
        last = now;
    }
    RecordProperty("kills", kKills);
    RecordProperty("kills_inside_a_save", midSave);
    printf("crash loop: %d kills, %d inside a save (temporary file left), %d resets, "
           "longest log %d records, final log %d records of generation %d\n",
           kKills, midSave, resets, longest, last.count, last.generation);
    EXPECT_GT(midSave, kKills / 10) << "the kills hardly ever struck inside a save";
    EXPECT_GE(resets, 0); // how many depends on timing
}

} // namespace
