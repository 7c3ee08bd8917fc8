"""The popup menu's commands and the three dialogs with OK and with Cancel,
checked against files written by hand from their format, and the board."""

import os
import re

import harness
from harness import ORANGE, WEIGHT_ZONE, YELLOW, log_text, settings_text, wait_until
from test_board import chart_y

# Rows of the calendar's selected day: runs of its blue, 20 to 45 pixels long.
DAY = re.compile(rb"(?<!\x32\x96\xfa)(?:\x32\x96\xfa){20,45}(?!\x32\x96\xfa)")
THREE = [(20100501, 523), (20100502, 530), (20100503, 615)]


def settings(**changes):
    return settings_text(**dict(dict(winX=100, winY=100, weightdatalen=3, startdate=20100508), **changes))


class Dialogs(harness.BoardCase):
    def setUp(self):
        super().setUp()
        self.start(settings(), log_text(THREE))

    def assert_files(self, ini, entries):
        self.assertEqual((self.read("weighminder.ini"), self.read("taiju.dat")), (ini, log_text(entries)))

    def big_weight(self):
        shot = self.shot()
        return [shot.at(x, y) for y in range(6, 40) for x in range(131, 220)]

    def test_weight_entry_shows_the_typed_weight_ok_logs_it_for_today_cancel_not(self):
        for key, typed, log in [("Escape", "70", THREE),
                                ("Return", "123.45", THREE + [(harness.today(), 1234)])]:
            before = self.big_weight()
            self.click(*WEIGHT_ZONE)
            self.dialog("体重入力")
            self.type(typed)  # five characters are read; the board shows them before any OK
            wait_until(lambda: self.big_weight() != before, what="the board following the typing")
            self.closed("体重入力", key)
            wait_until(lambda: key == "Return" or self.big_weight() == before, what="the logged weight back")
            self.assert_files(settings(weightdatalen=len(log)), log)

    def test_settings_ok_stores_the_values_and_the_picked_day_cancel_nothing_and_the_calendar_keys(self):
        # (closed with, target, file, more weights the chart's scale holds): with the overweight
        # line on, the weight of body-mass index 25 at 170 cm (72.2 kg) widens the scale.
        changed = dict(topmost=1, targetweight=555, height=170, limit=1)
        ok = settings(startdate=20100515, **changed)
        for key, target, saved, more in [("Escape", 500, settings(), []), ("Return", 555, ok, [722])]:
            self.dialog("設定", "Tab", "Tab", "space", "Tab", row=2)  # from OK: Cancel, on top, the target
            self.type("55.55")
            self.key("Tab")
            self.type("170")
            self.key("Tab", "Tab", "space")  # the date box, the overweight line's box
            # The calendar's selected day (8 May), a blue box: click the one below it.
            box = [(m.start() // 3, m.end() // 3) for m in re.finditer(DAY, self.shot().raw)]
            top, bottom = box[0][0] // harness.W, box[-1][0] // harness.W
            self.click((box[0][0] + box[0][1]) // 2 % harness.W, (top + bottom) // 2 + bottom - top + 1,
                       screen=True)
            self.closed("設定", key)
            self.assertEqual(self.read("weighminder.ini"), saved)
            y = chart_y([w for _, w in THREE] + more, target, target)
            wait_until(lambda: self.shot().at(60, y) == ORANGE, what="the target line")
        # From OK back to the last tab stop, the calendar: a day, a week, a month on.
        self.answer("設定", "shift+Tab", "Right", "Down", "Next", "Return", row=2)
        self.assertEqual(self.read("weighminder.ini"), settings(startdate=20100623, **changed))

    def test_data_edit_ok_writes_the_corrections_and_cancel_drops_them(self):
        for key, log in [("Escape", THREE), ("Return", [THREE[0], (20110502, 585), THREE[2]])]:
            # From OK: No., (next is greyed), previous; then year, month, day, weight.
            self.dialog("データ修正", "Tab", "Tab", "space", "Tab", "Tab", "Tab", "Tab", row=5)
            self.type("58.5")
            self.key("shift+Tab", "shift+Tab", "shift+Tab")
            self.type("2011")
            self.closed("データ修正", key)
            self.assert_files(settings(), log)

    def test_reset_no_keeps_the_log_and_yes_empties_it_for_good(self):
        self.answer("確認", "Tab", "Return", row=6)  # いいえ
        self.assert_files(settings(), THREE)
        self.assertTrue(self.shot().find(YELLOW, 0, 5, 130, 72))  # the chart
        self.dialog("確認", "Return", row=6)  # はい, the default
        self.answer("完了", "Return")
        # The reset log is kept aside, where no load finds it.
        self.assertEqual((self.read("weighminder.ini"), self.read("taiju.dat.bak")),
                         (settings(weightdatalen=0), log_text(THREE)))
        self.assertFalse(os.path.exists(self.path("taiju.dat")))
        self.assertFalse(self.shot().find(YELLOW, 0, 5, 130, 72))
        self.stop()
        self.start()
        self.assertFalse(self.shot().find(YELLOW, 0, 5, 130, 72))

    def test_import_asks_no_keeps_the_files_yes_merges_the_new_days_after_a_backup(self):
        with open(self.path("in.csv"), "w") as f:
            f.write("date,weight\n2010-05-02,60.0\n2010-04-30,51.5\n2010-05-04T12:00:00Z,61.2\n")
        merged = [(20100430, 515)] + THREE + [(20100504, 612)]
        for keys, log, ini in [(("Tab", "Return"), THREE, settings()),  # いいえ
                               (("Return",), merged, settings(weightdatalen=5))]:
            self.enter("開く", "Z:" + self.path("in.csv").replace("/", "\\"), row=4)
            self.answer("CSVファイル取り込み", *keys)
            wait_until(lambda: self.read("taiju.dat") == log_text(log), what="taiju.dat")
            self.assert_files(ini, log)
        self.assertEqual(self.read("taiju.dat.bak"), log_text(THREE))

    def test_csv_command_writes_taiju_csv(self):
        self.menu(3)
        csv = b"00001,2010/05/01,52.300000\r\n00002,2010/05/02,53.000000\r\n00003,2010/05/03,61.500000\r\n"
        wait_until(lambda: os.path.exists(self.path("taiju.csv")) and self.read("taiju.csv") == csv)


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
