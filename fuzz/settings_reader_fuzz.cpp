// The text of weighminder.ini as any bytes (after one byte the target does
// not use): the reader keeps the window on the screen and the count within
// the log, and what it read is written and read back the same.
#include <stdint.h>
#include <string.h>

#include "fuzz/require.h"
#include "store/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 1000)
        return 0;
    SettingsRecord s = {0, 0, 0, 0, 500, 500, 150, 0, 0, 0, 0, 0}, again = {};
    ParseSettingsText((const char*)data + 1, (int)size - 1, &s);
    ClampSettings(&s, 1024, 768);
    Require(s.winX >= 0 && s.winX <= 768 && s.winY >= 0 && s.winY <= 662 && s.topmost >= 0);
    Require(s.weightdatalen >= 0 && s.weightdatalen <= kLogCapacity);
    CalendarDate period = PeriodFromStartdate(s.startdate, {2026, 12, 6});
    char text[1000];
    int length = FormatSettingsText(text, sizeof text, &s, &period);
    Require(length > 0 && period.year >= 2000);
    ParseSettingsText(text, length, &again);
    CalendarDate reread = PeriodFromStartdate(again.startdate, {1, 1, 1});
    Require(reread.year == period.year && reread.month == period.month && reread.day == period.day);
    again.startdate = s.startdate; // written from the period start, compared above
    Require(memcmp(&again, &s, sizeof s) == 0);
    return 0;
}
