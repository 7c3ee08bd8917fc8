"""Guards on the real program: DLLs only from the system folder, a log held
open by another program is never replaced, the window's shape and tray icon,
an idle board that does not repaint itself, long Japanese text in the
dialogs' fields and the settings dialog's greyed boxes, and a board left
running past midnight."""

import os
import re
import shutil
import subprocess
import time

import harness
from harness import BoardCase, settings_text, log_text, today

MARKER = os.environ.get("WM_MARKER_DLL", os.path.dirname(harness.EXE) + "/e2e/wm_marker.dll")
LOG = log_text([(20261201 + i, 600 - i) for i in range(5)])
FAKETIME = "/usr/lib/%s-linux-gnu/faketime/libfaketimeMT.so.1"  # thread-safe: 32-bit Wine hangs on the other
INI = settings_text(winX=300, winY=200, weightdatalen=5)
PAINT = r"\(WM_PAINT\)"


class Guards(BoardCase):
    def test_no_dll_is_taken_from_the_programs_folder(self):
        # Beside the program, as in Downloads, under the names of the DLLs
        # loaded after start-up: comctl32 by the program for the calendar and
        # oleacc for a screen reader, uxtheme and msimg32 by the system for its
        # dialogs. With native first, Wine searches the way Windows does.
        dlls = ("comctl32", "oleacc", "uxtheme", "msimg32")
        env = dict(self.env, WINEDLLOVERRIDES="mscoree=;mshtml=;" + ";".join(n + "=n,b" for n in dlls))
        markers = lambda: sorted(f for f in os.listdir(self.folder) if f.startswith("loaded-"))
        for name in dlls:  # where loading is allowed, by its full path, each is seen
            shutil.copy(MARKER, self.path(name + ".dll"))
            self.probe("load", "Z:" + self.path(name + ".dll").replace("/", "\\"), env=env)
        shutil.copy(harness.EXE, self.path("weighminder.exe"))
        self.assertEqual(markers(), sorted("loaded-%s.dll.txt" % n for n in dlls))
        for marker in markers():
            os.remove(self.path(marker))
        self.start(INI, LOG, env=env, exe=self.path("weighminder.exe"))
        self.assertTrue(self.probe("access").startswith("40|weighminder|"))
        self.answer("設定", "Escape", row=2)  # the calendar loads the common controls
        self.answer("体重入力", "Escape", row=1)
        self.menu(9)
        self.assertEqual(self.proc.wait(15), 0)
        self.assertEqual(markers(), [])

    def test_a_log_held_open_elsewhere_is_kept_whole(self):
        self.put(INI, LOG)
        hold = self.wine("hold", "taiju.dat", 25000)
        self.assertEqual(hold.stdout.readline().strip(), "held")
        self.start(wait=False)
        self.answer("OPEN ERROR", "Return")
        self.wait_board()
        self.dialog("体重入力", row=1)
        self.type("55.5")
        self.key("Return")  # refused: the dialog stays, with the weight in it
        self.dialog("OPEN ERROR", "Return")
        self.dialog("体重入力", "Escape")
        self.menu(9)
        hold.communicate()
        self.assertEqual(self.read("taiju.dat"), LOG)
        self.assertIn(b"weightdatalen=5\r\n", self.read("weighminder.ini"))

    def test_an_idle_board_keeps_its_shape_and_does_not_paint_itself_and_its_tray_icon_works(self):
        with open(self.path("trace.txt"), "wb") as log:
            self.start(INI, LOG, env=dict(self.env, WINEDEBUG="+msg"), stderr=log)
        traced = lambda pattern: len(re.findall(pattern, self.read("trace.txt").decode(errors="replace")))
        frame = self.shot()  # the frame is cut away: what lies behind shows
        self.assertEqual(frame.at(-2, 50), frame.at(-30, 50))
        for made, seconds, most in ((20, 1, 99), (0, 5, 1)):  # 20 forced paints, all seen; then idle
            paints = traced(PAINT)
            self.probe("paint", made)
            time.sleep(seconds)
            self.assertTrue(made <= traced(PAINT) - paints <= made + most, made)
        # The icon in Wine's stand-in notification area: a left click brings the board to the front
        # and repaints it, a right click opens the menu (closed by a click elsewhere) but not over a
        # dialog; each is answered with a WM_NULL posted.
        icon = [v + 10 for v in self.geometry(self.windows("Wine System Tray")[0])[:2]]
        other = subprocess.Popen([harness.wine_loader(""), "notepad"], env=self.env, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (other.kill(), other.wait()))
        harness.wait_until(lambda: self.probe("front") != "297", 20, "another program in front")
        paints = traced(PAINT)
        self.click(*icon, screen=True)
        harness.wait_until(lambda: self.probe("front") == "297", what="the board in front")
        self.assertGreater(traced(PAINT), paints)
        self.click(*icon, button=3, screen=True)
        harness.wait_until(lambda: self.probe("menu") == "1", what="the menu")
        self.click(*harness.BARE)  # a click elsewhere closes it
        harness.wait_until(lambda: self.probe("menu") == "0", what="the menu closed")
        self.dialog("体重入力", row=1)
        self.click(*icon, button=3, screen=True)
        time.sleep(1)
        self.assertEqual(self.probe("menu"), "0")
        self.assertEqual(traced(r"Post\w* hwnd \S+ msg 0 \(WM_NULL\)"), traced(r"got type \d msg 400 \(WM_USER\)"))
        self.dialog("体重入力", "Escape")
        # A new taskbar (Explorer restarted) gets the icon again.
        self.assertEqual(self.probe("untray") + self.probe("tray"), "10")
        self.probe("taskbar")
        harness.wait_until(lambda: self.probe("tray") == "1", what="the icon back")

    def test_long_japanese_text_is_read_as_its_number_and_the_settings_grey_their_boxes(self):
        self.start(settings_text(winX=300, winY=200, weightdatalen=5, ninpu=1, topmost=1), LOG)
        self.assertEqual(int(self.probe("style"), 16) & 8, 0)  # WS_EX_TOPMOST, on while topmost=0
        for row, title, box, keys in ((1, "体重入力", 1020, ()), (2, "設定", 1019, ()),
                                      (5, "データ修正", 1028, ("Tab", "Tab", "space") + ("Tab",) * 4)):
            self.dialog(title, *keys, row=row)
            if row == 2:  # pregnancy greyed and ticked, the original weight greyed until ideal is ticked
                self.assertEqual([self.probe("item", *i) for i in ((1017,), (1024,), (1023, "click"), (1024,))],
                                 ["0 1", "0 0", "1 1", "1 0"])
            self.probe("item", box, "kana")  # "55.5" and 42 kana, 130 bytes in UTF-8
            self.closed(title, "Return")
        self.assertIn(b"\r\ntargetweight=555\r\n", self.read("weighminder.ini"))
        self.assertIn(b"\r\nninpu=1\r\nrisou=1\r\n", self.read("weighminder.ini"))
        # the new weighing, and the one before it (the data edit's "previous", then to the weight)
        self.assertEqual(self.read("taiju.dat"), LOG[:-23] + log_text([(20261205, 555), (today(), 555)], 5))

    def test_a_board_left_running_past_midnight_dates_the_next_weighing_by_the_new_day(self):
        # A faked clock, read at most once a second, that runs on from here, on dates never the real one;
        # the faking libraries of the program's word size (Wine hangs on the others).
        if "64" in os.path.basename(harness.wine_loader(harness.EXE)):
            preload = FAKETIME % "x86_64"
        else:
            shim = self.path("clock64.so")
            subprocess.run(["gcc", "-m32", "-shared", "-fPIC", "-o", shim, harness.ROOT + "/e2e/clock64_shim.c"],
                           check=True)
            preload = shim + " " + FAKETIME % "i386"
        clock = self.path("clock")
        with open(clock, "w") as f:
            f.write("@2010-05-08 23:50:00")
        subprocess.run(["wineserver", "-p"], env=self.env, stdout=subprocess.DEVNULL)  # on the real clock
        self.start(settings_text(winX=300, winY=200, weightdatalen=5, startdate=20100501),
                   log_text([(20100501 + i, 600 - i) for i in range(5)]),
                   env=dict(self.env, LD_PRELOAD=preload, FAKETIME_TIMESTAMP_FILE=clock,
                            FAKETIME_CACHE_DURATION="1", FAKETIME_DONT_FAKE_MONOTONIC="1"))
        def date_column(shot):
            return [shot.at(x, y) for x in range(222, 248) for y in range(2, 72)]
        before = date_column(self.shot())
        with open(clock, "w") as f:
            f.write("@2010-05-09 00:00:10")
        time.sleep(1.5)
        self.enter("体重入力", "60", row=1)
        self.assertTrue(self.read("taiju.dat").endswith(b"00006,2010/05/09,0600\r\n"))
        self.assertNotEqual(date_column(self.shot()), before)


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
