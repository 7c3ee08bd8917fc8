// weighminder.ini as any bytes: the loader never crashes, keeps its
// promises (size error at 1,000 bytes, clamped fields), reads the same
// however the file arrives in pieces, and what it then saves reads back as
// the same settings.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "fuzz/memory_files.h"
#include "fuzz/require.h"
#include "store/settings_file.h"
#include "store/settings_text.h"

static bool SameSettings(const SettingsRecord& a, const SettingsRecord& b) {
    return a.winX == b.winX && a.winY == b.winY && a.topmost == b.topmost &&
           a.weightdatalen == b.weightdatalen && a.targetweight == b.targetweight &&
           a.original == b.original && a.height == b.height && a.limit == b.limit &&
           a.limit2 == b.limit2 && a.ninpu == b.ninpu && a.risou == b.risou;
}

static bool SameDate(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    int readStep = data[0] % 64; // 0: the whole file in one read
    data++, size--;

    InstallMemorySeams();
    SettingsRecord defaults = {0, 0, 0, 0, 500, 500, 150, 0, 0, 0, 0, 0};
    Settings = defaults; // the log itself is not touched: the count is 0
    SettingsRecord before = Settings;
    SetMemoryFile("weighminder.ini", data, size, readStep);
    int result = LoadSettings(nullptr);

    if (size >= 1000) {
        // Nothing read: only the count changes, so the whole log is read.
        Require(result == -1 && MemoryMessageCount() == 1);
        before.weightdatalen = kLogCapacity;
        Require(SameSettings(Settings, before));
        return 0;
    }
    Require(result == 0 && MemoryMessageCount() == 0);
    Require(Settings.winX >= 0 && Settings.winX <= 1024 - 256);
    Require(Settings.winY >= 0 && Settings.winY <= 768 - 106);
    Require(Settings.topmost >= 0);
    Require(Settings.weightdatalen >= 0 && Settings.weightdatalen <= kLogCapacity);
    Require(PeriodStartDate.year >= 2000);

    // The same text parsed in one piece gives the same record.
    SettingsRecord whole = before;
    ParseSettingsText((const char*)data, (int)size, &whole);
    ClampSettings(&whole, 1024, 768);
    Require(SameSettings(whole, Settings));

    // What a save writes is read back as the same settings and start date.
    SettingsRecord loaded = Settings;
    CalendarDate period = PeriodStartDate;
    Require(SaveSettings(nullptr) == 0);
    MemoryFile* saved = MemoryFileNamed("weighminder.ini");
    Require(saved->exists && saved->length < 1000);
    Settings = defaults;
    Settings.height = -1;
    Require(LoadSettings(nullptr) == 0);
    Require(SameSettings(Settings, loaded));
    Require(SameDate(PeriodStartDate, period));
    return 0;
}
