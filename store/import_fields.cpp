#include "store/import_fields.h"

#include <math.h>

#include "store/platform.h"

static int IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char GuessSeparator(const char* line, int length) {
    int quoted = 0, semicolon = 0;
    for (int i = 0; i < length; i++) {
        quoted ^= line[i] == '"';
        if (!quoted && line[i] == '\t')
            return '\t';
        semicolon |= !quoted && line[i] == ';';
    }
    return semicolon ? ';' : ',';
}

int SplitImportFields(const char* line, int length, char separator, ImportField* fields, int max) {
    int count = 0, i = 0;
    while (count < max) {
        while (i < length && IsBlank(line[i]) && line[i] != separator)
            i++;
        int start = i, end;
        if (i < length && line[i] == '"') {
            start = ++i; // a doubled quote inside is kept as it stands
            while (i < length && (line[i] != '"' || (i + 1 < length && line[i + 1] == '"')))
                i += line[i] == '"' ? 2 : 1;
            end = i;
            while (i < length && line[i] != separator && count + 1 < max)
                i++;
        } else {
            while (i < length && (line[i] != separator || count + 1 == max))
                i++;
            end = i;
            while (end > start && IsBlank(line[end - 1]))
                end--;
        }
        fields[count++] = ImportField{line + start, end - start};
        if (i >= length)
            break;
        i++; // past the separator
    }
    return count;
}

struct Scan {
    const char* p;
    const char* end;
};

static int At(const Scan* s, char c) {
    return s->p < s->end && *s->p == c;
}

static int Take(Scan* s, char c) {
    return At(s, c) ? (s->p++, 1) : 0;
}

// Reads up to `max` digits into *value; how many.
static int Digits(Scan* s, int max, int* value) {
    int n = 0;
    *value = 0;
    while (n < max && s->p < s->end && *s->p >= '0' && *s->p <= '9')
        *value = *value * 10 + (*s->p++ - '0'), n++;
    return n;
}

static void SkipBlanks(Scan* s) {
    while (s->p < s->end && IsBlank(*s->p))
        s->p++;
}

// The next letters, lowercase, as one word matched against `word`.
static int TakeWord(Scan* s, const char* word) {
    const char* p = s->p;
    for (; *word; word++, p++)
        if (p >= s->end || (*p | 0x20) != *word)
            return 0;
    if (p < s->end && ((*p | 0x20) >= 'a' && (*p | 0x20) <= 'z'))
        return 0;
    s->p = p;
    return 1;
}

// h:mm[:ss[.fff]] with an optional AM or PM: seconds into the day.
static int Clock(Scan* s, int* seconds) {
    int h, m, sec = 0;
    if (!Digits(s, 2, &h) || !Take(s, ':') || Digits(s, 2, &m) != 2)
        return 0;
    if (Take(s, ':')) {
        if (Digits(s, 2, &sec) != 2)
            return 0;
        int fraction;
        if ((Take(s, '.') || Take(s, ',')) && !Digits(s, 9, &fraction))
            return 0;
        while (Digits(s, 9, &fraction)) {
        }
    }
    SkipBlanks(s);
    int pm = TakeWord(s, "pm");
    if (pm || TakeWord(s, "am")) {
        if (h < 1 || h > 12)
            return 0;
        h = h % 12 + (pm ? 12 : 0);
    }
    *seconds = h * 3600 + m * 60 + sec;
    return h < 24 && m < 60 && sec < 60;
}

int ParseImportTime(const char* text, int length, int* seconds) {
    Scan s = {text, text + length};
    return Clock(&s, seconds) && s.p == s.end;
}

// Days since 1 January 1970 of a date in the proleptic Gregorian calendar,
// and back (H. Hinnant's algorithms).
static int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400, yoe = y - era * 400;
    int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

static int CivilFromDays(int64_t z) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097, doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
    int d = (int)(doy - (153 * mp + 2) / 5 + 1), m = (int)(mp < 10 ? mp + 3 : mp - 9);
    int64_t y = yoe + era * 400 + (m <= 2);
    return y >= 1 && y <= 9999 ? (int)(y * 10000 + m * 100 + d) : 0;
}

// 'Z' or +hh, +hhmm, +hh:mm: the minutes the time is ahead of UTC.
static int Zone(Scan* s, int* minutes) {
    if (Take(s, 'Z') || Take(s, 'z')) {
        *minutes = 0;
        return 1;
    }
    int sign = At(s, '-') ? -1 : 1, h, m = 0;
    if (!Take(s, '+') && !Take(s, '-'))
        return 0;
    if (Digits(s, 2, &h) != 2 || (Take(s, ':') ? Digits(s, 2, &m) != 2 : Digits(s, 2, &m) == 1))
        return 0;
    *minutes = sign * (h * 60 + m);
    return h < 24 && m < 60;
}

// The day and month of d/m/y or m/d/y by the order, noting what the two
// fields say about it.
static void SlashDayMonth(int a, int b, int order, DateEvidence* evidence, int* day, int* month) {
    if (evidence) {
        evidence->slashDates = 1;
        evidence->dayFirst |= a > 12 && b <= 12;
        evidence->monthFirst |= b > 12 && a <= 12;
    }
    int dayFirst = order == kDayFirst;
    *day = dayFirst ? a : b;
    *month = dayFirst ? b : a;
}

int ParseImportDate(const char* text, int length, int order, DateEvidence* evidence, int* date,
                    int* seconds) {
    Scan s = {text, text + length};
    int a, b, c, y, m, d;
    int na = Digits(&s, 4, &a);
    char separator = s.p < s.end ? *s.p : '\0';
    if (!na || (separator != '-' && separator != '/' && separator != '.'))
        return 0;
    s.p++;
    int nb = Digits(&s, 2, &b);
    if (!nb || !Take(&s, separator))
        return 0;
    int nc = Digits(&s, 4, &c);
    if (na == 4 && nc >= 1 && nc <= 2) {
        y = a, m = b, d = c;
    } else if (na <= 2 && (nc == 2 || nc == 4) && separator != '-') {
        y = nc == 2 ? 2000 + c : c;
        if (separator == '.')
            d = a, m = b;
        else
            SlashDayMonth(a, b, order, evidence, &d, &m);
    } else {
        return 0;
    }
    int64_t days = DaysFromCivil(y, m, d);
    if (y < 1 || m < 1 || m > 12 || d < 1 || CivilFromDays(days) != y * 10000 + m * 100 + d)
        return 0;
    *seconds = 0;
    if (Take(&s, 'T') || At(&s, ' ') || At(&s, '\t')) {
        SkipBlanks(&s);
        int zone;
        if (s.p < s.end && !Clock(&s, seconds))
            return 0;
        if (s.p < s.end) { // a zone, or nothing the time can be read with
            if (!Zone(&s, &zone))
                return 0;
            int64_t utc = days * 86400 + *seconds - zone * 60;
            int64_t local = utc + (int64_t)Platform.utcOffsetMinutes(utc) * 60;
            days = (local >= 0 ? local : local - 86399) / 86400;
            *seconds = (int)(local - days * 86400);
        }
        SkipBlanks(&s);
    }
    *date = CivilFromDays(days);
    return s.p == s.end && *date != 0;
}

int ImportUnitWord(const char* text, int length) {
    static const char* const kWords[] = {"kg", "kgs", "lb", "lbs", "g"};
    static const int kUnits[] = {kUnitKg, kUnitKg, kUnitLb, kUnitLb, kUnitGram};
    for (int i = 0; i < 5; i++) {
        Scan s = {text, text + length};
        if (TakeWord(&s, kWords[i]) && s.p == s.end)
            return kUnits[i];
    }
    return -1;
}

static int64_t Rounded(int64_t value, int64_t divisor) {
    return (value + divisor / 2) / divisor;
}

int ParseImportWeight(const char* text, int length, char separator, int unit, int* tenths) {
    Scan s = {text, text + length};
    int64_t mantissa = 0, scale = 1; // the number is mantissa / scale
    int digits = 0, digit;
    for (; Digits(&s, 1, &digit); digits++) {
        if (digits >= 9)
            return 0; // far past any weight
        mantissa = mantissa * 10 + digit;
    }
    if (Take(&s, '.') || (separator != ',' && Take(&s, ','))) {
        for (; Digits(&s, 1, &digit); digits++)
            if (scale < 1000000) // later decimals cannot move a tenth
                mantissa = mantissa * 10 + digit, scale *= 10;
    }
    SkipBlanks(&s);
    const char* word = s.p;
    while (s.p < s.end && (*s.p | 0x20) >= 'a' && (*s.p | 0x20) <= 'z')
        s.p++;
    if (s.p > word && (unit = ImportUnitWord(word, (int)(s.p - word))) < 0)
        return 0;
    SkipBlanks(&s);
    if (!digits || s.p != s.end)
        return 0;
    int64_t t = unit == kUnitGram     ? Rounded(mantissa, 100 * scale)
                : unit == kUnitTenths ? Rounded(mantissa, scale)
                : unit == kUnitLb     ? llround((double)mantissa * 4.5359237 / (double)scale)
                                      : Rounded(mantissa * 10, scale);
    *tenths = (int)t;
    return t >= 1 && t <= 9999;
}
