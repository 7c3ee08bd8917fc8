// The data edit dialog's working copy of the log and its rules: which record
// is on screen, how a record is checked and taken in, and the step buttons.
// Nothing reaches WeightLog before CommitEditLog.
#pragma once
#include <stdint.h>

#include "dialogs/settings_input.h"
#include "store/records.h"
#include "store/store_result.h"

extern WeightEntry EditLog[kLogCapacity];
extern int32_t EditRecordNo; // 1-based number of the record on screen

// The record's fields as the dialog shows them (UTF-8 text).
struct RecordForm {
    char number[16];              // 1022
    char year[kDialogTextSize];   // 1025
    char month[kDialogTextSize];  // 1026
    char day[kDialogTextSize];    // 1027
    char weight[kDialogTextSize]; // 1028, kg with one decimal
};

extern const char kInputErrorText[]; // under kInputErrorCaption (store/messages.h)

// Copies the log into EditLog and puts its newest record on screen.
void OpenEditLog();
// With an empty log there is no record: nothing is shown, taken in or copied.
int EditLogEmpty();
RecordForm ShowEditRecord();

// A weight is accepted from 0.1 to 299.9 kg (1 .. 2999 tenths); a date with
// a year 2001 .. 2999, a month 1 .. 12 and a day 1 .. 31 (the day is not
// checked against the month). Each returns 0, or the id of the field at
// fault, and stores nothing then.
int CheckRecordWeight(const char* text, int* tenths);
int CheckRecordDate(const char* year, const char* month, const char* day, int* date);

// Checks the form and stores it in the record on screen: 0, or the id of the
// field at fault. A weight that passes is stored even when the date fails.
// With an empty log nothing is stored and IDC_DATA_NO is returned.
int TakeInEditRecord(const RecordForm& form);
// Moves to the next (1023) or previous (1024) record when there is one.
void StepEditRecord(int controlId);
int NextRecordEnabled();
int PreviousRecordEnabled();
// Copies the working copy back over the log and saves it (CorrectLog).
StoreResult CommitEditLog();
