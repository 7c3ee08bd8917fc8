// The open-file dialog of the CSV import. comdlg32 is loaded from the system
// folder when the dialog is first asked for, like every other library.
#include <windows.h>

#include <commdlg.h>

#include "app/import_command.h"
#include "app/shell_win.h"
#include "win/entry_win.h"
#include "win/system_library_win.h"
#include "win/utf8_win.h"

typedef BOOL(WINAPI* GetOpenFileNameFn)(OPENFILENAMEW*);

static GetOpenFileNameFn OpenFileDialog() {
    static HMODULE library = LoadSystemLibrary(L"comdlg32.dll");
    return FindEntry<GetOpenFileNameFn>(library, "GetOpenFileNameW");
}

int ChooseImportFile(OwnerWindow owner, char* path, int size) {
    GetOpenFileNameFn open = OpenFileDialog();
    wchar_t folder[MAX_PATH] = L"", file[MAX_PATH] = L"";
    DWORD n = GetModuleFileNameW(NULL, folder, MAX_PATH);
    while (n > 0 && folder[n - 1] != L'\\' && folder[n - 1] != L'/')
        n--;
    folder[n > 0 && n < MAX_PATH ? n - 1 : 0] = L'\0'; // the program's folder
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = L"CSV・テキスト (*.csv;*.txt)\0*.csv;*.txt\0すべてのファイル (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    LoadDialogLibraries();
    if (open == NULL || !open(&dialog))
        return 0;
    return NarrowToUtf8(file, path, size);
}
