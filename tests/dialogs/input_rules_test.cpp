// The dialogs' input rules: given typed text or stored values, what the controls
// show and OK stores, by hand from the atof and atoi rules and tenths truncated.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <tuple>

#include "dialogs/edit_log.h"
#include "dialogs/number_text.h"
#include "dialogs/settings_input.h"
#include "dialogs/weight_input.h"
#include "res/resource.h"

namespace {

using std::make_tuple;
using std::string;

TEST(WeightEntry, ReadsTheFirstFiveCharactersAndAcceptsWhatARecordHolds) {
    const WeightVerdict ok = kWeightAccepted, bad = kWeightNotStorable, full = kWeightLogFull;
    const std::tuple<const char*, int, int, WeightVerdict> cases[] = {
        // typed, entries in the log, tenths, verdict of OK
        {"65.37", 0, 653, ok},      {"123.45", 0, 1234, ok}, {"  52.3", 0, 520, ok},
        {"60kg", 0, 600, ok},       {"abc", 0, 0, ok},       {"-99.9", 0, -999, ok},
        {"-100.", 0, -1000, bad},   {"999.9", 0, 9999, ok},  {"1000.", 0, 10000, bad},
        {"1e9", 0, INT32_MAX, bad}, {"nan", 0, 0, ok},       {"52.3", 65535, 523, ok},
        {"52.3", 65536, 523, full}, {"52.3", -1, 523, full},
    };
    for (const auto& [typed, count, tenths, verdict] : cases) {
        double kg = ParseWeightText(typed);
        EXPECT_EQ(make_tuple(KgToTenths(kg), CheckWeightEntry(kg, count)),
                  make_tuple(tenths, verdict))
            << typed << " " << count;
    }
    EXPECT_EQ(make_tuple(KgToTenths(-1e300), EntryDate({2010, 5, 8, 6})),
              make_tuple(INT32_MIN, 20100508));
    WeightLog[1] = {20100502, 615}; // Cancel puts back the newest logged weight
    for (int count : {0, 2, 65537})
        EXPECT_EQ((Settings.weightdatalen = count, NewestLoggedWeight()), count == 2 ? 61.5 : 0.0);
}

// One click at a time from -99.9 to 999.9 and back: the box holds the exact tenth.
TEST(WeightEntry, ArrowStepsNeverDrift) {
    char text[kWeightTextSize];
    double kg = -99.9;
    for (int step = 1; step <= 2 * 10998; step++) {
        bool up = step <= 10998;
        kg = ShownWeight(SteppedWeight(kg, up ? IDC_STEP_UP : IDC_STEP_DOWN), text, sizeof text);
        ASSERT_EQ(KgToTenths(kg), up ? -999 + step : 9999 - (step - 10998)) << text;
    }
    EXPECT_EQ(make_tuple(string(text), SteppedWeight(kg, IDC_WEIGHT_EDIT)),
              make_tuple("-99.9", -99.9));
}

// Switches as bits: 1 topmost, 2 limit, 4 limit2, 8 ninpu, 16 risou.
SettingsRecord Record(int switches, int32_t target, int32_t height, int32_t original) {
    return {40, 50, switches & 1, 7, target, original, height, switches >> 1 & 1,
            switches >> 2 & 1, switches >> 3 & 1, switches >> 4 & 1, 20100508};
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
        {{0, 0, 0, 0, 0, "", "", "-3.25"}, 0, 0, -32},
        {{0, 0, 0, 0, 0, "1e300", "99999999999", "-1e300"}, INT32_MAX, INT32_MAX, INT32_MIN},
    };
    for (const auto& [typed, target, height, original] : cases) {
        SettingsRecord s = {};
        FormToSettings(typed, &s);
        EXPECT_EQ(make_tuple(s.targetweight, s.height, s.original),
                  make_tuple(target, height, original));
    }
}

// Pregnancy is usable while a limit line is ticked, the original weight while
// the ideal line is; months fit the width at 10 pixels each, sized at 15 each.
TEST(SettingsDialog, EnablesTheBoxesAndLaysOutTheCalendar) {
    for (int t = 0; t < 8; t++) // ticks: 1 overweight, 2 underweight, 4 ideal gain
        EXPECT_EQ(make_tuple(PregnancyBoxEnabled(t & 1, t & 2), OriginalWeightEnabled(t & 4)),
                  make_tuple(t % 4 != 0, t >= 4));
    const std::tuple<int, int, int, int, int> cases[] = {
        // dialog width, month width and height, months shown, calendar width
        {300, 140, 160, 1, 155}, {301, 140, 160, 2, 310}, {451, 140, 160, 3, 465},
        {300, -10, 0, 1, 5},     {300, -500, 7, 1, -485}, {100000, 0, 0, 12, 180}};
    for (const auto& [dialogWidth, width, height, months, calendarWidth] : cases) {
        CalendarLayout l = LayoutPeriodCalendar(dialogWidth, width, height);
        EXPECT_EQ(make_tuple(l.months, l.dialogHeight, l.x, l.y, l.width, l.height),
                  make_tuple(months, height + 220, 10, 185, calendarWidth, height));
    }
}

// The newest of three records (2010/05/03, 61.5 kg) taken into the working
// copy: the weight first, kept even when the date then fails, and the date.
TEST(DataEdit, ChecksAndStoresTheRecordOnScreen) {
    const int W = IDC_DATA_WEIGHT, Y = IDC_DATA_YEAR, M = IDC_DATA_MONTH, D = IDC_DATA_DAY;
    const int old = 20100503;
    const std::tuple<RecordForm, int, int, int> cases[] = { // form, fault, date, tenths kept
        {{"", "2001", "12", "31", "0.1"}, 0, 20011231, 1},
        {{"", "2999", "1", "1", "299.95"}, 0, 29990101, 2999},
        {{"", "2010abc", "02", " 31", "65.37"}, 0, 20100231, 653},
        {{"", "2010", "1", "1", "0.05"}, W, old, 615}, {{"", "2010", "1", "1", "300"}, W, old, 615},
        {{"", "2000", "1", "1", "70"}, Y, old, 700},   {{"", "3000", "1", "1", "70"}, Y, old, 700},
        {{"", "2010", "0", "1", "70"}, M, old, 700},   {{"", "2010", "13", "1", "70"}, M, old, 700},
        {{"", "2010", "1", "0", "70"}, D, old, 700},   {{"", "2010", "1", "32", "70"}, D, old, 700},
    };
    for (const auto& [form, fault, date, tenths] : cases) {
        WeightLog[2] = {old, 615};
        Settings.weightdatalen = 3;
        OpenEditLog();
        EXPECT_EQ(TakeInEditRecord(form), fault) << form.year << " " << form.weight;
        EXPECT_EQ(make_tuple(EditLog[2].date, EditLog[2].weight, WeightLog[2].weight),
                  make_tuple(date, tenths, 615));
    }
}

// Steps while there is a record that way; OK copies back; no records, nothing.
TEST(DataEdit, StepsThroughTheRecordsAndOkCopiesTheCorrectionsBack) {
    for (int i = 0; i < 3; i++)
        WeightLog[i] = {20100501 + i, 500 + i};
    Settings.weightdatalen = 3;
    OpenEditLog();
    RecordForm f = ShowEditRecord();
    EXPECT_EQ(string(f.number) + " " + f.year + "/" + f.month + "/" + f.day + " " + f.weight,
              "3 2010/5/3 50.2");
    const int next = IDC_DATA_NEXT, back = IDC_DATA_PREVIOUS;
    const std::tuple<int, int, int, int> steps[] = {{next, 3, 0, 1}, {back, 2, 1, 1},
        {back, 1, 1, 0}, {back, 1, 1, 0}, {1, 1, 1, 0}, {next, 2, 1, 1}}; // number, next, back
    for (const auto& [control, recordNo, nextEnabled, backEnabled] : steps) {
        StepEditRecord(control);
        EXPECT_EQ(make_tuple(EditRecordNo, NextRecordEnabled(), PreviousRecordEnabled()),
                  make_tuple(recordNo, nextEnabled, backEnabled));
    }
    ASSERT_EQ(TakeInEditRecord({"", "2009", "12", "31", "54.25"}), 0);
    CommitEditLog();
    const WeightEntry* log = WeightLog;
    EXPECT_EQ(make_tuple(log[0].weight, log[1].date, log[1].weight, log[2].weight),
              make_tuple(500, 20091231, 542, 502));
    for (int count : {0, -1}) {
        Settings.weightdatalen = count;
        OpenEditLog();
        EXPECT_EQ(TakeInEditRecord({"", "2010", "1", "1", "50"}), IDC_DATA_NO);
        StepEditRecord(back);
        CommitEditLog();
        EXPECT_EQ(make_tuple(string(ShowEditRecord().number), EditRecordNo, WeightLog[0].weight,
                             NextRecordEnabled() + PreviousRecordEnabled()),
                  make_tuple("", 0, 500, 0));
    }
}

} // namespace
