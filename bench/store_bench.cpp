// A full log (65,536 entries, 1.5 MB) through the real file code, against
// the physical floor: the same bytes read or written with one plain call.
// Both save figures include fsync; the save also renames and syncs the folder.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include "store/import_file.h"
#include "store/log_file.h"
#include "store/platform.h"
#include "store/records.h"

namespace {

enum { kLogBytes = kLogCapacity * 23, kImportLines = 65536 };
WeightEntry MergedLog[kLogCapacity];
char RawBuffer[kLogBytes];
char Folder[] = "/tmp/wm-store-bench-XXXXXX";

void RemoveFolder() {
    unlink("taiju.dat");
    unlink("raw.dat");
    unlink("import.csv");
    if (chdir("/tmp") == 0)
        rmdir(Folder);
}

// Runs every benchmark in one scratch folder with a full log in memory and
// on disk.
void Prepare() {
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    if (!mkdtemp(Folder) || chdir(Folder) != 0)
        abort();
    atexit(RemoveFolder);
    InstallPlatformSeams();
    ResetRecordsToDefaults();
    LoadLog(); // no taiju.dat yet: that is what the first save replaces
    for (int i = 0; i < kLogCapacity; i++)
        WeightLog[i] = WeightEntry{20000101 + i % 28, 400 + i % 600};
    Settings.weightdatalen = kLogCapacity;
    if (SaveLog(nullptr, 0) != 0)
        abort();
    FILE* f = fopen("taiju.dat", "rb");
    if (!f || fread(RawBuffer, 1, kLogBytes, f) != kLogBytes)
        abort();
    fclose(f);
    int fd = open("raw.dat", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, RawBuffer, kLogBytes) != kLogBytes)
        abort();
    close(fd);
}

void BM_LoadLog(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        Settings.weightdatalen = kLogCapacity;
        LoadLog();
        benchmark::DoNotOptimize(CurrentWeight);
    }
    if (Settings.weightdatalen != kLogCapacity)
        state.SkipWithError("the log did not load whole");
    state.SetBytesProcessed(state.iterations() * (int64_t)kLogBytes);
}

void BM_SaveLog(benchmark::State& state) {
    Prepare();
    Settings.weightdatalen = kLogCapacity;
    for (auto _ : state) {
        if (SaveLog(nullptr, 0) != 0)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)kLogBytes);
}

void BM_RawRead(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        int fd = open("raw.dat", O_RDONLY);
        ssize_t n = read(fd, RawBuffer, kLogBytes);
        close(fd);
        if (n != kLogBytes)
            state.SkipWithError("short read");
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)kLogBytes);
}

void BM_RawWrite(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        int fd = open("raw.dat", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ssize_t n = write(fd, RawBuffer, kLogBytes);
        fsync(fd);
        close(fd);
        if (n != kLogBytes)
            state.SkipWithError("short write");
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)kLogBytes);
}

// A Withings export of 65,536 lines, two weighings a day newest first, read
// and merged into a log of 32,768 entries: what the import does before it
// asks, and the merge after.
void BM_ImportFile(benchmark::State& state) {
    Prepare();
    enum { kDays = kImportLines / 2 };
    FILE* f = fopen("import.csv", "wb");
    fprintf(f, "Date,\"Weight (kg)\",\"Fat mass (kg)\",Comments\n");
    for (int day = kDays - 1; day >= 0; day--) {
        time_t at = (time_t)day * 86400 + 946684800; // from 2000-01-01
        struct tm t;
        gmtime_r(&at, &t);
        for (int hour : {19, 7})
            fprintf(f, "\"%04d-%02d-%02d %02d:30:00\",%d.%d,,\n", t.tm_year + 1900, t.tm_mon + 1,
                    t.tm_mday, hour, 60 + day % 20, hour % 10);
    }
    fclose(f);
    Settings.weightdatalen = kLogCapacity / 2;
    for (auto _ : state) {
        ImportSummary s = ReadImportFile("import.csv");
        if (s.verdict != kImportReady || s.added + s.known != kDays)
            state.SkipWithError("the file was not read whole");
        MergeByDate(WeightLog, kLogCapacity / 2, WeightLog, s.added, MergedLog);
        benchmark::DoNotOptimize(MergedLog[0]);
    }
    Settings.weightdatalen = kLogCapacity;
}

BENCHMARK(BM_LoadLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond);

} // namespace
