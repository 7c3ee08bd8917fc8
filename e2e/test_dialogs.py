"""End to end: the weight entry dialog, and the helpers the other dialog
tests share (dialog geometry, the popup menu, the two files)."""

import os
import re
import subprocess
import time
import unittest

import harness

HERE = os.path.dirname(os.path.abspath(__file__))
WEIGHT_ZONE = (175, 22)  # inside the big read-out, board x 131..219, y 6..39
UP_ARROW = (60, 10)      # run-time buttons, dialog client pixels 51..70
DOWN_ARROW = (60, 30)
MENU_WEIGHT, MENU_SETTINGS, MENU_CSV, MENU_DATA_EDIT, MENU_EXIT = 1, 2, 3, 4, 8


# ---------------------------------------------------------------- helpers


# The dialogs ask for "ＭＳ Ｐゴシック". Wine has no font of that name and
# would fall back to one with other metrics, clipping the Japanese labels;
# IPA P Gothic is made to the same metrics.
FONT_REPLACEMENTS = """
[Software\\\\Wine\\\\Fonts\\\\Replacements] 1700000000
"MS PGothic"="IPAPGothic"
"\\xff2d\\xff33 \\xff30\\x30b4\\x30b7\\x30c3\\x30af"="IPAPGothic"
"""


class DialogTestCase(harness.BoardTestCase):
    """Dialog tests: their Wine prefix names a font for the dialogs' face,
    and openbox's title bars hold the caption and a close box only, so the
    short captions stay readable in screenshots."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        prefix = getattr(cls.session, "prefix", None)
        if prefix:
            user_reg = os.path.join(prefix, "user.reg")
            with open(user_reg, encoding="utf-8", errors="replace") as f:
                known = "Fonts\\\\Replacements]" in f.read()
            if not known:
                with open(user_reg, "a", encoding="utf-8") as f:
                    f.write(FONT_REPLACEMENTS)
        config = getattr(cls.session, "wm_config", None)
        if config:
            with open(config, encoding="utf-8") as f:
                rc = f.read()
            rc = rc.replace("</openbox_config>",
                            "  <theme><titleLayout>LC</titleLayout></theme>\n</openbox_config>")
            with open(config, "w", encoding="utf-8") as f:
                f.write(rc)
            subprocess.run(["openbox", "--reconfigure"],
                           env=dict(os.environ, DISPLAY=cls.session.display), timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.3)

    # --- dialogs

    def window_info(self, wid):
        env = dict(os.environ, DISPLAY=self.session.display)
        out = subprocess.run(["xwininfo", "-id", str(wid)], env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=30).stdout.decode()
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", out).group(1))
        return {"x": field("Absolute upper-left X"), "y": field("Absolute upper-left Y"),
                "dx": field("Relative upper-left X"), "dy": field("Relative upper-left Y"),
                "w": field("Width"), "h": field("Height")}

    def client_origin(self, wid):
        """Screen position of the dialog's client point (0, 0), once the
        window manager has framed and placed the dialog."""
        seen = []

        def settled():
            info = self.window_info(wid)
            seen.append(info)
            return info["dy"] > 0 and len(seen) > 1 and seen[-2] == info

        harness.wait_until(settled, 10, 0.2, "dialog placed")
        return seen[-1]["x"], seen[-1]["y"]

    def wait_focus(self, wid):
        """Waits until the dialog has the keyboard, asking for it if need be."""

        def focused():
            if self.session.xdo("getwindowfocus", check=False).strip() == str(wid):
                return True
            self.session.xdo("windowactivate", wid, check=False)
            return False

        harness.wait_until(focused, 10, 0.3, "dialog focus")
        time.sleep(0.2)

    def click_dialog(self, wid, x, y):
        ox, oy = self.client_origin(wid)
        self.session.xdo("mousemove", "--sync", ox + x, oy + y)
        time.sleep(0.1)
        self.session.xdo("click", 1)
        time.sleep(0.3)

    def open_dialog(self, board, title):
        wid = board.wait_dialog(title)
        self.client_origin(wid)
        self.wait_focus(wid)
        return wid

    def open_from_menu(self, board, item, title):
        self.choose_menu_item(board, item)
        return self.open_dialog(board, title)

    def choose_menu_item(self, board, item):
        """Clicks a popup-menu command by its position (1 = 体重入力): the
        menu opens upward from the pointer, eight rows of equal height."""
        x, y = 60, 40
        board.click(x, y, button=3)
        sx, sy = board.to_screen(x, y)
        shot = board.wait_pixels(lambda s: s.pixel(sx + 2, sy - 3) == harness.WHITE,
                                 what="popup menu")
        top = sy - 3
        while shot.pixel(sx + 2, top - 1) == harness.WHITE:
            top -= 1
        row = (sy - 1 - top) / 8.0
        self.session.xdo("mousemove", "--sync", sx + 30, int(top + (item - 0.5) * row))
        time.sleep(0.2)
        self.session.xdo("click", 1)

    def keep_dialog_picture(self, board, wid, name):
        """With WM_DOC_SHOTS set, saves the dialog and its title bar there."""
        target = os.environ.get("WM_DOC_SHOTS")
        if not target:
            return
        info = self.window_info(wid)
        shot = board.screenshot()
        x, y = info["x"] - info["dx"], info["y"] - info["dy"]
        w, h = info["w"] + 2 * info["dx"], info["h"] + info["dy"] + info["dx"]
        subprocess.run([harness.CONVERT, shot.png_path, "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                        "+repage", os.path.join(target, name)], check=True, timeout=30)

    # --- files

    def ini_values(self, board):
        text = board.read("weighminder.ini").decode("ascii")
        return dict(line.split("=", 1) for line in text.split("\r\n") if "=" in line)


def weight_readout(shot):
    """The pixels of the board's big weight read-out."""
    return shot.board_region(131, 6, 220, 40)


# ---------------------------------------------------------------- weight entry


class WeightEntry(DialogTestCase):

    def start(self, entries):
        ini = harness.settings_text(weightdatalen=len(entries), winX=100, winY=100)
        return self.start_board(ini=ini, dat=harness.log_text(entries) if entries else None)

    def open_entry(self, board):
        board.click(*WEIGHT_ZONE)
        return self.open_dialog(board, "体重入力")

    def test_typed_weight_is_logged_for_today_and_the_board_follows_the_typing(self):
        board = self.start([(20100501, 523)])
        before = weight_readout(board.screenshot())
        wid = self.open_entry(board)
        self.keep_dialog_picture(board, wid, "dialog-weight.png")
        board.type_text("65.37")
        # The board repaints with the value being typed, before any OK.
        board.wait_pixels(lambda shot: weight_readout(shot) != before, what="board follows")
        board.key("Return")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text([(20100501, 523), (harness.today_yyyymmdd(), 653)]),
                         board.read("taiju.dat"))
        self.assertEqual("2", self.ini_values(board)["weightdatalen"])

    def test_arrows_step_a_tenth_without_drift(self):
        board = self.start([(20100501, 653)])
        wid = self.open_entry(board)
        for _ in range(3):
            self.click_dialog(wid, *UP_ARROW)
        self.click_dialog(wid, *DOWN_ARROW)
        # The focus is back in the box: Enter is OK.
        board.key("Return")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text([(20100501, 653), (harness.today_yyyymmdd(), 655)]),
                         board.read("taiju.dat"))

    def test_down_from_an_empty_log_logs_minus_a_tenth(self):
        board = self.start([])
        wid = self.open_entry(board)
        self.click_dialog(wid, *DOWN_ARROW)
        board.key("Return")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text([(harness.today_yyyymmdd(), -1)]),
                         board.read("taiju.dat"))
        self.assertEqual("1", self.ini_values(board)["weightdatalen"])

    def test_cancel_leaves_the_files_and_puts_the_logged_weight_back(self):
        board = self.start([(20100501, 523), (20100502, 611)])
        ini, dat = board.read("weighminder.ini"), board.read("taiju.dat")
        before = weight_readout(board.screenshot())
        self.open_entry(board)
        board.type_text("70")
        board.wait_pixels(lambda shot: weight_readout(shot) != before, what="board follows")
        board.key("Escape")
        board.wait_dialog_closed("体重入力")
        board.wait_pixels(lambda shot: weight_readout(shot) == before, what="old weight back")
        self.assertEqual(ini, board.read("weighminder.ini"))
        self.assertEqual(dat, board.read("taiju.dat"))

    def test_a_weight_a_record_cannot_hold_is_refused_and_the_dialog_stays(self):
        board = self.start([(20100501, 523)])
        ini, dat = board.read("weighminder.ini"), board.read("taiju.dat")
        self.open_entry(board)
        board.type_text("1000")
        board.key("Return")
        board.wait_dialog("入力エラー")
        board.key("Return")
        board.wait_dialog_closed("入力エラー")
        self.assertTrue(board.dialog_open("体重入力"))
        self.assertEqual(ini, board.read("weighminder.ini"))
        self.assertEqual(dat, board.read("taiju.dat"))
        # The box's text is selected again: typing replaces it.
        board.type_text("99.5")
        board.key("Return")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text([(20100501, 523), (harness.today_yyyymmdd(), 995)]),
                         board.read("taiju.dat"))

    def test_an_entry_the_log_file_cannot_take_stays_in_the_open_dialog(self):
        board = self.start([])
        os.mkdir(board.path("taiju.dat"))  # the log file cannot be written now
        ini = board.read("weighminder.ini")
        self.open_entry(board)
        board.type_text("60")
        board.key("Return")
        board.wait_dialog("OPEN ERROR")
        board.key("Return")
        board.wait_dialog_closed("OPEN ERROR")
        self.assertTrue(board.dialog_open("体重入力"))
        board.key("Escape")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(ini, board.read("weighminder.ini"))

    def test_a_full_log_takes_no_more_entries(self):
        entries = [(20100101, 500 + i % 100) for i in range(65536)]
        board = self.start(entries)
        ini, dat = board.read("weighminder.ini"), board.read("taiju.dat")
        self.open_entry(board)
        board.type_text("60")
        board.key("Return")
        board.wait_dialog("入力エラー")
        board.key("Return")
        board.key("Escape")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(ini, board.read("weighminder.ini"))
        self.assertEqual(dat, board.read("taiju.dat"))


if __name__ == "__main__":
    harness.main()
