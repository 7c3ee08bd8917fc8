#include "dialogs/weight_input.h"

#include "store/platform.h"

#include <stdio.h>
#include <string.h>

#include "dialogs/number_text.h"
#include "res/resource.h"

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
