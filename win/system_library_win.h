// Where the program's DLLs come from: the system folder, never the program's
// own folder or the current one. A portable exe is often run from Downloads,
// where a stray DLL under a system name would otherwise be loaded first.
#pragma once
#include <windows.h>

// Restricts the process's DLL search to the system folder and takes the
// current folder out of it. First thing in WinMain, before anything that may
// load a DLL.
void RestrictDllSearch();

// Loads a system DLL by its file name from the system folder; NULL when it
// cannot be loaded from there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// Loads, once and from the system folder, the DLLs that the system's dialog
// and message box controls load later by bare name. Before the first dialog
// or message box.
void LoadDialogLibraries();
