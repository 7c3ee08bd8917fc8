#include "store/safe_save.h"

#include <stdio.h>
#include <string.h>

int BeginSave(SaveStream* save, const char* name) {
    save->file = nullptr;
    save->failed = 0;
    save->used = 0;
    int n = snprintf(save->name, sizeof save->name, "%s", name);
    int t = snprintf(save->tempName, sizeof save->tempName, "%s.tmp", name);
    if (n < 0 || n >= (int)sizeof save->name || t < 0 || t >= (int)sizeof save->tempName)
        return -1;
    save->file = Files.createFile(save->tempName);
    return save->file ? 0 : -1;
}

static void FlushChunk(SaveStream* save) {
    if (save->used > 0 && !save->failed &&
        Files.writeFile(save->file, save->chunk, save->used) != 0)
        save->failed = 1;
    save->used = 0;
}

void SaveBytes(SaveStream* save, const char* data, int length) {
    while (length > 0) {
        if (save->used == kSaveChunkSize)
            FlushChunk(save);
        int room = kSaveChunkSize - save->used;
        int n = length < room ? length : room;
        memcpy(save->chunk + save->used, data, n);
        save->used += n;
        data += n;
        length -= n;
    }
}

char* SaveReserve(SaveStream* save, int maxLength) {
    if (save->used + maxLength > kSaveChunkSize)
        FlushChunk(save);
    return save->chunk + save->used;
}

void SaveAdvance(SaveStream* save, int length) {
    save->used += length;
}

int FinishSave(SaveStream* save) {
    FlushChunk(save);
    if (save->failed)
        Files.closeFile(save->file);
    else if (Files.commitFile(save->file) != 0)
        save->failed = 1;
    else {
        save->saved = Files.stampFile(save->tempName);
        save->failed = Files.replaceFile(save->tempName, save->name) != 0;
    }
    save->file = nullptr;
    if (save->failed) {
        Files.removeFile(save->tempName);
        return -1;
    }
    return 0;
}

int SaveWholeFile(SaveStream* save, const char* name, const char* data, int length) {
    if (BeginSave(save, name) != 0)
        return -1;
    SaveBytes(save, data, length);
    return FinishSave(save);
}
