#include "store/log_text.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "store/settings_text.h"

int EntryFitsRecord(WeightEntry e) {
    return e.date >= 0 && e.date <= 99999999 && e.weight >= -999 && e.weight <= 9999;
}

// "00" to "99", two characters each.
static const char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930"
                                  "31323334353637383940414243444546474849505152535455565758596061"
                                  "6263646566676869707172737475767778798081828384858687888990919293"
                                  "949596979899";

static inline void PutPair(char* out, int value) {
    memcpy(out, kDigitPairs + 2 * value, 2);
}

// Writes a value of 0..9999 as four digits with leading zeros.
static inline void PutFour(char* out, int value) {
    PutPair(out, value / 100);
    PutPair(out + 2, value % 100);
}

// The bytes "%05d,%04d/%02d/%02d,%04d\r\n" gives, written by hand: the log
// is saved whole after every change, so this runs 65,536 times per save.
int FormatLogRecord(char* out, int index, WeightEntry e) {
    if (!EntryFitsRecord(e) || index < 0 || index >= kLogCapacity)
        return -1;
    int number = index + 1;
    out[0] = (char)('0' + number / 10000);
    PutFour(out + 1, number % 10000);
    out[5] = ',';
    PutFour(out + 6, DateYear(e.date));
    out[10] = '/';
    PutPair(out + 11, DateMonth(e.date));
    out[13] = '/';
    PutPair(out + 14, DateDay(e.date));
    out[16] = ',';
    if (e.weight < 0) { // %04d pads after the sign: -5 is "-005"
        out[17] = '-';
        out[18] = (char)('0' - e.weight / 100);
        PutPair(out + 19, -e.weight % 100);
    } else {
        PutFour(out + 17, e.weight);
    }
    out[21] = '\r';
    out[22] = '\n';
    out[23] = '\0';
    return kLogRecordSize;
}

int FormatCsvLine(char* out, int index, WeightEntry e) {
    int n = snprintf(out, kCsvLineCapacity, "%05d,%04d/%02d/%02d,%f\r\n", index + 1,
                     DateYear(e.date), DateMonth(e.date), DateDay(e.date), e.weight / 10.0);
    if (n < 0)
        return 0;
    return n < kCsvLineCapacity ? n : kCsvLineCapacity - 1;
}

WeightEntry ParseLogRecord(const char* r) {
    WeightEntry e;
    e.date = MakeDate(DecimalValue(r + 6, 4), DecimalValue(r + 11, 2), DecimalValue(r + 14, 2));
    e.weight = DecimalValue(r + 17, 4);
    // A damaged record can read as a date below zero ("-001/05/08"), which
    // no record can hold: kept as is, it would make every later save of the
    // log fail, and so lose each new entry. It reads as no date instead.
    if (e.date < 0)
        e.date = 0;
    return e;
}

#if defined(__SSE2__)

// Every build the program ships for has SSE2 (the 32-bit one is compiled
// for it). A log of 65,536 records loads in an eighth of the time the
// general reader takes (BM_LoadLog), and the log is read whole at every start.
// The usual record holds digits only. Its sixteen bytes from byte 5,
// ",yyyy/mm/dd,wwww", are checked and converted together: each digit is
// weighted by its place value and the separators by 0.
static inline int ParsePlainRecord(const char* r, WeightEntry* e) {
    const __m128i zeros = _mm_set1_epi8('0');
    const __m128i nines = _mm_set1_epi8(9);
    const int kDigitBytes = 0xF6DE; // bytes 1-4, 6-7, 9-10 and 12-15
    __m128i d = _mm_sub_epi8(_mm_loadu_si128((const __m128i*)(r + 5)), zeros);
    int digits = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(d, nines), nines));
    if ((digits & kDigitBytes) != kDigitBytes)
        return 0;
    // Pairs of bytes: (, y) (y y) (y /) (m m) | (/ d) (d ,) (w w) (w w).
    const __m128i firstWeights = _mm_setr_epi16(0, 1000, 100, 10, 1, 0, 10, 1);
    const __m128i secondWeights = _mm_setr_epi16(0, 10, 1, 0, 1000, 100, 10, 1);
    __m128i first = _mm_madd_epi16(_mm_unpacklo_epi8(d, _mm_setzero_si128()), firstWeights);
    __m128i second = _mm_madd_epi16(_mm_unpackhi_epi8(d, _mm_setzero_si128()), secondWeights);
    // Lanes: year's first three digits, its last digit and the month, the
    // day, the weight.
    const __m128i placeWeights = _mm_setr_epi16(10000, 10000, 10000, 100, 1, 1, 1, 1);
    __m128i parts = _mm_madd_epi16(_mm_packs_epi32(first, second), placeWeights);
    e->date = _mm_cvtsi128_si32(parts) + _mm_cvtsi128_si32(_mm_srli_si128(parts, 4)) +
              _mm_cvtsi128_si32(_mm_srli_si128(parts, 8));
    e->weight = _mm_cvtsi128_si32(_mm_srli_si128(parts, 12));
    return 1;
}

#else // no SSE2: every record goes through the general reader

static inline int ParsePlainRecord(const char*, WeightEntry*) {
    return 0;
}

#endif

int ParseLogRecords(const char* text, int length, int count, WeightEntry* out) {
    int i = 0;
    for (; i < count && (i + 1) * kLogRecordSize <= length; i++) {
        const char* r = text + i * kLogRecordSize;
        if (!ParsePlainRecord(r, &out[i]))
            out[i] = ParseLogRecord(r);
    }
    return i;
}
