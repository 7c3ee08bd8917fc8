// Bringing a weight history from another program's file into the log: the
// file is read and its days prepared without changing anything; only
// ApplyImport merges them and saves.
#pragma once
#include "store/platform.h"

enum ImportVerdict {
    kImportReady,      // days to add
    kImportNothingNew, // readable, but every day is in the log already (or none was read)
    kImportCannotOpen,
    kImportEmpty,
    kImportBinary,
    kImportFileTooLarge, // over 64 MB
    kImportLineTooLong,  // a line over 64 KB
    kImportNoColumns,    // no date and weight column recognised
    kImportAmbiguousDates,
    kImportTooMany, // the log would pass 65,536 entries
};

struct ImportSummary {
    int verdict;
    int added;           // days the file would add
    int known;           // days the log has an entry for already, left out
    int unreadable;      // lines that could not be read
    int firstUnreadable; // the first one's number (1-based), 0 without one
    int firstDate;       // yyyymmdd of the first and last day read, 0 without one
    int lastDate;
    int room;   // entries the log has room for
    int lineAt; // the line at fault for kImportLineTooLong
};

// Reads the file and prepares the days to add: a day's earliest weighing,
// for days the log has no entry for.
ImportSummary ReadImportFile(const char* name);

// Merges the prepared days into the log in date order and saves: taiju.dat
// is first kept as taiju.dat.bak, then the count and the log are saved
// safely. 0, or -1 with the log in memory as it was and the message of the
// step that failed shown.
int ApplyImport(OwnerWindow owner);

// Merges two date-ordered runs into out (na + nb entries); on equal dates
// a's entries come first.
void MergeByDate(const WeightEntry* a, int na, const WeightEntry* b, int nb, WeightEntry* out);
// Sorts by date, keeping entries of one day in their order; scratch holds n.
void SortByDate(WeightEntry* entries, int n, WeightEntry* scratch);
