// The board's input and menu commands: what state, mouse, keys and answers lead to.
#include <stdio.h>

#include <tuple>

#include "../store/store_fixture.h"
#include "app/board_commands.h"
#include "app/board_input.h"
#include "app/board_keys.h"
#include "app/import_command.h"
#include "app/interaction.h"
#include "render/hover_tables.h"
#include "store/log_file.h"
#include "store/settings_file.h"

namespace {

using std::make_tuple;

// A start shows the newest week, nothing pending. The hand shows over the zones (edges:
// board_scale_test), the chart arms the read-out, the third move after a press drags once.
// Script: move to x, y, press or capture lost; cursor set, drag, armed, HoverX, countdown.
TEST(BoardInput, MovesSwitchTheCursorArmTheReadoutAndStartADrag) {
    ChartSpan = ScrollBack = HoverX = PaintedHoverX = HoverActive = DragCountdown = 9;
    HandCursorShown = ModalOpen = 9;
    ResetInteractionState();
    EXPECT_EQ(make_tuple(ChartSpan, ScrollBack, HoverX, PaintedHoverX, HoverActive, ModalOpen),
              make_tuple(7, 0, 0, 0, 0, 0));
    const CursorChange keep = kCursorKeep, hand = kCursorHand, arrow = kCursorArrow;
    const std::tuple<const char*, char, int, int, CursorChange, int, int, int, int> script[] = {
        {"off the zones", 'm', 4, 30, keep, 0, 0, 4, 0},
        {"chart corner", 'm', 5, 3, hand, 0, 1, 5, 0},
        {"chart's far corner", 'm', 129, 69, keep, 0, 1, 129, 0},
        {"below the chart", 'm', 129, 70, arrow, 0, 0, 129, 0},
        {"weight zone", 'm', 131, 6, hand, 0, 0, 131, 0},
        {"past the edge", 'm', 256, 9, arrow, 0, 0, 255, 0},
        {"press", 'p', 0, 0, keep, 0, 0, 255, 3},
        {"first move", 'm', 200, 50, keep, 0, 0, 200, 2},
        {"second move", 'm', 201, 50, keep, 0, 0, 201, 1},
        {"third move drags", 'm', 202, 50, keep, 1, 0, 202, 0},
        {"press again", 'p', 0, 0, keep, 0, 0, 202, 3},
        {"capture lost", 'l', 0, 0, keep, 0, 0, 202, 0},
        {"back on the chart", 'm', 60, 40, hand, 0, 1, 60, 0},
    };
    for (const auto& [name, event, x, y, cursor, drag, armed, hoverX, countdown] : script) {
        if (event != 'm')
            event == 'p' ? PressLeftButton() : LoseMouseCapture();
        MouseMoveEffect e = event == 'm' ? TrackMouseMove(x | y << 16) : MouseMoveEffect{};
        EXPECT_EQ(make_tuple(e.cursor, e.startDrag, HoverActive, HoverX, DragCountdown),
                  make_tuple(cursor, drag, armed, hoverX, countdown))
            << name;
    }
}

// Plus narrows and minus widens the span along 7, 30, 90, 360, back at the newest
// entries; EXIT counts after a press and at most one move. The tray icon's left button
// brings the board up, as does its selection with a click or the keyboard; its right
// button opens the menu unless a dialog is open, as does the keyboard's menu (the point
// -1, -1: a click's menu is open already).
TEST(BoardInput, ClicksChangeTheSpanOpenTheEntryDialogExitOrOpenTheMenu) {
    const ClickAction span = kClickSpan, entry = kClickWeightEntry, exit = kClickExit;
    const std::tuple<const char*, int, int, int, int, int, ClickAction, int, int, int, int>
        cases[] = {
            // span, countdown, armed, x, y, action, span and scroll after, dialog open, repaint
            {"plus from 360", 360, 3, 0, 80, 85, span, 90, 0, 0, 0},
            {"plus from 30", 30, 0, 0, 89, 94, span, 7, 0, 0, 0},
            {"plus at 7", 7, 0, 0, 80, 85, span, 7, 0, 0, 0},
            {"minus from 7", 7, 3, 0, 40, 85, span, 30, 0, 0, 0},
            {"minus at 360", 360, 0, 0, 40, 85, span, 360, 0, 0, 0},
            {"weight zone", 7, 3, 0, 131, 6, entry, 7, 4, 0, 0},
            {"EXIT", 7, 2, 0, 189, 65535, exit, 7, 4, 0, 0},
            {"EXIT after moves", 7, 1, 0, 180, 90, kClickNothing, 7, 4, 0, 0},
            {"chart, armed", 7, 3, 1, 60, 40, kClickNothing, 7, 4, 0, 1},
        };
    for (const auto& [name, from, count, armed, x, y, action, to, scroll, dialog, repaint] :
         cases) {
        ResetInteractionState();
        ChartSpan = from, DragCountdown = count, HoverActive = armed, ScrollBack = 4;
        ClickAction done = ReleaseLeftButton(x | y << 16);
        EXPECT_EQ(make_tuple(done, FinishClick(), ChartSpan, ScrollBack, ModalOpen, DragCountdown),
                  make_tuple(action, repaint, to, scroll, dialog, 0))
            << name;
    }
    for (int modal : {0, 1}) {
        ModalOpen = modal;
        TrayEffect l = TrayIconClicked(kMsgLeftButtonDown);
        TrayEffect r = TrayIconClicked(kMsgRightButtonDown);
        TrayEffect s = TrayIconClicked(kMsgTraySelect), k = TrayIconClicked(kMsgTrayKeySelect);
        EXPECT_EQ(make_tuple(l.bringToFront, l.showMenu, r.bringToFront, r.showMenu,
                             s.bringToFront + k.bringToFront, s.showMenu + k.showMenu,
                             KeyboardMenuWanted(0xFFFFFFFFu), KeyboardMenuWanted(100 | 50 << 16)),
                  make_tuple(1, 0, 0, 1 - modal, 2, 0, 1 - modal, 0));
    }
}

// The keys step from where the last paint read out to the next entry's first column.
TEST(BoardInput, ArrowKeysStepTheReadoutFromEntryToEntryAndScrollAtTheEdges) {
    for (int k = 0; k < 256; k++) // entry m from column 5 + 19 m, the first from 0, the last to 255
        snprintf(HoverLabels[k], kHoverLabelSize, "%d", k < 24 ? 0 : k < 119 ? (k - 5) / 19 : 6);
    const std::tuple<const char*, int, int, int, int, int, int, int, int, int> cases[] = {
        // count, scroll, first entry, painted, key, handled, HoverX, scroll after, edge entry
        {"next entry", 7, 0, 0, 30, kKeyRight, 1, 43, 0, 6},
        {"none shown", 7, 0, 0, 254, kKeyRight, 1, 255, 0, 6},
        {"right edge", 10, 2, 1, 150, kKeyRight, 1, 255, 1, 8},
        {"left edge", 10, 0, 3, 10, kKeyLeft, 1, 0, 1, 2},
        {"oldest", 10, 3, 0, 0, kKeyLeft, 1, 0, 3, 0},
        {"painted past 255", 7, 0, 0, 400, kKeyLeft, 1, 118, 0, 0},
        {"painted below 0", 7, 0, 0, -3, kKeyRight, 1, 24, 0, 6},
        {"up arrow", 7, 0, 0, 30, 0x26, 0, 77, 0, 6},
    };
    for (const auto& [name, count, scroll, first, painted, key, handled, hoverX, after, edge] :
         cases) {
        ResetInteractionState();
        Settings.weightdatalen = count, ScrollBack = scroll, PaintedHoverX = painted, HoverX = 77;
        HoverIndexTable[0] = first, HoverIndexTable[255] = first + 6;
        EXPECT_EQ(StepReadout(key), handled) << name;
        int edgeIndex = HoverIndexTable[key == kKeyLeft ? 0 : 255];
        EXPECT_EQ(make_tuple(HoverX, HoverActive, ScrollBack, edgeIndex),
                  make_tuple(hoverX, handled, after, edge))
            << name;
    }
}

// From span 30, scrolled back 2, read-out armed on column 77: what each key leaves.
TEST(BoardInput, KeysOpenWeightEntryChangeTheSpanAndMoveOrHideTheReadout) {
    const BoardKeyAction repaint = kKeyRepaint, none = kKeyIgnored;
    const std::tuple<const char*, unsigned, int, int, int, BoardKeyAction, int, int, int, int, int>
        cases[] = {
            // key, dialog open, entries, painted; action, span, scroll, HoverX, armed, dialog after
            {"Enter", kKeyReturn, 0, 10, 40, kKeyWeightEntry, 30, 2, 77, 1, 0},
            {"Enter in a dialog", kKeyReturn, 1, 10, 40, none, 30, 2, 77, 1, 1},
            {"+", kKeyOemPlus, 0, 10, 40, repaint, 7, 0, 77, 1, 0},
            {"numpad +", kKeyAdd, 0, 10, 40, repaint, 7, 0, 77, 1, 0},
            {"-", kKeyOemMinus, 0, 10, 40, repaint, 90, 0, 77, 1, 0},
            {"numpad -", kKeySubtract, 0, 10, 40, repaint, 90, 0, 77, 1, 0},
            {"Home keeps the scrolled view", kKeyHome, 0, 10, 40, repaint, 30, 2, 0, 1, 0},
            {"End with none on show", kKeyEnd, 0, 10, 254, repaint, 30, 0, 255, 1, 0},
            {"Home on an empty log", kKeyHome, 0, 0, 40, none, 30, 2, 77, 1, 0},
            {"Esc", kKeyEscape, 0, 10, 40, repaint, 30, 0, 77, 0, 0},
            {"right arrow", kKeyRight, 0, 10, 254, repaint, 30, 1, 255, 1, 0},
            {"a letter", 'A', 0, 10, 40, none, 30, 2, 77, 1, 0},
        };
    for (const auto& [name, key, modal, count, painted, action, span, scroll, hoverX, armed,
                      after] : cases) {
        ResetInteractionState();
        ChartSpan = 30, ScrollBack = 2, HoverX = 77, HoverActive = 1, DragCountdown = 3;
        Settings.weightdatalen = count, PaintedHoverX = painted, ModalOpen = modal;
        BoardKeyAction done = PressBoardKey(key);
        EXPECT_EQ(make_tuple(done, ChartSpan, ScrollBack, HoverX, HoverActive, ModalOpen),
                  make_tuple(action, span, scroll, hoverX, armed, after))
            << name;
    }
}

int Repaints;

// The trend switches and is saved; the reset asks, empties the log, repaints (still modal)
// and says so.
TEST_F(StoreTest, TheTrendSwitchesAndTheResetCommandAsksThenEmptiesTheLog) {
    LoadLog(); // no taiju.dat: the twelve entries below are the board's own
    for (int yes : {0, 1}) {
        Settings.weightdatalen = 12, CurrentWeight = 61.5, ScrollBack = 3;
        Repaints = Fake.messages = 0, Fake.answer = yes ? kIdYes : kIdNo;
        RunTrendCommand(nullptr, [](OwnerWindow) { Repaints += 100; });
        RunResetCommand(nullptr, [](OwnerWindow) { Repaints += 10 * Fake.messages + ModalOpen; });
        EXPECT_EQ(
            make_tuple(Settings.weightdatalen, CurrentWeight, ScrollBack, ModalOpen, Repaints,
                       Options.trend),
            make_tuple(yes ? 0 : 12, yes ? 0.0 : 61.5, yes ? 0 : 3, 0, yes ? 111 : 100, 1 - yes));
        std::string saved = yes ? "\r\nweightdatalen=0\r\n" : "\r\ntrend=1\r\n";
        EXPECT_NE(ReadBytes("weighminder.ini").find(saved), std::string::npos) << saved;
        EXPECT_EQ(std::to_string(Fake.messages) + Fake.caption + Fake.text,
                  yes ? "2完了体重の記録をリセットしました。"
                      : "1確認これまでの体重の記録が失われます。\r\n"
                        "本当に体重データをリセットしますか？");
    }
    // A trend save that fails shows its box while modal: no menu opens over it.
    std::filesystem::create_directory("weighminder.ini.tmp");
    Platform.messageBox = [](OwnerWindow, const char*, const char*, unsigned) {
        return Repaints = ModalOpen;
    };
    RunTrendCommand(nullptr, [](OwnerWindow) {});
    EXPECT_EQ(make_tuple(Repaints, ModalOpen), make_tuple(1, 0));
}

// The import asks with what it would add. No changes nothing; Yes keeps taiju.dat as
// taiju.dat.bak and saves the log's and the file's days in date order, the log's own
// entries of one day in their order; a save that fails leaves the log and the count.
TEST_F(StoreTest, TheImportAsksThenMergesTheDaysInDateOrderAfterABackup) {
    const std::string old = "00001,2024/01/10,0700\r\n00002,2024/01/05,0690\r\n"
                            "00003,2024/01/10,0705\r\n";
    WriteBytes("in.csv", "date,weight\n2024-01-12,69.5\n2024-01-10,71\n2024-01-01,68.8\nbad,1\n");
    auto choose = [](OwnerWindow, char* path, int size) { return snprintf(path, size, "in.csv"); };
    ModalOpen = 1;
    EXPECT_EQ(RunImportCommand(nullptr, choose, nullptr), -1); // refused while a dialog is open
    for (auto [answer, fault, log] :
         {make_tuple(kIdNo, -1, old), make_tuple(kIdYes, 2, old),
          make_tuple(kIdYes, -1,
                     std::string("00001,2024/01/01,0688\r\n00002,2024/01/05,0690\r\n"
                                 "00003,2024/01/10,0700\r\n00004,2024/01/10,0705\r\n"
                                 "00005,2024/01/12,0695\r\n"))}) {
        WriteBytes("taiju.dat", old);
        Settings.weightdatalen = 3, ScrollBack = 2, CurrentWeight = 70.5, Repaints = 0;
        LoadLog();
        SaveSettings(nullptr);
        ModalOpen = 0, Fake.answer = answer, CommitsLeft = fault;
        RunImportCommand(nullptr, choose, [](OwnerWindow) { Repaints += 1 + ModalOpen; });
        int merged = log != old;
        EXPECT_EQ(Fake.text, merged || fault < 0
                                 ? "追加する日: 2 日\r\n"
                                   "すでに記録のある日（取り込まない日）: 1 日\r\n"
                                   "読み込めなかった行: 1 行（最初は 5 行目）\r\n"
                                   "ファイルの期間: 2024/01/01 ～ 2024/01/12\r\n"
                                   "\r\n取り込みますか？"
                                 : "体重データファイルをオープンできませんでした。");
        EXPECT_EQ(make_tuple(ReadBytes("taiju.dat"), ReadBytes("taiju.dat.bak"), ModalOpen,
                             Repaints, ScrollBack, CurrentWeight, WeightLog[2].weight),
                  make_tuple(log, answer == kIdYes ? old : "", 0, 2 * merged, 2 - 2 * merged,
                             merged ? 69.5 : 70.5, merged ? 700 : 705));
        std::string count = "\r\nweightdatalen=" + std::to_string(merged ? 5 : 3) + "\r\n";
        EXPECT_NE(ReadBytes("weighminder.ini").find(count), std::string::npos) << count;
        Settings.weightdatalen = 0;
        LoadSettings(nullptr), LoadLog();
        EXPECT_EQ(make_tuple(Settings.weightdatalen, WeightLog[Settings.weightdatalen - 1].date),
                  make_tuple(3 + 2 * merged, merged ? 20240112 : 20240110)); // as saved
    }
}

} // namespace
