"""End to end: the real program killed (SIGKILL) at random moments around
weight entries, again and again, on a log of 50,000 records. After every
kill the files must hold a state the program passed through complete: the
settings file whole, every record it counts present and whole, never fewer
records than before, never a record other than the ones entered.

WM_CRASH_KILLS sets the number of kills (default 50)."""

import builtins
import os
import random
import re
import subprocess
import time

import harness
import test_dialogs

KILLS = int(os.environ.get("WM_CRASH_KILLS", "50"))
BASE = 50000
# The kill falls this many seconds or less after the Enter key is sent: a
# save of the 50,000 records starts about 5 ms after it and takes a few ms.
DELAY = float(os.environ.get("WM_CRASH_DELAY", "0.012"))


def _displays_from_200():
    """Puts this module's X sessions on displays 200 and above."""
    harness.range = lambda start, stop: builtins.range(max(start, 200 + os.getpid() % 100), stop)


_displays_from_200()

INI_LINE = re.compile(rb"[a-zA-Z0-9]+=-?\d+\r\n")


class KilledDuringWeightEntry(test_dialogs.DialogTestCase):

    def check_files(self, board, expected, previous, kill):
        ini = board.read("weighminder.ini")
        lines = INI_LINE.findall(ini)
        self.assertEqual(ini, b"".join(lines), "kill %d: a torn settings file" % kill)
        self.assertEqual(12, len(lines), "kill %d: a settings file cut short" % kill)
        count = int(re.search(rb"weightdatalen=(\d+)", ini).group(1))
        dat = board.read("taiju.dat")
        self.assertEqual(0, len(dat) % 23, "kill %d: a torn record" % kill)
        self.assertGreaterEqual(len(dat) // 23, count, "kill %d: records missing" % kill)
        self.assertIn(count, (previous, previous + 1), "kill %d: %d after %d" %
                      (kill, count, previous))
        self.assertEqual(harness.log_text(expected[:count]), dat[:count * 23],
                         "kill %d: records other than those entered" % kill)
        return count

    def test_kills_around_weight_entries_leave_a_complete_state(self):
        rng = random.Random(int(os.environ.get("WM_CRASH_SEED", str(int(time.time())))))
        today = harness.today_yyyymmdd()
        expected = [(20000101 + i % 28, 400 + i % 500) for i in range(BASE)]
        self.start_board(ini=harness.settings_text(weightdatalen=BASE, winX=100, winY=100),
                         dat=harness.log_text(expected), wait=False).stop()
        self.boards.clear()
        count, inside, entered = BASE, 0, 0
        started = time.monotonic()
        for kill in range(KILLS):
            board = harness.Board(self.session, self.folder, self.exe)
            self.boards.append(board)
            board.start()
            board.click(*test_dialogs.WEIGHT_ZONE)
            self.open_dialog(board, "体重入力")
            tenths = 600 + kill
            board.type_text("%d.%d" % (tenths // 10, tenths % 10))
            expected.append((today, tenths))
            # The key goes in while the kill is already on its way.
            key = subprocess.Popen(["xdotool", "key", "Return"],
                                   env=dict(os.environ, DISPLAY=self.session.display))
            time.sleep(rng.uniform(0.0, DELAY))
            board.stop()
            key.wait()
            self.boards.remove(board)
            inside += board.exists("taiju.dat.tmp") or board.exists("weighminder.ini.tmp")
            new = self.check_files(board, expected, count, kill)
            if new == count:
                expected.pop()  # killed before the entry was saved
            entered += new - count
            count = new
        print("\nwine crash loop: %d kills in %.0f s, %d inside a save (temporary file left), "
              "%d entries saved, log %d records" %
              (KILLS, time.monotonic() - started, inside, entered, count))
        self.assertGreater(entered, 0)
        self.assertLess(entered, KILLS, "no kill came before a save completed")


if __name__ == "__main__":
    harness.main()
