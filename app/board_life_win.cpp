// Start-up and shutdown of the board: the records, the drawing objects made
// once for the whole run, the notification icon and the window's place.
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "app/board_input.h"
#include "app/interaction.h"
#include "app/shell_win.h"
#include "render/board_objects.h"
#include "render/hover_tables.h"
#include "render/picture_load_win.h"
#include "render/sprite_sheet_win.h"
#include "store/log_file.h"
#include "store/records.h"
#include "store/settings_file.h"

enum { kWindowWidth = 256, kWindowHeight = 106 };

static const COLORREF kTransparentKey = RGB(128, 0, 0);

// ShutdownBoard runs once; the EXIT zone calls it while the window lives on.
static int BoardShutDown = 0;

static void CreateSurfaces(HWND window) {
    HDC screen = GetDC(window);
    Board.Backbuffer = CreateCompatibleDC(screen);
    Board.SpriteSurface = CreateCompatibleDC(screen);
    Board.BackbufferBitmap = CreateCompatibleBitmap(screen, kWindowWidth, kWindowHeight);
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap);
    ReleaseDC(window, screen);
}

// The Backbuffer holds its screen-compatible bitmap by now: the pictures take
// the screen's format from it.
static void LoadPictures(HINSTANCE instance) {
    for (int i = 0; i < kPictureCount; i++) {
        Board.Pictures[i] = LoadPicture(instance, kPictureIds[i], Board.Backbuffer);
    }
}

static void CreateBoardFont() {
    // The fixed-pitch Gothic face under its Japanese name; where it is not
    // installed the font mapper picks another fixed-pitch Japanese font.
    Board.BoardFont = CreateFontW(10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0,
                                  0, 0, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

static void ShapeWindow(HWND window) {
    // Only the client area shows: the dialog frame is cut away. The shape is
    // set once, here, never from a paint: a shape change with redraw asked
    // for inside a paint can queue the next paint, and the board would
    // repaint itself without end.
    int fx = GetSystemMetrics(SM_CXDLGFRAME);
    int fy = GetSystemMetrics(SM_CYDLGFRAME);
    HRGN shape = CreateRectRgn(fx, fy, kWindowWidth - fx, kWindowHeight - fy);
    if (!SetWindowRgn(window, shape, FALSE)) {
        DeleteObject(shape);
    }
}

static void PlaceWindow(HWND window) {
    HWND order = Settings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    int x = Settings.winX - GetSystemMetrics(SM_CXDLGFRAME);
    int y = Settings.winY - GetSystemMetrics(SM_CYDLGFRAME);
    SetWindowPos(window, order, x, y, kWindowWidth, kWindowHeight, 0);
}

int InitBoard(HWND window, const CREATESTRUCTW* creation) {
    lstrcpynA(TrayTip, "weighminder", kTrayTipSize);
    ResetRecordsToDefaults();
    ResetInteractionState();
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    memset(HoverLabels, 0, sizeof HoverLabels);
    LoadSettings(window);
    LoadLog();
    CreateSurfaces(window);
    AddTrayIcon(window, kTrayIconId, Board.AppIcon, TrayTip);
    LoadPictures(creation->hInstance);
    ComposeSpriteSheet();
    CreateBoardPens();
    CreateBoardFont();
    SetBkMode(Board.Backbuffer, TRANSPARENT);
    SetTextAlign(Board.Backbuffer, TA_LEFT | TA_TOP);
    if (LayeredAttributesEntry != NULL) {
        LayeredAttributesEntry(window, kTransparentKey, 100, LWA_COLORKEY);
    }
    PlaceWindow(window);
    ShapeWindow(window);
    SetTimer(window, kClockTimerId, kClockTimerMs, NULL);
    srand(static_cast<unsigned>(time(NULL)));
    FaceIndex = rand() % 6;
    return 0;
}

static void FreeObject(HGDIOBJ object) {
    if (object != NULL) {
        DeleteObject(object);
    }
}

static void FreeDrawingObjects() {
    // The surfaces go first, before any bitmap that may be selected into them.
    DeleteDC(Board.Backbuffer);
    DeleteDC(Board.SpriteSurface);
    FreeObject(Board.BackbufferBitmap);
    FreeObject(Board.SpriteSheet);
    for (int i = 0; i < kPictureCount; i++) {
        FreeObject(Board.Pictures[i]);
    }
    FreeObject(Board.BoardFont);
    FreeObject(Board.PanelBrush);
    HPEN pens[] = {Board.WeightPenThick,  Board.TargetPen,      Board.MarkerPenLarge,
                   Board.WeightPenMedium, Board.WeightPenThin,  Board.MarkerPenMedium,
                   Board.MarkerPenSmall,  Board.UnderweightPen, Board.OverweightPen,
                   Board.IdealGainPen,    Board.TrendPen};
    for (HPEN pen : pens) {
        FreeObject(pen);
    }
    // No handle outlives its object: a paint that still comes draws nothing.
    HICON icon = Board.AppIcon;
    HINSTANCE instance = Board.Instance;
    memset(&Board, 0, sizeof Board);
    Board.AppIcon = icon;
    Board.Instance = instance;
}

int ShutdownBoard(HWND window) {
    if (BoardShutDown) {
        return 0;
    }
    BoardShutDown = 1;
    RECT rect;
    if (GetWindowRect(window, &rect)) {
        Settings.winX = rect.left + GetSystemMetrics(SM_CXDLGFRAME);
        Settings.winY = rect.top + GetSystemMetrics(SM_CYDLGFRAME);
    }
    SaveSettings(window);
    KillTimer(window, kClockTimerId);
    FreeDrawingObjects();
    RemoveTrayIcon(window, kTrayIconId);
    PostQuitMessage(0);
    return 0;
}
