// Win32 file access. Reads open the file for reading only; saves write a
// temporary file, flush it with FlushFileBuffers, and move it over the old
// file with MoveFileExW (replace-existing, write-through) given full paths.
// Opening and moving are retried briefly while another program (a virus
// scanner, a backup tool) holds the file.
#include <windows.h>

#include "store/file_access.h"
#include "win/utf8_win.h"

enum { kPathChars = MAX_PATH + 1, kRetries = 10, kRetryPauseMs = 30 };

static int WidePath(const char* name, wchar_t* out) {
    wchar_t relative[kPathChars];
    if (!WidenUtf8(name, relative, kPathChars))
        return 0;
    DWORD n = GetFullPathNameW(relative, kPathChars, out, nullptr);
    return n > 0 && n < kPathChars;
}

static int IsBusy(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

static int IsReadOnly(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

static HANDLE OpenForReading(const wchar_t* path) {
    for (int attempt = 0;; attempt++) {
        HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || attempt + 1 >= kRetries || !IsBusy(GetLastError()))
            return h;
        Sleep(kRetryPauseMs);
    }
}

static FileHandle WinOpenFile(const char* name, int* result) {
    wchar_t path[kPathChars];
    *result = kReadFailed;
    if (!WidePath(name, path))
        return nullptr;
    HANDLE h = OpenForReading(path);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            *result = kReadMissing;
        return nullptr;
    }
    *result = kReadOk;
    return (FileHandle)h;
}

static int WinReadSome(FileHandle file, char* buffer, int capacity) {
    DWORD n = 0;
    return ReadFile((HANDLE)file, buffer, (DWORD)capacity, &n, nullptr) ? (int)n : -1;
}

static FileHandle WinCreateFile(const char* name) {
    wchar_t path[kPathChars];
    if (!WidePath(name, path))
        return nullptr;
    HANDLE h =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : (FileHandle)h;
}

static int WinWriteFile(FileHandle file, const char* data, int length) {
    while (length > 0) {
        DWORD written = 0;
        if (!WriteFile((HANDLE)file, data, (DWORD)length, &written, nullptr) || written == 0)
            return -1;
        data += written;
        length -= (int)written;
    }
    return 0;
}

static int WinCommitFile(FileHandle file) {
    BOOL flushed = FlushFileBuffers((HANDLE)file);
    BOOL closed = CloseHandle((HANDLE)file);
    return flushed && closed ? 0 : -1;
}

static void WinCloseFile(FileHandle file) {
    CloseHandle((HANDLE)file);
}

static int WinReplaceFile(const char* from, const char* to) {
    wchar_t source[kPathChars];
    wchar_t target[kPathChars];
    if (!WidePath(from, source) || !WidePath(to, target))
        return -1;
    // Windows refuses to replace a read-only file; Wine would replace it, so
    // the attribute is checked here, and waiting would not help either way.
    if (IsReadOnly(target))
        return -1;
    for (int attempt = 0;; attempt++) {
        if (MoveFileExW(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        if (attempt + 1 >= kRetries || !IsBusy(GetLastError()) || IsReadOnly(target))
            return -1;
        Sleep(kRetryPauseMs);
    }
}

static void WinRemoveFile(const char* name) {
    wchar_t path[kPathChars];
    if (WidePath(name, path))
        DeleteFileW(path);
}

static FileStamp WinStampFile(const char* name) {
    wchar_t path[kPathChars];
    WIN32_FILE_ATTRIBUTE_DATA data;
    FileStamp stamp = {kReadFailed, 0, 0};
    if (!WidePath(name, path))
        return stamp;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            stamp.state = kReadMissing;
        return stamp;
    }
    stamp.state = kReadOk;
    stamp.size = (int64_t)data.nFileSizeHigh << 32 | data.nFileSizeLow;
    stamp.time =
        (int64_t)data.ftLastWriteTime.dwHighDateTime << 32 | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

void InstallFileSeams() {
    // In the order FileSeams lists them.
    Files = FileSeams{WinOpenFile,  WinReadSome,    WinCreateFile, WinWriteFile, WinCommitFile,
                      WinCloseFile, WinReplaceFile, WinRemoveFile, WinStampFile};
}
