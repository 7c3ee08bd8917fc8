"""End to end: the real program against files it cannot write or should
not trust. A log held open by another program, a read-only log, a settings
file that is a folder, files of garbage, a count far beyond the records:
the user is told where a file cannot be written, the entry typed is not
lost from the dialog, the old files stay as they were, nothing crashes.
(A full log of 65,536 entries refusing one more: test_dialogs.py; here the
entry that fills it.)"""

import builtins
import os
import random
import stat
import subprocess
import time

import harness
import test_dialogs


def _displays_from_200():
    """Puts this module's X sessions on displays 200 and above."""
    harness.range = lambda start, stop: builtins.range(max(start, 200 + os.getpid() % 100), stop)


_displays_from_200()

ENTRIES = [(20100501 + i, 600 + i) for i in range(20)]


class Faults(test_dialogs.DialogTestCase):

    def start(self, entries=ENTRIES, ini=None, dat=None):
        if ini is None:
            ini = harness.settings_text(weightdatalen=len(entries), winX=100, winY=100)
        if dat is None:
            dat = harness.log_text(entries)
        return self.start_board(ini=ini, dat=dat)

    def enter(self, board, text):
        board.click(*test_dialogs.WEIGHT_ZONE)
        self.open_dialog(board, "体重入力")
        board.type_text(text)
        board.key("Return")

    def expect_save_refused(self, board):
        """The log's error box, then the dialog still open with the entry."""
        board.wait_dialog("OPEN ERROR")
        board.key("Return")
        board.wait_dialog_closed("OPEN ERROR")
        self.assertTrue(board.dialog_open("体重入力"))

    def probe(self, *args, **kw):
        exe = os.environ.get("WM_PROBE") or os.path.join(
            os.path.dirname(self.exe), "tests", "reliability", "wm_long_run_probe.exe")
        env = harness.wine_env(self.session.display, self.session.prefix)
        return subprocess.Popen(["wine", exe] + [str(a) for a in args], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, **kw)

    def test_a_log_held_by_another_program_is_not_replaced_and_the_entry_waits(self):
        board = self.start()
        ini, dat = board.read("weighminder.ini"), board.read("taiju.dat")
        holder = self.probe("hold", board.path("taiju.dat"), 60000)
        self.assertEqual(b"held\n", holder.stdout.readline().replace(b"\r", b""))
        try:
            self.enter(board, "61.5")
            self.expect_save_refused(board)
            self.assertEqual(ini, board.read("weighminder.ini"))
            self.assertEqual(dat, board.read("taiju.dat"))
        finally:
            holder.kill()
            holder.wait()
            holder.stdout.close()
        # Once the other program lets go, OK saves the entry still in the box.
        time.sleep(0.5)
        board.key("Return")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text(ENTRIES + [(harness.today_yyyymmdd(), 615)]),
                         board.read("taiju.dat"))
        self.assertIn(b"weightdatalen=21\r\n", board.read("weighminder.ini"))

    def test_a_read_only_log_is_kept_and_its_count_too(self):
        board = self.start()
        ini, dat = board.read("weighminder.ini"), board.read("taiju.dat")
        os.chmod(board.path("taiju.dat"), stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.enter(board, "61.5")
        self.expect_save_refused(board)
        board.key("Escape")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(ini, board.read("weighminder.ini"))
        self.assertEqual(dat, board.read("taiju.dat"))
        # Exit saves the settings: the count still names the records there.
        board.click(180, 89)
        board.wait_exit()
        self.assertIn(b"weightdatalen=20\r\n", board.read("weighminder.ini"))
        self.assertEqual(dat, board.read("taiju.dat"))

    def test_a_settings_file_that_is_a_folder(self):
        os.mkdir(os.path.join(self.folder, "weighminder.ini"))
        dat = harness.log_text(ENTRIES)
        board = self.start_board(dat=dat, wait=False)
        board.wait_dialog("OPEN ERROR", timeout=30)
        board.key("Return")
        board.wait_board()
        board.click(180, 89)  # EXIT: the settings cannot be saved either
        board.wait_dialog("OPEN ERROR")
        board.key("Return")
        board.wait_exit()
        self.assertTrue(os.path.isdir(board.path("weighminder.ini")))
        self.assertFalse(board.exists("weighminder.ini.tmp"))
        self.assertEqual(dat, board.read("taiju.dat"))

    def test_garbage_files_start_the_board_and_keep_the_log(self):
        rng = random.Random(5)
        ini = bytes(rng.randrange(256) for _ in range(990))
        dat = bytes(rng.randrange(256) for _ in range(23 * 50 + 7))
        board = self.start(ini=ini, dat=dat)
        self.assertTrue(board.running())
        board.click(180, 89)
        board.wait_exit()
        self.assertEqual(dat, board.read("taiju.dat"), "the log is only written on a change")
        self.assertIn(b"\r\nheight=150\r\n", board.read("weighminder.ini"))

    def test_a_count_of_65536_with_a_short_log_takes_the_next_entry_after_it(self):
        ini = harness.settings_text(weightdatalen=65536, winX=100, winY=100)
        board = self.start(ini=ini, dat=harness.log_text(ENTRIES) + b"00021,2010/0")
        self.enter(board, "58.2")
        board.wait_dialog_closed("体重入力")
        self.assertEqual(harness.log_text(ENTRIES + [(harness.today_yyyymmdd(), 582)]),
                         board.read("taiju.dat"))
        self.assertIn(b"weightdatalen=21\r\n", board.read("weighminder.ini"))

    def test_the_entry_that_fills_the_log_is_record_65536(self):
        entries = [(20000101 + i % 28, 400 + i % 500) for i in range(65535)]
        board = self.start(entries)
        self.enter(board, "58.2")
        board.wait_dialog_closed("体重入力", timeout=20)
        dat = board.read("taiju.dat")
        self.assertEqual(65536 * 23, len(dat))
        self.assertEqual(harness.log_text(entries), dat[:65535 * 23])
        today = harness.today_yyyymmdd()
        self.assertEqual(b"65536,%04d/%02d/%02d,0582\r\n" % (
            today // 10000, today % 10000 // 100, today % 100), dat[65535 * 23:])
        self.assertIn(b"weightdatalen=65536\r\n", board.read("weighminder.ini"))


if __name__ == "__main__":
    harness.main()
