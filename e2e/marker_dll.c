/* Placed beside weighminder.exe under a system DLL's name, this DLL leaves
   loaded-<its name>.txt in the working folder the moment anything loads it. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH] = "", marker[MAX_PATH + 16];
        GetModuleFileNameA(self, path, MAX_PATH);
        const char* name = strrchr(path, '\\');
        snprintf(marker, sizeof marker, "loaded-%s.txt", name != NULL ? name + 1 : path);
        CloseHandle(CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
