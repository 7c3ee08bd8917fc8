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

// The DPI at which the window's frame was last measured: the frame follows
// a DPI change only once the window is moved and sized at the new DPI.
static UINT FrameDpi;

// The frame as it will be at a DPI: as measured where the DPI stays, else
// changed by what the system's frame changes between the two DPIs.
static POINT FrameAt(HWND window, UINT dpi) {
    POINT measured = FrameOf(window), then, now;
    if (dpi == FrameDpi || !SystemFrameAtDpi(window, FrameDpi, &then) ||
        !SystemFrameAtDpi(window, dpi, &now))
        return measured;
    ScalePoint frame = FrameAtDpi({measured.x, measured.y}, {then.x, then.y}, {now.x, now.y});
    POINT at = {frame.x, frame.y};
    return at;
}

static int32_t ScaleForMonitor(POINT frame, UINT dpi, HMONITOR monitor) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    return BoardScaleForDpi(static_cast<int32_t>(dpi),
                            info.rcMonitor.right - info.rcMonitor.left - 2 * frame.x,
                            info.rcMonitor.bottom - info.rcMonitor.top - 2 * frame.y);
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
    FrameDpi = WindowDpi(window);
    POINT frame = FrameOf(window);
    BoardScale =
        ScaleForMonitor(frame, FrameDpi, MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
    ScaleSize size = BoardWindowSize(BoardScale, frame.x, frame.y);
    ScalePoint saved = {Settings.winX, Settings.winY};
    ScalePoint p = BoardOriginOnScreen(saved, size, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYSCREEN));
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
    POINT frame = FrameOf(window);
    ScalePoint p =
        BoardOriginOnScreen(BoardPlace.at, BoardWindowSize(BoardScale, frame.x, frame.y),
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window, NULL, p.x - frame.x, p.y - frame.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The system asks what size the window wants at another DPI before it moves
// it there, and then suggests a place that keeps the pointer on it.
LRESULT OnDpiScaledSize(HWND window, UINT dpi, SIZE* size) {
    POINT frame = FrameAt(window, dpi);
    ScaleSize wanted = BoardWindowSize(
        ScaleForMonitor(frame, dpi, MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)), frame.x,
        frame.y);
    size->cx = wanted.width;
    size->cy = wanted.height;
    return TRUE;
}

// The board went to a monitor of another DPI (or the user changed the
// scale): the suggested place, and the size of the new scale with the frame
// of the new DPI. The shape is cut again whatever the scale: the frame it
// leaves out may have changed with the DPI alone.
LRESULT OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
    POINT frame = FrameAt(window, dpi);
    BoardScale = ScaleForMonitor(frame, dpi, MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST));
    ReleaseBoardPlace(&BoardPlace);
    ScaleSize size = BoardWindowSize(BoardScale, frame.x, frame.y);
    SetWindowPos(window, NULL, suggested->left, suggested->top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FrameDpi = dpi;
    ShapeWindow(window);
    RepaintBoard(window, FALSE);
    return 0;
}
