// The reset of the weight log and the popup menu's error text. Message boxes
// are answered by a fake; the settings file is written in a fresh folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/board_commands.h"
#include "app/board_input.h"
#include "app/interaction.h"
#include "store/records.h"

namespace {

struct ShownBox {
    std::string text, caption;
    unsigned flags;
};

std::vector<ShownBox> Shown;
int Answer = kIdNo;
int RepaintsBeforeDone = -1;
int Repaints = 0;

int FakeMessageBox(OwnerWindow, const char* text, const char* caption, unsigned flags) {
    Shown.push_back({text, caption, flags});
    return Shown.size() == 1 ? Answer : kIdOk;
}

void CountRepaint(OwnerWindow) {
    Repaints++;
    RepaintsBeforeDone = static_cast<int>(Shown.size());
}

std::string ReadFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ResetCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallPlatformSeams();
        Platform.messageBox = FakeMessageBox;
        Shown.clear();
        Repaints = 0;
        RepaintsBeforeDone = -1;
        ResetRecordsToDefaults();
        ResetInteractionState();
        Settings.weightdatalen = 12;
        WeightLog[11].weight = 615;
        CurrentWeight = 61.5;
        ScrollBack = 3;
        namespace fs = std::filesystem;
        old_ = fs::current_path();
        const char* name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = fs::temp_directory_path() / (std::string("wm-app-") + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path old_, dir_;
};

TEST_F(ResetCommand, AnsweredNoChangesNothing) {
    Answer = kIdNo;
    RunResetCommand(nullptr, CountRepaint);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].text,
              "これまでの体重の記録が失われます。\r\n本当に体重データをリセットしますか？");
    EXPECT_EQ(Shown[0].caption, "確認");
    EXPECT_EQ(Shown[0].flags, static_cast<unsigned>(kMbYesNo));
    EXPECT_EQ(Settings.weightdatalen, 12);
    EXPECT_DOUBLE_EQ(CurrentWeight, 61.5);
    EXPECT_EQ(ScrollBack, 3);
    EXPECT_EQ(Repaints, 0);
    EXPECT_EQ(ModalOpen, 0);
    EXPECT_FALSE(std::filesystem::exists("weighminder.ini"));
}

TEST_F(ResetCommand, AnsweredYesEmptiesTheLogSavesRepaintsAndSaysSo) {
    Answer = kIdYes;
    RunResetCommand(nullptr, CountRepaint);
    EXPECT_EQ(Settings.weightdatalen, 0);
    EXPECT_DOUBLE_EQ(CurrentWeight, 0.0);
    EXPECT_EQ(ScrollBack, 0);
    EXPECT_EQ(ModalOpen, 0);
    EXPECT_EQ(Repaints, 1);
    EXPECT_EQ(RepaintsBeforeDone, 1); // after the question, before "done"
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1].text, "体重の記録をリセットしました。");
    EXPECT_EQ(Shown[1].caption, "完了");
    EXPECT_EQ(Shown[1].flags, static_cast<unsigned>(kMbOk));
    std::string ini = ReadFile("weighminder.ini");
    EXPECT_NE(ini.find("\r\nweightdatalen=0\r\n"), std::string::npos) << ini;
    EXPECT_FALSE(std::filesystem::exists("taiju.dat")); // the log file is left alone
}

TEST(MenuError, NamesTheErrorCodeAndFitsItsBuffer) {
    char text[kMenuErrorTextSize];
    FormatMenuError(text, sizeof text, 1401);
    EXPECT_STREQ(text, "ポップアップメニューエラー1401");
    FormatMenuError(text, sizeof text, -2147483647 - 1);
    EXPECT_STREQ(text, "ポップアップメニューエラー-2147483648");
}

} // namespace
