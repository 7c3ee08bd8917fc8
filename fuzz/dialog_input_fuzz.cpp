// Text typed into the three dialogs, as any bytes: the conversions never
// crash or overflow, and what a dialog shows and takes back is stable —
// opening a dialog and pressing OK without typing changes nothing.
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "dialogs/edit_log.h"
#include "fuzz/require.h"
#include "dialogs/number_text.h"
#include "dialogs/settings_input.h"
#include "dialogs/weight_input.h"
#include "store/log_file.h"
#include "store/log_text.h"
#include "res/resource.h"

// The input split at zero bytes into up to five texts of a dialog's size.
struct Texts {
    char text[5][kDialogTextSize];
};

static Texts SplitTexts(const uint8_t* data, size_t size) {
    Texts t = {};
    size_t field = 0, used = 0;
    for (size_t i = 0; i < size && field < 5; i++) {
        if (data[i] == 0) {
            field++, used = 0;
        } else if (used + 1 < kDialogTextSize) {
            t.text[field][used++] = (char)data[i];
        }
    }
    return t;
}

static int32_t Int32At(const uint8_t* data, size_t size, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; i++)
        v = v << 8 | (at + i < size ? data[at + i] : 0);
    return (int32_t)v;
}

static void CheckWeightEntryBox(const char* typed) {
    // What the box reads is shown again unchanged; arrow steps stay put.
    double kg = ParseWeightText(typed);
    char shown[kWeightTextSize];
    double once = ShownWeight(kg, shown, sizeof shown);
    double twice = ShownWeight(once, shown, sizeof shown);
    Require((isnan(once) && isnan(twice)) || once == twice);
    char stepped[kWeightTextSize];
    ShownWeight(SteppedWeight(once, IDC_STEP_UP), stepped, sizeof stepped);
    // An accepted weight always fits the log.
    Settings.weightdatalen = 0;
    if (CheckWeightEntry(kg, 0) == kWeightAccepted) {
        Require(AppendWeightEntry(20261206, KgToTenths(kg)) == 0);
        char record[24];
        Require(FormatLogRecord(record, 0, WeightLog[0]) == 23);
    }
}

static void CheckSettingsForm(const Texts& t, int32_t a, int32_t b, int32_t c) {
    // Typed text goes in; the record shows it and takes it back unchanged.
    SettingsForm form = {};
    memcpy(form.targetKg, t.text[0], sizeof form.targetKg);
    memcpy(form.heightCm, t.text[1], sizeof form.heightCm);
    memcpy(form.originalKg, t.text[2], sizeof form.originalKg);
    SettingsRecord s = {};
    FormToSettings(form, &s);
    SettingsRecord again = s;
    FormToSettings(SettingsToForm(s), &again);
    Require(again.targetweight == s.targetweight && again.original == s.original &&
            again.height == s.height && again.topmost == s.topmost);
    // Any stored values, too (a settings file can hold any number).
    SettingsRecord any = {};
    any.targetweight = a, any.original = b, any.height = c;
    SettingsRecord back = any;
    FormToSettings(SettingsToForm(any), &back);
    Require(back.targetweight == a && back.original == b && back.height == c);
}

static void CheckRecordForm(const Texts& t, int32_t date, int32_t weight) {
    int tenths = -1;
    if (CheckRecordWeight(t.text[0], &tenths) == 0)
        Require(tenths >= 1 && tenths <= 2999);
    int checked = -1;
    if (CheckRecordDate(t.text[1], t.text[2], t.text[3], &checked) == 0)
        Require(EntryFitsRecord(WeightEntry{checked, 1}));
    // A record on screen, taken back without typing, stays as it was
    // whenever it passes the checks.
    WeightLog[0] = WeightEntry{date, weight};
    Settings.weightdatalen = 1;
    OpenEditLog();
    RecordForm form = ShowEditRecord();
    int fault = TakeInEditRecord(form);
    if (fault == 0)
        Require(EditLog[0].date == date && EditLog[0].weight == weight);
    else
        Require(EditLog[0].date == date); // a date that fails is not stored
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Texts t = SplitTexts(data, size);
    int32_t a = Int32At(data, size, 0), b = Int32At(data, size, 4);
    int32_t c = Int32At(data, size, 8);

    CheckWeightEntryBox(t.text[0]);
    CheckSettingsForm(t, a, b, c);
    CheckRecordForm(t, a, b);

    int value = TextToInt(t.text[4]);
    long long wide = strtoll(t.text[4], nullptr, 10);
    Require(wide > INT32_MAX   ? value == INT32_MAX
            : wide < INT32_MIN ? value == INT32_MIN
                               : value == wide);
    return 0;
}
