#include "store/messages.h"

const char kOpenErrorCaption[] = "OPEN ERROR";
const char kSizeErrorCaption[] = "SIZE ERROR";
const char kSettingsOpenErrorText[] = "weighminder.iniファイルをオープンできませんでした。";
const char kSettingsSizeErrorText[] =
    "weighminder.iniファイルが大きすぎるため設定を取得できませんでした。";
const char kLogOpenErrorText[] = "体重データファイルをオープンできませんでした。";
const char kLogPartlyReadText[] =
    "体重データファイルを最後まで読み込めなかったため、記録を保存できません。\r\n"
    "ファイルを使っているほかのプログラムを閉じてから、weighminderを起動し直してください。";

const char kLogChangedText[] = "taiju.datがほかのプログラムによって書き換えられていたため、"
                               "今回の変更は保存しませんでした。\r\n"
                               "書き換えられたファイルを読み込み直しました。";

void ShowStoreError(OwnerWindow owner, const char* text, const char* caption) {
    Platform.messageBox(owner, text, caption, kMbOk | kMbIconError);
}
