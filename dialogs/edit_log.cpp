#include "dialogs/edit_log.h"

#include <stdio.h>
#include <string.h>

#include "dialogs/number_text.h"
#include "res/resource.h"
#include "store/log_changes.h"

WeightEntry EditLog[kLogCapacity];
int32_t EditRecordNo;

const char kInputErrorText[] = "入力内容に誤りがあります。";

static int LogCount() {
    int count = Settings.weightdatalen;
    if (count < 0)
        return 0;
    return count > kLogCapacity ? kLogCapacity : count;
}

void OpenEditLog() {
    memcpy(EditLog, WeightLog, sizeof(WeightEntry) * LogCount());
    EditRecordNo = LogCount();
}

int EditLogEmpty() {
    return EditRecordNo < 1 || EditRecordNo > LogCount();
}

RecordForm ShowEditRecord() {
    RecordForm form = {};
    if (EditLogEmpty())
        return form;
    const WeightEntry& entry = EditLog[EditRecordNo - 1];
    snprintf(form.number, sizeof form.number, "%d", static_cast<int>(EditRecordNo));
    FormatTenthsAsKg(entry.weight, form.weight, sizeof form.weight);
    snprintf(form.year, sizeof form.year, "%d", DateYear(entry.date));
    snprintf(form.month, sizeof form.month, "%d", DateMonth(entry.date));
    snprintf(form.day, sizeof form.day, "%d", DateDay(entry.date));
    return form;
}

int CheckRecordWeight(const char* text, int* tenths) {
    int value = KgToTenths(TextToDouble(text));
    if (value <= 0 || value >= 3000)
        return IDC_DATA_WEIGHT;
    *tenths = value;
    return 0;
}

int CheckRecordDate(const char* year, const char* month, const char* day, int* date) {
    int y = TextToInt(year);
    int m = TextToInt(month);
    int d = TextToInt(day);
    if (y <= 2000 || y >= 3000)
        return IDC_DATA_YEAR;
    if (m < 1 || m > 12)
        return IDC_DATA_MONTH;
    if (d < 1 || d > 31)
        return IDC_DATA_DAY;
    *date = MakeDate(y, m, d);
    return 0;
}

int TakeInEditRecord(const RecordForm& form) {
    if (EditLogEmpty())
        return IDC_DATA_NO;
    WeightEntry& entry = EditLog[EditRecordNo - 1];
    int fault = CheckRecordWeight(form.weight, &entry.weight);
    if (fault == 0)
        fault = CheckRecordDate(form.year, form.month, form.day, &entry.date);
    return fault;
}

void StepEditRecord(int controlId) {
    if (controlId == IDC_DATA_NEXT && EditRecordNo < LogCount())
        EditRecordNo++;
    else if (controlId == IDC_DATA_PREVIOUS && EditRecordNo > 1)
        EditRecordNo--;
}

int NextRecordEnabled() {
    return EditRecordNo < LogCount();
}
int PreviousRecordEnabled() {
    return EditRecordNo > 1;
}

StoreResult CommitEditLog() {
    return EditLogEmpty() ? kStoreNothingToSave : CorrectLog(EditLog, LogCount());
}
