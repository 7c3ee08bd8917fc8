// The notification icon's tip: "weighminder", and while the trend is on,
// the trend with its weekly rate and the date the target is reached, one
// line each. Portable; the text is UTF-8.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "store/records.h"

// Room for the longest tip with its zero (under 90 bytes), and what the
// icon's record holds: 128 characters with the zero.
enum { kTrayTipSize = 128 };

// The tip for the log, its CarryTrend grams and the target (tenths). With
// trendOn 0, or an empty log, it is "weighminder" alone.
void FormatTrayTip(char* out, size_t size, int32_t trendOn, const WeightEntry* log,
                   const int64_t* grams, int32_t count, int32_t target);
