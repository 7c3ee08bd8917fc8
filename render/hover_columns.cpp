#include "render/hover_columns.h"

#include <stdio.h>
#include <string.h>

void FormatHoverLabel(const WeightEntry& e, char out[kHoverLabelSize]) {
    char text[64];
    snprintf(text, sizeof text, "'%02d/%d/%d %.1fkg", DateYear(e.date) - 2000, DateMonth(e.date),
             DateDay(e.date), e.weight / 10.0);
    memcpy(out, text, kHoverLabelSize - 1);
    out[kHoverLabelSize - 1] = '\0';
}

void FillHoverColumns(const WeightEntry* log, ChartView v, int32_t step,
                      int32_t index[kHoverColumns], char labels[kHoverColumns][kHoverLabelSize]) {
    int32_t column = 0;
    auto fill = [&](int32_t entry) {
        index[column] = entry;
        if (column > 0 && entry == index[column - 1])
            memcpy(labels[column], labels[column - 1], kHoverLabelSize);
        else
            FormatHoverLabel(log[entry], labels[column]);
        column++;
    };
    for (int32_t m = 1; m < v.count; m++) {
        int32_t x = EntryX(step, m);
        while (column < x && column < kHoverColumns)
            fill(v.first + m - 1);
    }
    while (column < kHoverColumns)
        fill(v.first + v.count - 1);
}
