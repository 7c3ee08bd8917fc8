"""End to end: the settings dialog with its month calendar."""

import time

import harness
from test_dialogs import MENU_EXIT, MENU_SETTINGS, DialogTestCase

CALENDAR_TOP = 185  # dialog client pixels
HIGHLIGHT = (50, 150, 250)  # the calendar's selected day under Wine


def target_rows(shot):
    """Board rows of the chart that carry the target line's colour."""
    rows = set()
    for (x, y), p in shot.board_region(2, 5, 217, 85).items():
        if p == harness.TARGET_ORANGE:
            rows.add(y)
    return rows


def bmi_readout(shot):
    return shot.board_region(170, 60, 210, 80)


class Settings(DialogTestCase):

    def start(self, **fields):
        entries = [(20100501, 523), (20100502, 530), (20100503, 545)]
        values = dict(weightdatalen=3, winX=100, winY=100, startdate=20100508)
        values.update(fields)
        return self.start_board(ini=harness.settings_text(**values),
                                dat=harness.log_text(entries))

    def selected_day(self, board, wid):
        """Centre and height of the calendar's highlighted day, in client pixels."""
        ox, oy = self.client_origin(wid)
        shot = board.screenshot()
        rows = []
        for y in range(CALENDAR_TOP + 35, CALENDAR_TOP + 200):
            run, best = 0, None
            for x in range(50, 330):
                run = run + 1 if shot.pixel(ox + x, oy + y) == HIGHLIGHT else 0
                if run >= 25:
                    best = x
            if best is not None:
                rows.append((y, best))
        self.assertTrue(rows, "no selected day in the calendar")
        top, bottom = rows[0][0], rows[-1][0]
        return rows[0][1] - 12, (top + bottom) // 2, bottom - top + 1

    def pick_day_a_week_later(self, board, wid):
        x, y, height = self.selected_day(board, wid)
        self.click_dialog(wid, x, y + height)

    def test_ok_stores_target_height_on_top_and_the_picked_day(self):
        board = self.start(topmost=0, limit=1)
        before = board.screenshot()
        wid = self.open_from_menu(board, MENU_SETTINGS, "設定")
        time.sleep(0.5)
        self.keep_dialog_picture(board, wid, "dialog-settings.png")
        # The focus starts on OK; Tab walks the template's order.
        board.key("Tab", "Tab", "space", "Tab")
        board.type_text("55.55")
        board.key("Tab")
        board.type_text("170")
        self.pick_day_a_week_later(board, wid)
        board.key("Return")
        board.wait_dialog_closed("設定")
        ini = self.ini_values(board)
        self.assertEqual(("1", "555", "170", "20100515", "1"),
                         (ini["topmost"], ini["targetweight"], ini["height"], ini["startdate"],
                          ini["limit"]))
        # The board redraws with the new target line and body-mass index.
        after = board.wait_pixels(lambda s: target_rows(s) != target_rows(before),
                                  what="target line moved")
        self.assertTrue(target_rows(after))
        self.assertNotEqual(bmi_readout(before), bmi_readout(after))

    def test_cancel_leaves_the_file_and_every_setting_as_it_was(self):
        board = self.start(topmost=0, limit=1)
        saved = board.read("weighminder.ini")
        wid = self.open_from_menu(board, MENU_SETTINGS, "設定")
        board.key("Tab", "Tab", "space", "Tab")
        board.type_text("80")
        self.pick_day_a_week_later(board, wid)
        board.key("Escape")
        board.wait_dialog_closed("設定")
        self.assertEqual(saved, board.read("weighminder.ini"))
        # Closing the program saves the settings it holds: the old ones.
        self.choose_menu_item(board, MENU_EXIT)
        board.wait_exit()
        ini = self.ini_values(board)
        self.assertEqual(("0", "500", "150", "20100508"),
                         (ini["topmost"], ini["targetweight"], ini["height"], ini["startdate"]))

    def test_the_pregnancy_box_is_usable_only_with_a_limit_line(self):
        board = self.start(limit=0, limit2=0, ninpu=0)
        self.open_from_menu(board, MENU_SETTINGS, "設定")
        # Cancel, 1016, 1019, 1020, (1017 greyed, skipped), 1021, 1018, 1022.
        board.key(*(["Tab"] * 7))
        board.key("space")  # ticks the underweight line: 1017 becomes usable
        board.key("shift+Tab", "shift+Tab", "shift+Tab", "space")
        board.key("Return")
        board.wait_dialog_closed("設定")
        ini = self.ini_values(board)
        self.assertEqual(("0", "1", "1", "150"),
                         (ini["limit"], ini["limit2"], ini["ninpu"], ini["height"]))


if __name__ == "__main__":
    harness.main()
