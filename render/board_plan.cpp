#include "render/board_plan.h"

#include "render/hover_tables.h"
#include "render/number_layout.h"
#include "res/resource.h"

namespace {

ChalkNumberCall Number(double value, int32_t x, int32_t y, double scale, int32_t mode) {
    ChalkNumberCall c = {value, x, y, scale, mode};
    return c;
}

// The change since the previous entry. With a single entry it is measured
// against that entry; with an empty log there is nothing to measure against
// and it reads 0.0.
double Change(const BoardState& s) {
    if (s.logCount < 1)
        return 0.0;
    int32_t p = s.logCount - 2;
    if (p < 0)
        p = 0;
    return (s.currentWeight * 10.0 - s.log[p].weight) / 10.0;
}

PicturePlacement Place(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height) {
    PicturePlacement p = {id, x, y, width, height};
    return p;
}

int32_t DateX(int32_t value) {
    return value >= 10 ? 216 : 212;
}

int32_t Column(int32_t x) {
    if (x < 0)
        return 0;
    if (x >= kHoverColumns)
        return kHoverColumns - 1;
    return x;
}

void PlanChart(const BoardState& s, BoardPlan* plan) {
    plan->chartSpan = s.chartSpan;
    if (s.hoverActive == 1) {
        plan->paintedHoverX = s.hoverX;
        plan->chartMarker = s.hoverIndexTable[Column(s.hoverX)];
        plan->chartScrollBack = s.scrollBack;
    } else {
        plan->paintedHoverX = 254;
        plan->chartMarker = s.logCount - 1;
        plan->chartScrollBack = 0;
    }
}

} // namespace

int32_t WeekdayPicture(int32_t weekday) {
    static const int32_t kWeekdays[6] = {IDB_WEEKDAY_SUN, IDB_WEEKDAY_MON, IDB_WEEKDAY_TUE,
                                         IDB_WEEKDAY_WED, IDB_WEEKDAY_THU, IDB_WEEKDAY_FRI};
    return weekday >= 0 && weekday < 6 ? kWeekdays[weekday] : IDB_WEEKDAY_SAT;
}

int32_t FacePicture(int32_t faceIndex) {
    static const int32_t kFaces[5] = {IDB_FACE_0, IDB_FACE_1, IDB_FACE_2, IDB_FACE_3, IDB_FACE_4};
    return faceIndex >= 0 && faceIndex < 5 ? kFaces[faceIndex] : IDB_FACE_5;
}

void PlanBoardPaint(const BoardState& s, int32_t paintedHoverX, BoardPlan* plan) {
    plan->weight = Number(s.currentWeight, 115, 8, 1.0, WithUnit);
    plan->change = Number(Change(s), 136, 39, 0.7, SignedWithUnit);
    plan->month = Number(s.today.month, DateX(s.today.month), 3, 0.6, IntegerOnly);
    plan->day = Number(s.today.day, DateX(s.today.day), 28, 0.6, IntegerOnly);
    plan->drawBmi = s.height > 0;
    double bmi = plan->drawBmi ? s.currentWeight * 10000.0 / s.height / s.height : 0.0;
    plan->bmi = Number(bmi, 158, 64, 0.6, WithTenths);
    plan->background = IDB_BOARD;
    plan->plusButton = Place(IDB_PLUS_BUTTON, 72, 75, 16, 16);
    plan->minusButton = Place(IDB_MINUS_BUTTON, 32, 75, 16, 16);
    plan->dateColumn = Place(IDB_DATE_COLUMN, 221, 16, 27, 51);
    plan->weekday = Place(WeekdayPicture(s.today.weekday), 231, 52, 11, 13);
    plan->bmiLabel = Place(IDB_BMI_LABEL, 130, 62, 31, 19);
    plan->face = Place(FacePicture(s.faceIndex), 210, 64, 30, 28);
    plan->drawChart = s.logCount > 0;
    plan->paintedHoverX = paintedHoverX;
    plan->chartSpan = s.chartSpan;
    plan->chartMarker = 0;
    plan->chartScrollBack = 0;
    if (plan->drawChart)
        PlanChart(s, plan);
    plan->showReadout = s.hoverActive != 0;
    plan->readoutColumn = Column(s.hoverX);
}
