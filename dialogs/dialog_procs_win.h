#pragma once
#include <windows.h>

// Dialog procedures opened by the board window with DialogBoxParamW.
INT_PTR CALLBACK WeightEntryDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DataEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
