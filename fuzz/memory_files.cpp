#include "fuzz/memory_files.h"

#include <string.h>

#include "store/file_access.h"
#include "store/platform.h"

// One slot per name the storage code uses, plus their temporary files.
static const char* const kNames[] = {"weighminder.ini", "weighminder.ini.tmp", "taiju.dat",
                                     "taiju.dat.tmp",   "taiju.csv",           "taiju.csv.tmp"};
enum { kFileCount = sizeof kNames / sizeof kNames[0] };
static MemoryFile Slots[kFileCount];
static int Messages;

MemoryFile* MemoryFileNamed(const char* name) {
    for (int i = 0; i < kFileCount; i++)
        if (strcmp(kNames[i], name) == 0)
            return &Slots[i];
    return nullptr;
}

void SetMemoryFile(const char* name, const uint8_t* data, size_t size, int readStep) {
    MemoryFile* f = MemoryFileNamed(name);
    if (size > kMemoryFileCapacity)
        size = kMemoryFileCapacity;
    memcpy(f->bytes, data, size);
    f->length = (int)size;
    f->exists = 1;
    f->readPos = 0;
    f->readStep = readStep;
}

int MemoryMessageCount() {
    return Messages;
}

static FileHandle OpenMemory(const char* name, int* result) {
    MemoryFile* f = MemoryFileNamed(name);
    if (!f || !f->exists) {
        *result = kReadMissing;
        return nullptr;
    }
    f->readPos = 0;
    *result = kReadOk;
    return f;
}

static int ReadMemory(FileHandle file, char* buffer, int capacity) {
    MemoryFile* f = (MemoryFile*)file;
    int n = f->length - f->readPos;
    if (n > capacity)
        n = capacity;
    if (f->readStep > 0 && n > f->readStep)
        n = f->readStep;
    memcpy(buffer, f->bytes + f->readPos, n);
    f->readPos += n;
    return n;
}

static FileHandle CreateMemory(const char* name) {
    MemoryFile* f = MemoryFileNamed(name);
    if (!f)
        return nullptr;
    f->exists = 1;
    f->length = 0;
    f->readStep = 0;
    return f;
}

static int WriteMemory(FileHandle file, const char* data, int length) {
    MemoryFile* f = (MemoryFile*)file;
    if (length < 0 || length > kMemoryFileCapacity - f->length)
        return -1;
    memcpy(f->bytes + f->length, data, length);
    f->length += length;
    return 0;
}

static int CommitMemory(FileHandle /*file*/) {
    return 0;
}
static void CloseMemory(FileHandle /*file*/) {}

static int ReplaceMemory(const char* from, const char* to) {
    MemoryFile* source = MemoryFileNamed(from);
    MemoryFile* target = MemoryFileNamed(to);
    if (!source || !target || !source->exists)
        return -1;
    memcpy(target->bytes, source->bytes, source->length);
    target->length = source->length;
    target->exists = 1;
    source->exists = 0;
    return 0;
}

static void RemoveMemory(const char* name) {
    MemoryFile* f = MemoryFileNamed(name);
    if (f)
        f->exists = 0;
}

static LocalDate FixedDate() {
    LocalDate d = {2026, 12, 6, 0};
    return d;
}
static int ScreenWidth() {
    return 1024;
}
static int ScreenHeight() {
    return 768;
}
static int CountMessage(OwnerWindow /*owner*/, const char* /*text*/, const char* /*caption*/,
                        unsigned /*flags*/) {
    Messages++;
    return kIdOk;
}

void InstallMemorySeams() {
    for (int i = 0; i < kFileCount; i++) {
        Slots[i].name = kNames[i];
        Slots[i].exists = 0;
        Slots[i].length = 0;
    }
    Messages = 0;
    Files.openFile = OpenMemory;
    Files.readSome = ReadMemory;
    Files.createFile = CreateMemory;
    Files.writeFile = WriteMemory;
    Files.commitFile = CommitMemory;
    Files.closeFile = CloseMemory;
    Files.replaceFile = ReplaceMemory;
    Files.removeFile = RemoveMemory;
    Platform.localDate = FixedDate;
    Platform.screenWidth = ScreenWidth;
    Platform.screenHeight = ScreenHeight;
    Platform.messageBox = CountMessage;
}
