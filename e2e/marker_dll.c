/* A DLL that must never be loaded: placed beside weighminder.exe under the
   name of a system DLL, it leaves a file named after itself in the working
   folder the moment anything loads it. */
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
        HANDLE f = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (f != INVALID_HANDLE_VALUE)
            CloseHandle(f);
    }
    return TRUE;
}
