// taiju.dat (23-byte records) and its CSV export taiju.csv.
#pragma once
#include "store/platform.h"

int SaveLog(OwnerWindow owner, int csv); // csv = 1 writes taiju.csv
int LoadLog();                           // always 0

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
