// POSIX file access: read-only opening for reads, fsync before rename for
// saves, and the directory synced after the rename so the new name lasts.
#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/file_access.h"

static int FdOf(FileHandle file) {
    return (int)(intptr_t)file - 1;
}
static FileHandle HandleOf(int fd) {
    // A handle, not an address: no pointer is ever made from it.
    return (FileHandle)(intptr_t)(fd + 1); // NOLINT(performance-no-int-to-ptr)
}

static FileHandle PosixOpenFile(const char* name, int* result) {
    int fd = open(name, O_RDONLY | O_CLOEXEC);
    *result = fd >= 0 ? kReadOk : errno == ENOENT ? kReadMissing : kReadFailed;
    return fd < 0 ? nullptr : HandleOf(fd);
}

static int PosixReadSome(FileHandle file, char* buffer, int capacity) {
    for (;;) {
        ssize_t n = read(FdOf(file), buffer, capacity);
        if (n >= 0 || errno != EINTR)
            return n < 0 ? -1 : (int)n;
    }
}

static FileHandle PosixCreateFile(const char* name) {
    int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd < 0 ? nullptr : HandleOf(fd);
}

static int PosixWriteFile(FileHandle file, const char* data, int length) {
    while (length > 0) {
        ssize_t n = write(FdOf(file), data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        data += n;
        length -= (int)n;
    }
    return 0;
}

static int PosixCommitFile(FileHandle file) {
    int synced = fsync(FdOf(file));
    int closed = close(FdOf(file));
    return synced == 0 && closed == 0 ? 0 : -1;
}

static void PosixCloseFile(FileHandle file) {
    close(FdOf(file));
}

// A file nobody may write to is treated as read-only, as Windows does with
// its read-only attribute (rename alone would replace it, even for root).
static int IsReadOnly(const char* name) {
    struct stat st;
    return stat(name, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

static void SyncFolderOf(const char* name) {
    char folder[4096];
    const char* slash = strrchr(name, '/');
    size_t n = slash ? (size_t)(slash - name) : 0;
    if (n >= sizeof folder)
        return;
    memcpy(folder, name, n);
    folder[n] = '\0';
    int fd = open(n ? folder : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

static int PosixReplaceFile(const char* from, const char* to) {
    if (IsReadOnly(to) || rename(from, to) != 0)
        return -1;
    SyncFolderOf(to);
    return 0;
}

static void PosixRemoveFile(const char* name) {
    unlink(name);
}

static FileStamp PosixStampFile(const char* name) {
    struct stat st;
    FileStamp stamp = {kReadFailed, 0, 0};
    if (stat(name, &st) != 0)
        stamp.state = errno == ENOENT ? kReadMissing : kReadFailed;
    else
        stamp = {kReadOk, (int64_t)st.st_size,
                 (int64_t)st.st_mtim.tv_sec * 1000000000 + st.st_mtim.tv_nsec};
    return stamp;
}

void InstallFileSeams() {
    // In the order FileSeams lists them.
    Files = FileSeams{PosixOpenFile,    PosixReadSome,   PosixCreateFile,
                      PosixWriteFile,   PosixCommitFile, PosixCloseFile,
                      PosixReplaceFile, PosixRemoveFile, PosixStampFile};
}
