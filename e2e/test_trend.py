"""The trend, switched from the popup menu: its line on the board, trend=1
kept across a restart, and its tip over the icon in the notification area."""

import harness
from harness import log_text, settings_text, wait_until

TREND_CYAN, BLACK = (128, 255, 255), (0, 0, 0)
# A week at 60.0 kg in April, then one from 52.3 down to 51.2 in May: at span
# 7 the trend runs from 59.2 down to 55.7 kg, high above the weights.
LOG = [(20100401 + i, 600) for i in range(7)] + \
      [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
TREND_POINTS = [(5, 14), (24, 18), (43, 22), (62, 26), (81, 30), (100, 33)]
TREND = 6  # menu row: 体重入力 設定 CSV データ修正 リセット トレンド表示 バージョン 終了


class Trend(harness.BoardCase):
    def cyan(self):
        return self.shot().find(TREND_CYAN, 0, 0, 125, 85)

    def tip_height(self):
        """Rows of the tip Wine shows under its stand-in tray, on black."""
        x, y, _, h = self.geometry(self.windows("Wine System Tray")[0])
        for step in range(3):
            self.xdo("mousemove", x + 8 + step, y + 8 + step, "sleep", "0.2")

        def rows():
            shot = self.shot()
            lit = [py for py in range(y + h + 4, y + h + 120) if shot.screen(x + 20, py) != BLACK]
            return lit[-1] - lit[0] + 1 if lit else 0
        height = wait_until(rows, 8, "the tip")
        self.xdo("mousemove", x - 400, y + 300)  # away, and the tip goes
        return height

    def test_switched_from_the_menu_and_kept_across_a_restart(self):
        ini = settings_text(winX=200, winY=150, weightdatalen=14, height=160)
        self.start(ini, log_text(LOG))
        self.assertEqual(self.cyan(), [])
        plain_tip = self.tip_height()  # "weighminder"
        self.menu(TREND)
        wait_until(lambda: self.shot().at(5, 14) == TREND_CYAN, what="the trend")
        shot = self.shot()
        self.assertEqual([shot.at(x, y) for x, y in TREND_POINTS], [TREND_CYAN] * 6)
        self.assertEqual(self.read("weighminder.ini"), ini + b"trend=1\r\n")
        # Three lines: weighminder; トレンド 55.7kg  -1.0kg/週; 目標到達 2010/06/16頃.
        self.assertGreater(self.tip_height(), 2 * plain_tip)
        self.stop()
        self.start()
        self.assertEqual(self.shot().at(5, 14), TREND_CYAN)
        self.menu(TREND)
        wait_until(lambda: not self.cyan(), what="no trend")
        self.assertEqual(self.read("weighminder.ini"), ini)
        self.assertEqual(self.tip_height(), plain_tip)


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
