// Prints the version resource of a Windows program as Windows reads it for
// the file's properties (GetFileVersionInfo / VerQueryValue), one
// "name=value" line each, in UTF-8:
//   FileVersion.fixed=1.11.0.0 ProductVersion.fixed=... Language=0411
//   and the strings CompanyName, FileDescription, FileVersion, InternalName,
//   LegalCopyright, OriginalFilename, ProductName, ProductVersion.
// Exit code 1 when the program has no version resource.
#include <windows.h>
#include <stdio.h>

namespace {

enum { kMaxInfo = 64 * 1024 };
unsigned char Info[kMaxInfo];

void PrintUtf8(const char* name, const wchar_t* value) {
    char text[1024];
    if (WideCharToMultiByte(CP_UTF8, 0, value, -1, text, sizeof text, NULL, NULL) == 0)
        text[0] = 0;
    printf("%s=%s\n", name, text);
}

void PrintFixed(const VS_FIXEDFILEINFO* f) {
    printf("FileVersion.fixed=%u.%u.%u.%u\n", (unsigned)HIWORD(f->dwFileVersionMS),
           (unsigned)LOWORD(f->dwFileVersionMS), (unsigned)HIWORD(f->dwFileVersionLS),
           (unsigned)LOWORD(f->dwFileVersionLS));
    printf("ProductVersion.fixed=%u.%u.%u.%u\n", (unsigned)HIWORD(f->dwProductVersionMS),
           (unsigned)LOWORD(f->dwProductVersionMS), (unsigned)HIWORD(f->dwProductVersionLS),
           (unsigned)LOWORD(f->dwProductVersionLS));
    printf("FileType=%u\n", (unsigned)f->dwFileType);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: file_version program.exe\n");
        return 2;
    }
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(argv[1], &handle);
    if (size == 0 || size > kMaxInfo || !GetFileVersionInfoW(argv[1], 0, size, Info)) {
        fprintf(stderr, "no version resource\n");
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = NULL;
    UINT length = 0;
    if (VerQueryValueW(Info, L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
        PrintFixed(fixed);
    // The first language and code page the resource names.
    WORD* translation = NULL;
    if (!VerQueryValueW(Info, L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 4) {
        fprintf(stderr, "no translation table\n");
        return 1;
    }
    printf("Language=%04x\nCodePage=%u\n", translation[0], translation[1]);
    static const wchar_t* const kNames[] = {
        L"CompanyName",    L"FileDescription",  L"FileVersion", L"InternalName",
        L"LegalCopyright", L"OriginalFilename", L"ProductName", L"ProductVersion"};
    for (const wchar_t* name : kNames) {
        wchar_t path[128];
        _snwprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1],
                   name);
        path[127] = 0;
        wchar_t* value = NULL;
        char ascii[64];
        WideCharToMultiByte(CP_UTF8, 0, name, -1, ascii, sizeof ascii, NULL, NULL);
        if (VerQueryValueW(Info, path, reinterpret_cast<void**>(&value), &length) && value)
            PrintUtf8(ascii, value);
    }
    return 0;
}
