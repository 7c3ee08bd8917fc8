// The seams on Windows: GetLocalTime, the primary screen's size, and
// MessageBoxW with the UTF-8 texts converted to UTF-16.
#include <windows.h>

#include "store/file_access.h"
#include "store/platform.h"
#include "win/system_library_win.h"
#include "win/utf8_win.h"

enum { kMessageChars = 512 };

static LocalDate WinLocalDate() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    LocalDate d = {t.wYear, t.wMonth, t.wDay, t.wDayOfWeek};
    return d;
}

static int WinScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
static int WinScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

static int WinMessageBox(OwnerWindow owner, const char* text, const char* caption, unsigned flags) {
    wchar_t wideText[kMessageChars];
    wchar_t wideCaption[kMessageChars];
    WidenUtf8(text, wideText, kMessageChars);
    WidenUtf8(caption, wideCaption, kMessageChars);
    LoadDialogLibraries();
    return MessageBoxW((HWND)owner, wideText, wideCaption, flags);
}

// FILETIME counts 100 ns from 1601; the local time follows the time zone's
// rules for that date, as Windows keeps them.
static int WinUtcOffsetMinutes(int64_t utcSeconds) {
    const int64_t kTicks = 10000000, k1601To1970 = 11644473600LL;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (ULONGLONG)((utcSeconds + k1601To1970) * kTicks);
    FILETIME utcFile = {ticks.LowPart, ticks.HighPart}, localFile;
    SYSTEMTIME utc, local;
    if (utcSeconds < -k1601To1970 || !FileTimeToSystemTime(&utcFile, &utc) ||
        !SystemTimeToTzSpecificLocalTime(NULL, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localFile))
        return 0;
    ULARGE_INTEGER back = {{localFile.dwLowDateTime, localFile.dwHighDateTime}};
    return (int)(((int64_t)back.QuadPart - (int64_t)ticks.QuadPart) / kTicks / 60);
}

void InstallPlatformSeams() {
    Platform = PlatformSeams{WinLocalDate, WinScreenWidth, WinScreenHeight, WinMessageBox,
                             WinUtcOffsetMinutes};
    InstallFileSeams();
}
