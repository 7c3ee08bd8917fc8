// In-memory files for the fuzz targets: the storage code reads and writes
// through its file seam, so a target can hand it any bytes as a file without
// touching the disk, and read back what a save produced.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { kMemoryFileCapacity = 65536 * 23 + 4096 };

struct MemoryFile {
    const char* name;
    int exists;
    int length;
    int readPos;
    int readStep; // reads return at most this many bytes; 0 = no limit
    char bytes[kMemoryFileCapacity];
};

// Installs the memory seams and a silent clock, screen and message box.
// Every file starts missing.
void InstallMemorySeams();
// The file with this name ("weighminder.ini", "taiju.dat", ...); null for
// names the targets never use.
MemoryFile* MemoryFileNamed(const char* name);
void SetMemoryFile(const char* name, const uint8_t* data, size_t size, int readStep);
// How many message boxes were shown since the seams were installed.
int MemoryMessageCount();
