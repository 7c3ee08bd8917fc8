#include "app/import_command.h"

#include <stdio.h>

#include "app/interaction.h"
#include "app/modal.h"
#include "store/messages.h"
#include "store/records.h"

const char kImportCaption[] = "CSVファイル取り込み";

enum { kImportPathSize = 1024, kImportTextSize = 512 };

// "2023/10/16 ～ 2024/01/15" and the lines that could not be read.
static int FormatDetails(const ImportSummary& s, char* text, size_t size) {
    int n = snprintf(text, size, "すでに記録のある日（取り込まない日）: %d 日\r\n", s.known);
    if (s.unreadable > 0)
        n += snprintf(text + n, size - n, "読み込めなかった行: %d 行（最初は %d 行目）\r\n",
                      s.unreadable, s.firstUnreadable);
    else
        n += snprintf(text + n, size - n, "読み込めなかった行: なし\r\n");
    if (s.firstDate != 0)
        n += snprintf(text + n, size - n, "ファイルの期間: %04d/%02d/%02d ～ %04d/%02d/%02d\r\n",
                      DateYear(s.firstDate), DateMonth(s.firstDate), DateDay(s.firstDate),
                      DateYear(s.lastDate), DateMonth(s.lastDate), DateDay(s.lastDate));
    return n;
}

void FormatImportQuestion(const ImportSummary& s, char* text, size_t size) {
    int n = snprintf(text, size, "追加する日: %d 日\r\n", s.added);
    n += FormatDetails(s, text + n, size - n);
    snprintf(text + n, size - n, "\r\n取り込みますか？");
}

void FormatImportRefusal(const ImportSummary& s, char* text, size_t size) {
    switch (s.verdict) {
    case kImportNothingNew: {
        int n = snprintf(text, size, "追加できる日がありません。\r\n\r\n");
        FormatDetails(s, text + n, size - n);
        break;
    }
    case kImportCannotOpen:
        snprintf(text, size, "ファイルを開けませんでした。");
        break;
    case kImportEmpty:
        snprintf(text, size, "ファイルが空です。");
        break;
    case kImportBinary:
        snprintf(text, size, "テキストファイルではないため取り込めません。");
        break;
    case kImportFileTooLarge:
        snprintf(text, size, "ファイルが 64 MB を超えているため取り込めません。");
        break;
    case kImportLineTooLong:
        snprintf(text, size, "%d 行目が 64 KB を超えているため取り込めません。", s.lineAt);
        break;
    case kImportNoColumns:
        snprintf(text, size, "日付と体重の列が見つからないため取り込めません。");
        break;
    case kImportAmbiguousDates:
        snprintf(text, size, "日付が「月/日/年」か「日/月/年」か決められないため取り込めません。");
        break;
    case kImportTooMany:
        snprintf(text, size,
                 "記録は 65536 件までのため、あと %d 日分しか追加できません。\r\n"
                 "このファイルは取り込めません。",
                 s.room);
        break;
    default:
        snprintf(text, size, "%s", "");
        break;
    }
}

static void ImportChosenFile(OwnerWindow owner, const char* path,
                             void (*repaint)(OwnerWindow owner)) {
    char text[kImportTextSize];
    ImportSummary summary = ReadImportFile(path);
    if (summary.verdict != kImportReady) {
        FormatImportRefusal(summary, text, sizeof text);
        unsigned icon = summary.verdict == kImportNothingNew ? 0 : kMbIconWarning;
        Platform.messageBox(owner, text, kImportCaption, kMbOk | icon);
        return;
    }
    FormatImportQuestion(summary, text, sizeof text);
    if (Platform.messageBox(owner, text, kImportCaption, kMbYesNo) != kIdYes)
        return;
    if (ApplyImport(owner) == 0) {
        ScrollBack = 0; // the newest entries in view, in the span the board had
        repaint(owner);
    }
}

int RunImportCommand(OwnerWindow owner, ChooseImportFileFn choose,
                     void (*repaint)(OwnerWindow owner)) {
    if (ModalOpen)
        return -1;
    ModalScope modal;
    char path[kImportPathSize];
    if (LogPartlyRead)
        ShowStoreError(owner, kLogPartlyReadText, kOpenErrorCaption); // no save could keep it
    else if (choose(owner, path, sizeof path))
        ImportChosenFile(owner, path, repaint);
    return 0;
}
