// taiju.dat (23-byte records) and its CSV export taiju.csv.
#pragma once
#include "store/platform.h"

// csv = 1 writes taiju.csv. A save of taiju.dat first checks that the file
// is still what this program last read or wrote (its size and last-write
// time); when another program has changed it, the save is refused with a
// message naming the file, and the log is read again from it.
int SaveLog(OwnerWindow owner, int csv);
int LoadLog(); // always 0

// A LoadLog that cannot read taiju.dat whole (it exists but cannot be
// opened, or reading stops on an error) while the count is above 0 keeps
// the complete records read and sets LogPartlyRead; SaveLog then refuses
// until a later read takes the file whole or the log is reset.

// 1 when taiju.dat is not what this program last read or wrote.
int LogChangedOnDisk();
// Reads taiju.dat again when another program changed it (then every whole
// record in it, whatever the count said) or when it was read only in part
// (then the count on disk): 1 when it was read, 0 when the log in memory
// is the file's already. Says nothing.
int ReadLogAgain();

// Empties the log: taiju.dat becomes taiju.dat.bak (an older copy is
// replaced) and the count goes to 0. -1, with the log as it was, when the
// file is there but cannot be moved.
int ResetLog(OwnerWindow owner);

// Appends one entry to WeightLog. Refuses (-1, nothing changed) when the log
// is full or the entry cannot be stored in a 23-byte record.
int AppendWeightEntry(int date, int weight);

enum { kLogFullAfterReading = -2 };

// Saves the files after an AppendWeightEntry: the log first, then the
// settings with the new count. A crash between the two leaves the old count
// on disk, under which the extra record is ignored; the other order could
// pair a new count with a log left over from before a reset. When the log
// cannot be saved the entry is taken back out and the settings are not
// written, so the count on disk never runs ahead of the records (-1).
// 0 once the entry is in the log, whatever the settings save then did.
// When another program changed taiju.dat, the entry goes after the records
// read again from it; kLogFullAfterReading when they fill the log.
int SaveAppendedEntry(OwnerWindow owner);
