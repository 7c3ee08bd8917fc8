// taiju.dat (23-byte records) and its CSV export taiju.csv.
#pragma once
#include "store/platform.h"

int SaveLog(OwnerWindow owner, int csv); // csv = 1 writes taiju.csv
int LoadLog();                           // always 0

// Appends one entry to WeightLog. Refuses (-1, nothing changed) when the log
// is full or the entry cannot be stored in a 23-byte record.
int AppendWeightEntry(int date, int weight);
