#include "win/utf8_win.h"

int WidenUtf8(const char* text, wchar_t* out, int capacity) {
    if (capacity <= 0)
        return 0;
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, out, capacity) != 0)
        return 1;
    out[0] = L'\0';
    return 0;
}

int NarrowToUtf8(const wchar_t* text, char* out, int size) {
    if (size <= 0)
        return 0;
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, out, size, NULL, NULL) > 0)
        return 1;
    out[0] = '\0';
    return 0;
}
