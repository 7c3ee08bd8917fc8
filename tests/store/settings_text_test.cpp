// The settings text on its own: formatting, the key search and the clamps.
#include <gtest/gtest.h>

#include <string>

#include "store/settings_text.h"

namespace {

const char kDefaultsText[] = "winX=0\r\nwinY=0\r\ntopmost=0\r\nweightdatalen=0\r\n"
                             "targetweight=500\r\noriginal=500\r\nheight=150\r\nlimit=0\r\n"
                             "limit2=0\r\nninpu=0\r\nrisou=0\r\nstartdate=20100508\r\n";

SettingsRecord Defaults() {
    SettingsRecord s = {};
    s.targetweight = 500;
    s.original = 500;
    s.height = 150;
    return s;
}

std::string Format(const SettingsRecord& s, CalendarDate period) {
    char text[1000];
    int n = FormatSettingsText(text, sizeof text, &s, &period);
    return n < 0 ? "<failed>" : std::string(text, n);
}

SettingsRecord Parse(const std::string& text, SettingsRecord s = Defaults()) {
    ParseSettingsText(text.data(), (int)text.size(), &s);
    return s;
}

TEST(SettingsText, DefaultsFormatAsTheTwelveLines) {
    EXPECT_EQ(Format(Defaults(), CalendarDate{2010, 5, 8}), kDefaultsText);
}

TEST(SettingsText, SignedValuesAndAPaddedStartDate) {
    SettingsRecord s = Defaults();
    s.winX = -5;
    s.winY = 2147483647;
    s.topmost = 1;
    s.weightdatalen = 65536;
    s.targetweight = -1;
    s.risou = 1;
    EXPECT_EQ(Format(s, CalendarDate{987, 1, 2}),
              "winX=-5\r\nwinY=2147483647\r\ntopmost=1\r\nweightdatalen=65536\r\n"
              "targetweight=-1\r\noriginal=500\r\nheight=150\r\nlimit=0\r\n"
              "limit2=0\r\nninpu=0\r\nrisou=1\r\nstartdate=09870102\r\n");
}

TEST(SettingsKeySearch, NeedsThreeCharactersAfterTheKey) {
    int pos = 0;
    EXPECT_FALSE(FindSettingsKey("a=12", 4, "a=", &pos));
    EXPECT_TRUE(FindSettingsKey("a=123", 5, "a=", &pos));
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(Parse("height=150\r\nrisou=1").risou, 0);
    EXPECT_EQ(Parse("height=150\r\nrisou=1\r\n").risou, 1);
    EXPECT_EQ(Parse("risou=1\r").risou, 0); // two characters after the key are not enough
}

TEST(SettingsKeySearch, IgnoresCaseAndFindsKeysMidLine) {
    EXPECT_EQ(Parse("WINX=10\r\n").winX, 10);
    EXPECT_EQ(Parse("xx HeIgHt=171 \r\n").height, 171);
    EXPECT_EQ(Parse("junk;targetweight=455;more\r\n").targetweight, 455);
    int pos = 3;
    EXPECT_FALSE(FindSettingsKey("ab=xxxxxx", 9, "ab=", &pos)) << "search starts at pos";
}

TEST(SettingsKeySearch, EachKeyIsLookedUpOnItsOwn) {
    SettingsRecord s = Parse("limit2=1\r\nrisou=1\r\nwinY=7\r\nwinX=3\r\n");
    EXPECT_EQ(s.limit, 0) << "limit= is not part of limit2=";
    EXPECT_EQ(s.limit2, 1);
    EXPECT_EQ(s.winX, 3);
    EXPECT_EQ(s.winY, 7);
    EXPECT_EQ(s.height, 150) << "an absent key leaves the field";
    EXPECT_EQ(Parse("winX=1\r\nwinX=2\r\n").winX, 1) << "the first occurrence counts";
}

TEST(SettingsValues, ConvertLikeAtoi) {
    EXPECT_EQ(Parse("height=  +172cm\r\n").height, 172);
    EXPECT_EQ(Parse("winX=-40\r\n").winX, -40);
    EXPECT_EQ(Parse("height=abc\r\n").height, 0);
    EXPECT_EQ(Parse("height=\r\n\r\n").height, 0);
    EXPECT_EQ(Parse("height=99999999999\r\n").height, 2147483647);
    EXPECT_EQ(Parse("height=-99999999999\r\n").height, -2147483647 - 1);
    std::string withZero("height=1", 8);
    withZero += std::string("\0"
                            "5\r\n",
                            4);
    EXPECT_EQ(Parse(withZero).height, 1) << "the value ends at a zero byte";
    EXPECT_EQ(Parse("height=1\n5\r\n").height, 1) << "the value ends at a line feed";
}

TEST(SettingsValues, LongerThan99CharactersIsIgnored) {
    std::string ok = "height=" + std::string(96, '0') + "123\r\n";  // 99 characters
    std::string bad = "height=" + std::string(97, '0') + "123\r\n"; // 100 characters
    EXPECT_EQ(Parse(ok).height, 123);
    EXPECT_EQ(Parse(bad).height, 150);
}

TEST(SettingsClamps, KeepTheBoardOnTheScreenAndTheCountInTheLog) {
    SettingsRecord s = Defaults();
    s.winX = 5000;
    s.winY = 5000;
    s.topmost = -1;
    s.weightdatalen = 70000;
    s.targetweight = -20;
    s.ninpu = 7;
    ClampSettings(&s, 1920, 1080);
    EXPECT_EQ(s.winX, 1664);
    EXPECT_EQ(s.winY, 974);
    EXPECT_EQ(s.topmost, 0);
    EXPECT_EQ(s.weightdatalen, 65536);
    EXPECT_EQ(s.targetweight, -20) << "no other field is clamped";
    EXPECT_EQ(s.ninpu, 7);

    s.winX = -5;
    s.winY = -1;
    s.weightdatalen = -3;
    s.topmost = 3;
    ClampSettings(&s, 1920, 1080);
    EXPECT_EQ(s.winX, 0);
    EXPECT_EQ(s.winY, 0);
    EXPECT_EQ(s.weightdatalen, 0);
    EXPECT_EQ(s.topmost, 3);

    s.winX = 1664; // exactly at the right edge stays
    s.winY = 2147483647;
    ClampSettings(&s, 1920, 1080);
    EXPECT_EQ(s.winX, 1664);
    EXPECT_EQ(s.winY, 974);
}

} // namespace
