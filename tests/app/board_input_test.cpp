// Mouse input on the board and on the notification icon: span buttons,
// cursor switching, hover, the drag countdown and the EXIT click.
#include <gtest/gtest.h>

#include "app/board_input.h"
#include "app/interaction.h"

namespace {

uint32_t At(int x, int y) {
    return static_cast<uint32_t>(x) | (static_cast<uint32_t>(y) << 16);
}

class BoardInput : public ::testing::Test {
  protected:
    void SetUp() override { ResetInteractionState(); }
};

TEST_F(BoardInput, PositionsAreUnsigned16BitHalves) {
    BoardPoint p = BoardPointFromParam(0xFFFF0005u);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 65535);
}

TEST_F(BoardInput, PlusNarrowsTheSpanStepByStepAndStopsAt7) {
    ChartSpan = 360;
    const int32_t expected[] = {90, 30, 7, 7};
    for (int32_t span : expected) {
        ScrollBack = 4;
        DragCountdown = 3;
        EXPECT_EQ(ReleaseLeftButton(At(80, 85)), kClickSpan);
        EXPECT_EQ(ChartSpan, span);
        EXPECT_EQ(ScrollBack, 0);
        EXPECT_EQ(DragCountdown, 0);
    }
}

TEST_F(BoardInput, MinusWidensTheSpanStepByStepAndStopsAt360) {
    const int32_t expected[] = {30, 90, 360, 360};
    for (int32_t span : expected) {
        ScrollBack = 2;
        EXPECT_EQ(ReleaseLeftButton(At(40, 85)), kClickSpan);
        EXPECT_EQ(ChartSpan, span);
        EXPECT_EQ(ScrollBack, 0);
    }
    EXPECT_EQ(NarrowerSpan(5), 5); // not a span of the board: left alone
    EXPECT_EQ(WiderSpan(5), 5);
}

TEST_F(BoardInput, CursorChangesOnlyWhenCrossingAZoneEdge) {
    EXPECT_EQ(TrackMouseMove(At(200, 80)).cursor, kCursorKeep); // arrow already
    EXPECT_EQ(TrackMouseMove(At(40, 30)).cursor, kCursorHand);  // into the chart
    EXPECT_EQ(HandCursorShown, 1);
    EXPECT_EQ(TrackMouseMove(At(41, 30)).cursor, kCursorKeep);
    EXPECT_EQ(TrackMouseMove(At(150, 20)).cursor, kCursorKeep); // chart to weight
    EXPECT_EQ(TrackMouseMove(At(230, 20)).cursor, kCursorArrow);
    EXPECT_EQ(HandCursorShown, 0);
    EXPECT_EQ(TrackMouseMove(At(231, 20)).cursor, kCursorKeep);
}

TEST_F(BoardInput, HoverIsSetOnlyOverTheChartAndClampedToColumn255) {
    TrackMouseMove(At(40, 30));
    EXPECT_EQ(HoverActive, 1);
    EXPECT_EQ(HoverX, 40);
    TrackMouseMove(At(150, 20)); // a zone, but not the chart
    EXPECT_EQ(HoverActive, 0);
    EXPECT_EQ(HoverX, 150);
    TrackMouseMove(At(256, 20));
    EXPECT_EQ(HoverX, 255);
    TrackMouseMove(At(65535, 20)); // left of the board while captured
    EXPECT_EQ(HoverX, 255);
    EXPECT_EQ(HoverActive, 0);
}

TEST_F(BoardInput, ThirdMoveAfterPressStartsTheDragOnce) {
    PressLeftButton();
    EXPECT_EQ(DragCountdown, 3);
    EXPECT_EQ(TrackMouseMove(At(200, 50)).startDrag, 0);
    EXPECT_EQ(DragCountdown, 2);
    EXPECT_EQ(TrackMouseMove(At(201, 50)).startDrag, 0);
    EXPECT_EQ(DragCountdown, 1);
    EXPECT_EQ(TrackMouseMove(At(202, 50)).startDrag, 1);
    EXPECT_EQ(DragCountdown, 0);
    EXPECT_EQ(TrackMouseMove(At(203, 50)).startDrag, 0);
}

TEST_F(BoardInput, CaptureLossAndButtonUpCancelAPendingDrag) {
    PressLeftButton();
    TrackMouseMove(At(200, 50));
    LoseMouseCapture();
    EXPECT_EQ(TrackMouseMove(At(201, 50)).startDrag, 0);
    EXPECT_EQ(TrackMouseMove(At(202, 50)).startDrag, 0);
    PressLeftButton();
    EXPECT_EQ(ReleaseLeftButton(At(200, 50)), kClickNothing);
    FinishClick();
    EXPECT_EQ(DragCountdown, 0);
}

TEST_F(BoardInput, ExitNeedsAPressOnTheBoardWithAtMostOneMove) {
    PressLeftButton();
    EXPECT_EQ(ReleaseLeftButton(At(180, 90)), kClickExit);

    PressLeftButton();
    TrackMouseMove(At(180, 90));
    EXPECT_EQ(ReleaseLeftButton(At(180, 90)), kClickExit);

    PressLeftButton();
    TrackMouseMove(At(180, 90));
    TrackMouseMove(At(181, 90));
    EXPECT_EQ(ReleaseLeftButton(At(181, 90)), kClickNothing);

    DragCountdown = 0; // the press began elsewhere
    EXPECT_EQ(ReleaseLeftButton(At(180, 90)), kClickNothing);
}

TEST_F(BoardInput, WeightZoneOpensTheEntryDialogAsModal) {
    PressLeftButton();
    EXPECT_EQ(ReleaseLeftButton(At(131, 6)), kClickWeightEntry);
    EXPECT_EQ(ModalOpen, 1);
    EXPECT_EQ(DragCountdown, 0);
    EXPECT_EQ(ReleaseLeftButton(At(130, 6)), kClickNothing);
}

TEST_F(BoardInput, AClickInTheChartRepaintsToShowTheReadout) {
    TrackMouseMove(At(60, 40));
    PressLeftButton();
    EXPECT_EQ(ReleaseLeftButton(At(60, 40)), kClickNothing);
    EXPECT_EQ(FinishClick(), 1);
    TrackMouseMove(At(200, 40));
    EXPECT_EQ(ReleaseLeftButton(At(200, 40)), kClickNothing);
    EXPECT_EQ(FinishClick(), 0);
}

TEST_F(BoardInput, TrayLeftButtonBringsTheBoardUpRightButtonOpensTheMenu) {
    TrayEffect left = TrayIconClicked(kMsgLeftButtonDown);
    EXPECT_EQ(left.bringToFront, 1);
    EXPECT_EQ(left.showMenu, 0);
    TrayEffect right = TrayIconClicked(kMsgRightButtonDown);
    EXPECT_EQ(right.bringToFront, 0);
    EXPECT_EQ(right.showMenu, 1);
    TrayEffect up = TrayIconClicked(0x0202);
    EXPECT_EQ(up.bringToFront + up.showMenu, 0);
}

TEST_F(BoardInput, TrayMenuIsRefusedWhileADialogIsOpen) {
    ModalOpen = 1;
    EXPECT_EQ(TrayIconClicked(kMsgRightButtonDown).showMenu, 0);
    EXPECT_EQ(TrayIconClicked(kMsgLeftButtonDown).bringToFront, 1);
}

} // namespace
