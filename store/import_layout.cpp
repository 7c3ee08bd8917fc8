#include "store/import_layout.h"

#include <string.h>

enum { kNameSize = 128 };

// A column's name in lowercase ASCII (UTF-8 passes as it is), cut to fit.
static void LowerName(const ImportField& field, char* out) {
    int n = field.length < kNameSize - 1 ? field.length : kNameSize - 1;
    for (int i = 0; i < n; i++) {
        char c = field.text[i];
        out[i] = c >= 'A' && c <= 'Z' ? (char)(c | 0x20) : c;
    }
    out[n] = '\0';
}

// The first column whose name holds one of the words; -1 when none does.
static int FindColumn(char names[][kNameSize], int count, const char* const* words, int skip) {
    for (int i = 0; i < count; i++)
        for (const char* const* w = words; *w; w++)
            if (i != skip && strstr(names[i], *w))
                return i;
    return -1;
}

static const char* const kDateWords[] = {"date", "日付", nullptr};
static const char* const kTimeWords[] = {"timestamp", "time", nullptr};
static const char* const kWeightWords[] = {"weight", "体重", nullptr};
static const char* const kUnitNames[] = {"(kg)", "(lb)", "lbs", "grams", nullptr};
static const char* const kPounds[] = {"lb", nullptr};
static const char* const kGrams[] = {"gram", "(g)", nullptr};
static const char* const kKilograms[] = {"kg", nullptr};

static LayoutKind HeaderLayout(const ImportField* fields, int count, int unit, ImportLayout* l) {
    char names[kImportMaxFields][kNameSize];
    for (int i = 0; i < count; i++)
        LowerName(fields[i], names[i]);
    l->dateColumn = FindColumn(names, count, kDateWords, -1);
    l->timeColumn = -1;
    if (l->dateColumn < 0)
        l->dateColumn = FindColumn(names, count, kTimeWords, -1);
    else if (!strstr(names[l->dateColumn], "time"))
        for (int i = 0; i < count; i++)
            if (strcmp(names[i], "time") == 0)
                l->timeColumn = i; // openScale's DATE and TIME
    l->weightColumn = FindColumn(names, count, kWeightWords, l->dateColumn);
    if (l->weightColumn < 0)
        l->weightColumn = FindColumn(names, count, kUnitNames, l->dateColumn);
    if (l->dateColumn < 0 || l->weightColumn < 0)
        return kLayoutNone;
    char(*name)[kNameSize] = names + l->weightColumn;
    l->unit = FindColumn(name, 1, kPounds, -1) == 0      ? kUnitLb
              : FindColumn(name, 1, kGrams, -1) == 0     ? kUnitGram
              : FindColumn(name, 1, kKilograms, -1) == 0 ? kUnitKg
                                                         : unit;
    return kLayoutHeader;
}

static int AllDigits(const ImportField& f, int length) {
    for (int i = 0; i < f.length; i++)
        if (f.text[i] < '0' || f.text[i] > '9')
            return 0;
    return f.length == length;
}

LayoutKind RecogniseImportLayout(const char* line, int length, int unit, ImportLayout* l) {
    if (length > 0 && line[0] == '#')
        line++, length--;
    l->separator = GuessSeparator(line, length);
    ImportField f[kImportMaxFields];
    int count = SplitImportFields(line, length, l->separator, f, kImportMaxFields);
    int date, seconds, tenths;
    l->timeColumn = -1;
    // taiju.dat's 00001,2010/05/08,0523 (tenths) and taiju.csv's 52.300000 (kg)
    if (count == 3 && AllDigits(f[0], 5) &&
        ParseImportDate(f[1].text, f[1].length, kOrderUnknown, nullptr, &date, &seconds)) {
        l->dateColumn = 1, l->weightColumn = 2;
        l->unit = memchr(f[2].text, '.', f[2].length) ? kUnitKg : kUnitTenths;
        return kLayoutData;
    }
    if (count >= 2 &&
        ParseImportDate(f[0].text, f[0].length, kOrderUnknown, nullptr, &date, &seconds) &&
        ParseImportWeight(f[1].text, f[1].length, l->separator, kUnitKg, &tenths)) {
        l->dateColumn = 0, l->weightColumn = 1, l->unit = kUnitKg;
        return kLayoutData;
    }
    return HeaderLayout(f, count, unit, l);
}

int UnitsComment(const char* line, int length) {
    static const char kHead[] = "#units:";
    const int head = (int)sizeof kHead - 1;
    if (length < head)
        return -1;
    for (int i = 0; i < head; i++)
        if ((line[i] >= 'A' && line[i] <= 'Z' ? line[i] | 0x20 : line[i]) != kHead[i])
            return -1;
    ImportField value[1];
    SplitImportFields(line + head, length - head, '\n', value, 1);
    return ImportUnitWord(value[0].text, value[0].length);
}
