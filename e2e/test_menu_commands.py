"""The popup menu's commands on the real program: reset of the weight data
(answered with the keyboard) surviving a restart, the CSV export, and the
version dialog."""

import time

import harness
from harness import WEIGHT_YELLOW

SEVEN = [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
# Menu items from the top: 体重入力, 設定, CSVファイル作成, データ修正,
# 体重データリセット, トレンド表示, バージョン, 終了.
CSV, RESET, VERSION = 3, 5, 7


class MenuCommands(harness.BoardTestCase):
    def start_seven(self):
        return self.start_board(
            ini=harness.settings_text(winX=200, winY=150, weightdatalen=7, height=160),
            dat=harness.log_text(SEVEN))

    def choose(self, board, item):
        board.click(100, 90, button=3) # bare board: the menu opens at the pointer
        time.sleep(0.3)
        board.key(*(["Down"] * item + ["Return"]))

    def chart_pixels(self, board):
        return board.screenshot().count(5, 5, 125, 80, WEIGHT_YELLOW)

    def test_reset_answered_yes_empties_the_log_for_good(self):
        board = self.start_seven()
        dat = board.read("taiju.dat")
        self.assertGreater(self.chart_pixels(board), 100)
        self.choose(board, RESET)
        question = board.wait_dialog("確認")
        board.focus(question)
        board.key("Return") # はい is the default answer
        done = board.wait_dialog("完了")
        ini = board.read("weighminder.ini")
        self.assertIn(b"\r\nweightdatalen=0\r\n", ini)
        board.focus(done)
        board.key("Return")
        board.wait_dialog_closed("完了")
        self.assertEqual(self.chart_pixels(board), 0)
        self.assertEqual(board.read("taiju.dat"), dat) # the old file is ignored, not erased
        board.stop()
        again = self.start_board()
        self.assertEqual(self.chart_pixels(again), 0)
        self.assertIn(b"\r\nweightdatalen=0\r\n", again.read("weighminder.ini"))

    def test_reset_answered_no_changes_nothing(self):
        board = self.start_seven()
        ini = board.read("weighminder.ini")
        self.choose(board, RESET)
        question = board.wait_dialog("確認")
        board.focus(question)
        board.key("Tab", "Return") # いいえ
        board.wait_dialog_closed("確認")
        self.assertFalse(board.dialog_open("完了"))
        self.assertEqual(board.read("weighminder.ini"), ini)
        self.assertGreater(self.chart_pixels(board), 100)

    def test_csv_command_writes_taiju_csv(self):
        board = self.start_seven()
        self.choose(board, CSV)
        data = harness.wait_until(lambda: board.exists("taiju.csv") and board.read("taiju.csv"),
                                  10, what="taiju.csv")
        expected = "".join("%05d,2010/05/%02d,%.6f\r\n" % (i + 1, d % 100, w / 10)
                           for i, (d, w) in enumerate(SEVEN))
        self.assertEqual(data, expected.encode("ascii"))

    def test_version_dialog_closes_with_ok_only(self):
        board = self.start_seven()
        self.choose(board, VERSION)
        dialog = board.wait_dialog("バージョン")
        board.focus(dialog)
        board.key("Escape") # no cancel: the dialog stays
        time.sleep(0.5)
        self.assertTrue(board.dialog_open("バージョン"))
        board.key("Return")
        board.wait_dialog_closed("バージョン")
        # The menu opens again once the dialog is gone, and a dismissed menu
        # is no error.
        board.click(100, 90, button=3)
        time.sleep(0.3)
        board.key("Escape")
        time.sleep(0.5)
        self.assertFalse(board.dialog_open("OPEN ERROR"))
        self.choose(board, VERSION)
        dialog = board.wait_dialog("バージョン")
        board.focus(dialog)
        board.key("Return")
        board.wait_dialog_closed("バージョン")


class TrayIcon(harness.BoardTestCase):
    """The icon in the notification area: left click brings the board up and
    redraws it, right click opens the menu unless a dialog is open."""

    def test_clicks_on_the_icon(self):
        board = self.start_board(
            ini=harness.settings_text(winX=200, winY=150, weightdatalen=7, height=160),
            dat=harness.log_text(SEVEN))
        board.click(30, 50) # the read-out of entry 1, its point marked
        self.assertEqual(board.screenshot().board_pixel(24, 27), harness.MARKER_PINK)
        board.click_tray_icon()
        # A plain repaint: no read-out, the newest entry marked again.
        shot = board.screenshot()
        self.assertNotEqual(shot.board_pixel(24, 27), harness.MARKER_PINK)
        self.assertEqual(shot.board_pixel(119, 43), harness.MARKER_PINK)

        board.click_tray_icon(button=3)
        board.focus_board() # the click gave the stand-in tray the focus
        board.key(*(["Down"] * VERSION + ["Return"]))
        dialog = board.wait_dialog("バージョン")
        # Refused while the dialog is open: the keys that would choose the
        # CSV command from a menu find none.
        board.click_tray_icon(button=3)
        board.focus_board()
        board.key(*(["Down"] * CSV + ["Return"]))
        time.sleep(0.5)
        self.assertFalse(board.exists("taiju.csv"))
        self.assertTrue(board.dialog_open("バージョン"))
        board.focus(dialog)
        board.key("Return")
        board.wait_dialog_closed("バージョン")
        # With the dialog gone the same keys reach the menu.
        board.click_tray_icon(button=3)
        board.focus_board()
        board.key(*(["Down"] * CSV + ["Return"]))
        harness.wait_until(lambda: board.exists("taiju.csv"), 10, what="taiju.csv")


if __name__ == "__main__":
    harness.main()
