#include "store_fixture.h"

#include <stdio.h>

#include "store/records.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FakePlatformState Fake;
FileFaults Faults;
static FileSeams RealFiles;

LocalDate Day(int year, int month, int day, int weekday) {
    LocalDate d = {year, month, day, weekday};
    return d;
}

static LocalDate FakeLocalDate() {
    return Fake.today;
}
static int FakeScreenWidth() {
    return Fake.screenWidth;
}
static int FakeScreenHeight() {
    return Fake.screenHeight;
}
static int FakeMessageBox(OwnerWindow owner, const char* text, const char* caption,
                          unsigned flags) {
    Fake.messageCount++;
    Fake.last = RecordedMessage{owner, text, caption, flags};
    return kIdOk;
}

static FileHandle FaultyOpen(const char* name, int* result) {
    if (Faults.failRead && FileExists(name)) {
        *result = kReadFailed;
        return nullptr;
    }
    return RealFiles.openFile(name, result);
}

static int FaultyReadSome(FileHandle file, char* buffer, int capacity) {
    if (Faults.readStep > 0 && capacity > Faults.readStep)
        capacity = Faults.readStep;
    if (Faults.readBudget == 0)
        return -1;
    if (Faults.readBudget > 0 && capacity > Faults.readBudget)
        capacity = Faults.readBudget;
    int n = RealFiles.readSome(file, buffer, capacity);
    if (n > 0 && Faults.readBudget > 0)
        Faults.readBudget -= n;
    return n;
}

static int FaultyWrite(FileHandle file, const char* data, int length) {
    if (Faults.writeBudget < 0)
        return RealFiles.writeFile(file, data, length);
    int n = length < Faults.writeBudget ? length : Faults.writeBudget;
    Faults.writeBudget -= n;
    if (n > 0 && RealFiles.writeFile(file, data, n) != 0)
        return -1;
    return n == length ? 0 : -1; // the disk filled up part way
}

static int FaultyCommit(FileHandle file) {
    int result = RealFiles.commitFile(file);
    return Faults.failCommit ? -1 : result;
}

static int FaultyReplace(const char* from, const char* to) {
    return Faults.failReplace ? -1 : RealFiles.replaceFile(from, to);
}

static void FaultyRemove(const char* name) {
    if (!Faults.keepTemp)
        RealFiles.removeFile(name);
}

static void InstallFakesAndDefaults() {
    InstallPlatformSeams();
    RealFiles = Files;
    Files.openFile = FaultyOpen;
    Files.readSome = FaultyReadSome;
    Files.writeFile = FaultyWrite;
    Files.commitFile = FaultyCommit;
    Files.replaceFile = FaultyReplace;
    Files.removeFile = FaultyRemove;
    Platform.localDate = FakeLocalDate;
    Platform.screenWidth = FakeScreenWidth;
    Platform.screenHeight = FakeScreenHeight;
    Platform.messageBox = FakeMessageBox;
    Fake = FakePlatformState{Day(2010, 5, 8, 6), 1920, 1080, 0, RecordedMessage{}};
    Faults = FileFaults{-1, 0, 0, 0, 0, 0, -1};
    ResetRecordsToDefaults();
    StartupDate = LocalDate{};
    PeriodStartDate = CalendarDate{};
    PendingPeriodDate = CalendarDate{};
}

std::string ReadBytes(const char* name) {
    std::string bytes;
    FILE* f = fopen(name, "rb");
    if (!f)
        return bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    fclose(f);
    return bytes;
}

void WriteBytes(const char* name, const std::string& bytes) {
    FILE* f = fopen(name, "wb");
    ASSERT_NE(f, nullptr) << name;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

bool FileExists(const char* name) {
    FILE* f = fopen(name, "rb");
    if (f)
        fclose(f);
    return f != nullptr;
}

#ifdef _WIN32

static int FolderCounter;

static HANDLE HeldReader = INVALID_HANDLE_VALUE;

// Wine run as root still lets a read-only file be opened for writing, so the
// file is also held open by a reader that shares reading only, as a viewer
// might: a loader asking for write access fails then, on Wine and Windows.
void MakeReadOnly(const char* name) {
    SetFileAttributesA(name, FILE_ATTRIBUTE_READONLY);
    HeldReader =
        CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(HeldReader, INVALID_HANDLE_VALUE);
}

void ExpectWriteOpenRefused(const char* name) {
    HANDLE h = CreateFileA(name, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << name << " is still writable";
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
}

void StoreTest::SetUp() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char folder[MAX_PATH + 64];
    snprintf(folder, sizeof folder, "%swm-store-%lu-%d", temp, GetCurrentProcessId(),
             ++FolderCounter);
    ASSERT_TRUE(CreateDirectoryA(folder, nullptr)) << folder;
    ASSERT_TRUE(SetCurrentDirectoryA(folder));
    folder_ = folder;
    InstallFakesAndDefaults();
}

void StoreTest::TearDown() {
    if (HeldReader != INVALID_HANDLE_VALUE)
        CloseHandle(HeldReader);
    HeldReader = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA("*", &found);
    while (h != INVALID_HANDLE_VALUE) {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            SetFileAttributesA(found.cFileName, FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(found.cFileName);
        }
        if (!FindNextFileA(h, &found)) {
            FindClose(h);
            break;
        }
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    RemoveDirectoryA(folder_.c_str());
}

#else

void MakeReadOnly(const char* name) {
    chmod(name, 0444);
}

void ExpectWriteOpenRefused(const char* name) {
    if (geteuid() == 0)
        return;
    int fd = open(name, O_WRONLY);
    EXPECT_LT(fd, 0) << name << " is still writable";
    if (fd >= 0)
        close(fd);
}

void StoreTest::SetUp() {
    char folder[] = "/tmp/wm-store-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    folder_ = folder;
    InstallFakesAndDefaults();
}

void StoreTest::TearDown() {
    DIR* dir = opendir(".");
    while (struct dirent* entry = dir ? readdir(dir) : nullptr) {
        if (entry->d_name[0] != '.')
            unlink(entry->d_name);
    }
    if (dir)
        closedir(dir);
    if (chdir("/tmp") == 0)
        rmdir(folder_.c_str());
}

#endif
