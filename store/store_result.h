// What a change to the files came to: saved, or refused and why. The
// storage code says nothing itself; whoever asked shows the box for the
// result (ShowStoreResult), or keeps quiet.
#pragma once
#include "store/platform.h"

enum StoreResult {
    kStoreOk = 0,           // saved; from a check, it may be saved
    kStoreSettingsNotSaved, // the log is saved, weighminder.ini could not be written
    kStoreNothingToSave,    // an empty log: taiju.dat is left as it is
    kStoreLogPartlyRead,    // taiju.dat was read in part: no save may replace it
    kStoreLogChanged,       // another program changed taiju.dat: read again, not saved
    kStoreLogFull,          // 65,536 entries already
    kStoreNotStorable,      // the entry does not fit a 23-byte record
    kStoreWriteFailed,      // taiju.dat (or taiju.csv) could not be written or moved
};

// 1 when the log on disk holds the change (the settings may have failed).
inline int LogSaved(StoreResult r) {
    return r == kStoreOk || r == kStoreSettingsNotSaved;
}

// The box for a result, with its text, caption and icon; none for kStoreOk
// and kStoreNothingToSave. Returns the result.
StoreResult ShowStoreResult(OwnerWindow owner, StoreResult result);
