#include "store/messages.h"

const char kOpenErrorCaption[] = "OPEN ERROR";
const char kSizeErrorCaption[] = "SIZE ERROR";
const char kSettingsOpenErrorText[] = "weighminder.iniファイルをオープンできませんでした。";
const char kSettingsSizeErrorText[] =
    "weighminder.iniファイルが大きすぎるため設定を取得できませんでした。";
const char kLogOpenErrorText[] = "体重データファイルをオープンできませんでした。";

void ShowStoreError(OwnerWindow owner, const char* text, const char* caption) {
    Platform.messageBox(owner, text, caption, kMbOk | kMbIconError);
}
