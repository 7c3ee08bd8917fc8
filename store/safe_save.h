// Crash-safe replacement of a whole file: the new text goes to a temporary
// file beside the old one, is flushed to the disk, and then takes the old
// file's place in one step. Until that step the old file is untouched, so a
// crash or a failed write leaves either the complete old or the complete new
// file; a temporary file left by a crash is simply overwritten next time.
#pragma once
#include "store/file_access.h"

enum { kSaveNameSize = 64, kSaveChunkSize = 64 * 1024 };

struct SaveStream {
    FileHandle file;
    int failed;
    int used;        // bytes waiting in chunk
    FileStamp saved; // the new file's stamp, once FinishSave has put it in place
    char name[kSaveNameSize];
    char tempName[kSaveNameSize + 8];
    char chunk[kSaveChunkSize];
};

// Starts a save of `name`; -1 when the temporary file cannot be created.
int BeginSave(SaveStream* save, const char* name);
// Queues bytes; they reach the file in large chunks. A failure is remembered
// and reported by FinishSave.
void SaveBytes(SaveStream* save, const char* data, int length);
// Room for up to `maxLength` (at most kSaveChunkSize) bytes, written in
// place; SaveAdvance then counts the bytes actually written there.
char* SaveReserve(SaveStream* save, int maxLength);
void SaveAdvance(SaveStream* save, int length);
// Writes what is queued, flushes, and replaces the old file, noting the new
// file's stamp in `saved` (taken before the swap, which keeps it, so a
// change made right after the swap is still seen). 0 on success;
// -1 when anything failed, in which case the old file is left as it was and
// the temporary file is removed.
int FinishSave(SaveStream* save);
// Saves a complete text in one go (BeginSave, SaveBytes, FinishSave).
int SaveWholeFile(SaveStream* save, const char* name, const char* data, int length);
