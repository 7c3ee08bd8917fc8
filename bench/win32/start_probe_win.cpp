// Starts programs one after another and watches each from outside, the same
// way for every program: the time from CreateProcess until a known pixel of
// its window shows on the screen (its first complete paint), and its peak
// working set once it stands painted. Then it closes the window and waits.
//
//   start_probe <runs> <x> <y> <rrggbb> <label> <exe> <folder> <class> [...]
//
// (x, y) is a client point of the program's window that shows the colour
// rrggbb once the paint is complete. The programs take turns run by run, so
// a slow spell of the machine hits all of them alike. One line per run:
//   <label> <run> <milliseconds> <peak working set KiB> <working set KiB>
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

namespace {

struct Program {
    const char* label;
    wchar_t exe[MAX_PATH];
    wchar_t folder[MAX_PATH];
    wchar_t windowClass[64];
};

enum {
    kMaxPrograms = 8,
    kPaintTimeoutMs = 30000,
    kSettleMs = 300,
    kCloseTimeoutMs = 10000,
    kQuietMs = 500
};

struct Marker {
    int x, y;
    COLORREF colour;
};

void Widen(const char* text, wchar_t* out, int capacity) {
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out, capacity);
    out[capacity - 1] = 0;
}

double Now(LARGE_INTEGER frequency) {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)frequency.QuadPart;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    WindowSearch* s = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[64];
    if (pid != s->pid || !IsWindowVisible(window) || !GetClassNameW(window, name, 64) ||
        lstrcmpW(name, s->windowClass) != 0)
        return TRUE;
    s->found = window;
    return FALSE;
}

HWND FindProgramWindow(DWORD pid, const wchar_t* windowClass) {
    WindowSearch s = {pid, windowClass, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool ShowsMarker(HDC screen, HWND window, Marker m) {
    POINT p = {m.x, m.y};
    if (!ClientToScreen(window, &p))
        return false;
    return (GetPixel(screen, p.x, p.y) & 0xFFFFFF) == m.colour;
}

void CloseProgram(PROCESS_INFORMATION& pi, HWND window) {
    if (window != NULL)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, kCloseTimeoutMs);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // What a program leaves behind at exit (the notification area redrawn,
    // files flushed) must not fall on the next program's start.
    Sleep(kQuietMs);
}

// One start of one program; false when it never painted.
bool RunOnce(const Program& program, Marker marker, HDC screen, LARGE_INTEGER frequency, double* ms,
             SIZE_T* peak, SIZE_T* current) {
    wchar_t commandLine[MAX_PATH + 2];
    _snwprintf(commandLine, MAX_PATH + 2, L"\"%ls\"", program.exe);
    commandLine[MAX_PATH + 1] = 0;
    STARTUPINFOW si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    double start = Now(frequency);
    if (!CreateProcessW(program.exe, commandLine, NULL, NULL, FALSE, 0, NULL, program.folder, &si,
                        &pi))
        return false;
    HWND window = NULL;
    bool painted = false;
    while (Now(frequency) - start < kPaintTimeoutMs) {
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        if (window == NULL)
            window = FindProgramWindow(pi.dwProcessId, program.windowClass);
        if (window != NULL && ShowsMarker(screen, window, marker)) {
            painted = true;
            break;
        }
        Sleep(1);
    }
    *ms = Now(frequency) - start;
    if (painted) {
        Sleep(kSettleMs);
        PROCESS_MEMORY_COUNTERS counters;
        ZeroMemory(&counters, sizeof counters);
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
        *peak = counters.PeakWorkingSetSize;
        *current = counters.WorkingSetSize;
    }
    CloseProgram(pi, window);
    return painted;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 9 || (argc - 5) % 4 != 0) {
        fprintf(stderr, "usage: start_probe runs x y rrggbb (label exe folder class)...\n");
        return 2;
    }
    int runs = atoi(argv[1]);
    unsigned rgb = (unsigned)strtoul(argv[4], NULL, 16);
    Marker marker = {atoi(argv[2]), atoi(argv[3]),
                     RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)};
    static Program programs[kMaxPrograms];
    int count = 0;
    for (int i = 5; i + 3 < argc && count < kMaxPrograms; i += 4, count++) {
        programs[count].label = argv[i];
        Widen(argv[i + 1], programs[count].exe, MAX_PATH);
        Widen(argv[i + 2], programs[count].folder, MAX_PATH);
        Widen(argv[i + 3], programs[count].windowClass, 64);
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    HDC screen = GetDC(NULL);
    int failures = 0;
    for (int run = 0; run < runs; run++) {
        for (int p = 0; p < count; p++) {
            double ms = 0;
            SIZE_T peak = 0, current = 0;
            if (!RunOnce(programs[p], marker, screen, frequency, &ms, &peak, &current)) {
                fprintf(stderr, "%s: no complete paint within %d ms\n", programs[p].label,
                        kPaintTimeoutMs);
                failures++;
                continue;
            }
            printf("%s %d %.2f %lu %lu\n", programs[p].label, run, ms, (unsigned long)(peak / 1024),
                   (unsigned long)(current / 1024));
            fflush(stdout);
        }
    }
    ReleaseDC(NULL, screen);
    return failures == 0 ? 0 : 1;
}
