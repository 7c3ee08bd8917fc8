// The end of every WinMain here: the window shown, then the thread's messages
// until WM_QUIT.
#pragma once
#include <windows.h>

// Shows and paints the window, runs the message loop and returns WM_QUIT's
// exit code.
int ShowAndRunMessages(HWND window, int showCommand);
