// The board's input and the reset command: given the interaction state and a
// mouse message, key or answer, what it becomes and what the window must do.
#include <stdio.h>

#include <tuple>

#include "../store/store_fixture.h"
#include "app/board_commands.h"
#include "app/board_input.h"
#include "app/interaction.h"
#include "render/hover_tables.h"

namespace {

using std::make_tuple;

uint32_t At(int x, int y) {
    return (uint32_t)x | (uint32_t)y << 16;
}

TEST(BoardInput, AStartShowsTheNewestWeekWithNothingPending) {
    ChartSpan = ScrollBack = HoverX = PaintedHoverX = HoverActive = DragCountdown = 9;
    HandCursorShown = ModalOpen = 9;
    ResetInteractionState();
    EXPECT_EQ(make_tuple(ChartSpan, ScrollBack, HoverX, PaintedHoverX, HoverActive, DragCountdown,
                         HandCursorShown, ModalOpen),
              make_tuple(7, 0, 0, 0, 0, 0, 0, 0));
}

// The hand shows over the zones (chart x 5..129, y 3..69; weight x 131..219, y 6..39),
// the read-out arms over the chart, the third move after a press drags, once.
TEST(BoardInput, MovesSwitchTheCursorAtZoneEdgesArmTheReadoutAndStartADrag) {
    const CursorChange keep = kCursorKeep, hand = kCursorHand, arrow = kCursorArrow;
    const std::tuple<char, int, int, CursorChange, int, int, int, int> script[] = {
        // m: a move to x, y; p: the button goes down; l: the capture is lost; then
        // the cursor set, a drag started, read-out armed, HoverX, DragCountdown
        {'m', 4, 30, keep, 0, 0, 4, 0},      {'m', 5, 3, hand, 0, 1, 5, 0},
        {'m', 129, 69, keep, 0, 1, 129, 0},  {'m', 129, 70, arrow, 0, 0, 129, 0},
        {'m', 130, 30, keep, 0, 0, 130, 0},  {'m', 131, 6, hand, 0, 0, 131, 0},
        {'m', 219, 39, keep, 0, 0, 219, 0},  {'m', 220, 39, arrow, 0, 0, 220, 0},
        {'m', 256, 9, keep, 0, 0, 255, 0},   {'p', 0, 0, keep, 0, 0, 255, 3},
        {'m', 200, 50, keep, 0, 0, 200, 2},  {'m', 201, 50, keep, 0, 0, 201, 1},
        {'m', 202, 50, keep, 1, 0, 202, 0},  {'m', 203, 50, keep, 0, 0, 203, 0},
        {'p', 0, 0, keep, 0, 0, 203, 3},     {'m', 60, 40, hand, 0, 1, 60, 2},
        {'l', 0, 0, keep, 0, 1, 60, 0},      {'m', 61, 40, keep, 0, 1, 61, 0},
    };
    ResetInteractionState();
    for (const auto& [event, x, y, cursor, drag, armed, hoverX, countdown] : script) {
        MouseMoveEffect e = {kCursorKeep, 0};
        if (event == 'm')
            e = TrackMouseMove(At(x, y));
        else
            event == 'p' ? PressLeftButton() : LoseMouseCapture();
        EXPECT_EQ(make_tuple(e.cursor, e.startDrag, HoverActive, HoverX, DragCountdown),
                  make_tuple(cursor, drag, armed, hoverX, countdown))
            << event << " " << x << "," << y;
    }
}

// Plus (x 71..89, y 76..94) narrows and minus (x 31..49) widens the span
// along 7, 30, 90, 360, back at the newest entries; EXIT (x 171..189, y 86 on)
// counts after a press and at most one move; an armed chart shows its read-out.
TEST(BoardInput, ClicksChangeTheSpanOpenTheEntryDialogOrExit) {
    const ClickAction span = kClickSpan, entry = kClickWeightEntry, exit = kClickExit,
                      none = kClickNothing;
    const std::tuple<int, int, int, int, int, ClickAction, int, int, int, int> cases[] = {
        // span, countdown, armed, x, y, action, span and scroll after, dialog open, repaint
        {360, 3, 0, 80, 85, span, 90, 0, 0, 0},   {90, 0, 0, 71, 76, span, 30, 0, 0, 0},
        {30, 0, 0, 89, 94, span, 7, 0, 0, 0},     {7, 0, 0, 80, 85, span, 7, 0, 0, 0},
        {7, 3, 0, 40, 85, span, 30, 0, 0, 0},     {30, 0, 0, 31, 76, span, 90, 0, 0, 0},
        {90, 0, 0, 49, 94, span, 360, 0, 0, 0},   {360, 0, 0, 40, 85, span, 360, 0, 0, 0},
        {5, 0, 0, 80, 85, span, 5, 0, 0, 0},      {7, 0, 0, 70, 85, none, 7, 4, 0, 0},
        {7, 0, 0, 90, 85, none, 7, 4, 0, 0},      {7, 0, 0, 80, 75, none, 7, 4, 0, 0},
        {7, 0, 0, 40, 95, none, 7, 4, 0, 0},      {7, 3, 0, 131, 6, entry, 7, 4, 1, 0},
        {7, 3, 0, 180, 86, exit, 7, 4, 0, 0},     {7, 2, 0, 189, 65535, exit, 7, 4, 0, 0},
        {7, 1, 0, 180, 90, none, 7, 4, 0, 0},     {7, 3, 0, 180, 85, none, 7, 4, 0, 0},
        {7, 3, 0, 170, 90, none, 7, 4, 0, 0},     {7, 3, 0, 190, 90, none, 7, 4, 0, 0},
        {7, 3, 1, 60, 40, none, 7, 4, 0, 1},
    };
    for (const auto& [before, countdown, armed, x, y, action, after, scroll, dialog, repaint] :
         cases) {
        ResetInteractionState();
        ChartSpan = before, DragCountdown = countdown, HoverActive = armed, ScrollBack = 4;
        EXPECT_EQ(ReleaseLeftButton(At(x, y)), action) << x << "," << y;
        EXPECT_EQ(make_tuple(FinishClick(), ChartSpan, ScrollBack, ModalOpen, DragCountdown),
                  make_tuple(repaint, after, scroll, dialog, 0))
            << x << "," << y;
    }
}

// Entries first .. first + 6 on the chart, entry m on the columns from
// kFirstColumn[m] on, all with its label. The keys start where the last paint read out.
const int kFirstColumn[] = {0, 24, 43, 62, 81, 100, 119, 256};

TEST(BoardInput, ArrowKeysStepTheReadoutFromEntryToEntryAndScrollAtTheEdges) {
    const int left = kKeyLeft, right = kKeyRight;
    const std::tuple<int, int, int, int, int, int, int, int, int> cases[] = {
        // count, scroll, first, painted, key, handled, HoverX, scroll after, entry at the edge
        {7, 0, 0, 30, right, 1, 43, 0, 6},   {7, 0, 0, 50, left, 1, 42, 0, 0},
        {7, 0, 0, 254, right, 1, 255, 0, 6}, {10, 2, 1, 150, right, 1, 255, 1, 8},
        {10, 0, 3, 10, left, 1, 0, 1, 2},    {10, 3, 0, 0, left, 1, 0, 3, 0},
        {7, 0, 0, 5, left, 1, 0, 0, 0},      {7, 0, 0, 400, left, 1, 118, 0, 0},
        {7, 0, 0, -3, right, 1, 24, 0, 6},   {7, 0, 0, 30, 0x26, 0, 77, 0, 6},
    };
    for (const auto& [count, scroll, first, painted, key, handled, hoverX, after, edge] : cases) {
        ResetInteractionState();
        Settings.weightdatalen = count, ScrollBack = scroll, PaintedHoverX = painted, HoverX = 77;
        for (int m = 0; m < 7; m++)
            for (int k = kFirstColumn[m]; k < kFirstColumn[m + 1]; k++) {
                HoverIndexTable[k] = first + m;
                snprintf(HoverLabels[k], kHoverLabelSize, "entry %d", first + m);
            }
        EXPECT_EQ(StepReadout(key), handled);
        int edgeIndex = HoverIndexTable[key == left ? 0 : 255];
        EXPECT_EQ(make_tuple(HoverX, HoverActive, ScrollBack, edgeIndex),
                  make_tuple(hoverX, handled, after, edge))
            << painted;
    }
}

int Repaints;

// The reset asks, then empties the log, saves the settings alone, repaints, says so.
TEST_F(StoreTest, TheResetCommandAsksThenEmptiesTheLog) {
    for (int yes : {0, 1}) {
        ResetInteractionState();
        Settings.weightdatalen = 12, CurrentWeight = 61.5, ScrollBack = 3;
        Repaints = Fake.messages = 0, Fake.answer = yes ? kIdYes : kIdNo;
        RunResetCommand(nullptr, [](OwnerWindow) { Repaints += 10 + Fake.messages; });
        std::string ini = ReadBytes("weighminder.ini");
        EXPECT_EQ(make_tuple(Settings.weightdatalen, CurrentWeight, ScrollBack, ModalOpen,
                             Repaints),
                  make_tuple(yes ? 0 : 12, yes ? 0.0 : 61.5, yes ? 0 : 3, 0, yes ? 11 : 0));
        EXPECT_EQ(ini.find("\r\nweightdatalen=0\r\n") != std::string::npos, yes);
        EXPECT_EQ(std::to_string(Fake.messages) + Fake.caption + Fake.text,
                  yes ? "2完了体重の記録をリセットしました。"
                      : "1確認これまでの体重の記録が失われます。\r\n"
                        "本当に体重データをリセットしますか？");
    }
    EXPECT_FALSE(FileExists("taiju.dat")) << "the log file is left alone";
}

} // namespace
