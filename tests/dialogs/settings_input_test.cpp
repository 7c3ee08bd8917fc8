#include "dialogs/settings_input.h"

#include <gtest/gtest.h>

static SettingsRecord SampleSettings() {
    SettingsRecord s = {};
    s.winX = 40;
    s.winY = 50;
    s.weightdatalen = 7;
    s.targetweight = 555;
    s.original = 500;
    s.height = 162;
    s.startdate = 20100508;
    return s;
}

TEST(SettingsForm, OpensWithInvertedTopmostAndKilogramsWithOneDecimal) {
    SettingsRecord s = SampleSettings();
    s.topmost = 0;
    s.limit = 1;
    s.ninpu = 2;
    SettingsForm form = SettingsToForm(s);
    EXPECT_EQ(1, form.keepInFront);
    EXPECT_EQ(1, form.overweight);
    EXPECT_EQ(0, form.underweight);
    EXPECT_EQ(1, form.pregnancy);
    EXPECT_EQ(0, form.idealGain);
    EXPECT_STREQ("55.5", form.targetKg);
    EXPECT_STREQ("50.0", form.originalKg);
    EXPECT_STREQ("162", form.heightCm);
    s.topmost = 1;
    EXPECT_EQ(0, SettingsToForm(s).keepInFront);
    s.topmost = 5;
    EXPECT_EQ(0, SettingsToForm(s).keepInFront);
    s.targetweight = -5;
    EXPECT_STREQ("-0.5", SettingsToForm(s).targetKg);
}

TEST(SettingsForm, OkStoresTruncatedTenthsAndAtoiHeightAndKeepsOtherFields) {
    SettingsRecord s = SampleSettings();
    SettingsForm form = SettingsToForm(s);
    form.keepInFront = 0;
    form.pregnancy = 1;
    form.underweight = 1;
    form.idealGain = 1;
    snprintf(form.targetKg, sizeof form.targetKg, "55.55");
    snprintf(form.originalKg, sizeof form.originalKg, " 48.29kg");
    snprintf(form.heightCm, sizeof form.heightCm, "170cm");
    FormToSettings(form, &s);
    EXPECT_EQ(1, s.topmost);
    EXPECT_EQ(1, s.ninpu);
    EXPECT_EQ(0, s.limit);
    EXPECT_EQ(1, s.limit2);
    EXPECT_EQ(1, s.risou);
    EXPECT_EQ(555, s.targetweight);
    EXPECT_EQ(482, s.original);
    EXPECT_EQ(170, s.height);
    EXPECT_EQ(40, s.winX);
    EXPECT_EQ(50, s.winY);
    EXPECT_EQ(7, s.weightdatalen);
    EXPECT_EQ(20100508, s.startdate);

    form.keepInFront = 1;
    form.targetKg[0] = 0;
    form.heightCm[0] = 0;
    snprintf(form.originalKg, sizeof form.originalKg, "-3.25");
    FormToSettings(form, &s);
    EXPECT_EQ(0, s.topmost);
    EXPECT_EQ(0, s.targetweight);
    EXPECT_EQ(0, s.height);
    EXPECT_EQ(-32, s.original);
    snprintf(form.heightCm, sizeof form.heightCm, "99999999999");
    FormToSettings(form, &s);
    EXPECT_EQ(2147483647, s.height);
}

TEST(SettingsForm, OpeningAndOkWithoutChangesKeepEveryWeight) {
    for (int tenths = -9999; tenths <= 99999; tenths++) {
        SettingsRecord s = SampleSettings();
        s.targetweight = tenths;
        s.original = tenths;
        FormToSettings(SettingsToForm(s), &s);
        ASSERT_EQ(tenths, s.targetweight);
        ASSERT_EQ(tenths, s.original);
    }
}

TEST(CalendarLayout, CountsMonthsWithTenPixelsAndSizesWithFifteen) {
    CalendarLayout one = LayoutPeriodCalendar(300, 140, 160);
    EXPECT_EQ(1, one.months); // (140 + 10) * 2 is not less than 300
    EXPECT_EQ(380, one.dialogHeight);
    EXPECT_EQ(10, one.x);
    EXPECT_EQ(185, one.y);
    EXPECT_EQ(155, one.width);
    EXPECT_EQ(160, one.height);
    CalendarLayout two = LayoutPeriodCalendar(301, 140, 160);
    EXPECT_EQ(2, two.months);
    EXPECT_EQ(310, two.width);
    EXPECT_EQ(380, two.dialogHeight);
    EXPECT_EQ(3, LayoutPeriodCalendar(451, 140, 160).months);
}

TEST(CalendarLayout, AMissingMinimumSizeStillEnds) {
    EXPECT_EQ(1, LayoutPeriodCalendar(300, -10, 0).months);
    EXPECT_EQ(1, LayoutPeriodCalendar(300, -500, 0).months);
    EXPECT_EQ(12, LayoutPeriodCalendar(100000, 0, 0).months);
    EXPECT_EQ(220, LayoutPeriodCalendar(100000, 0, 0).dialogHeight);
}

TEST(PeriodDateText, YearMonthDayWithZeroPaddedMonthAndDay) {
    char text[32];
    FormatPeriodDate(CalendarDate{2010, 5, 8}, text, sizeof text);
    EXPECT_STREQ("2010/05/08", text);
    FormatPeriodDate(CalendarDate{2026, 12, 31}, text, sizeof text);
    EXPECT_STREQ("2026/12/31", text);
}
