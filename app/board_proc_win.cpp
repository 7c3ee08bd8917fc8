// BoardWindowProc: the board window's messages, one small handler each.
#include "app/board_input.h"
#include "app/board_place.h"
#include "app/board_keys.h"
#include "app/interaction.h"
#include "app/shell_win.h"
#include "render/board_objects.h"
#include "render/board_scale.h"
#include "render/board_speech.h"
#include "render/paint_win.h"
#include "res/resource.h"

UINT TaskbarCreatedMsg = 0;

void RepaintBoard(HWND window, BOOL erase) {
    InvalidateRect(window, NULL, erase);
}

static LRESULT OnCreate(HWND window, const CREATESTRUCTW* creation) {
    TaskbarCreatedMsg = RegisterWindowMessageW(L"TaskbarCreated");
    BringForwardMsg = RegisterWindowMessageW(kBringForwardName);
    return InitBoard(window, creation);
}

// After the paint: the date it showed, the words for a screen reader.
static LRESULT OnPaint(HWND window) {
    LRESULT result = PaintBoard(window);
    const PaintRecord& painted = LastPaint();
    if (painted.painted) {
        PaintedDay =
            MakeDate(painted.state.today.year, painted.state.today.month, painted.state.today.day);
        FormatBoardSpeech(painted.plan, painted.state, BoardSpeech, sizeof BoardSpeech);
    }
    RefreshTrayTip(window);
    AnnounceBoardValue(window);
    return result;
}

// Pointer positions in board pixels: at any scale the hot zones, the drag and
// the chart's columns are those of the 250 x 100 board.
static uint32_t BoardParam(LPARAM lParam) {
    return BoardParamFromWindow(static_cast<uint32_t>(lParam), BoardScale);
}

static void OnMouseMove(HWND window, LPARAM lParam) {
    MouseMoveEffect effect = TrackMouseMove(BoardParam(lParam));
    if (effect.cursor == kCursorHand) {
        SetCursor(LoadCursorW(Board.Instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR)));
    } else if (effect.cursor == kCursorArrow) {
        SetCursor(LoadCursorA(NULL, IDC_ARROW));
    }
    if (effect.startDrag) {
        // The system move with the caption hit code: the user drags the
        // window until the button comes up, inside this call.
        SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    }
}

// From the user's first press on, the board stands where the user puts it.
static void OnLeftButtonDown() {
    ReleaseBoardPlace(&BoardPlace);
    PressLeftButton();
}

static void OnLeftButtonUp(HWND window, LPARAM lParam) {
    switch (ReleaseLeftButton(BoardParam(lParam))) {
    case kClickSpan:
        RepaintBoard(window, FALSE);
        break;
    case kClickWeightEntry:
        OpenWeightEntry(window);
        break;
    case kClickExit:
        ShutdownBoard(window);
        break;
    case kClickNothing:
        break;
    }
    if (FinishClick()) {
        RepaintBoard(window, FALSE);
    }
}

static void OnRightButtonDown(HWND window) {
    ReleaseBoardPlace(&BoardPlace);
    if (ModalOpen == 0) {
        ShowBoardMenu(window);
    }
}

static void OnKeyDown(HWND window, WPARAM key) {
    ReleaseBoardPlace(&BoardPlace);
    switch (PressBoardKey(static_cast<uint32_t>(key))) {
    case kKeyRepaint:
        RepaintBoard(window, FALSE);
        break;
    case kKeyWeightEntry:
        OpenWeightEntry(window);
        break;
    case kKeyIgnored:
        break;
    }
}

// Shift+F10 or the menu key; a right click has opened the menu already.
static void OnContextMenu(HWND window, LPARAM point) {
    if (KeyboardMenuWanted(static_cast<uint32_t>(point))) {
        ShowBoardMenuAtCorner(window);
    }
}

static void OnTrayIcon(HWND window, LPARAM mouseMessage) {
    TrayEffect effect = TrayIconClicked(static_cast<uint32_t>(mouseMessage));
    if (effect.bringToFront) {
        SetForegroundWindow(window);
        RepaintBoard(window, FALSE);
    }
    if (effect.showMenu) {
        ShowBoardMenu(window);
    }
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageW(TrayIconData.hWnd, WM_NULL, 0, 0);
}

// The date column follows the clock: checked every minute, and at once
// when the clock is set or the system wakes from sleep.
static void OnClockMayHaveMoved(HWND window) {
    if (DateColumnStale())
        RepaintBoard(window, FALSE);
}

static void OnTaskbarCreated(HWND window) {
    // The taskbar was created anew (Explorer restarted), so the icon is gone.
    AddTrayIcon(window, kTrayIconId, Board.TrayIcon, TrayTip);
}

LRESULT CALLBACK BoardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        return ShutdownBoard(window);
    case WM_PAINT:
        return OnPaint(window);
    case WM_KEYDOWN:
        OnKeyDown(window, wParam);
        break;
    case WM_COMMAND:
        RunBoardCommand(window, LOWORD(wParam));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(window, lParam);
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown();
        break;
    case WM_LBUTTONUP:
        OnLeftButtonUp(window, lParam);
        break;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(window);
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(window, lParam);
        break;
    case WM_GETOBJECT:
        return AnswerGetObject(window, wParam, lParam);
    case WM_CAPTURECHANGED:
        LoseMouseCapture();
        break;
    case WM_USER:
        OnTrayIcon(window, lParam);
        break;
    case WM_MOVE:
        OnBoardMoved(window);
        break;
    case kRestorePlaceMsg:
        RestoreBoardPlace(window);
        return 0;
    case WM_DISPLAYCHANGE:
        ReleaseBoardPlace(&BoardPlace);
        break;
    case WM_GETDPISCALEDSIZE:
        return OnDpiScaledSize(window, static_cast<UINT>(wParam), reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        return OnDpiChanged(window, LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    case WM_TIMER:
    case WM_TIMECHANGE:
    case WM_POWERBROADCAST:
        OnClockMayHaveMoved(window);
        break;
    default:
        if (TaskbarCreatedMsg != 0 && message == TaskbarCreatedMsg) {
            OnTaskbarCreated(window);
        } else if (BringForwardMsg != 0 && message == BringForwardMsg) {
            BringBoardForward(window);
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
