#include "store_fixture.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/file_access.h"

namespace fs = std::filesystem;
FakePlatform Fake;
int ReadStep, FailCommit;
static FileSeams Real;

void StoreTest::SetUp() {
    static long long n = std::chrono::steady_clock::now().time_since_epoch().count();
    do
        folder_ = (fs::temp_directory_path() / ("wm-store-" + std::to_string(n++))).string();
    while (!fs::create_directory(folder_));
    fs::current_path(folder_);
    InstallPlatformSeams();
    Real = Files;
    Files.readSome = [](FileHandle file, char* buffer, int capacity) {
        return Real.readSome(file, buffer,
                             ReadStep > 0 && ReadStep < capacity ? ReadStep : capacity);
    };
    Files.commitFile = [](FileHandle file) { return Real.commitFile(file) | -FailCommit; };
    Platform.localDate = [] { return Fake.today; };
    Platform.screenWidth = [] { return Fake.screenWidth; };
    Platform.screenHeight = [] { return Fake.screenHeight; };
    Platform.messageBox = [](OwnerWindow, const char* text, const char* caption, unsigned flags) {
        Fake.messages++;
        Fake.caption = caption, Fake.text = text, Fake.flags = flags;
        return Fake.answer;
    };
    Fake = {{2010, 5, 8, 6}, 1920, 1080, kIdOk, 0, "", "", 0};
    ReadStep = FailCommit = 0;
    ResetRecordsToDefaults();
    PeriodStartDate = CalendarDate{};
}

void StoreTest::TearDown() {
    fs::current_path(fs::temp_directory_path());
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string ReadBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

bool FileExists(const char* name) {
    return fs::exists(fs::symlink_status(name));
}
