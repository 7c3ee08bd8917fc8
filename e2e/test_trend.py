"""The trend, switched from the popup menu: its line on the board, and trend=1
kept across a restart (the tip's text is checked natively)."""

import harness
from harness import log_text, settings_text, wait_until

TREND_CYAN = (128, 255, 255)
# A week at 60.0 kg in April, then one from 52.3 down to 51.2 in May: at span
# 7 the trend runs from 59.2 down to 55.7 kg, high above the weights.
LOG = [(20100401 + i, 600) for i in range(7)] + \
      [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
TREND_POINTS = [(5, 14), (24, 18), (43, 22), (62, 26), (81, 30), (100, 33)]
TREND = 6  # menu row: 体重入力 設定 CSV データ修正 リセット トレンド表示 バージョン 終了


class Trend(harness.BoardCase):
    def cyan(self):
        return self.shot().find(TREND_CYAN, 0, 0, 125, 85)

    def test_switched_from_the_menu_and_kept_across_a_restart(self):
        ini = settings_text(winX=200, winY=150, weightdatalen=14, height=160)
        self.start(ini, log_text(LOG))
        self.assertEqual(self.cyan(), [])
        self.menu(TREND)
        wait_until(lambda: self.shot().at(5, 14) == TREND_CYAN, what="the trend")
        shot = self.shot()
        self.assertEqual([shot.at(x, y) for x, y in TREND_POINTS], [TREND_CYAN] * 6)
        self.assertEqual(self.read("weighminder.ini"), ini + b"trend=1\r\n")
        self.stop()
        self.start()
        self.assertEqual(self.shot().at(5, 14), TREND_CYAN)
        self.menu(TREND)
        wait_until(lambda: not self.cyan(), what="no trend")
        self.assertEqual(self.read("weighminder.ini"), ini)


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
