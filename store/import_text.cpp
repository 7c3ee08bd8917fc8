#include "store/import_text.h"

#include <string.h>

// Moves what is left to the front and reads until the chunk is full or the
// file ends.
static int Refill(ImportText* t) {
    int left = t->used - t->at;
    memmove(t->raw, t->raw + t->at, left);
    t->used = left, t->at = 0;
    while (!t->ended && t->used < kImportChunkSize) {
        int n = Files.readSome(t->file, (char*)t->raw + t->used, kImportChunkSize - t->used);
        if (n < 0)
            return kLineUnreadable;
        t->ended = n == 0;
        t->used += n, t->total += n;
        if (t->total > kImportFileLimit)
            return kLineFileTooLarge;
    }
    return kLineReady;
}

// Whether bytes could be UTF-8: every sequence well formed, one cut short at
// the end of a chunk that the file goes on after excepted.
static int LooksLikeUtf8(const unsigned char* p, int n, int whole) {
    for (int i = 0; i < n;) {
        int b = p[i], more = b < 0x80                ? 0
                             : b >= 0xC2 && b < 0xE0 ? 1
                             : b >= 0xE0 && b < 0xF0 ? 2
                             : b >= 0xF0 && b < 0xF5 ? 3
                                                     : -1;
        if (more < 0)
            return 0;
        for (int k = 1; k <= more; k++)
            if (i + k >= n ? whole : (p[i + k] & 0xC0) != 0x80)
                return 0;
        i += more + 1;
    }
    return 1;
}

int OpenImportText(ImportText* t, const char* name) {
    int result = kReadFailed;
    t->file = Files.openFile(name, &result);
    t->ended = t->pendingLf = 0;
    t->total = t->used = t->at = t->length = t->number = 0;
    if (!t->file)
        return kLineUnreadable;
    int read = Refill(t);
    if (read != kLineReady)
        return read;
    const unsigned char* p = t->raw;
    if (t->used >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        t->encoding = kUtf8, t->at = 3;
    else if (t->used >= 2 && (p[0] == 0xFF || p[0] == 0xFE) && p[0] + p[1] == 0x1FD)
        t->encoding = p[0] == 0xFF ? kUtf16Le : kUtf16Be, t->at = 2;
    else if (memchr(p, 0, t->used))
        return kLineBinary; // UTF-16 without its mark is taken for binary too
    else
        t->encoding = LooksLikeUtf8(p, t->used, t->ended) ? kUtf8 : kShiftJis;
    return kLineReady;
}

void CloseImportText(ImportText* t) {
    if (t->file)
        Files.closeFile(t->file);
    t->file = nullptr;
}

static char* PutUtf8(char* out, uint32_t c) {
    if (c < 0x80) {
        *out++ = (char)c;
    } else if (c < 0x800) {
        *out++ = (char)(0xC0 | c >> 6);
        *out++ = (char)(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = (char)(0xE0 | c >> 12);
        *out++ = (char)(0x80 | (c >> 6 & 0x3F));
        *out++ = (char)(0x80 | (c & 0x3F));
    } else {
        *out++ = (char)(0xF0 | c >> 18);
        *out++ = (char)(0x80 | (c >> 12 & 0x3F));
        *out++ = (char)(0x80 | (c >> 6 & 0x3F));
        *out++ = (char)(0x80 | (c & 0x3F));
    }
    return out;
}

// The Shift_JIS pairs the import reads; every other one is no more than a
// character it skips.
static uint32_t ShiftJisPair(int lead, int trail) {
    static const struct {
        uint16_t code;
        uint16_t unicode;
    } kPairs[] = {{0x93FA, 0x65E5}, {0x9574, 0x4ED8}, {0x91CC, 0x4F53}, {0x8F64, 0x91CD}};
    int code = lead << 8 | trail;
    if (code >= 0x824F && code <= 0x8258)
        return '0' + code - 0x824F; // full-width digits
    for (const auto& pair : kPairs)
        if (pair.code == code)
            return pair.unicode;
    return '?';
}

// Decodes one character from t->raw (at least four bytes are there unless
// the file ends sooner).
static uint32_t NextCharacter(ImportText* t) {
    const unsigned char* p = t->raw + t->at;
    int left = t->used - t->at;
    if (t->encoding == kUtf8) {
        t->at++; // any byte above 0x7F is passed on as it stands
        return p[0];
    }
    if (t->encoding == kShiftJis) {
        int b = p[0];
        t->at++;
        if (b < 0x80)
            return b;
        int lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (!lead || left < 2 || p[1] < 0x40 || p[1] == 0x7F || p[1] > 0xFC)
            return '?';
        t->at++;
        return ShiftJisPair(b, p[1]);
    }
    if (left < 2) {
        t->at = t->used; // half a unit at the end
        return 0xFFFD;
    }
    int big = t->encoding == kUtf16Be;
    uint32_t unit = big ? p[0] << 8 | p[1] : p[1] << 8 | p[0];
    t->at += 2;
    if (unit < 0xD800 || unit > 0xDFFF)
        return unit;
    uint32_t low = left >= 4 ? (big ? p[2] << 8 | p[3] : p[3] << 8 | p[2]) : 0;
    if (unit >= 0xDC00 || low < 0xDC00 || low > 0xDFFF)
        return 0xFFFD;
    t->at += 2;
    return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
}

int NextImportLine(ImportText* t) {
    char* out = t->line;
    int64_t start = t->total - (t->used - t->at); // file offset of the line
    t->number++;
    for (;;) {
        if (t->used - t->at < 4 && !t->ended) {
            int read = Refill(t);
            if (read != kLineReady)
                return read;
        }
        if (t->at >= t->used) {
            t->length = (int)(out - t->line);
            return t->length > 0 || start < t->total ? kLineReady : kLineEnd;
        }
        uint32_t c = NextCharacter(t);
        if (c == '\n' && t->pendingLf) {
            t->pendingLf = 0;
            start = t->total - (t->used - t->at);
            continue;
        }
        t->pendingLf = 0;
        if (c == '\r' || c == '\n') {
            t->pendingLf = c == '\r';
            t->length = (int)(out - t->line);
            return kLineReady;
        }
        if (c < 0x20 && c != '\t')
            return kLineBinary;
        if (t->total - (t->used - t->at) - start > kImportLineLimit)
            return kLineTooLong;
        if (t->encoding == kUtf8)
            *out++ = (char)c;
        else
            out = PutUtf8(out, c);
    }
}
