// Each storage test runs in a fresh empty folder over the platform's real file
// code and its 1920 x 1080 screen, with a fake clock and message box.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "store/file_access.h"
#include "store/platform.h"

struct FakePlatform {
    LocalDate today;
    int answer, messages;      // the answer to every message box; the boxes shown
    std::string caption, text; // the last box's texts and flags
    unsigned flags;
};
inline FakePlatform Fake;
// Faults in the file code: reads return at most ReadStep bytes (0: no limit), and the read
// after ReadsLeft more fails, as does the flush to the disk after CommitsLeft more (-1: none).
inline int ReadStep, ReadsLeft, CommitsLeft;
inline FileSeams RealFiles;

inline std::string ReadBytes(const char* name) { // "" when missing
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

inline bool FileExists(const char* name) {
    return std::filesystem::exists(std::filesystem::symlink_status(name));
}

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = (std::filesystem::temp_directory_path() / "wm-store-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(folder_.data()));
        std::filesystem::current_path(folder_);
        InstallPlatformSeams();
        RealFiles = Files;
        Files.readSome = [](FileHandle file, char* buffer, int capacity) {
            int n = ReadStep > 0 && ReadStep < capacity ? ReadStep : capacity;
            return ReadsLeft-- == 0 ? -1 : RealFiles.readSome(file, buffer, n);
        };
        Files.commitFile = [](FileHandle file) {
            return RealFiles.commitFile(file) | -(CommitsLeft-- == 0);
        };
        Platform.localDate = [] { return Fake.today; };
        Platform.messageBox = [](OwnerWindow, const char* text, const char* caption,
                                 unsigned flags) {
            Fake.messages++;
            Fake.caption = caption, Fake.text = text, Fake.flags = flags;
            return Fake.answer;
        };
        Fake = {{2010, 5, 8, 6}, kIdOk, 0, "", "", 0};
        ReadStep = 0, ReadsLeft = CommitsLeft = -1;
        ResetRecordsToDefaults();
        PeriodStartDate = CalendarDate{};
    }
    void TearDown() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string folder_;
};
