// Any bytes as a file to import, through a file seam in memory: the reader
// stays inside its buffers, and a file it takes in merges into a log of
// real days, each once, in date order, with weights a weighing can have.
#include <stdint.h>
#include <string.h>

#include "fuzz/require.h"
#include "store/file_access.h"
#include "store/import_file.h"
#include "store/log_text.h"
#include "store/platform.h"
#include "store/records.h"

static const uint8_t* Data;
static size_t Size, At;

static void InstallMemoryFiles() {
    Files.openFile = [](const char* name, int* result) {
        At = 0;
        *result = strcmp(name, "in.csv") == 0 ? kReadOk : kReadMissing;
        return *result == kReadOk ? (FileHandle)&Data : nullptr;
    };
    Files.readSome = [](FileHandle, char* buffer, int capacity) {
        int n = (int)(Size - At < (size_t)capacity ? Size - At : (size_t)capacity);
        memcpy(buffer, Data + At, n);
        At += n;
        return n;
    };
    Files.createFile = [](const char*) { return (FileHandle)&Size; };
    Files.writeFile = [](FileHandle, const char*, int) { return 0; };
    Files.commitFile = [](FileHandle) { return 0; };
    Files.closeFile = [](FileHandle) {};
    Files.replaceFile = [](const char*, const char*) { return 0; };
    Files.removeFile = [](const char*) {};
    Files.stampFile = [](const char*) { return FileStamp{kReadMissing, 0, 0}; };
    Platform.messageBox = [](OwnerWindow, const char*, const char*, unsigned) {
        return (int)kIdOk;
    };
    Platform.utcOffsetMinutes = [](int64_t utc) { return utc % 7 == 0 ? 540 : -330; };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InstallMemoryFiles();
    Data = data, Size = size;
    Settings.weightdatalen = 0;
    LogStamp = Files.stampFile("taiju.dat"); // as read at start-up: no other program writes here
    ImportSummary s = ReadImportFile("in.csv");
    Require(s.verdict >= kImportReady && s.verdict <= kImportTooMany && s.known == 0);
    Require(s.unreadable >= 0 && (s.unreadable == 0) == (s.firstUnreadable == 0));
    if (s.verdict != kImportReady)
        return 0;
    Require(ApplyImport(nullptr) == 0 && Settings.weightdatalen == s.added);
    Require(WeightLog[0].date == s.firstDate && WeightLog[s.added - 1].date == s.lastDate);
    for (int i = 0; i < s.added; i++) {
        WeightEntry e = WeightLog[i];
        Require(EntryFitsRecord(e) && e.weight >= 1 && e.date % 100 >= 1 && e.date % 100 <= 31);
        Require(e.date % 10000 / 100 >= 1 && e.date % 10000 / 100 <= 12);
        Require(i == 0 || WeightLog[i - 1].date < e.date);
    }
    return 0;
}
