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
#include "render/sprite_sheet_win.h"
#include "store/log_file.h"
#include "store/records.h"
#include "store/settings_file.h"

static const COLORREF kTransparentKey = RGB(128, 0, 0);

// ShutdownBoard runs once; the EXIT zone calls it while the window lives on.
static int BoardShutDown = 0;

static void CreateSurfaces(HWND window) {
    HDC screen = GetDC(window);
    Board.Backbuffer = CreateCompatibleDC(screen);
    Board.SpriteSurface = CreateCompatibleDC(screen);
    Board.BackbufferBitmap = CreateCompatibleBitmap(screen, kBoardWindowWidth, kBoardWindowHeight);
    SelectObject(Board.Backbuffer, Board.BackbufferBitmap);
    ReleaseDC(window, screen);
}

static void CreateBoardFont() {
    // The fixed-pitch Gothic face under its Japanese name; where it is not
    // installed the font mapper picks another fixed-pitch Japanese font.
    Board.BoardFont = CreateFontW(10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0,
                                  0, 0, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

int InitBoard(HWND window, const CREATESTRUCTW* creation) {
    PublishBoardWindow(window); // a second start may bring forward a start-up message box
    lstrcpynA(TrayTip, "weighminder", kTrayTipSize);
    ResetRecordsToDefaults();
    ResetInteractionState();
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    memset(HoverLabels, 0, sizeof HoverLabels);
    LoadSettings(window);
    LoadLog();
    CreateSurfaces(window);
    AddTrayIcon(window, kTrayIconId, Board.TrayIcon, TrayTip);
    LoadBoardPictures(creation->hInstance);
    ComposeSpriteSheet();
    CreateBoardPens();
    CreateBoardFont();
    SetBkMode(Board.Backbuffer, TRANSPARENT);
    SetTextAlign(Board.Backbuffer, TA_LEFT | TA_TOP);
    if (LayeredAttributesEntry != NULL) {
        LayeredAttributesEntry(window, kTransparentKey, 100, LWA_COLORKEY);
    }
    PlaceBoard(window);
    SetTimer(window, kClockTimerId, kClockTimerMs, NULL);
    srand(static_cast<unsigned>(time(NULL)));
    FaceIndex = rand() % 6;
    return 0;
}

int ShutdownBoard(HWND window) {
    if (BoardShutDown) {
        return 0;
    }
    BoardShutDown = 1;
    // The board's top-left corner in screen pixels, whatever its scale.
    POINT origin = {0, 0};
    if (ClientToScreen(window, &origin)) {
        Settings.winX = origin.x;
        Settings.winY = origin.y;
    }
    SaveSettings(window);
    KillTimer(window, kClockTimerId);
    FreeBoardObjects();
    RemoveTrayIcon(window, kTrayIconId);
    CloseBoardAccessible();
    PostQuitMessage(0);
    return 0;
}
