#include "store/settings_file.h"

#include "store/file_access.h"
#include "store/log_file.h"
#include "store/messages.h"
#include "store/safe_save.h"
#include "store/settings_text.h"

static const char kSettingsFileName[] = "weighminder.ini";

// The one buffer the settings text passes through, with room for a final 0.
static char SettingsText[kSettingsBufferSize + 1];
static SaveStream SettingsSave;

int SaveSettings(OwnerWindow owner) {
    int length = FormatSettingsText(SettingsText, sizeof SettingsText, &Settings, &PeriodStartDate);
    if (length < 0 || SaveWholeFile(&SettingsSave, kSettingsFileName, SettingsText, length) != 0) {
        ShowStoreError(owner, kSettingsOpenErrorText, kOpenErrorCaption);
        return -1;
    }
    return 0;
}

static CalendarDate CaptureStartupDate() {
    StartupDate = Platform.localDate();
    CalendarDate today = {StartupDate.year, StartupDate.month, StartupDate.day};
    PeriodStartDate = today;
    return today;
}

int LoadSettings(OwnerWindow owner) {
    CalendarDate today = CaptureStartupDate();
    int64_t size = 0;
    int length = 0;
    int result =
        Files.readFile(kSettingsFileName, SettingsText, kSettingsBufferSize, &size, &length);
    if (result == kReadMissing) {
        SaveSettings(owner);
        SaveLog(owner, 0);
        return 0;
    }
    if (result != kReadOk) {
        // The file is there but cannot be read: say so, and keep it (and
        // the values in memory) rather than overwrite it with defaults.
        ShowStoreError(owner, kSettingsOpenErrorText, kOpenErrorCaption);
        return -1;
    }
    if (size >= kSettingsBufferSize) {
        ShowStoreError(owner, kSettingsSizeErrorText, kSizeErrorCaption);
        return -1;
    }
    SettingsText[length] = '\0';
    ParseSettingsText(SettingsText, length, &Settings);
    PeriodStartDate = PeriodFromStartdate(Settings.startdate, today);
    ClampSettings(&Settings, Platform.screenWidth(), Platform.screenHeight());
    return 0;
}
