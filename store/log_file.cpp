#include "store/log_file.h"

#include <string.h>

#include "store/file_access.h"
#include "store/log_text.h"
#include "store/messages.h"
#include "store/safe_save.h"

static const char kLogFileName[] = "taiju.dat";
static const char kCsvFileName[] = "taiju.csv";
static const char kLogBackupName[] = "taiju.dat.bak";

// taiju.dat is read a slice of whole records at a time, so the bytes are
// still in the cache when they are taken apart.
enum { kLoadChunkRecords = 2048 };
static char LogChunk[kLoadChunkRecords * kLogRecordSize];
static SaveStream LogSave;

static int WriteLogRecords(int csv, int count) {
    for (int i = 0; i < count; i++) {
        char* line = SaveReserve(&LogSave, kCsvLineCapacity);
        int n = csv ? FormatCsvLine(line, i, WeightLog[i]) : FormatLogRecord(line, i, WeightLog[i]);
        if (n < 0)
            return -1; // a record that would break the 23-byte frame
        SaveAdvance(&LogSave, n);
    }
    return 0;
}

// Reads up to `count` records into WeightLog; the number read (fewer when
// the file ends early). *failed is set when reading stops on an error, the
// complete records before it being kept.
static int ReadLogRecords(FileHandle file, int count, int* failed) {
    int loaded = 0, held = 0; // held: bytes in LogChunk not yet taken apart
    *failed = 0;
    while (loaded < count) {
        int want = (count - loaded) * kLogRecordSize - held;
        int room = (int)sizeof LogChunk - held;
        int n = Files.readSome(file, LogChunk + held, want < room ? want : room);
        if (n < 0) {
            *failed = 1;
            break;
        }
        if (n == 0)
            break;
        held += n;
        int records = ParseLogRecords(LogChunk, held, count - loaded, WeightLog + loaded);
        loaded += records;
        held -= records * kLogRecordSize;
        memmove(LogChunk, LogChunk + records * kLogRecordSize, held);
    }
    return loaded;
}

// Reads `count` records (fewer when the file ends early) and notes the
// file's stamp, taken while it is open so that it belongs to what was read.
static void ReadLog(int count) {
    if (count < 0)
        count = 0;
    if (count > kLogCapacity)
        count = kLogCapacity;
    int result = kReadFailed;
    FileHandle file = Files.openFile(kLogFileName, &result);
    LogStamp = Files.stampFile(kLogFileName);
    int failed = 0;
    int loaded = file ? ReadLogRecords(file, count, &failed) : 0;
    if (file)
        Files.closeFile(file);
    // A file that is there but cannot be read whole is not a short log.
    // With a count of 0 nothing was to be read from it, and nothing is lost.
    LogPartlyRead = count > 0 && (failed || (!file && result != kReadMissing));
    LogCountOnDisk = count;
    LogRevision++;
    if (loaded > 0)
        CurrentWeight = WeightLog[loaded - 1].weight / 10.0; // the newest entry read
    Settings.weightdatalen = loaded;
}

int LoadLog() {
    ReadLog(Settings.weightdatalen);
    // Say so, and refuse every save until a later read takes it whole.
    if (LogPartlyRead)
        ShowStoreError(nullptr, kLogOpenErrorText, kOpenErrorCaption);
    return 0;
}

int ReadLogAgain() {
    int32_t onDisk = LogPartlyRead ? LogCountOnDisk : Settings.weightdatalen;
    if (LogChangedOnDisk())
        ReadLog(kLogCapacity); // every whole record another program left there
    else if (LogPartlyRead)
        ReadLog(onDisk);
    else
        return 0;
    if (LogPartlyRead)
        LogCountOnDisk = onDisk; // still unknown: the count on disk stays
    return 1;
}

int LogChangedOnDisk() {
    return !SameStamp(Files.stampFile(kLogFileName), LogStamp);
}

StoreResult WriteLog(int csv) {
    int count = Settings.weightdatalen;
    if (count <= 0)
        return kStoreNothingToSave;
    csv = csv == 1;
    if (!csv && LogChangedOnDisk()) {
        // Writing this copy would drop what the other program wrote: the
        // change is refused, and the board shows the file as it is now.
        ReadLogAgain();
        return kStoreLogChanged;
    }
    // The file on disk holds records this copy lacks: writing it, or a CSV
    // that would pass for the whole log, could lose them for good.
    if (LogPartlyRead)
        return kStoreLogPartlyRead;
    if (count > kLogCapacity)
        count = kLogCapacity;
    if (BeginSave(&LogSave, csv ? kCsvFileName : kLogFileName) != 0)
        return kStoreWriteFailed;
    if (WriteLogRecords(csv, count) != 0)
        LogSave.failed = 1;
    if (FinishSave(&LogSave) != 0)
        return kStoreWriteFailed;
    if (!csv)
        LogStamp = LogSave.saved;
    return kStoreOk;
}

int SaveLog(OwnerWindow owner, int csv) {
    return ShowStoreResult(owner, WriteLog(csv)) == kStoreOk ? 0 : -1;
}

StoreResult ResetLog() {
    // The reset log is kept as taiju.dat.bak, replacing an older one, so no
    // later load can bring it back by accident and the user can by hand.
    int result = kReadOk;
    FileHandle file = Files.openFile(kLogFileName, &result);
    if (file)
        Files.closeFile(file);
    if (result != kReadMissing && Files.replaceFile(kLogFileName, kLogBackupName) != 0)
        return kStoreWriteFailed;
    LogPartlyRead = 0;
    LogStamp = Files.stampFile(kLogFileName);
    Settings.weightdatalen = 0;
    return kStoreOk;
}
