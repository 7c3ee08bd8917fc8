#include "render/board_speech.h"

#include <stdio.h>

#include "render/number_layout.h"

namespace {

enum { kFigureSize = 32 }; // the longest, "−214748364.8", with room

// Tenths as "52.3" or "−0.4" (the minus sign, not the hyphen); with `plus`,
// zero and up as "+0.4", the board's sign glyph.
void FormatFigure(char out[kFigureSize], bool negative, int64_t tenths, bool plus) {
    const char* sign = negative ? "−" : plus ? "+" : "";
    snprintf(out, kFigureSize, "%s%lld.%lld", sign, (long long)(tenths / 10),
             (long long)(tenths % 10));
}

// A number the board draws; "--" where it draws no digits at all.
void FormatDrawn(char out[kFigureSize], double value, bool plus) {
    bool negative = value < 0;
    int32_t tenths = ChalkTenths(negative ? -value : value);
    if (tenths == INT32_MIN)
        snprintf(out, kFigureSize, "--");
    else
        FormatFigure(out, negative, tenths, plus);
}

const WeightEntry* ReadoutEntry(const BoardPlan& plan, const BoardState& s) {
    if (!plan.showReadout || !plan.drawChart || s.hoverIndexTable == nullptr)
        return nullptr;
    int32_t entry = s.hoverIndexTable[plan.readoutColumn];
    return entry >= 0 && entry < s.logCount && entry < kLogCapacity ? &s.log[entry] : nullptr;
}

} // namespace

void FormatBoardSpeech(const BoardPlan& plan, const BoardState& state, char* out, size_t size) {
    static const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
    char readout[80] = "";
    if (const WeightEntry* e = ReadoutEntry(plan, state)) {
        char weight[kFigureSize];
        FormatFigure(weight, e->weight < 0, e->weight < 0 ? -(int64_t)e->weight : e->weight, false);
        snprintf(readout, sizeof readout, "グラフ %d年%d月%d日 %s kg、", DateYear(e->date),
                 DateMonth(e->date), DateDay(e->date), weight);
    }
    char weight[kFigureSize], change[kFigureSize], bmi[kFigureSize + 8] = "";
    FormatDrawn(weight, plan.weight.value, false);
    FormatDrawn(change, plan.change.value, true);
    if (plan.drawBmi) {
        char figure[kFigureSize];
        FormatDrawn(figure, plan.bmi.value, false);
        snprintf(bmi, sizeof bmi, "、BMI %s", figure);
    }
    int weekday = state.today.weekday;
    // Any other weekday number shows Saturday's picture.
    const char* day = kWeekdays[weekday >= 0 && weekday < 6 ? weekday : 6];
    snprintf(out, size, "%s体重 %s kg、前回から %s kg%s、%d月%d日(%s)", readout, weight, change,
             bmi, (int)plan.month.value, (int)plan.day.value, day);
}
