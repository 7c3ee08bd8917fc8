// Text typed into the dialogs, any bytes split at zero bytes into four fields:
// nothing overflows, what is accepted fits the log, what is shown OK takes back.
#include <stdint.h>
#include <string.h>

#include <cmath>

#include "dialogs/edit_log.h"
#include "dialogs/number_text.h"
#include "dialogs/weight_input.h"
#include "fuzz/require.h"
#include "store/log_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RecordForm t = {};
    char* field[] = {t.year, t.month, t.day, t.weight};
    for (size_t i = 0, f = 0, n = 0; i < size && f < 4; i++)
        if (data[i] == 0)
            f++, n = 0;
        else if (n + 1 < kDialogTextSize)
            field[f][n++] = (char)data[i];
    char box[kWeightTextSize];
    double kg = ParseWeightText(t.weight), shown = ShownWeight(kg, box, sizeof box);
    Require(std::isnan(shown) || ShownWeight(shown, box, sizeof box) == shown);
    SettingsForm typed = {};
    memcpy(typed.targetKg, t.year, sizeof t.year);
    memcpy(typed.heightCm, t.month, sizeof t.month);
    memcpy(typed.originalKg, t.day, sizeof t.day);
    SettingsRecord s = {}, back = {};
    FormToSettings(typed, &s);
    FormToSettings(SettingsToForm(s), &back);
    Require(memcmp(&back, &s, sizeof s) == 0);
    int date = 0, tenths = 0;
    Require(CheckRecordDate(t.year, t.month, t.day, &date) != 0 || EntryFitsRecord({date, 1}));
    Require(CheckRecordWeight(t.weight, &tenths) != 0 || (tenths >= 1 && tenths <= 2999));
    return 0;
}
