// The records the whole program shares: the weight log, the settings,
// the weight on show and the dates captured at each settings load.
// Weights are tenths of a kilogram, dates are yyyymmdd integers.
#pragma once
#include <stdint.h>

#include "store/file_access.h"

enum { kLogCapacity = 65536 };

struct WeightEntry {
    int32_t date;   // yyyymmdd
    int32_t weight; // tenths of a kilogram
};

// The persisted options; each field is named by its key in weighminder.ini.
struct SettingsRecord {
    int32_t winX;
    int32_t winY;
    int32_t topmost; // 0 keeps the board above other windows (inverted sense)
    int32_t weightdatalen;
    int32_t targetweight;
    int32_t original;
    int32_t height;
    int32_t limit;
    int32_t limit2;
    int32_t ninpu;
    int32_t risou;
    int32_t startdate; // yyyymmdd as read, kept from one load to the next
};

// The board window's outer size at 96 DPI: the 250 x 100 board inside its
// dialog frame. The settings keep it on the screen.
enum { kBoardWindowWidth = 256, kBoardWindowHeight = 106 };

struct LocalDate {
    int year;
    int month;   // 1..12
    int day;     // 1..31
    int weekday; // 0 = Sunday .. 6 = Saturday
};

struct CalendarDate {
    int year;
    int month;
    int day;
};

// Options kept in weighminder.ini after the twelve keys. Each is written
// only while it is on, so with all of them off the file is the one older
// copies write; they ignore these keys.
struct OptionSettings {
    int32_t trend; // 1 = the trend on the chart and in the icon's tip
};

extern WeightEntry WeightLog[kLogCapacity];
extern SettingsRecord Settings; // Settings.weightdatalen is the log's count
extern OptionSettings Options;
extern double CurrentWeight; // kilograms
// Set when taiju.dat could not be read whole: the log in memory may be
// shorter than the file, and no save may replace it (see LoadLog).
extern int LogPartlyRead;
extern uint32_t LogRevision;   // moves on whenever entries of WeightLog change
extern int32_t LogCountOnDisk; // the count the settings gave that load
// What this program last read from or wrote to its two files, to tell a
// change another program made since: taiju.dat's stamp, and the length of
// weighminder.ini's text (-1 while it is not known; the text is kept by the
// settings file code).
extern FileStamp LogStamp;
extern int32_t SettingsLengthOnDisk;
extern LocalDate StartupDate;
extern CalendarDate PeriodStartDate;
extern CalendarDate PendingPeriodDate;

inline int DateYear(int date) {
    return date / 10000;
}
inline int DateMonth(int date) {
    return date % 10000 / 100;
}
inline int DateDay(int date) {
    return date % 100;
}
inline int MakeDate(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

// Gives the settings, the log slots and CurrentWeight their start-up values
// (the values a first start writes to weighminder.ini); neither file is
// known yet. StartupDate and
// PeriodStartDate are left alone: every settings load sets them.
void ResetRecordsToDefaults();
