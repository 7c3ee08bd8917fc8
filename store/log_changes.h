// The three changes a user makes to the log, each one operation that saves
// what it changed and returns what it came to: a weighing, a correction of
// past entries and a reset. None of them shows a box; the caller shows the
// one for the result (ShowStoreResult).
#pragma once
#include "store/records.h"
#include "store/store_result.h"

// Whether a log of `count` entries may take this entry: kStoreLogFull,
// kStoreNotStorable (its date or weight does not fit a 23-byte record: a
// weight of -999 ... 9999 tenths), else kStoreOk. Every weighing is checked
// here and nowhere else.
StoreResult CheckWeighing(WeightEntry entry, int32_t count);

// Appends the entry and saves the log, then the settings with the new count.
// When another program changed taiju.dat, the entry goes after the records
// read again from it. A log that cannot be saved keeps neither the entry nor
// a new count; the settings are written only once the log holds the entry,
// so the count on disk never runs ahead of the records (a crash between the
// two leaves the old count, under which the extra record is ignored).
// CurrentWeight is left as it is.
StoreResult RecordWeighing(int32_t date, int32_t weight);

// Puts `count` corrected entries over the log's first ones and saves it.
StoreResult CorrectLog(const WeightEntry* entries, int32_t count);

// Empties the log: taiju.dat becomes taiju.dat.bak, the count and
// CurrentWeight go to 0, and the settings are saved with the count.
StoreResult ResetWeighings();
