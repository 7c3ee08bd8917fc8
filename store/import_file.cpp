#include "store/import_file.h"

#include <string.h>

#include "store/file_access.h"
#include "store/import_layout.h"
#include "store/import_text.h"
#include "store/log_file.h"
#include "store/messages.h"
#include "store/safe_save.h"
#include "store/settings_file.h"

// The days read, one slot each, found by their date (open addressing, kept
// at most half full). A date of 0 marks a free slot.
enum { kDaySlots = 2 * kLogCapacity, kBackupStep = 16 * 1024 };
struct DaySlot {
    int32_t date;
    int32_t seconds; // of the weighing kept: the day's earliest
    int32_t weight;
};

static const char kLogName[] = "taiju.dat";
static const char kBackupName[] = "taiju.dat.bak";

static ImportText Text;
static DaySlot Days[kDaySlots];
static int DayCount;
static WeightEntry SortedLog[kLogCapacity]; // the log in date order
static WeightEntry NewDays[kLogCapacity];   // the days to add, in date order
static WeightEntry Scratch[kLogCapacity];
static int NewDayCount;
static SaveStream BackupSave;

void MergeByDate(const WeightEntry* a, int na, const WeightEntry* b, int nb, WeightEntry* out) {
    int i = 0, j = 0;
    while (i < na && j < nb)
        *out++ = b[j].date < a[i].date ? b[j++] : a[i++];
    memcpy(out, a + i, (na - i) * sizeof *a);
    memcpy(out + na - i, b + j, (nb - j) * sizeof *b);
}

void SortByDate(WeightEntry* entries, int n, WeightEntry* scratch) {
    WeightEntry *from = entries, *to = scratch;
    for (int width = 1; width < n; width *= 2) {
        for (int i = 0; i < n; i += 2 * width) {
            int mid = i + width < n ? i + width : n, end = i + 2 * width < n ? i + 2 * width : n;
            MergeByDate(from + i, mid - i, from + mid, end - mid, to + i);
        }
        WeightEntry* swap = from;
        from = to, to = swap;
    }
    if (from != entries)
        memcpy(entries, from, n * sizeof *entries);
}

// Keeps the day's earliest weighing; 0, or -1 when more days were read than
// any log can hold.
static int AddDay(int date, int seconds, int weight) {
    uint32_t i = (uint32_t)date * 2654435761u >> 15 & (kDaySlots - 1);
    while (Days[i].date != 0 && Days[i].date != date)
        i = (i + 1) & (kDaySlots - 1);
    DaySlot* slot = &Days[i];
    if (slot->date == 0) {
        if (DayCount >= kLogCapacity)
            return -1;
        DayCount++;
        *slot = DaySlot{date, seconds, weight};
    } else if (seconds < slot->seconds) { // on a tie the one read first stays
        slot->seconds = seconds, slot->weight = weight;
    }
    return 0;
}

struct Pass {
    ImportSummary* summary;
    ImportLayout layout;
    int order;
    DateEvidence evidence;
};

// One line of data; 0, or -1 when the days read run past the log's capacity.
static int TakeLine(Pass* pass, const char* line, int length) {
    const ImportLayout& l = pass->layout;
    ImportField f[kImportMaxFields];
    int n = SplitImportFields(line, length, l.separator, f, kImportMaxFields);
    if (l.weightColumn >= n || f[l.weightColumn].length == 0)
        return 0; // a line without a weighing, such as a day of a daily summary
    int date = 0, seconds = 0, tenths = 0, clock;
    int read = l.dateColumn < n &&
               ParseImportDate(f[l.dateColumn].text, f[l.dateColumn].length, pass->order,
                               &pass->evidence, &date, &seconds) &&
               ParseImportWeight(f[l.weightColumn].text, f[l.weightColumn].length, l.separator,
                                 l.unit, &tenths);
    if (read && l.timeColumn >= 0 && l.timeColumn < n &&
        ParseImportTime(f[l.timeColumn].text, f[l.timeColumn].length, &clock))
        seconds = clock;
    if (read)
        return AddDay(date, seconds, tenths);
    ImportSummary* s = pass->summary;
    if (s->unreadable++ == 0)
        s->firstUnreadable = Text.number;
    return 0;
}

static int IsBlankLine(const char* line, int length) {
    for (int i = 0; i < length; i++)
        if (line[i] != ' ' && line[i] != '\t')
            return 0;
    return 1;
}

// Reads the whole file once with the given order of d/m/y dates.
static int ReadPass(const char* name, Pass* pass) {
    memset(Days, 0, sizeof Days);
    DayCount = 0;
    pass->summary->unreadable = pass->summary->firstUnreadable = 0;
    int result = OpenImportText(&Text, name), found = 0, text = 0, unit = kUnitKg;
    while (result == kLineReady && (result = NextImportLine(&Text)) == kLineReady) {
        const char* line = Text.line;
        int length = Text.length;
        if (IsBlankLine(line, length))
            continue;
        text = 1;
        if (!found) {
            int units = UnitsComment(line, length);
            LayoutKind kind =
                units >= 0 ? kLayoutNone : RecogniseImportLayout(line, length, unit, &pass->layout);
            unit = units >= 0 ? units : unit;
            found = kind != kLayoutNone;
            if (!found && line[0] != '#') // lines of '#' before the header are comments
                break;
            if (kind != kLayoutData)
                continue;
        } else if (line[0] == '#') {
            continue;
        }
        if (TakeLine(pass, line, length) != 0) {
            CloseImportText(&Text);
            return kImportTooMany;
        }
    }
    pass->summary->lineAt = Text.number;
    CloseImportText(&Text);
    switch (result) {
    case kLineUnreadable:
        return kImportCannotOpen;
    case kLineBinary:
        return kImportBinary;
    case kLineTooLong:
        return kImportLineTooLong;
    case kLineFileTooLarge:
        return kImportFileTooLarge;
    default:
        return !text ? kImportEmpty : !found ? kImportNoColumns : kImportReady;
    }
}

static int InLog(int date, int count) {
    int low = 0, high = count;
    while (low < high) {
        int mid = (low + high) / 2;
        if (SortedLog[mid].date < date)
            low = mid + 1;
        else
            high = mid;
    }
    return low < count && SortedLog[low].date == date;
}

// Splits the days read into those the log has and those to add.
static int PrepareDays(ImportSummary* s) {
    int count = Settings.weightdatalen;
    memcpy(SortedLog, WeightLog, count * sizeof *WeightLog);
    SortByDate(SortedLog, count, Scratch);
    NewDayCount = 0;
    for (const DaySlot& day : Days) {
        if (day.date == 0)
            continue;
        s->firstDate = s->firstDate == 0 || day.date < s->firstDate ? day.date : s->firstDate;
        s->lastDate = day.date > s->lastDate ? day.date : s->lastDate;
        if (InLog(day.date, count))
            s->known++;
        else
            NewDays[NewDayCount++] = WeightEntry{day.date, day.weight};
    }
    SortByDate(NewDays, NewDayCount, Scratch);
    s->added = NewDayCount;
    if (NewDayCount > s->room)
        return kImportTooMany;
    return NewDayCount > 0 ? kImportReady : kImportNothingNew;
}

ImportSummary ReadImportFile(const char* name) {
    ImportSummary s = {};
    s.room = kLogCapacity - Settings.weightdatalen;
    Pass pass = {&s, {}, kOrderUnknown, {}};
    s.verdict = ReadPass(name, &pass);
    // d/m/y or m/d/y: the first pass read them month first; a day above 12
    // in the first field says the file is day first, read it again so.
    if (s.verdict == kImportReady && pass.evidence.slashDates) {
        if (pass.evidence.dayFirst) {
            pass.order = kDayFirst;
            s.verdict = ReadPass(name, &pass);
        } else if (!pass.evidence.monthFirst) {
            s.verdict = kImportAmbiguousDates;
        }
    }
    if (s.verdict == kImportReady)
        s.verdict = PrepareDays(&s);
    return s;
}

// Copies taiju.dat to taiju.dat.bak through the safe save; 0 also when
// there is no taiju.dat.
static int KeepLogBackup() {
    int result = kReadOk;
    FileHandle file = Files.openFile(kLogName, &result);
    if (!file)
        return result == kReadMissing ? 0 : -1;
    if (BeginSave(&BackupSave, kBackupName) != 0) {
        Files.closeFile(file);
        return -1;
    }
    int n;
    while ((n = Files.readSome(file, SaveReserve(&BackupSave, kBackupStep), kBackupStep)) > 0)
        SaveAdvance(&BackupSave, n);
    Files.closeFile(file);
    BackupSave.failed |= n < 0;
    return FinishSave(&BackupSave);
}

int ApplyImport(OwnerWindow owner) {
    int count = Settings.weightdatalen, total = count + NewDayCount;
    if (KeepLogBackup() != 0) {
        ShowStoreError(owner, kLogOpenErrorText, kOpenErrorCaption);
        return -1;
    }
    memcpy(Scratch, WeightLog, count * sizeof *WeightLog);
    MergeByDate(SortedLog, count, NewDays, NewDayCount, WeightLog);
    Settings.weightdatalen = total;
    // The count goes first: a crash before the log is saved leaves the old
    // log under a larger count, which loads as the old log whole. The other
    // order would pair the old count with the merged log, whose first
    // records are others than before.
    int counted = SaveSettings(owner) == 0;
    int saved = counted && SaveLog(owner, 0) == 0;
    if (!saved) {
        memcpy(WeightLog, Scratch, count * sizeof *WeightLog);
        Settings.weightdatalen = count;
        if (counted)
            SaveSettings(owner); // the old count back
    }
    LogRevision++;
    if (!saved)
        return -1;
    LogCountOnDisk = total;
    CurrentWeight = WeightLog[total - 1].weight / 10.0;
    return 0;
}
