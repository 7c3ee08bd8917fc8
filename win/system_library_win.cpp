#include "win/system_library_win.h"

#include <wchar.h>

#include "win/entry_win.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD);

void RestrictDllSearch() {
    // Looked up at run time: systems before Windows 8 without the update
    // that brought it lack it, and the program must still start there.
    SetDefaultDllDirectoriesFn restrict = FindEntry<SetDefaultDllDirectoriesFn>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (restrict != NULL)
        restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // A full path works on every system, with or without the search flags.
    wchar_t path[MAX_PATH];
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return NULL;
    if (swprintf(path + length, MAX_PATH - length, L"\\%ls", name) < 0)
        return NULL;
    return LoadLibraryExW(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void LoadDialogLibraries() {
    // The themed controls load msimg32 when they first draw. Wine's loader
    // then searches the program's folder whatever the process asked for, as
    // does Windows 7 without the update that brought the search flags; a
    // DLL already loaded from the system folder is taken as it is.
    static HMODULE drawing = LoadSystemLibrary(L"msimg32.dll");
    (void)drawing;
}
