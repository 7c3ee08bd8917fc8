// Seam between the storage code and the file system. The platform installs
// its own functions (Win32 or POSIX); tests wrap them to inject faults such
// as a write that stops half way or a disk that fills up on flush.
#pragma once
#include <stdint.h>

typedef void* FileHandle; // null means "no file"

enum FileReadResult {
    kReadOk = 0,
    kReadMissing = -1, // the file does not exist
    kReadFailed = -2,  // it exists but cannot be opened or read
};

// What a file was when this program last read or wrote it: whether it was
// there, its size and its last-write time (in the platform's own units).
struct FileStamp {
    int state; // kReadOk, kReadMissing, or kReadFailed when it could not be told
    int64_t size;
    int64_t time;
};

// 1 when both stamps are known and name the same file state.
inline int SameStamp(const FileStamp& a, const FileStamp& b) {
    return a.state == b.state && (a.state == kReadMissing ||
                                  (a.state == kReadOk && a.size == b.size && a.time == b.time));
}

struct FileSeams {
    // Opens an existing file for reading only. Null on failure, with
    // *result set to kReadMissing or kReadFailed.
    FileHandle (*openFile)(const char* name, int* result);
    // Reads up to `capacity` bytes; the count read, 0 at the end, -1 on error.
    int (*readSome)(FileHandle file, char* buffer, int capacity);
    // Creates (or truncates) a file for writing; null on failure.
    FileHandle (*createFile)(const char* name);
    // Writes all `length` bytes; 0, or -1 when not all of them were written.
    int (*writeFile)(FileHandle file, const char* data, int length);
    // Flushes the file to the disk and closes it; 0, or -1 when either fails.
    // The handle is closed in both cases.
    int (*commitFile)(FileHandle file);
    // Closes a file opened for reading, or one being written and abandoned.
    void (*closeFile)(FileHandle file);
    // Puts `from` in place of `to` in one step (the old `to`, if any, is
    // replaced); 0, or -1 when the old file stays as it was.
    int (*replaceFile)(const char* from, const char* to);
    // Deletes a file if it exists.
    void (*removeFile)(const char* name);
    // The file's size and last-write time, read from its folder entry: it
    // can be told while another program holds the file open.
    FileStamp (*stampFile)(const char* name);
};

extern FileSeams Files;

// Installs the platform's own file functions. InstallPlatformSeams() calls it.
void InstallFileSeams();
