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

// Why a file is not imported, with the number a text names.
static const struct {
    int verdict;
    const char* format;
    int ImportSummary::*number = nullptr;
} kRefusals[] = {
    {kImportCannotOpen, "ファイルを開けませんでした。"},
    {kImportEmpty, "ファイルが空です。"},
    {kImportBinary, "テキストファイルではないため取り込めません。"},
    {kImportFileTooLarge, "ファイルが 64 MB を超えているため取り込めません。"},
    {kImportLineTooLong, "%d 行目が 64 KB を超えているため取り込めません。",
     &ImportSummary::lineAt},
    {kImportNoColumns, "日付と体重の列が見つからないため取り込めません。"},
    {kImportAmbiguousDates, "日付が「月/日/年」か「日/月/年」か決められないため取り込めません。"},
    {kImportTooMany,
     "記録は 65536 件までのため、あと %d 日分しか追加できません。\r\n"
     "このファイルは取り込めません。",
     &ImportSummary::room},
};

void FormatImportRefusal(const ImportSummary& s, char* text, size_t size) {
    if (s.verdict == kImportNothingNew) {
        int n = snprintf(text, size, "追加できる日がありません。\r\n\r\n");
        FormatDetails(s, text + n, size - n);
        return;
    }
    snprintf(text, size, "%s", ""); // no refusal
    for (const auto& refusal : kRefusals)
        if (refusal.verdict == s.verdict)
            snprintf(text, size, refusal.format, refusal.number ? s.*refusal.number : 0);
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
