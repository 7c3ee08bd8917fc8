"""The trend, switched from the popup menu: its line on the board, trend=1
kept across a restart, and its tip over the icon in the notification area.
With WM_DOC_SHOTS set, the board and the tip are kept there as pictures."""

import os
import time

import harness

TREND_CYAN = (128, 255, 255)
# A week at 60.0 kg in April, then one from 52.3 down to 51.2 in May: at span
# 7 the trend runs from 59.2 down to 55.7 kg, high above the weights.
LOG = [(20100401 + i, 600) for i in range(7)] + \
      [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
TREND_POINTS = [(5, 14), (24, 18), (43, 22), (62, 26), (81, 30), (100, 33)]
TREND = 6 # menu row: 体重入力 設定 CSV データ修正 リセット トレンド表示 バージョン 終了


class Trend(harness.BoardTestCase):
    def choose_trend(self, board):
        board.click(200, 90, button=3) # bare board: the menu opens at the pointer
        time.sleep(0.3)
        board.key(*(["Down"] * TREND + ["Return"]))

    def keep(self, shot, name, geometry):
        if os.environ.get("WM_DOC_SHOTS"):
            harness.subprocess.run([harness.CONVERT, shot.png_path, "-crop", geometry, "+repage",
                                    os.path.join(os.environ["WM_DOC_SHOTS"], name)], check=True)

    def tip_height(self, board, name=None):
        """Rows of the tip Wine shows under its stand-in tray, on black."""
        session = board.session
        x, y, w, h = session.window_geometry(session.wait_window("^Wine System Tray$"))
        for step in range(3):
            session.move_pointer(x + 8 + step, y + 8 + step)

        def rows(shot): # from the box's top edge to its bottom edge
            lit = [py for py in range(y + h + 4, y + h + 120)
                   if shot.pixel(x + 20, py) != harness.BLACK]
            return lit[-1] - lit[0] + 1 if lit else 0
        shot = board.wait_pixels(rows, 8, "the tip")
        if name:
            self.keep(shot, name, "300x%d+%d+0" % (y + h + 70, x + w - 300))
        session.move_pointer(x - 400, y + 300) # away, and the tip goes
        return rows(shot)

    def test_switched_from_the_menu_and_kept_across_a_restart(self):
        ini = harness.settings_text(winX=200, winY=150, weightdatalen=14, height=160)
        board = self.start_board(ini=ini, dat=harness.log_text(LOG))
        self.assertEqual(board.screenshot().count(0, 0, 125, 85, TREND_CYAN), 0)
        plain_tip = self.tip_height(board) # "weighminder"
        self.choose_trend(board)
        shot = board.wait_pixels(lambda s: s.board_pixel(5, 14) == TREND_CYAN, what="the trend")
        self.assertEqual([shot.board_pixel(x, y) for x, y in TREND_POINTS], [TREND_CYAN] * 6)
        self.keep(shot, "trend-board.png", "250x100+%d+%d" % board.origin())
        self.assertEqual(board.read("weighminder.ini"), ini + b"trend=1\r\n")
        # Three lines: weighminder; トレンド 55.7kg  -1.0kg/週; 目標到達 2010/06/16頃.
        self.assertGreater(self.tip_height(board, "trend-tip.png"), 2 * plain_tip)

        board.stop()
        board = self.start_board()
        self.assertEqual(board.screenshot().board_pixel(5, 14), TREND_CYAN)
        self.choose_trend(board)
        board.wait_pixels(lambda s: s.count(0, 0, 125, 85, TREND_CYAN) == 0, what="no trend")
        self.assertEqual(board.read("weighminder.ini"), ini)
        self.assertEqual(self.tip_height(board), plain_tip)


if __name__ == "__main__":
    harness.main()
