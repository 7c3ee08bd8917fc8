// The floor for any Win32 program here: registers a class, shows a
// 256 x 106 window and paints it in the board's green. No resources, no
// files, no tray icon: what every windowed program pays before its own work.
#include <windows.h>

#include "win/message_loop_win.h"

static LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        HBRUSH green = CreateSolidBrush(RGB(0, 64, 0));
        FillRect(dc, &ps.rcPaint, green);
        DeleteObject(green);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MinimalProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"wm_minimal";
    if (RegisterClassExW(&wc) == 0)
        return 0;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"wm_minimal", L"wm_minimal",
                                  WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, 0, 256, 106, NULL, NULL,
                                  instance, NULL);
    if (window == NULL)
        return 0;
    return ShowAndRunMessages(window, showCommand);
}
