// UTF-8 text to and from the wide API's UTF-16. Win32 only.
#pragma once
#include <windows.h>

// Converts into out[capacity] (characters), always terminated; an empty text
// when it does not convert or fit. Returns 1 when it converted.
int WidenUtf8(const char* text, wchar_t* out, int capacity);

// Converts into out[size] (bytes), always terminated; 1 when it converted whole.
int NarrowToUtf8(const wchar_t* text, char* out, int size);
