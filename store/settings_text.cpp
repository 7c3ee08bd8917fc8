#include "store/settings_text.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum { kMaxValueLength = 99 };

// Where a value is held when the settings are read.
enum FieldLimit {
    kAnyValue,
    kOnScreenX, // 0 .. the screen's width less the window's
    kOnScreenY, // 0 .. the screen's height less the window's
    kNotBelowZero,
    kLogCount, // 0 .. kLogCapacity
};

// The twelve keys of weighminder.ini in the order they are written, each
// with its field, its start-up value and its limit (0 and any value where a
// row names none): the reader, the writer, the defaults, the limits and the
// merge all follow this one table.
const struct SettingsField {
    const char* key;
    int32_t SettingsRecord::*field;
    int32_t initial = 0;
    FieldLimit limit = kAnyValue;
} kSettingsFields[] = {
    {"winX=", &SettingsRecord::winX, 0, kOnScreenX},
    {"winY=", &SettingsRecord::winY, 0, kOnScreenY},
    {"topmost=", &SettingsRecord::topmost, 0, kNotBelowZero},
    {"weightdatalen=", &SettingsRecord::weightdatalen, 0, kLogCount},
    {"targetweight=", &SettingsRecord::targetweight, 500},
    {"original=", &SettingsRecord::original, 500},
    {"height=", &SettingsRecord::height, 150},
    {"limit=", &SettingsRecord::limit},
    {"limit2=", &SettingsRecord::limit2},
    {"ninpu=", &SettingsRecord::ninpu},
    {"risou=", &SettingsRecord::risou},
    // Written from the period it gives, as yyyymmdd.
    {"startdate=", &SettingsRecord::startdate},
};

void DefaultSettings(SettingsRecord* s) {
    for (const SettingsField& f : kSettingsFields)
        s->*f.field = f.initial;
}

int FormatSettingsText(char* out, int capacity, const SettingsRecord* s,
                       const CalendarDate* period) {
    int n = 0;
    for (const SettingsField& f : kSettingsFields) {
        int room = capacity - n;
        int line = f.field == &SettingsRecord::startdate
                       ? snprintf(out + n, room, "%s%04d%02d%02d\r\n", f.key, period->year,
                                  period->month, period->day)
                       : snprintf(out + n, room, "%s%d\r\n", f.key, (int)(s->*f.field));
        if (line < 0 || line >= room)
            return -1;
        n += line;
    }
    return n;
}

int FormatOptionLines(char* out, int capacity, const OptionSettings* o) {
    int n = snprintf(out, capacity, "%s", o->trend == 1 ? "trend=1\r\n" : "");
    return n < 0 || n >= capacity ? -1 : n;
}

static char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

int FindSettingsKey(const char* text, int length, const char* key, int* pos) {
    int k = (int)strlen(key);
    for (int p = *pos; p + k + 2 < length; p++) {
        int i = 0;
        while (i < k && LowerAscii(text[p + i]) == LowerAscii(key[i]))
            i++;
        if (i == k) {
            *pos = p + k;
            return 1;
        }
    }
    return 0;
}

static int IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int32_t DecimalValue(const char* text, int length) {
    int i = 0;
    while (i < length && IsSpace(text[i]))
        i++;
    int negative = 0;
    if (i < length && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; i++) {
        value = value * 10 + (text[i] - '0');
        if (value > (int64_t)INT32_MAX + 1)
            value = (int64_t)INT32_MAX + 1;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        value = INT32_MAX;
    return (int32_t)value;
}

static void ReadKey(const char* text, int length, const char* key, int32_t* field) {
    int pos = 0;
    if (!FindSettingsKey(text, length, key, &pos))
        return;
    int end = pos;
    while (end < length && text[end] != '\0' && text[end] != '\r' && text[end] != '\n')
        end++;
    if (end - pos <= kMaxValueLength)
        *field = DecimalValue(text + pos, end - pos);
}

void ParseSettingsText(const char* text, int length, SettingsRecord* s) {
    for (const auto& f : kSettingsFields)
        ReadKey(text, length, f.key, &(s->*f.field));
}

void ParseOptionLines(const char* text, int length, OptionSettings* o) {
    int32_t trend = 0;
    ReadKey(text, length, "trend=", &trend);
    o->trend = trend == 1;
}

CalendarDate PeriodFromStartdate(int32_t startdate, CalendarDate today) {
    CalendarDate d = {DateYear(startdate), DateMonth(startdate), DateDay(startdate)};
    return d.year < 2000 ? today : d;
}

// The highest value a field may hold on this screen, and its lowest.
static int64_t Highest(FieldLimit limit, int screenWidth, int screenHeight) {
    switch (limit) {
    case kOnScreenX:
        return (int64_t)screenWidth - kBoardWindowWidth;
    case kOnScreenY:
        return (int64_t)screenHeight - kBoardWindowHeight;
    case kLogCount:
        return kLogCapacity;
    default:
        return INT32_MAX;
    }
}

void ClampSettings(SettingsRecord* s, int screenWidth, int screenHeight) {
    for (const SettingsField& f : kSettingsFields) {
        int32_t& value = s->*f.field;
        if (f.limit != kAnyValue && value < 0)
            value = 0; // the left and top edges first, then the right and bottom ones
        int64_t highest = Highest(f.limit, screenWidth, screenHeight);
        if (value > highest)
            value = (int32_t)highest;
    }
}

void MergeSettings(const SettingsRecord* base, const SettingsRecord* disk, SettingsRecord* ours) {
    for (const auto& f : kSettingsFields)
        if (ours->*f.field == base->*f.field)
            ours->*f.field = disk->*f.field;
}

void MergeOptions(const OptionSettings* base, const OptionSettings* disk, OptionSettings* ours) {
    if (ours->trend == base->trend)
        ours->trend = disk->trend;
}
