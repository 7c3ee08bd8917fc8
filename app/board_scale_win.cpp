// The board window at the display's scale: its size and shape follow
// BoardScale, which follows the DPI of the monitor the board stands on.
#include "app/board_place.h"
#include "app/interaction.h"
#include "app/shell_win.h"
#include "render/board_scale.h"
#include "win/dpi_win.h"
#include "store/records.h"

// The dialog frame's width and height, as this window has it at its DPI.
static POINT FrameOf(HWND window) {
    RECT outer = {0, 0, 0, 0};
    POINT client = {0, 0};
    GetWindowRect(window, &outer);
    ClientToScreen(window, &client);
    POINT frame = {client.x - outer.left, client.y - outer.top};
    return frame;
}

static int32_t ScaleForMonitor(HWND window, UINT dpi, HMONITOR monitor) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    POINT frame = FrameOf(window);
    return BoardScaleForDpi(static_cast<int32_t>(dpi),
                            info.rcMonitor.right - info.rcMonitor.left - 2 * frame.x,
                            info.rcMonitor.bottom - info.rcMonitor.top - 2 * frame.y);
}

static ScaleSize WindowSize(HWND window, int32_t scale) {
    POINT frame = FrameOf(window);
    return BoardWindowSize(scale, frame.x, frame.y);
}

// Only the board shows: the dialog frame is cut away. Set at start-up and
// when the scale changes, never from a paint: a shape change with redraw
// asked for inside a paint can queue the next paint, and the board would
// repaint itself without end.
static void ShapeWindow(HWND window) {
    POINT frame = FrameOf(window);
    HRGN shape = CreateRectRgn(frame.x, frame.y, frame.x + kBoardPixelsWide * BoardScale,
                               frame.y + kBoardPixelsHigh * BoardScale);
    if (!SetWindowRgn(window, shape, FALSE)) {
        DeleteObject(shape);
    }
}

void PlaceBoard(HWND window) {
    BoardScale = ScaleForMonitor(window, WindowDpi(window),
                                 MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
    ScaleSize size = WindowSize(window, BoardScale);
    ScalePoint saved = {Settings.winX, Settings.winY};
    ScalePoint p = BoardOriginOnScreen(saved, size, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYSCREEN));
    POINT frame = FrameOf(window);
    HWND order = Settings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, p.x - frame.x, p.y - frame.y, size.width, size.height, 0);
    ShapeWindow(window);
    HoldBoardPlace(&BoardPlace, p);
}

// The window moved. Until the user takes the board, a move that someone
// else made (a window manager placing the new window) is undone: posted, so
// that the move being reported is over before the next one starts.
void OnBoardMoved(HWND window) {
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    ScalePoint now = {corner.x, corner.y};
    if (BoardPlaceToRestore(&BoardPlace, now))
        PostMessageW(window, kRestorePlaceMsg, 0, 0);
}

void RestoreBoardPlace(HWND window) {
    if (!BoardPlace.held)
        return;
    // Kept on the screen as it is now, should it have shrunk meanwhile.
    ScalePoint p =
        BoardOriginOnScreen(BoardPlace.at, WindowSize(window, BoardScale),
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    POINT frame = FrameOf(window);
    SetWindowPos(window, NULL, p.x - frame.x, p.y - frame.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The system asks what size the window wants at another DPI before it moves
// it there, and then suggests a place that keeps the pointer on it.
LRESULT OnDpiScaledSize(HWND window, UINT dpi, SIZE* size) {
    ScaleSize wanted = WindowSize(
        window, ScaleForMonitor(window, dpi, MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)));
    size->cx = wanted.width;
    size->cy = wanted.height;
    return TRUE;
}

// The board went to a monitor of another DPI (or the user changed the
// scale): the suggested place, and the size of the new scale.
LRESULT OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
    int32_t scale =
        ScaleForMonitor(window, dpi, MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST));
    int32_t before = BoardScale;
    BoardScale = scale;
    ReleaseBoardPlace(&BoardPlace);
    ScaleSize size = WindowSize(window, scale);
    SetWindowPos(window, NULL, suggested->left, suggested->top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (scale != before) {
        ShapeWindow(window);
        RepaintBoard(window, FALSE);
    }
    return 0;
}
