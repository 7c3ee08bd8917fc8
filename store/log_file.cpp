#include "store/log_file.h"

#include "store/file_access.h"
#include "store/log_text.h"
#include "store/messages.h"
#include "store/safe_save.h"

static const char kLogFileName[] = "taiju.dat";
static const char kCsvFileName[] = "taiju.csv";

// The whole taiju.dat as read, at most one record per log slot.
static char LogFileText[kLogCapacity * kLogRecordSize];
static SaveStream LogSave;

static int WriteLogRecords(int csv, int count) {
    char line[kCsvLineCapacity];
    for (int i = 0; i < count; i++) {
        int n = csv ? FormatCsvLine(line, i, WeightLog[i]) : FormatLogRecord(line, i, WeightLog[i]);
        if (n < 0)
            return -1; // a record that would break the 23-byte frame
        SaveBytes(&LogSave, line, n);
    }
    return 0;
}

int SaveLog(OwnerWindow owner, int csv) {
    int count = Settings.weightdatalen;
    if (count <= 0)
        return -1;
    if (count > kLogCapacity)
        count = kLogCapacity;
    csv = csv == 1;
    int failed = BeginSave(&LogSave, csv ? kCsvFileName : kLogFileName) != 0;
    if (!failed) {
        failed = WriteLogRecords(csv, count) != 0;
        if (failed)
            LogSave.failed = 1;
        failed = FinishSave(&LogSave) != 0 || failed;
    }
    if (failed) {
        ShowStoreError(owner, kLogOpenErrorText, kOpenErrorCaption);
        return -1;
    }
    return 0;
}

int LoadLog() {
    int count = Settings.weightdatalen;
    if (count < 0)
        count = 0;
    if (count > kLogCapacity)
        count = kLogCapacity;
    int64_t size = 0;
    int length = 0;
    int result = Files.readFile(kLogFileName, LogFileText, count * kLogRecordSize, &size, &length);
    if (result != kReadOk) {
        if (result != kReadMissing)
            ShowStoreError(nullptr, kLogOpenErrorText, kOpenErrorCaption);
        Settings.weightdatalen = 0;
        return 0;
    }
    int i = 0;
    for (; i < count && (i + 1) * kLogRecordSize <= length; i++) {
        WeightLog[i] = ParseLogRecord(LogFileText + i * kLogRecordSize);
        CurrentWeight = WeightLog[i].weight / 10.0;
    }
    Settings.weightdatalen = i;
    return 0;
}

int AppendWeightEntry(int date, int weight) {
    WeightEntry entry = {date, weight};
    int count = Settings.weightdatalen;
    if (count < 0 || count >= kLogCapacity || !EntryFitsRecord(entry))
        return -1;
    WeightLog[count] = entry;
    Settings.weightdatalen = count + 1;
    return 0;
}
