"""The real program killed during weighings, one board per folder, and a long run that must not
grow its GDI objects, windows or memory (a held log: test_guards; a folder in the settings file's
place: store_win_test)."""

import os
import pathlib
import random
import re
import subprocess
import tempfile
import time

import harness
from harness import WEIGHT_ZONE, log_text, settings_text

# Wine's "gdi" debug channel gives the process's live object count with each
# one made or freed (its GetGuiResources answers 0).
GDI = re.compile(rb"trace:gdi:(?:alloc|free)_gdi_handle .* (\d+)/\d+\n")
# (round, events, GDI objects and KiB it may add): Wine's month calendar keeps one object each time
# the settings dialog (every third opening) gives it its font, the first dialogs after the warm-up
# reserve some memory once. One object more per opening of any dialog fails, as does a kilobyte
# per hundred clicks (100 KiB: fewer clicks would leak into the free room the heap already has).
ROUNDS = [("dialogs", 30, 10, 64), ("dialogs", 30, 10, 16), ("paint", 400, 0, 16), ("paint", 400, 0, 16),
          ("move", 3000, 0, 16), ("click", 10000, 0, 16)]


class Reliability(harness.BoardCase):
    def test_kills_during_weighings_leave_whole_files(self):
        # Killed as soon as the save shows (a temporary file, or the log changed) or up to 25 ms
        # later, in turn; the last kill comes once the save is surely done.
        rng = random.Random(int(os.environ.get("WM_CRASH_SEED", "1")))
        delays = [i % 2 * rng.uniform(0, 0.025) for i in range(int(os.environ.get("WM_CRASH_KILLS", "8")))]
        log, count = log_text([(20000101 + i % 28, 400 + i % 500) for i in range(50000)]), 50000
        self.start(settings_text(winX=100, winY=100, weightdatalen=count), log)
        during = 0  # kills that landed while the save was under way: the entry not counted
        for kill, delay in enumerate(delays + [3.0]):
            if kill:
                self.start()
            self.click(*WEIGHT_ZONE)
            self.dialog("体重入力")
            self.type("%d.%d" % divmod(600 + kill, 10))
            mark = os.path.getmtime(self.path("taiju.dat"))
            key = subprocess.Popen(["xdotool", "key", "Return"], env=self.env)
            harness.wait_until(lambda: os.path.exists(self.path("taiju.dat.tmp")) or
                               os.path.getmtime(self.path("taiju.dat")) != mark, 5, "the save", interval=5e-4)
            time.sleep(delay)
            self.stop()
            key.wait()
            ini, dat = self.read("weighminder.ini"), self.read("taiju.dat")
            self.assertRegex(ini, rb"\A(?:[a-zA-Z0-9]+=-?\d+\r\n){12}\Z", kill)
            n = int(re.search(rb"weightdatalen=(\d+)", ini).group(1))
            self.assertIn(n, (count, count + 1), kill)
            during += n == count
            log += log_text([(harness.today(), 600 + kill)], n) if n > count else b""
            count = n
            self.assertEqual((len(dat) % 23, dat[:23 * count]), (0, log), "kill %d: records torn" % kill)
        print("\n%d of %d kills during a save" % (during, len(delays)), end="")
        self.assertTrue(count > 50000 and during >= len(delays) / 4, during)

    def test_one_board_per_folder(self):
        self.start(settings_text(winX=100, winY=100))
        other = tempfile.mkdtemp(dir=self.home)  # a second folder, a second board, in front
        pathlib.Path(other, "weighminder.ini").write_bytes(settings_text(winX=500, winY=100))
        board = self.launch(folder=other)
        self.addCleanup(lambda: board.poll() is None and (board.kill(), board.wait()))
        second = harness.wait_until(lambda: set(self.windows("weighminder")) - {self.wid}, 30, "two boards").pop()
        self.xdo("windowfocus", "--sync", second)
        front = lambda: int(self.probe("front"))  # the left edge of the foreground window
        harness.wait_until(lambda: front() == 497, 10, "the second board in front")
        self.assertEqual((self.launch().wait(30), len(self.windows("weighminder"))), (0, 2))  # no third board
        harness.wait_until(lambda: front() == 97, 10, "the first board in front")

    def test_a_long_run_grows_no_objects_windows_or_memory(self):
        trace = self.path("gdi.log")

        def gdi():
            time.sleep(0.5)
            with open(trace, "rb") as f:
                f.seek(max(0, os.path.getsize(trace) - 65536))
                return int(GDI.findall(f.read())[-1])

        def measure():  # once the last messages and paints are done: the count held for 1 s
            counts = [gdi(), gdi()]  # (after 0.5 s, one run under load still saw a closed dialog's objects)
            harness.wait_until(lambda: counts.append(gdi()) or len(set(counts[-3:])) == 1, 15, "GDI settled")
            return (counts[-1], *map(int, re.findall(r"=(\d+)", self.probe("measure"))))  # windows, KiB

        entries = [(20100101 + i % 28, 500 + i * 7 % 200) for i in range(1000)]
        with open(trace, "wb") as f:
            self.start(settings_text(winX=100, winY=100, weightdatalen=1000), log_text(entries),
                       env=dict(self.env, WINEDEBUG="-all,trace+gdi"), stderr=f)
        for command, n in [("dialogs", 3), ("paint", 20), ("move", 200), ("click", 10)]:  # warm-up
            self.probe(command, n)
        before = measure()
        for command, n, objects, kib in ROUNDS:
            self.probe(command, n)
            after = measure()
            growth = [a - b for a, b in zip(after, before)]
            print("\n%d %s: GDI %+d, windows %+d, %+d KiB" % (n, command, *growth), end="")
            self.assertTrue(growth[0] <= objects and growth[1] == 0 and growth[2] < kib, (command, growth))
            before = after

if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
