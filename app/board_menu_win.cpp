// The popup menu, its commands and the dialogs they open.
#include "app/board_commands.h"
#include "app/import_command.h"
#include "app/interaction.h"
#include "app/modal.h"
#include "app/shell_win.h"
#include "render/board_objects.h"
#include "res/resource.h"
#include "store/platform.h"
#include "win/system_library_win.h"

#include "dialogs/dialog_procs_win.h"

static void OpenDialog(HWND window, int templateId, DLGPROC procedure) {
    ModalScope modal;
    LoadDialogLibraries();
    DialogBoxParamW(Board.Instance, MAKEINTRESOURCEW(templateId), window, procedure, 0);
}

// The commands that open a dialog that may change what the board shows: the
// board is repainted afterwards.
static const struct {
    int command;
    int templateId;
    DLGPROC procedure;
} kEditingDialogs[] = {
    {ID_CMD_SETTINGS, IDD_SETTINGS, SettingsDlgProc},
    {ID_CMD_WEIGHT_ENTRY, IDD_WEIGHT_ENTRY, WeightEntryDlgProc},
    {ID_CMD_DATA_EDIT, IDD_DATA_EDIT, DataEditDlgProc},
};

void OpenWeightEntry(HWND window) {
    RunBoardCommand(window, ID_CMD_WEIGHT_ENTRY);
}

static void RepaintErasing(OwnerWindow owner) {
    RepaintBoard(static_cast<HWND>(owner), TRUE);
}

static int RunImport(OwnerWindow owner, void (*repaint)(OwnerWindow owner)) {
    return RunImportCommand(owner, ChooseImportFile, repaint);
}

// The commands without a dialog of their own that may change the board: they
// repaint it when they do.
static const struct {
    int command;
    int (*run)(OwnerWindow owner, void (*repaint)(OwnerWindow owner));
} kRepaintingCommands[] = {
    {ID_CMD_RESET, RunResetCommand},
    {ID_CMD_IMPORT, RunImport},
    {ID_CMD_TREND, RunTrendCommand},
};

void RunBoardCommand(HWND window, int command) {
    for (const auto& dialog : kEditingDialogs) {
        if (dialog.command == command) {
            OpenDialog(window, dialog.templateId, dialog.procedure);
            RepaintErasing(window);
            return;
        }
    }
    for (const auto& repainting : kRepaintingCommands) {
        if (repainting.command == command) {
            repainting.run(window, RepaintErasing);
            return;
        }
    }
    switch (command) {
    case ID_CMD_EXIT:
        DestroyWindow(window);
        break;
    case ID_CMD_VERSION:
        OpenDialog(window, IDD_VERSION, VersionDlgProc);
        break;
    case ID_CMD_CSV:
        RunCsvCommand(window);
        break;
    }
}

static int ShowBoardMenuAt(HWND window, POINT at, UINT alignment) {
    HMENU menu = LoadMenuW(Board.Instance, MAKEINTRESOURCEW(IDM_BOARD_MENU));
    HMENU popup = GetSubMenu(menu, 0);
    CheckMenuItem(popup, ID_CMD_TREND, MF_BYCOMMAND | (Options.trend == 1 ? MF_CHECKED : 0));
    SetForegroundWindow(window);
    if (!TrackPopupMenu(popup, alignment, at.x, at.y, 0, window, NULL)) {
        char text[kMenuErrorTextSize];
        FormatMenuError(text, sizeof text, static_cast<int>(GetLastError()));
        Platform.messageBox(window, text, kMenuErrorCaption, kMbOk);
    }
    DestroyMenu(menu);
    return 0;
}

// Above the pointer, its left edge at it.
int ShowBoardMenu(HWND window) {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    return ShowBoardMenuAt(window, pointer, TPM_BOTTOMALIGN);
}

// Down from the board's top-left corner, over the board.
int ShowBoardMenuAtCorner(HWND window) {
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    return ShowBoardMenuAt(window, corner, TPM_TOPALIGN | TPM_LEFTALIGN);
}

INT_PTR CALLBACK VersionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
