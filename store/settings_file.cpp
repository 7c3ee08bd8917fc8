#include "store/settings_file.h"

#include <string.h>

#include "store/file_access.h"
#include "store/log_file.h"
#include "store/messages.h"
#include "store/safe_save.h"
#include "store/settings_text.h"

static const char kSettingsFileName[] = "weighminder.ini";

// The one buffer the settings text passes through, with room for a final 0.
static char SettingsText[kSettingsBufferSize + 1];
static SaveStream SettingsSave;
// weighminder.ini as this program last read or wrote it (its first
// SettingsLengthOnDisk bytes), and the values that text stands for, the
// start date as the period it gave.
static char TextOnDisk[kSettingsBufferSize];
static SettingsRecord SettingsOnDisk;
static OptionSettings OptionsOnDisk;

static CalendarDate Today() {
    CalendarDate today = {StartupDate.year, StartupDate.month, StartupDate.day};
    return today;
}

static int32_t PeriodAsDate() {
    return MakeDate(PeriodStartDate.year, PeriodStartDate.month, PeriodStartDate.day);
}

static void NoteTextOnDisk(int length, const SettingsRecord& settings) {
    memcpy(TextOnDisk, SettingsText, length);
    SettingsLengthOnDisk = length;
    SettingsOnDisk = settings;
    SettingsOnDisk.startdate = PeriodAsDate();
    OptionsOnDisk = Options;
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

// The file's text into SettingsText: its length (kSettingsBufferSize when it
// is too large), or -1 when it is missing or cannot be read.
static int ReadSettingsFile(int* result) {
    FileHandle file = Files.openFile(kSettingsFileName, result);
    int length = file ? ReadSettingsText(file) : -1;
    if (file)
        Files.closeFile(file);
    return length;
}

// Another program changed the file since this program last read or wrote
// it: what it wrote stays wherever this program has changed nothing since.
// 1 when the file was read and `stored` merged with it.
static int MergeChangedFile(SettingsRecord* stored, int32_t* countOnDisk) {
    int result = kReadFailed;
    int length = ReadSettingsFile(&result);
    if (SettingsLengthOnDisk < 0 || length < 0 || length >= kSettingsBufferSize ||
        (length == SettingsLengthOnDisk && memcmp(SettingsText, TextOnDisk, length) == 0))
        return 0;
    SettingsRecord disk = SettingsOnDisk;
    OptionSettings diskOptions;
    ParseSettingsText(SettingsText, length, &disk);
    ParseOptionLines(SettingsText, length, &diskOptions);
    ClampSettings(&disk, Platform.screenWidth(), Platform.screenHeight());
    MergeSettings(&SettingsOnDisk, &disk, stored);
    MergeOptions(&OptionsOnDisk, &diskOptions, &Options);
    *countOnDisk = disk.weightdatalen;
    return 1;
}

StoreResult WriteSettings() {
    // The count written is that of the log on disk, read again first if
    // another program changed it.
    ReadLogAgain();
    SettingsRecord stored = Settings;
    stored.startdate = PeriodAsDate();
    int32_t countOnDisk = LogCountOnDisk;
    if (MergeChangedFile(&stored, &countOnDisk)) {
        int32_t count = Settings.weightdatalen;
        Settings = stored;
        Settings.weightdatalen = count;
        PeriodStartDate = PeriodFromStartdate(stored.startdate, Today());
    }
    // A log read only in part keeps the count it has on disk: a shorter one
    // would hide the records that could not be read from every later load.
    stored.weightdatalen = LogPartlyRead ? countOnDisk : Settings.weightdatalen;
    int length = FormatSettingsText(SettingsText, sizeof SettingsText, &stored, &PeriodStartDate);
    if (length >= 0) {
        int room = (int)sizeof SettingsText - length;
        int options = FormatOptionLines(SettingsText + length, room, &Options);
        length = options < 0 ? -1 : length + options;
    }
    if (length < 0 || length >= kSettingsBufferSize ||
        SaveWholeFile(&SettingsSave, kSettingsFileName, SettingsText, length) != 0)
        return kStoreSettingsNotSaved;
    NoteTextOnDisk(length, stored);
    return kStoreOk;
}

int SaveSettings(OwnerWindow owner) {
    return ShowStoreResult(owner, WriteSettings()) == kStoreOk ? 0 : -1;
}

static CalendarDate CaptureStartupDate() {
    StartupDate = Platform.localDate();
    PeriodStartDate = Today();
    return PeriodStartDate;
}

// The settings file is there but its count could not be read. The log
// reader, which runs next, then takes every whole record in taiju.dat: with
// a count of 0 the log would look empty and the next entry would replace it.
static int CountUnknown() {
    Settings.weightdatalen = kLogCapacity;
    SettingsLengthOnDisk = -1;
    return -1;
}

int LoadSettings(OwnerWindow owner) {
    CalendarDate today = CaptureStartupDate();
    int result = kReadFailed;
    int length = ReadSettingsFile(&result);
    if (length < 0 && result == kReadMissing) {
        SettingsLengthOnDisk = -1;
        SaveSettings(owner);
        SaveLog(owner, 0);
        return 0;
    }
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
    NoteTextOnDisk(length, Settings);
    return 0;
}
