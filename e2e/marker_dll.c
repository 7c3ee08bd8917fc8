/* Placed beside weighminder.exe under a system DLL's name, this DLL leaves
   loaded-marker.txt in the working folder the moment anything loads it. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)self, (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        CloseHandle(CreateFileA("loaded-marker.txt", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    return TRUE;
}
