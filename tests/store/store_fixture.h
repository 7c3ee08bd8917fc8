// Shared helpers for the storage tests: every test runs in a fresh empty
// folder of its own (the files are relative to the current directory), with
// a fake clock, a fake screen and a recorder for message boxes, over the
// platform's real file code. Faults can be switched on in that file code.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "store/file_access.h"
#include "store/platform.h"
#include "store/records.h"

struct RecordedMessage {
    OwnerWindow owner;
    std::string text;
    std::string caption;
    unsigned flags;
};

struct FakePlatformState {
    LocalDate today;
    int screenWidth;
    int screenHeight;
    int messageCount;
    RecordedMessage last;
};
extern FakePlatformState Fake;

// Faults injected into the real file functions.
struct FileFaults {
    int writeBudget; // bytes written before writes start failing; -1 = never
    int failCommit;  // the flush reports failure (the data was written)
    int failReplace; // the final move does not happen
    int keepTemp;    // removing the temporary file does nothing (a crash)
    int failRead;    // an existing file cannot be opened
    int readStep;    // reads return at most this many bytes; 0 = no limit
    int readBudget;  // bytes read before reading fails; -1 = never
};
extern FileFaults Faults;

std::string ReadBytes(const char* name); // "" when missing
void WriteBytes(const char* name, const std::string& bytes);
bool FileExists(const char* name);
// Makes the file read-only the way the platform knows it (the Windows
// read-only attribute; no write permission on POSIX).
void MakeReadOnly(const char* name);
// Checks that opening the file for writing now fails, so that a loader that
// asked for write access could not read it. POSIX root may write anyway
// (the check is skipped there); the storage code still refuses to replace it.
void ExpectWriteOpenRefused(const char* name);

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    std::string folder_;
};

LocalDate Day(int year, int month, int day, int weekday);
