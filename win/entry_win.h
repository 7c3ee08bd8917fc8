// An entry of a DLL looked up by name at run time, for the calls that older
// systems lack: the program still starts where one is missing. Win32 only.
#pragma once
#include <windows.h>

// The entry as a pointer of type Fn; NULL when the module or the name is not there.
template <typename Fn> Fn FindEntry(HMODULE module, const char* name) {
    FARPROC entry = module != NULL ? GetProcAddress(module, name) : NULL;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry));
}
