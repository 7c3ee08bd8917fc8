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
    // A log read only in part keeps the count it had on disk: a shorter one
    // would hide the records that could not be read from every later load.
    SettingsRecord stored = Settings;
    if (LogPartlyRead)
        stored.weightdatalen = LogCountOnDisk;
    int length = FormatSettingsText(SettingsText, sizeof SettingsText, &stored, &PeriodStartDate);
    if (length >= 0) {
        int room = (int)sizeof SettingsText - length;
        int options = FormatOptionLines(SettingsText + length, room, &Options);
        length = options < 0 ? -1 : length + options;
    }
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

// Reads until the buffer is full or the file ends; the bytes read, or -1.
static int ReadSettingsText(FileHandle file) {
    int length = 0;
    while (length < kSettingsBufferSize) {
        int n = Files.readSome(file, SettingsText + length, kSettingsBufferSize - length);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        length += n;
    }
    return length;
}

// The settings file is there but its count could not be read. The log
// reader, which runs next, then takes every whole record in taiju.dat: with
// a count of 0 the log would look empty and the next entry would replace it.
static int CountUnknown() {
    Settings.weightdatalen = kLogCapacity;
    return -1;
}

int LoadSettings(OwnerWindow owner) {
    CalendarDate today = CaptureStartupDate();
    int result = kReadFailed;
    FileHandle file = Files.openFile(kSettingsFileName, &result);
    if (!file && result == kReadMissing) {
        SaveSettings(owner);
        SaveLog(owner, 0);
        return 0;
    }
    int length = file ? ReadSettingsText(file) : -1;
    if (file)
        Files.closeFile(file);
    if (length < 0) {
        // The file is there but cannot be read: say so, and keep it (and
        // the values in memory) rather than overwrite it with defaults.
        ShowStoreError(owner, kSettingsOpenErrorText, kOpenErrorCaption);
        return CountUnknown();
    }
    if (length >= kSettingsBufferSize) { // the file holds 1,000 bytes or more
        ShowStoreError(owner, kSettingsSizeErrorText, kSizeErrorCaption);
        return CountUnknown();
    }
    SettingsText[length] = '\0';
    ParseSettingsText(SettingsText, length, &Settings);
    ParseOptionLines(SettingsText, length, &Options);
    PeriodStartDate = PeriodFromStartdate(Settings.startdate, today);
    ClampSettings(&Settings, Platform.screenWidth(), Platform.screenHeight());
    return 0;
}
