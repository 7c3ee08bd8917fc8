// taiju.dat as any bytes, with any count in the settings: the loader never
// crashes, reads exactly the whole records the count asks for, takes each
// one apart as the plain decimal conversion does (the fast path for
// ordinary records must agree with it), and a loaded log saves and loads
// back unchanged.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "fuzz/memory_files.h"
#include "fuzz/require.h"
#include "store/log_file.h"
#include "store/log_text.h"

// The C library's own conversion of one fixed-width field.
static int Field(const uint8_t* record, int offset, int width) {
    char text[8] = {};
    memcpy(text, record + offset, width);
    return (int)strtol(text, nullptr, 10);
}

static WeightEntry Reference(const uint8_t* r) {
    WeightEntry e;
    e.date = Field(r, 6, 4) * 10000 + Field(r, 11, 2) * 100 + Field(r, 14, 2);
    e.weight = Field(r, 17, 4);
    if (e.date < 0) // no record can hold it: read as no date
        e.date = 0;
    return e;
}

static WeightEntry Loaded[kLogCapacity];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    // The count: mostly near the file's length, sometimes far beyond it.
    int count = (int)((data[0] | data[1] << 8) % 70000) - 1000;
    int readStep = data[2] % 64;
    data += 3, size -= 3;
    if (size > kLogCapacity * 23)
        size = kLogCapacity * 23;

    InstallMemorySeams();
    ResetRecordsToDefaults();
    Settings.weightdatalen = count;
    SetMemoryFile("taiju.dat", data, size, readStep);
    Require(LoadLog() == 0 && MemoryMessageCount() == 0);

    int wanted = count < 0 ? 0 : count > kLogCapacity ? kLogCapacity : count;
    int whole = (int)(size / 23);
    int expected = wanted < whole ? wanted : whole;
    Require(Settings.weightdatalen == expected);
    for (int i = 0; i < expected; i++) {
        WeightEntry r = Reference(data + 23 * i);
        Require(WeightLog[i].date == r.date && WeightLog[i].weight == r.weight);
    }
    if (expected > 0)
        Require(CurrentWeight == WeightLog[expected - 1].weight / 10.0);
    if (expected == 0)
        return 0;

    // Whatever was loaded can be saved again and reads back the same.
    memcpy(Loaded, WeightLog, sizeof(WeightEntry) * expected);
    Require(SaveLog(nullptr, 0) == 0 && MemoryMessageCount() == 0);
    Require(MemoryFileNamed("taiju.dat")->length == expected * 23);
    memset(WeightLog, 0, sizeof(WeightEntry) * expected);
    Settings.weightdatalen = expected;
    Require(LoadLog() == 0 && Settings.weightdatalen == expected);
    Require(memcmp(Loaded, WeightLog, sizeof(WeightEntry) * expected) == 0);

    // The CSV export of the same log is written without complaint.
    Require(SaveLog(nullptr, 1) == 0 && MemoryMessageCount() == 0);
    return 0;
}
