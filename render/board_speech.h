// What the board says to a screen reader: the numbers it shows, in words
// of Japanese, UTF-8. Portable; the window writes it after each paint, and
// the board's accessible object hands it out as its value.
#pragma once
#include <stddef.h>

#include "render/board_plan.h"

enum { kBoardSpeechSize = 256 };

// "体重 52.3 kg、前回から −0.4 kg、BMI 21.2、12月9日(水)" from the plan's numbers,
// cut to tenths as the board draws them; no BMI without a height. While the
// plan shows the read-out, its entry comes first: "グラフ 2010年5月8日 51.8 kg、".
// Call it after the chart is drawn: the read-out's entry is looked up in
// state.hoverIndexTable as the chart left it.
void FormatBoardSpeech(const BoardPlan& plan, const BoardState& state, char* out, size_t size);
