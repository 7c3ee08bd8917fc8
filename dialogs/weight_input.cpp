#include "dialogs/weight_input.h"

#include "store/platform.h"

#include <stdio.h>
#include <string.h>

#include "dialogs/number_text.h"
#include "res/resource.h"

const char kWeightEntryErrorCaption[] = "入力エラー";

void FormatWeight(double kg, char* out, size_t size) {
    snprintf(out, size, "%3.1f", kg);
}

double ParseWeightText(const char* text) {
    char head[kWeightTextRead];
    snprintf(head, sizeof head, "%s", text);
    return TextToDouble(head);
}

double SteppedWeight(double kg, int controlId) {
    if (controlId == IDC_STEP_UP)
        return kg + 0.1;
    if (controlId == IDC_STEP_DOWN)
        return kg - 0.1;
    return kg;
}

double ShownWeight(double kg, char* text, size_t size) {
    FormatWeight(kg, text, size);
    return ParseWeightText(text);
}

WeightVerdict CheckWeightEntry(double kg, int count) {
    if (count >= kLogCapacity || count < 0)
        return kWeightLogFull;
    int tenths = KgToTenths(kg);
    if (tenths < kLowestStorableTenths || tenths > kHighestStorableTenths)
        return kWeightNotStorable;
    return kWeightAccepted;
}

const char* WeightVerdictMessage(WeightVerdict verdict) {
    switch (verdict) {
    case kWeightNotStorable:
        return "記録できる体重は -99.9 kg から 999.9 kg までです。\r\n"
               "値を直してから OK を押してください。";
    case kWeightLogFull:
        return "体重の記録が 65536 件に達したため、これ以上記録できません。\r\n"
               "「体重データリセット」で記録を空にしてから入力してください。";
    case kWeightAccepted:
        break;
    }
    return "";
}

int EntryDate(const LocalDate& date) {
    return MakeDate(date.year, date.month, date.day);
}

int NewEntryDate() {
    return EntryDate(Platform.localDate());
}

double NewestLoggedWeight() {
    int count = Settings.weightdatalen;
    if (count <= 0 || count > kLogCapacity)
        return 0.0;
    return WeightLog[count - 1].weight / 10.0;
}
