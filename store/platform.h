// Seams between the portable core and the platform: the clock, the screen
// size and message boxes. The Win32 shell installs the real functions; the
// native tests install fakes. Texts are UTF-8; the Win32 side converts them
// to UTF-16 and calls the wide API.
#pragma once
#include "store/records.h"

typedef void* OwnerWindow; // an HWND on Windows, opaque to the core

// Message box flags and answers, with the values Win32 gives them.
enum {
    kMbOk = 0x0,
    kMbYesNo = 0x4,
    kMbIconError = 0x10,
    kMbIconWarning = 0x30,
    kIdOk = 1,
    kIdYes = 6,
    kIdNo = 7,
};

struct PlatformSeams {
    LocalDate (*localDate)();
    int (*screenWidth)();
    int (*screenHeight)();
    int (*messageBox)(OwnerWindow owner, const char* text, const char* caption, unsigned flags);
    // Minutes the local clock is ahead of UTC at an instant (seconds since
    // 1970 UTC), by the rules in force then, summer time included.
    int (*utcOffsetMinutes)(int64_t utcSeconds);
};

extern PlatformSeams Platform;

// Installs the platform's own seams (Win32 calls on Windows, the POSIX clock
// and a message printer elsewhere).
void InstallPlatformSeams();
