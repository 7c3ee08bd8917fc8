// Lines of a file being imported, as UTF-8 text, whatever the file's
// encoding: UTF-8 with or without a byte-order mark, UTF-16 with one, or
// Shift_JIS, of which only what the import looks at is decoded (ASCII,
// full-width digits and the header words 日付 and 体重; any other
// character becomes '?'). Read through the file seam a chunk at a time.
#pragma once
#include <stdint.h>

#include "store/file_access.h"

enum {
    kImportChunkSize = 64 * 1024,
    kImportLineLimit = 64 * 1024,                       // bytes of one line in the file
    kImportLineCapacity = kImportLineLimit * 3 / 2 + 8, // the same line in UTF-8
};
static const int64_t kImportFileLimit = 64LL * 1024 * 1024;

enum ImportEncoding { kUtf8, kUtf16Le, kUtf16Be, kShiftJis };

enum ImportLineResult {
    kLineReady = 1,
    kLineEnd = 0,
    kLineUnreadable = -1, // the file cannot be opened or read
    kLineBinary = -2,     // it holds control bytes no text holds
    kLineTooLong = -3,    // a line of more than kImportLineLimit bytes
    kLineFileTooLarge = -4,
};

struct ImportText {
    FileHandle file;
    int encoding;
    int ended;     // the file has been read to its end
    int pendingLf; // a CR ended the last line: a LF right after it belongs to it
    int64_t total; // bytes read from the file
    int used, at;  // bytes in raw, and the next one to decode
    unsigned char raw[kImportChunkSize + 8];
    int length; // of line, without its end
    int number; // 1-based number of the line in line
    char line[kImportLineCapacity];
};

// Opens the file and settles its encoding from its first bytes; kLineReady,
// or kLineUnreadable / kLineBinary.
int OpenImportText(ImportText* text, const char* name);
// The next line into text->line; kLineReady, kLineEnd or a failure.
int NextImportLine(ImportText* text);
void CloseImportText(ImportText* text);
