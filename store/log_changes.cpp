#include "store/log_changes.h"

#include <string.h>

#include "store/log_file.h"
#include "store/log_text.h"
#include "store/settings_file.h"

StoreResult CheckWeighing(WeightEntry entry, int32_t count) {
    if (count < 0 || count >= kLogCapacity)
        return kStoreLogFull;
    return EntryFitsRecord(entry) ? kStoreOk : kStoreNotStorable;
}

StoreResult RecordWeighing(int32_t date, int32_t weight) {
    WeightEntry entry = {date, weight};
    StoreResult checked = CheckWeighing(entry, Settings.weightdatalen);
    if (checked != kStoreOk)
        return checked;
    double shown = CurrentWeight;
    if (ReadLogAgain())
        CurrentWeight = shown;
    int32_t count = Settings.weightdatalen;
    checked = CheckWeighing(entry, count); // another program may have filled it
    if (checked != kStoreOk)
        return checked;
    WeightLog[count] = entry;
    LogRevision++;
    Settings.weightdatalen = count + 1;
    StoreResult saved = WriteLog(0);
    if (saved != kStoreOk) {
        // A log read again in the meantime has its own count already.
        if (saved != kStoreLogChanged)
            Settings.weightdatalen = count;
        return saved;
    }
    return WriteSettings();
}

StoreResult CorrectLog(const WeightEntry* entries, int32_t count) {
    if (count < 0)
        count = 0;
    if (count > Settings.weightdatalen)
        count = Settings.weightdatalen;
    if (count > kLogCapacity)
        count = kLogCapacity;
    memcpy(WeightLog, entries, sizeof(WeightEntry) * count);
    LogRevision++;
    return WriteLog(0);
}

StoreResult ResetWeighings() {
    StoreResult moved = ResetLog();
    if (moved != kStoreOk)
        return moved;
    CurrentWeight = 0.0;
    return WriteSettings();
}
