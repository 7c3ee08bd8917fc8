// The text of weighminder.ini, without any file access: formatting the
// twelve lines, the key search and reading the values back.
#pragma once
#include "store/records.h"

// The values of a first start, the ones it writes to weighminder.ini.
void DefaultSettings(SettingsRecord* settings);

// Formats the twelve CRLF-ended lines; the start date comes from `period`.
// Returns the text's length, or -1 when it does not fit (it always fits in
// kSettingsBufferSize bytes).
int FormatSettingsText(char* out, int capacity, const SettingsRecord* settings,
                       const CalendarDate* period);

// Formats the option lines that follow the twelve: "trend=1\r\n" while the
// trend is on, nothing otherwise. Returns the length, or -1 when it does
// not fit.
int FormatOptionLines(char* out, int capacity, const OptionSettings* options);

// Looks for `key` (with its '=') from position *pos, ignoring case. Only
// positions p with p + strlen(key) + 2 < length are tried, so a key needs
// at least three more characters of text after it. On success *pos is just
// past the key and 1 is returned; else 0.
int FindSettingsKey(const char* text, int length, const char* key, int* pos);

// The standard decimal conversion: leading white space, optional sign,
// digits up to the first non-digit; 0 without digits. Reads at most `length`
// bytes; values beyond the int range saturate.
int32_t DecimalValue(const char* text, int length);

// Reads every key found in `text` into `settings`; keys that are absent, or
// whose value is longer than 99 characters, leave their field alone.
void ParseSettingsText(const char* text, int length, SettingsRecord* settings);

// Reads the options: a missing key means off, and only the value 1 means on.
void ParseOptionLines(const char* text, int length, OptionSettings* options);

// The start date stored in `startdate`, or `today` when its year is before 2000.
CalendarDate PeriodFromStartdate(int32_t startdate, CalendarDate today);

// Keeps the window on the screen and the count within the log.
void ClampSettings(SettingsRecord* settings, int screenWidth, int screenHeight);

// Joins this program's settings with a file another program changed: each
// field keeps `ours` where this program changed it since `base` (what it
// last read or wrote) and takes `disk` where it did not.
void MergeSettings(const SettingsRecord* base, const SettingsRecord* disk, SettingsRecord* ours);
void MergeOptions(const OptionSettings* base, const OptionSettings* disk, OptionSettings* ours);
