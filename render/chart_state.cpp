#include "render/chart_state.h"

#include <string.h>

#include "render/trend.h"
#include "store/calendar.h"

namespace {

struct TrendTrack {
    bool carried;
    uint32_t revision;
    int32_t count; // entries carried
    int64_t grams[kLogCapacity];
};
TrendTrack Track;

int32_t LogCount() {
    int32_t n = Settings.weightdatalen;
    return n < 0 ? 0 : n > kLogCapacity ? (int32_t)kLogCapacity : n;
}

} // namespace

const int64_t* LogTrend() {
    int32_t count = LogCount();
    if (!Track.carried || Track.revision != LogRevision || Track.count < count) {
        CarryTrend(WeightLog, count, Track.grams);
        Track.carried = true;
        Track.revision = LogRevision;
        Track.count = count;
    }
    return Track.grams;
}

ChartInput CurrentChartInput() {
    const int64_t* trend = Options.trend == 1 ? LogTrend() : nullptr;
    ChartInput in = {WeightLog, Settings.weightdatalen, &Settings, PregnancyGainDays, trend};
    return in;
}

void PublishHoverTables(const ChartPlan& plan) {
    memcpy(HoverIndexTable, plan.hoverIndex, sizeof HoverIndexTable);
    memcpy(HoverLabels, plan.hoverLabels, sizeof HoverLabels);
}
