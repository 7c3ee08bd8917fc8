#include "dialogs/number_text.h"
#include "dialogs/weight_input.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include "res/resource.h"

static int TenthsOfText(const char* text) {
    return KgToTenths(ParseWeightText(text));
}

TEST(WeightText, ReadsOnlyTheFirstFiveCharactersWithAtofRules) {
    EXPECT_EQ(653, TenthsOfText("65.3"));
    EXPECT_EQ(653, TenthsOfText("65.37")); // truncated, not rounded
    EXPECT_EQ(1234, TenthsOfText("123.45"));
    EXPECT_EQ(12340, TenthsOfText("1234.5"));
    EXPECT_EQ(520, TenthsOfText("  52.3")); // the blanks count among the five
    EXPECT_EQ(-1, TenthsOfText("-0.1"));
    EXPECT_EQ(-999, TenthsOfText("-99.9"));
    EXPECT_EQ(-1000, TenthsOfText("-100.0"));
    EXPECT_EQ(0, TenthsOfText(""));
    EXPECT_EQ(0, TenthsOfText("abc"));
    EXPECT_EQ(600, TenthsOfText("60kg"));
}

TEST(WeightText, ShowsOneDecimalRoundedAndAtLeastThreeCharacters) {
    char text[kWeightTextSize];
    FormatWeight(0.0, text, sizeof text);
    EXPECT_STREQ("0.0", text);
    FormatWeight(65.37, text, sizeof text);
    EXPECT_STREQ("65.4", text);
    FormatWeight(-0.1, text, sizeof text);
    EXPECT_STREQ("-0.1", text);
}

TEST(WeightText, EveryStorableWeightSurvivesTheBoxUnchanged) {
    for (int tenths = kLowestStorableTenths; tenths <= kHighestStorableTenths; tenths++) {
        char text[kWeightTextSize];
        double shown = ShownWeight(tenths / 10.0, text, sizeof text);
        ASSERT_EQ(tenths, KgToTenths(shown)) << text;
    }
}

// Stepping across the whole storable range one arrow click at a time: the box
// always reads the exact tenth, and OK would store exactly that tenth.
TEST(WeightSteps, RepeatedStepsNeverDrift) {
    char text[kWeightTextSize];
    double weight = ShownWeight(-99.9, text, sizeof text);
    for (int expected = -998; expected <= kHighestStorableTenths; expected++) {
        weight = ShownWeight(SteppedWeight(weight, IDC_STEP_UP), text, sizeof text);
        char want[kWeightTextSize];
        snprintf(want, sizeof want, "%s%d.%d", expected < 0 && expected > -10 ? "-" : "",
                 expected / 10, (expected < 0 ? -expected : expected) % 10);
        ASSERT_STREQ(want, text);
        ASSERT_EQ(expected, KgToTenths(weight));
    }
    for (int expected = kHighestStorableTenths - 1; expected >= -999; expected--) {
        weight = ShownWeight(SteppedWeight(weight, IDC_STEP_DOWN), text, sizeof text);
        ASSERT_EQ(expected, KgToTenths(weight)) << text;
    }
}

TEST(WeightSteps, ArrowsMoveByATenthAndOtherControlsDoNothing) {
    char text[kWeightTextSize];
    double weight = ShownWeight(ParseWeightText("65.3"), text, sizeof text);
    weight = ShownWeight(SteppedWeight(weight, IDC_STEP_UP), text, sizeof text);
    EXPECT_STREQ("65.4", text);
    EXPECT_EQ(654, KgToTenths(weight));
    weight = ShownWeight(SteppedWeight(0.0, IDC_STEP_DOWN), text, sizeof text);
    EXPECT_STREQ("-0.1", text);
    EXPECT_EQ(-1, KgToTenths(weight));
    EXPECT_EQ(65.3, SteppedWeight(65.3, 1));
    EXPECT_EQ(65.3, SteppedWeight(65.3, IDC_WEIGHT_EDIT));
}

TEST(WeightEntryCheck, RefusesWeightsARecordCannotHoldAndAFullLog) {
    EXPECT_EQ(kWeightAccepted, CheckWeightEntry(ParseWeightText("-99.9"), 0));
    EXPECT_EQ(kWeightNotStorable, CheckWeightEntry(ParseWeightText("-100."), 0));
    EXPECT_EQ(kWeightAccepted, CheckWeightEntry(ParseWeightText("999.9"), 0));
    EXPECT_EQ(kWeightNotStorable, CheckWeightEntry(ParseWeightText("1000."), 0));
    EXPECT_EQ(kWeightAccepted, CheckWeightEntry(ParseWeightText("abc"), 0)); // weight 0
    EXPECT_EQ(kWeightNotStorable, CheckWeightEntry(ParseWeightText("1e9"), 0));
    EXPECT_EQ(kWeightAccepted, CheckWeightEntry(52.3, kLogCapacity - 1));
    EXPECT_EQ(kWeightLogFull, CheckWeightEntry(52.3, kLogCapacity));
    EXPECT_NE(nullptr, strstr(WeightVerdictMessage(kWeightNotStorable), "999.9"));
    EXPECT_NE(nullptr, strstr(WeightVerdictMessage(kWeightLogFull), "65536"));
    EXPECT_STREQ("入力エラー", kWeightEntryErrorCaption);
}

TEST(WeightEntryCheck, HugeAndNonNumericValuesConvertWithoutOverflow) {
    EXPECT_EQ(2147483647, KgToTenths(1e300));
    EXPECT_EQ(-2147483647 - 1, KgToTenths(-1e300));
    EXPECT_EQ(0, KgToTenths(ParseWeightText("nan")));
}

TEST(WeightEntryCancel, PutsBackTheNewestLoggedWeight) {
    Settings.weightdatalen = 0;
    EXPECT_EQ(0.0, NewestLoggedWeight());
    WeightLog[0] = WeightEntry{20100501, 523};
    WeightLog[1] = WeightEntry{20100502, 615};
    Settings.weightdatalen = 2;
    EXPECT_DOUBLE_EQ(61.5, NewestLoggedWeight());
    Settings.weightdatalen = 0;
}
