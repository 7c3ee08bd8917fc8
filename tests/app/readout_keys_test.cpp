// The arrow keys step the chart read-out from entry to entry, starting at the
// column the last paint read out, and scroll the chart at either edge.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "app/board_input.h"
#include "app/interaction.h"
#include "render/hover_tables.h"
#include "store/records.h"

namespace {

// The columns a full seven-entry chart gives its entries: entry m owns the
// columns from its point's x up to the next point's x.
const int kFirstColumn[] = {0, 24, 43, 62, 81, 100, 119};

// Fills the tables as the chart does for the entries first .. first + 6.
void FillSevenEntryColumns(int first) {
    for (int k = 0; k < kHoverColumns; k++) {
        int m = 6;
        while (kFirstColumn[m] > k) {
            m--;
        }
        HoverIndexTable[k] = first + m;
        char text[48];
        snprintf(text, sizeof text, "'10/5/%d 52.%dkg", first + m + 1, m);
        snprintf(HoverLabels[k], kHoverLabelSize, "%.19s", text);
    }
}

class ReadoutKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetInteractionState();
        Settings.weightdatalen = 7;
        FillSevenEntryColumns(0);
    }
};

TEST_F(ReadoutKeys, RightStepsToTheFirstColumnOfTheNextEntry) {
    PaintedHoverX = 30; // entry 1
    HoverX = 200;       // where the pointer was: not where stepping starts
    EXPECT_EQ(StepReadout(kKeyRight), 1);
    EXPECT_EQ(HoverX, 43);
    EXPECT_EQ(HoverActive, 1);
}

TEST_F(ReadoutKeys, LeftStepsToTheLastColumnOfThePreviousEntry) {
    PaintedHoverX = 50; // entry 2
    EXPECT_EQ(StepReadout(kKeyLeft), 1);
    EXPECT_EQ(HoverX, 42);
    EXPECT_EQ(HoverIndexTable[HoverX], 1);
}

TEST_F(ReadoutKeys, RightOnTheNewestEntryStaysThereWithoutScrolling) {
    PaintedHoverX = 254; // a paint without read-out
    StepReadout(kKeyRight);
    EXPECT_EQ(HoverX, 255);
    EXPECT_EQ(ScrollBack, 0);
    EXPECT_EQ(HoverIndexTable[255], 6);
}

TEST_F(ReadoutKeys, RightAtTheRightEdgeScrollsOneEntryNewer) {
    Settings.weightdatalen = 10;
    ScrollBack = 2;
    FillSevenEntryColumns(1); // entries 1 .. 7 in view
    PaintedHoverX = 150;
    StepReadout(kKeyRight);
    EXPECT_EQ(HoverX, 255);
    EXPECT_EQ(ScrollBack, 1);
    EXPECT_EQ(HoverIndexTable[255], 8);
}

TEST_F(ReadoutKeys, LeftAtTheLeftEdgeScrollsOneEntryOlderUpToTheBound) {
    Settings.weightdatalen = 10;
    ChartSpan = 7;
    FillSevenEntryColumns(3); // the newest seven: entries 3 .. 9
    PaintedHoverX = 10;
    StepReadout(kKeyLeft);
    EXPECT_EQ(HoverX, 0);
    EXPECT_EQ(ScrollBack, 1);
    EXPECT_EQ(HoverIndexTable[0], 2);

    ScrollBack = 3; // 10 - 7: the oldest entry is in view
    FillSevenEntryColumns(0);
    PaintedHoverX = 0;
    StepReadout(kKeyLeft);
    EXPECT_EQ(HoverX, 0);
    EXPECT_EQ(ScrollBack, 3);
    EXPECT_EQ(HoverIndexTable[0], 0);
}

TEST_F(ReadoutKeys, LeftStopsAtTheOldestEntryOfAShortLog) {
    Settings.weightdatalen = 7; // no more entries than the span
    PaintedHoverX = 5;
    StepReadout(kKeyLeft);
    EXPECT_EQ(HoverX, 0);
    EXPECT_EQ(ScrollBack, 0);
    EXPECT_EQ(HoverIndexTable[0], 0);
}

TEST_F(ReadoutKeys, OtherKeysChangeNothing) {
    PaintedHoverX = 30;
    HoverX = 7;
    EXPECT_EQ(StepReadout(0x26), 0); // up
    EXPECT_EQ(StepReadout(0x41), 0); // A
    EXPECT_EQ(HoverX, 7);
    EXPECT_EQ(HoverActive, 0);
}

TEST_F(ReadoutKeys, AStartColumnOffTheTableIsTakenAsItsNearestEdge) {
    PaintedHoverX = 400;
    StepReadout(kKeyLeft);
    EXPECT_EQ(HoverX, 118);
    PaintedHoverX = -3;
    StepReadout(kKeyRight);
    EXPECT_EQ(HoverX, 24);
}

} // namespace
