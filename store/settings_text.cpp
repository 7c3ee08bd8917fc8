#include "store/settings_text.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum { kBoardWidth = 256, kBoardHeight = 106, kMaxValueLength = 99 };

int FormatSettingsText(char* out, int capacity, const SettingsRecord* s,
                       const CalendarDate* period) {
    int n = snprintf(out, capacity,
                     "winX=%d\r\nwinY=%d\r\ntopmost=%d\r\nweightdatalen=%d\r\n"
                     "targetweight=%d\r\noriginal=%d\r\nheight=%d\r\nlimit=%d\r\n"
                     "limit2=%d\r\nninpu=%d\r\nrisou=%d\r\nstartdate=%04d%02d%02d\r\n",
                     (int)s->winX, (int)s->winY, (int)s->topmost, (int)s->weightdatalen,
                     (int)s->targetweight, (int)s->original, (int)s->height, (int)s->limit,
                     (int)s->limit2, (int)s->ninpu, (int)s->risou, period->year, period->month,
                     period->day);
    return n < 0 || n >= capacity ? -1 : n;
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

// The record's fields under their keys: the reader and the merge follow
// this one table.
static const struct {
    const char* key;
    int32_t SettingsRecord::*field;
} kSettingsFields[] = {
    {"winX=", &SettingsRecord::winX},
    {"winY=", &SettingsRecord::winY},
    {"topmost=", &SettingsRecord::topmost},
    {"weightdatalen=", &SettingsRecord::weightdatalen},
    {"targetweight=", &SettingsRecord::targetweight},
    {"original=", &SettingsRecord::original},
    {"height=", &SettingsRecord::height},
    {"limit=", &SettingsRecord::limit},
    {"limit2=", &SettingsRecord::limit2},
    {"ninpu=", &SettingsRecord::ninpu},
    {"risou=", &SettingsRecord::risou},
    {"startdate=", &SettingsRecord::startdate},
};

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

void ClampSettings(SettingsRecord* s, int screenWidth, int screenHeight) {
    if (s->winX < 0)
        s->winX = 0;
    if ((int64_t)s->winX + kBoardWidth > screenWidth)
        s->winX = screenWidth - kBoardWidth;
    if (s->winY < 0)
        s->winY = 0;
    if ((int64_t)s->winY + kBoardHeight > screenHeight)
        s->winY = screenHeight - kBoardHeight;
    if (s->topmost < 0)
        s->topmost = 0;
    if (s->weightdatalen < 0)
        s->weightdatalen = 0;
    if (s->weightdatalen > kLogCapacity)
        s->weightdatalen = kLogCapacity;
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
