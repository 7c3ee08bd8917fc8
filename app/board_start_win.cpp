// The program itself: the window class, the one board window and the
// message loop, run by WinMain (main_win.cpp) and by the paint timer.
#include "app/shell_win.h"

#include "render/board_objects.h"
#include "res/resource.h"
#include "store/platform.h"
#include "win/entry_win.h"
#include "win/message_loop_win.h"
#include "win/system_library_win.h"

LayeredAttributesFn LayeredAttributesEntry = NULL;

static ATOM RegisterBoardClass(HINSTANCE instance) {
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = 0;
    wc.lpfnWndProc = BoardWindowProc;
    wc.hInstance = instance;
    wc.hIcon = Board.AppIcon;
    wc.hIconSm = Board.TrayIcon;
    wc.hCursor = NULL; // the window procedure sets the cursor itself
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"weighminder";
    return RegisterClassExW(&wc);
}

// The notification area and the small class icon take the small icon size
// of the system's DPI: the icon group's nearest image, not a shrunk 32 x 32.
static HICON LoadSmallIcon(HINSTANCE instance) {
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
    return icon != NULL ? static_cast<HICON>(icon) : Board.AppIcon;
}

static void FindLayeredAttributes() {
    // Looked up at run time: a system without it shows the board unkeyed.
    LayeredAttributesEntry = FindEntry<LayeredAttributesFn>(LoadSystemLibrary(L"user32.dll"),
                                                            "SetLayeredWindowAttributes");
}

int RunBoardProgram(HINSTANCE instance, int showCommand) {
    RestrictDllSearch();
    InstallPlatformSeams();
    if (!ClaimDataFolder()) {
        return 0; // the folder's board runs already, and is in front now
    }
    Board.AppIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    Board.TrayIcon = LoadSmallIcon(instance);
    if (RegisterBoardClass(instance) == 0) {
        return 0;
    }
    FindLayeredAttributes();
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"weighminder", L"weighminder",
                                  WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, 0, kBoardWindowWidth,
                                  kBoardWindowHeight, NULL, NULL, instance, NULL);
    if (window == NULL) {
        return 0;
    }
    Board.Instance = instance;
    return ShowAndRunMessages(window, showCommand);
}
