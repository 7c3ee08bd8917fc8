#include "app/board_commands.h"

#include <stdio.h>

#include "app/interaction.h"
#include "app/modal.h"
#include "store/log_changes.h"
#include "store/log_file.h"
#include "store/records.h"
#include "store/settings_file.h"

const char kResetQuestion[] =
    "これまでの体重の記録が失われます。\r\n本当に体重データをリセットしますか？";
const char kResetQuestionCaption[] = "確認";
const char kResetDone[] = "体重の記録をリセットしました。";
const char kResetDoneCaption[] = "完了";
const char kMenuErrorCaption[] = "OPEN ERROR";

int RunResetCommand(OwnerWindow owner, void (*repaint)(OwnerWindow owner)) {
    ModalScope modal;
    if (Platform.messageBox(owner, kResetQuestion, kResetQuestionCaption, kMbYesNo) != kIdYes)
        return 0;
    if (LogSaved(ShowStoreResult(owner, ResetWeighings()))) {
        // Scrolling belongs to the entries that are gone; a log that grows
        // again starts with its newest entries in view.
        ScrollBack = 0;
        repaint(owner);
        Platform.messageBox(owner, kResetDone, kResetDoneCaption, kMbOk);
    }
    return 0;
}

int RunTrendCommand(OwnerWindow owner, void (*repaint)(OwnerWindow owner)) {
    Options.trend = Options.trend == 1 ? 0 : 1;
    {
        ModalScope modal; // a failed save shows its box
        SaveSettings(owner);
    }
    repaint(owner);
    return 0;
}

int RunCsvCommand(OwnerWindow owner) {
    ModalScope modal;
    ReadLogAgain(); // the copy holds what another program added to taiju.dat
    SaveLog(owner, 1);
    return 0;
}

void FormatMenuError(char* text, size_t size, int code) {
    snprintf(text, size, "ポップアップメニューエラー%d", code);
}
