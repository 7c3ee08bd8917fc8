/* Placed beside weighminder.exe under a system DLL's name, this DLL leaves
   "loaded-NAME.txt" in the working folder the moment anything loads it. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH], marker[MAX_PATH + 16];
        DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
        const char* name = path + n;
        while (name > path && name[-1] != '\\' && name[-1] != '/')
            name--;
        wsprintfA(marker, "loaded-%s.txt", name);
        CloseHandle(CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
