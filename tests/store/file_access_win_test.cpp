// The Win32 file calls under Wine, with the faults other programs and the disk make for real: a
// file held open without sharing, a folder in a file's place, a read-only file, a move refused,
// a disk that fills.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <tuple>

#include "store/file_access.h"
#include "store/safe_save.h"

namespace {

using std::make_tuple;
using std::string;

string Read(const char* name) { // "-" when it cannot be opened
    std::ifstream in(name, std::ios::binary);
    return in ? string(std::istreambuf_iterator<char>(in), {}) : "-";
}

SaveStream Save;
int Saved(const string& text) {
    return SaveWholeFile(&Save, "taiju.dat", text.data(), (int)text.size());
}

// Another program's handle on taiju.dat, closed ms milliseconds from now (the retries give
// up after about 300).
std::thread Hold(DWORD access, DWORD sharing, int ms) {
    HANDLE h = CreateFileA("taiju.dat", access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    return std::thread([=] { Sleep(ms), CloseHandle(h); });
}

struct WinFiles : ::testing::Test {
    void SetUp() override {
        InstallFileSeams();
        std::filesystem::create_directory(folder_);
        std::filesystem::current_path(folder_);
        std::ofstream("taiju.dat", std::ios::binary) << "old";
    }
    void TearDown() override {
        SetFileAttributesA("taiju.dat", FILE_ATTRIBUTE_NORMAL);
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder_);
    }
    const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "wm-win-files";
};

TEST_F(WinFiles, ReadsWaitForAFileHeldWithoutSharingAndLetOthersReadButNotWrite) {
    for (int ms : {100, 1000}) {
        std::thread holder = Hold(GENERIC_READ, 0, ms);
        int result = 1;
        FileHandle file = Files.openFile("taiju.dat", &result);
        FileStamp stamp = Files.stampFile("taiju.dat"); // told from the folder, however held
        EXPECT_EQ(make_tuple(result, stamp.state, stamp.size),
                  make_tuple(ms < 300 ? kReadOk : kReadFailed, kReadOk, int64_t{3}));
        holder.join();
        if (file != nullptr)
            Files.closeFile(file);
    }
    FileStamp before = Files.stampFile("taiju.dat"); // another program's save of the same size
    auto time = std::filesystem::last_write_time("taiju.dat");
    std::filesystem::last_write_time("taiju.dat", time + std::chrono::seconds(1));
    EXPECT_FALSE(SameStamp(Files.stampFile("taiju.dat"), before));
    int result = 1;
    FileHandle file = Files.openFile("taiju.dat", &result);
    char bytes[8];
    EXPECT_EQ(make_tuple(Read("taiju.dat"), Files.readSome(file, bytes, 8)), make_tuple("old", 3));
    HANDLE writer = CreateFileA("taiju.dat", GENERIC_WRITE, 7, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    Files.closeFile(file);
    EXPECT_EQ(make_tuple(Files.openFile("none", &result), result, Files.stampFile("none").state),
              make_tuple(nullptr, kReadMissing, kReadMissing));
    std::filesystem::create_directory("weighminder.ini"); // a folder in the file's place
    FileHandle folder = Files.openFile("weighminder.ini", &result);
    EXPECT_EQ(make_tuple(folder, result, SaveWholeFile(&Save, "weighminder.ini", "new", 3)),
              make_tuple(nullptr, kReadFailed, -1));
}

// A read-only taiju.dat is refused at once; one another program holds without letting it be
// replaced is waited for, then kept.
TEST_F(WinFiles, ASaveKeepsAReadOnlyFileAndWaitsForAMoveRefusedWhileTheFileIsHeld) {
    SetFileAttributesA("taiju.dat", FILE_ATTRIBUTE_READONLY);
    int result = Saved("new");
    EXPECT_EQ(make_tuple(result, Read("taiju.dat"), Read("taiju.dat.tmp")),
              make_tuple(-1, "old", "-"));
    SetFileAttributesA("taiju.dat", FILE_ATTRIBUTE_NORMAL);
    for (int ms : {1000, 100}) {
        std::thread holder = Hold(GENERIC_READ, FILE_SHARE_READ, ms);
        result = Saved("new");
        holder.join();
        EXPECT_EQ(make_tuple(result, Read("taiju.dat"), Read("taiju.dat.tmp")),
                  make_tuple(ms < 300 ? 0 : -1, ms < 300 ? "new" : "old", "-"));
    }
}

// On a 64 KiB disk of its own (mounted for this test when run as root).
TEST_F(WinFiles, ASaveThatFillsTheDiskKeepsTheOldFile) {
    string disk = getenv("WM_SMALL_DISK") ? "Z:" + string(getenv("WM_SMALL_DISK")) : "";
    ULARGE_INTEGER size = {};
    std::replace(disk.begin(), disk.end(), '/', '\\');
    if (!SetCurrentDirectoryA(disk.c_str()) || !GetDiskFreeSpaceExA(".", nullptr, &size, nullptr) ||
        size.QuadPart > 65536)
        GTEST_SKIP()
            << "a disk that fills: no 64 KiB disk at WM_SMALL_DISK (mounting one needs root)";
    std::ofstream("taiju.dat", std::ios::binary) << string(20000, 'o');
    for (int size : {50000, 30000}) { // too large for the disk beside the old file; then not
        int result = Saved(string(size, 'n'));
        string kept = Read("taiju.dat");
        EXPECT_EQ(make_tuple(result, kept.size(), kept.back(), Read("taiju.dat.tmp")),
                  size > 40000 ? make_tuple(-1, size_t{20000}, 'o', "-")
                               : make_tuple(0, size_t{30000}, 'n', "-"));
    }
    DeleteFileA("taiju.dat");
}

} // namespace
