// Text typed into a dialog comes as UTF-16 and is read as UTF-8.
#pragma once
#include <stddef.h>

// Converts UTF-16 text up to its terminating 0, or up to the last whole
// character that fits out[0..size-2], always terminating out. A lone
// surrogate becomes U+FFFD, as the platform's own conversion makes it.
// Returns the number of bytes written before the terminator.
size_t Utf16ToUtf8Prefix(const char16_t* wide, char* out, size_t size);
