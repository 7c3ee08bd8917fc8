// The board window's life: start-up, shutdown, the notification icon, the
// window procedure and its menu. Win32 only.
#pragma once
#include <windows.h>

#include "app/trend_tip.h"
#include "render/board_speech.h"

enum { kTrayIconId = 101 };
// The timer that looks at the clock for the date column, once a minute.
enum { kClockTimerId = 1, kClockTimerMs = 60 * 1000 };

typedef BOOL(WINAPI* LayeredAttributesFn)(HWND, COLORREF, BYTE, DWORD);

extern NOTIFYICONDATAW TrayIconData;
extern char TrayTip[kTrayTipSize];
extern UINT TaskbarCreatedMsg;
extern LayeredAttributesFn LayeredAttributesEntry; // may be null

// One board per data folder, claimed before any file is read: 1 when this
// process is the current folder's board; 0 when another is, which has been
// brought to the front (the process then ends with 0).
int ClaimDataFolder();
// Names the board window to later starts in the folder.
void PublishBoardWindow(HWND window);
// A later start in the folder asks the board with this message to come to
// the front, with what it shows there (a dialog, a message box): the
// foreground is the board's own to give.
extern const wchar_t kBringForwardName[];
extern UINT BringForwardMsg;
void BringBoardForward(HWND window);

// Runs the program to its end: the folder claimed, the board window made
// and its message loop; returns the exit code.
int RunBoardProgram(HINSTANCE instance, int showCommand);

LRESULT CALLBACK BoardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

int InitBoard(HWND window, const CREATESTRUCTW* creation);
int ShutdownBoard(HWND window);

// The window's size, shape and place at the display's scale (BoardScale).
void PlaceBoard(HWND window); // at start-up, from the saved position
// Moves that the user did not make are undone until the user takes the board.
enum { kRestorePlaceMsg = WM_APP + 1 };
void OnBoardMoved(HWND window);
void RestoreBoardPlace(HWND window);
LRESULT OnDpiScaledSize(HWND window, UINT dpi, SIZE* size);
LRESULT OnDpiChanged(HWND window, UINT dpi, const RECT* suggested);

BOOL AddTrayIcon(HWND window, UINT id, HICON icon, const char* tip);
BOOL RemoveTrayIcon(HWND window, UINT id);
// Brings TrayTip and the icon's tip up to date after a paint: the log, the
// target or the trend switch may have changed.
void RefreshTrayTip(HWND window);

// The board as an accessible object (WM_GETOBJECT), its value (what the
// last paint showed, render/board_speech.h), the notice that the value
// changed, after each paint, and its end at shutdown.
extern char BoardSpeech[kBoardSpeechSize];
LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);
void AnnounceBoardValue(HWND window);
void CloseBoardAccessible();

// Popup menu and its commands: at the pointer, or for the keyboard at the
// board's top-left corner.
int ShowBoardMenu(HWND window);
int ShowBoardMenuAtCorner(HWND window);
void RunBoardCommand(HWND window, int command);
void OpenWeightEntry(HWND window);
// The CSV import's open-file dialog (ChooseImportFileFn).
int ChooseImportFile(void* owner, char* path, int size);
INT_PTR CALLBACK VersionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// InvalidateRect of the whole client area.
void RepaintBoard(HWND window, BOOL erase);
