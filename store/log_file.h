// taiju.dat (23-byte records) and its CSV export taiju.csv.
#pragma once
#include "store/platform.h"

int SaveLog(OwnerWindow owner, int csv); // csv = 1 writes taiju.csv
int LoadLog();                           // always 0

// A LoadLog that cannot read taiju.dat whole (it exists but cannot be
// opened, or reading stops on an error) keeps the complete records read and
// sets LogPartlyRead; SaveLog then refuses until a later load reads the file
// whole or the log is reset.

// Empties the log: taiju.dat becomes taiju.dat.bak (an older copy is
// replaced) and the count goes to 0. -1, with the log as it was, when the
// file is there but cannot be moved.
int ResetLog(OwnerWindow owner);

// Appends one entry to WeightLog. Refuses (-1, nothing changed) when the log
// is full or the entry cannot be stored in a 23-byte record.
int AppendWeightEntry(int date, int weight);

// Saves the files after an AppendWeightEntry: the log first, then the
// settings with the new count. A crash between the two leaves the old count
// on disk, under which the extra record is ignored; the other order could
// pair a new count with a log left over from before a reset. When the log
// cannot be saved the entry is taken back out and the settings are not
// written, so the count on disk never runs ahead of the records (-1).
int SaveAppendedEntry(OwnerWindow owner);
