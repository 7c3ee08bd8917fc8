#pragma once
#include <windows.h>

// Dialog procedures opened by the board window with DialogBoxParamW.
INT_PTR CALLBACK WeightEntryDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DataEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Adds 0.1 kg to CurrentWeight for the up arrow (91), takes 0.1 kg off for
// the down arrow (92), and leaves it for any other id. Returns 0.
int StepCurrentWeight(HWND dialog, int controlId);

// The month calendar of the settings dialog that is open.
extern HWND PeriodCalendar;
