// The seams for a native (non-Windows) build: the local clock, a fixed
// screen, and message boxes printed to the error stream.
#include <stdio.h>
#include <time.h>

#include "store/file_access.h"
#include "store/platform.h"

enum { kNativeScreenWidth = 1920, kNativeScreenHeight = 1080 };

static LocalDate PosixLocalDate() {
    time_t now = time(nullptr);
    struct tm t;
    localtime_r(&now, &t);
    LocalDate d = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_wday};
    return d;
}

static int PosixScreenWidth() {
    return kNativeScreenWidth;
}
static int PosixScreenHeight() {
    return kNativeScreenHeight;
}

static int PosixMessageBox(OwnerWindow, const char* text, const char* caption, unsigned flags) {
    fprintf(stderr, "[%s] %s\n", caption, text);
    // Nobody can answer here: a question gets the cautious answer.
    return (flags & 0xF) == kMbYesNo ? kIdNo : kIdOk;
}

static int PosixUtcOffsetMinutes(int64_t utcSeconds) {
    time_t at = (time_t)utcSeconds;
    struct tm t;
    return localtime_r(&at, &t) ? (int)(t.tm_gmtoff / 60) : 0;
}

void InstallPlatformSeams() {
    Platform = PlatformSeams{PosixLocalDate, PosixScreenWidth, PosixScreenHeight, PosixMessageBox,
                             PosixUtcOffsetMinutes};
    InstallFileSeams();
}
