#include "dialogs/edit_log.h"

#include <gtest/gtest.h>
#include <string.h>

#include "res/resource.h"

static RecordForm Form(const char* year, const char* month, const char* day, const char* weight) {
    RecordForm form = {};
    snprintf(form.year, sizeof form.year, "%s", year);
    snprintf(form.month, sizeof form.month, "%s", month);
    snprintf(form.day, sizeof form.day, "%s", day);
    snprintf(form.weight, sizeof form.weight, "%s", weight);
    return form;
}

class EditLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        memset(WeightLog, 0, sizeof WeightLog);
        memset(EditLog, 0, sizeof EditLog);
        WeightLog[0] = WeightEntry{20100501, 523};
        WeightLog[1] = WeightEntry{20100502, 530};
        WeightLog[2] = WeightEntry{20100503, 615};
        Settings.weightdatalen = 3;
    }
    void TearDown() override { Settings.weightdatalen = 0; }
};

static int WeightOf(const char* text) {
    int tenths = -12345;
    return CheckRecordWeight(text, &tenths) == 0 ? tenths : -1;
}

TEST(RecordChecks, WeightFromATenthUpToJustBelowThreeHundred) {
    EXPECT_EQ(1, WeightOf("0.1"));
    EXPECT_EQ(2999, WeightOf("299.9"));
    EXPECT_EQ(2999, WeightOf("299.95"));
    EXPECT_EQ(653, WeightOf("65.37"));
    EXPECT_EQ(-1, WeightOf("0.0"));
    EXPECT_EQ(-1, WeightOf("0.05"));
    EXPECT_EQ(-1, WeightOf("300.0"));
    EXPECT_EQ(-1, WeightOf("-5"));
    EXPECT_EQ(-1, WeightOf("abc"));
    EXPECT_EQ(-1, WeightOf(""));
    EXPECT_EQ(-1, WeightOf("1e30"));
    int tenths = 77;
    EXPECT_EQ(IDC_DATA_WEIGHT, CheckRecordWeight("300", &tenths));
    EXPECT_EQ(77, tenths);
}

static int DateOf(const char* y, const char* m, const char* d) {
    int date = -12345;
    return CheckRecordDate(y, m, d, &date) == 0 ? date : -1;
}

TEST(RecordChecks, DatesFrom2001To2999WithMonthsAndDaysInRange) {
    EXPECT_EQ(20010101, DateOf("2001", "1", "1"));
    EXPECT_EQ(29991231, DateOf("2999", "12", "31"));
    EXPECT_EQ(20100231, DateOf("2010", "2", "31")); // not checked against the month
    EXPECT_EQ(20100508, DateOf("2010abc", "05", " 8"));
    EXPECT_EQ(-1, DateOf("2000", "1", "1"));
    EXPECT_EQ(-1, DateOf("3000", "1", "1"));
    EXPECT_EQ(-1, DateOf("2010", "0", "1"));
    EXPECT_EQ(-1, DateOf("2010", "13", "1"));
    EXPECT_EQ(-1, DateOf("2010", "1", "0"));
    EXPECT_EQ(-1, DateOf("2010", "1", "32"));
    EXPECT_EQ(-1, DateOf("", "1", "1"));
    EXPECT_EQ(-1, DateOf("99999999999999", "1", "1"));
    int date = 77;
    EXPECT_EQ(IDC_DATA_YEAR, CheckRecordDate("2000", "1", "1", &date));
    EXPECT_EQ(IDC_DATA_MONTH, CheckRecordDate("2010", "13", "1", &date));
    EXPECT_EQ(IDC_DATA_DAY, CheckRecordDate("2010", "1", "32", &date));
    EXPECT_EQ(77, date);
}

TEST_F(EditLogTest, OpensOnTheNewestRecordAndShowsItsFields) {
    OpenEditLog();
    EXPECT_EQ(3, EditRecordNo);
    RecordForm form = ShowEditRecord();
    EXPECT_STREQ("3", form.number);
    EXPECT_STREQ("2010", form.year);
    EXPECT_STREQ("5", form.month);
    EXPECT_STREQ("3", form.day);
    EXPECT_STREQ("61.5", form.weight);
    EXPECT_FALSE(NextRecordEnabled());
    EXPECT_TRUE(PreviousRecordEnabled());
}

TEST_F(EditLogTest, StepsStopAtBothEndsAndTheButtonsFollow) {
    OpenEditLog();
    StepEditRecord(IDC_DATA_PREVIOUS);
    StepEditRecord(IDC_DATA_PREVIOUS);
    EXPECT_EQ(1, EditRecordNo);
    EXPECT_FALSE(PreviousRecordEnabled());
    EXPECT_TRUE(NextRecordEnabled());
    StepEditRecord(IDC_DATA_PREVIOUS);
    EXPECT_EQ(1, EditRecordNo);
    StepEditRecord(IDC_DATA_NEXT);
    StepEditRecord(IDC_DATA_NEXT);
    EXPECT_EQ(3, EditRecordNo);
    EXPECT_FALSE(NextRecordEnabled());
    StepEditRecord(IDC_DATA_NEXT);
    EXPECT_EQ(3, EditRecordNo);
    StepEditRecord(1);
    EXPECT_EQ(3, EditRecordNo);
}

TEST_F(EditLogTest, OneRecordStaysOnNumberOne) {
    Settings.weightdatalen = 1;
    OpenEditLog();
    EXPECT_EQ(0, TakeInEditRecord(ShowEditRecord()));
    StepEditRecord(IDC_DATA_PREVIOUS);
    EXPECT_EQ(1, EditRecordNo);
    EXPECT_FALSE(PreviousRecordEnabled());
    EXPECT_FALSE(NextRecordEnabled());
}

TEST_F(EditLogTest, CorrectionsReachTheLogOnlyWhenCommitted) {
    OpenEditLog();
    StepEditRecord(IDC_DATA_PREVIOUS);
    ASSERT_EQ(0, TakeInEditRecord(Form("2010", "6", "2", "54.25")));
    StepEditRecord(IDC_DATA_PREVIOUS);
    ASSERT_EQ(0, TakeInEditRecord(Form("2009", "12", "31", "50")));
    EXPECT_EQ(20100502, WeightLog[1].date);
    EXPECT_EQ(530, WeightLog[1].weight);
    EXPECT_EQ(20100501, WeightLog[0].date);

    CommitEditLog();
    EXPECT_EQ(20091231, WeightLog[0].date);
    EXPECT_EQ(500, WeightLog[0].weight);
    EXPECT_EQ(20100602, WeightLog[1].date);
    EXPECT_EQ(542, WeightLog[1].weight);
    EXPECT_EQ(20100503, WeightLog[2].date);
    EXPECT_EQ(615, WeightLog[2].weight);
    EXPECT_EQ(3, Settings.weightdatalen);
}

TEST_F(EditLogTest, ARefusedRecordKeepsItsDateAndAnAcceptedWeightIsKept) {
    OpenEditLog();
    EXPECT_EQ(IDC_DATA_WEIGHT, TakeInEditRecord(Form("2011", "1", "1", "0.05")));
    EXPECT_EQ(20100503, EditLog[2].date);
    EXPECT_EQ(615, EditLog[2].weight);
    EXPECT_EQ(IDC_DATA_YEAR, TakeInEditRecord(Form("2000", "1", "1", "70.0")));
    EXPECT_EQ(20100503, EditLog[2].date);
    EXPECT_EQ(700, EditLog[2].weight);
    EXPECT_EQ(615, WeightLog[2].weight);
}

TEST_F(EditLogTest, AnEmptyLogShowsTakesInAndCopiesNothing) {
    Settings.weightdatalen = 0;
    EditLog[0] = WeightEntry{20200101, 111};
    OpenEditLog();
    EXPECT_TRUE(EditLogEmpty());
    RecordForm form = ShowEditRecord();
    EXPECT_STREQ("", form.number);
    EXPECT_STREQ("", form.weight);
    EXPECT_EQ(IDC_DATA_NO, TakeInEditRecord(Form("2010", "1", "1", "50.0")));
    StepEditRecord(IDC_DATA_PREVIOUS);
    StepEditRecord(IDC_DATA_NEXT);
    EXPECT_EQ(0, EditRecordNo);
    CommitEditLog();
    EXPECT_EQ(20100501, WeightLog[0].date);
    EXPECT_EQ(523, WeightLog[0].weight);
    EXPECT_FALSE(NextRecordEnabled());
    EXPECT_FALSE(PreviousRecordEnabled());
}
