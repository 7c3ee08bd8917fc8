// The dialogs' input rules, by hand from the atof and atoi rules, tenths truncated.
#include <string.h>

#include <tuple>

#include "../store/store_fixture.h"
#include "dialogs/edit_log.h"
#include "dialogs/number_text.h"
#include "dialogs/settings_input.h"
#include "dialogs/weight_input.h"
#include "res/resource.h"
#include "store/log_changes.h"
#include "store/log_file.h"

namespace {

using std::make_tuple;
using std::string;

TEST(WeightEntry, ReadsFiveCharactersAcceptsWhatARecordHoldsAndStepsWithoutDrift) {
    const StoreResult ok = kStoreOk, bad = kStoreNotStorable, full = kStoreLogFull;
    const std::tuple<const char*, int, int, StoreResult> cases[] = {
        // typed, entries in the log, tenths, verdict of OK
        {"65.37", 0, 653, ok},    {"123.45", 0, 1234, ok},  {"nan", 0, 0, ok},
        {"-99.9", 0, -999, ok},   {"-100.", 0, -1000, bad}, {"999.9", 0, 9999, ok},
        {"1000.", 0, 10000, bad}, {"52.3", 65535, 523, ok}, {"52.3", 65536, 523, full},
    };
    for (const auto& [typed, count, tenths, verdict] : cases) {
        double kg = ParseWeightText(typed);
        EXPECT_EQ(make_tuple(KgToTenths(kg), CheckWeighing({20100508, KgToTenths(kg)}, count)),
                  make_tuple(tenths, verdict));
    }
    WeightLog[0] = {20100502, 615}; // Cancel puts back the newest logged weight
    for (int count : {0, 1, 65537})
        EXPECT_EQ((Settings.weightdatalen = count, NewestLoggedWeight()), count == 1 ? 61.5 : 0.0);
    // One click at a time from -99.9 to 999.9 and back: the box holds the exact tenth.
    char text[kWeightTextSize];
    double kg = -99.9;
    for (int step = 1; step <= 2 * 10998; step++) {
        bool up = step <= 10998;
        kg = ShownWeight(SteppedWeight(kg, up ? IDC_STEP_UP : IDC_STEP_DOWN), text, sizeof text);
        ASSERT_EQ(KgToTenths(kg), up ? -999 + step : 9999 - (step - 10998)) << text;
    }
}

// Switches as bits: 1 topmost, 2 limit, 4 limit2, 8 ninpu, 16 risou.
SettingsRecord Record(int s, int32_t target, int32_t height, int32_t original) {
    return {40,     50,         s & 1,      7,          target,     original,
            height, s >> 1 & 1, s >> 2 & 1, s >> 3 & 1, s >> 4 & 1, 20100508};
}

// OK into a record unlike the one shown: what the form showed comes back, the rest stays.
TEST(SettingsDialog, OkStoresWhatTheFormShowedOrWhatWasTyped) {
    for (int tenths = -9999; tenths <= 99999; tenths++) {
        SettingsRecord shown = Record(tenths & 31, tenths, tenths / 7, -tenths);
        SettingsRecord stored = Record(~tenths & 31, 1, 2, 3);
        FormToSettings(SettingsToForm(shown), &stored);
        ASSERT_EQ(memcmp(&stored, &shown, sizeof shown), 0) << tenths;
    }
    SettingsForm f = SettingsToForm(Record(0, -5, 162, 500));
    string shown = std::to_string(f.keepInFront) + " " + f.targetKg + " " + f.heightCm;
    EXPECT_EQ(shown + " " + f.originalKg, "1 -0.5 162 50.0");
    const std::tuple<SettingsForm, int32_t, int32_t, int32_t> cases[] = {
        {{0, 0, 0, 0, 0, "55.55", "170cm", " 48.29kg"}, 555, 170, 482},
        {{0, 0, 0, 0, 0, "", "-99999999999", "-3.25"}, 0, INT32_MIN, -32},
        {{0, 0, 0, 0, 0, "1e300", "99999999999", "-1e300"}, INT32_MAX, INT32_MAX, INT32_MIN},
    };
    for (const auto& [typed, target, height, original] : cases) {
        SettingsRecord s = {};
        FormToSettings(typed, &s);
        EXPECT_EQ(make_tuple(s.targetweight, s.height, s.original),
                  make_tuple(target, height, original));
    }
}

// Pregnancy is usable while a limit line is ticked, the original weight while the ideal
// line is. Months fit the width at 10 pixels each, sized at 15 each, scaled by the DPI.
TEST(SettingsDialog, EnablesTheBoxesAndLaysOutTheCalendar) {
    for (int t = 0; t < 8; t++) // ticks: 1 overweight, 2 underweight, 4 ideal gain
        EXPECT_EQ(make_tuple(PregnancyBoxEnabled(t & 1, t & 2), OriginalWeightEnabled(t & 4)),
                  make_tuple(t % 4 != 0, t >= 4));
    const int cases[][9] = {
        // dialog width, month width, height, DPI (0: as 96); months, dialog height, x, y, width
        {300, 140, 160, 0, 1, 380, 10, 185, 155},   {301, 140, 160, 96, 2, 380, 10, 185, 310},
        {300, -10, 0, 96, 1, 220, 10, 185, 5},      {100000, 0, 0, 96, 12, 220, 10, 185, 180},
        {902, 280, 320, 192, 3, 760, 20, 370, 930}, {300, 140, 160, 144, 1, 490, 15, 278, 163},
    };
    for (const auto& c : cases) {
        CalendarLayout l = LayoutPeriodCalendar(c[0], c[1], c[2], c[3]);
        EXPECT_EQ(make_tuple(l.months, l.dialogHeight, l.x, l.y, l.width, l.height),
                  make_tuple(c[4], c[5], c[6], c[7], c[8], c[2]));
    }
}

// The calendar's keys: a day, a week, a month (the day held to the month's last), across
// month and year ends and leap days; other keys and dates that are not real ones do nothing.
TEST(SettingsDialog, CalendarKeysStepThePeriodDate) {
    const int L = kCalendarKeyLeft, R = kCalendarKeyRight, U = kCalendarKeyUp, D = kCalendarKeyDown,
              PU = kCalendarKeyPageUp, PD = kCalendarKeyPageDown;
    const int cases[][3] = {
        {20100508, R, 20100509},  {20100508, L, 20100507},  {20100531, R, 20100601},
        {20100301, L, 20100228},  {20120301, L, 20120229},  {20101228, D, 20110104},
        {20100103, U, 20091227},  {20100131, PD, 20100228}, {20120131, PD, 20120229},
        {20100115, PU, 20091215}, {20000229, PU, 20000129}, {20100508, 'A', 0},
        {20100230, R, 0},         {16001231, R, 0},         {20101300, R, 0},
        {20100500, R, 0},         {20100008, R, 0},         {100000101, L, 0},
    };
    for (const auto& c : cases) {
        CalendarDate from = {c[0] / 10000, c[0] / 100 % 100, c[0] % 100}, to = {0, 0, 0};
        int stepped = StepPeriodDate(from, c[1], &to);
        EXPECT_EQ(stepped ? to.year * 10000 + to.month * 100 + to.day : 0, c[2])
            << c[0] << " " << c[1];
    }
}

// Records 2010/05/01..03 at 50.0..50.2 kg: the one on screen takes the weight, kept when
// the date then fails, and the date; steps go while there is a record; OK copies back, saved.
TEST_F(StoreTest, DataEditChecksAndStepsThroughTheRecordsAndOkSavesThem) {
    const int W = IDC_DATA_WEIGHT, Y = IDC_DATA_YEAR, M = IDC_DATA_MONTH, D = IDC_DATA_DAY;
    const int old = 20100503;
    LoadLog(); // no taiju.dat yet
    for (int i = 0; i < 3; i++)
        WeightLog[i] = {20100501 + i, 500 + i};
    Settings.weightdatalen = 3;
    const std::tuple<RecordForm, int, int, int> cases[] = {
        // form, fault, date, tenths kept
        {{"", "2001", "12", "31", "0.1"}, 0, 20011231, 1},
        {{"", "2999", "1", "1", "299.95"}, 0, 29990101, 2999},
        {{"", "2010abc", "02", " 31", "65.37"}, 0, 20100231, 653},
        {{"", "2010", "1", "1", "0.05"}, W, old, 502},
        {{"", "2010", "1", "1", "300"}, W, old, 502},
        {{"", "2000", "1", "1", "70"}, Y, old, 700},
        {{"", "3000", "1", "1", "70"}, Y, old, 700},
        {{"", "2010", "0", "1", "70"}, M, old, 700},
        {{"", "2010", "13", "1", "70"}, M, old, 700},
        {{"", "2010", "1", "0", "70"}, D, old, 700},
        {{"", "2010", "1", "32", "70"}, D, old, 700},
    };
    for (const auto& [form, fault, date, tenths] : cases) {
        OpenEditLog();
        EXPECT_EQ(TakeInEditRecord(form), fault) << form.year << " " << form.weight;
        EXPECT_EQ(make_tuple(EditLog[2].date, EditLog[2].weight, WeightLog[2].weight),
                  make_tuple(date, tenths, 502));
    }
    OpenEditLog();
    RecordForm f = ShowEditRecord();
    EXPECT_EQ(string(f.number) + " " + f.year + "/" + f.month + "/" + f.day + " " + f.weight,
              "3 2010/5/3 50.2");
    const int next = IDC_DATA_NEXT, back = IDC_DATA_PREVIOUS;
    const std::tuple<int, int, int, int> steps[] = {
        {next, 3, 0, 1}, {back, 2, 1, 1}, {back, 1, 1, 0},
        {back, 1, 1, 0}, {next, 2, 1, 1}, {back, 1, 1, 0}}; // number, next, back
    for (const auto& [control, recordNo, nextEnabled, backEnabled] : steps) {
        StepEditRecord(control);
        EXPECT_EQ(make_tuple(EditRecordNo, NextRecordEnabled(), PreviousRecordEnabled()),
                  make_tuple(recordNo, nextEnabled, backEnabled));
    }
    ASSERT_EQ(TakeInEditRecord({"", "2009", "12", "31", "54.25"}), 0);
    ASSERT_EQ(CommitEditLog(), kStoreOk);
    EXPECT_EQ(ReadBytes("taiju.dat").substr(0, 23), "00001,2009/12/31,0542\r\n");
    EXPECT_EQ(make_tuple(WeightLog[0].date, WeightLog[0].weight, WeightLog[1].weight),
              make_tuple(20091231, 542, 501));
    for (int count : {0, -1}) { // no records: nothing to show, step to or take in
        Settings.weightdatalen = count;
        OpenEditLog();
        StepEditRecord(back);
        EXPECT_EQ(make_tuple(TakeInEditRecord(f), string(ShowEditRecord().number), EditRecordNo,
                             NextRecordEnabled() + PreviousRecordEnabled()),
                  make_tuple(IDC_DATA_NO, "", 0, 0));
    }
}

} // namespace
