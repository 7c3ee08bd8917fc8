#include "store/messages.h"

#include "store/store_result.h"

const char kOpenErrorCaption[] = "OPEN ERROR";
const char kSizeErrorCaption[] = "SIZE ERROR";
const char kInputErrorCaption[] = "入力エラー";
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
const char kLogFullText[] = "体重の記録が 65536 件に達したため、これ以上記録できません。\r\n"
                            "「体重データリセット」で記録を空にしてから入力してください。";
const char kNotStorableText[] = "記録できる体重は -99.9 kg から 999.9 kg までです。\r\n"
                                "値を直してから OK を押してください。";

void ShowStoreError(OwnerWindow owner, const char* text, const char* caption) {
    Platform.messageBox(owner, text, caption, kMbOk | kMbIconError);
}

StoreResult ShowStoreResult(OwnerWindow owner, StoreResult result) {
    static const struct {
        const char* text;
        const char* caption;
        StoreResult result;
        unsigned icon;
    } kBoxes[] = {
        {kSettingsOpenErrorText, kOpenErrorCaption, kStoreSettingsNotSaved, kMbIconError},
        {kLogPartlyReadText, kOpenErrorCaption, kStoreLogPartlyRead, kMbIconError},
        {kLogChangedText, kOpenErrorCaption, kStoreLogChanged, kMbIconError},
        {kLogOpenErrorText, kOpenErrorCaption, kStoreWriteFailed, kMbIconError},
        // What a typed weighing cannot be: the dialog stays open to mend it.
        {kLogFullText, kInputErrorCaption, kStoreLogFull, kMbIconWarning},
        {kNotStorableText, kInputErrorCaption, kStoreNotStorable, kMbIconWarning},
    };
    for (const auto& box : kBoxes)
        if (box.result == result)
            Platform.messageBox(owner, box.text, box.caption, kMbOk | box.icon);
    return result;
}
