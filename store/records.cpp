#include "store/records.h"

#include <string.h>

#include "store/settings_text.h"

WeightEntry WeightLog[kLogCapacity];
SettingsRecord Settings;
OptionSettings Options;
int LogPartlyRead;
uint32_t LogRevision;
int32_t LogCountOnDisk;
FileStamp LogStamp = {kReadFailed, 0, 0};
int32_t SettingsLengthOnDisk = -1;
double CurrentWeight;
LocalDate StartupDate;
CalendarDate PeriodStartDate;
CalendarDate PendingPeriodDate;

void ResetRecordsToDefaults() {
    DefaultSettings(&Settings);
    memset(&Options, 0, sizeof Options);
    memset(WeightLog, 0, sizeof WeightLog);
    LogRevision++;
    LogPartlyRead = 0;
    LogCountOnDisk = 0;
    LogStamp = FileStamp{kReadFailed, 0, 0};
    SettingsLengthOnDisk = -1;
    CurrentWeight = 0.0;
}
