"""The real weighminder.exe (WM_EXE) under Wine, with an Xvfb, openbox and a Wine prefix per
test class and a fresh working folder per test, driven with xdotool. Board points are client ones."""

import collections
import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXE = os.path.abspath(os.environ.get("WM_EXE", ROOT + "/build/win32/weighminder.exe"))
PROBE = os.environ.get("WM_PROBE", os.path.dirname(EXE) + "/tests/reliability/wm_long_run_probe.exe")
W, H = 1024, 768
YELLOW, ORANGE, PINK, WHITE = (255, 255, 0), (255, 128, 64), (255, 128, 128), (255, 255, 255)
OLIVE = (121, 122, 58)  # the board's frame
WEIGHT_ZONE, EXIT_ZONE, BARE = (175, 22), (180, 90), (100, 90)
# Wine's stand-in notification area must neither take the focus nor cover the board.
OPENBOX = """<openbox_config xmlns="http://openbox.org/3.4/rc"><applications>
<application title="Wine System Tray"><focus>no</focus>
<position force="yes"><x>-0</x><y>0</y></position></application></applications></openbox_config>"""


def wait_until(predicate, timeout=10, what="condition", quiet=False, interval=0.1):
    end = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > end:
            if quiet:
                return value
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)
    return value


def wine_loader(exe):  # wine, or wine64 for a 64-bit exe
    return subprocess.check_output([ROOT + "/scripts/wine-loader", exe], text=True).strip()


def private_prefix(folder, log_pixels=0):
    """A copy of the project's prefix, drive C: shared, with a wineserver (and focus) of its own;
    log_pixels, when given, is the display's DPI, read by Wine as it starts."""
    shared = os.environ.get("WINEPREFIX", os.path.expanduser("~/.cache/weighminder/wine"))
    prefix = shutil.copytree(shared, folder, ignore=lambda *_: ("drive_c", "dosdevices", "wineserver"))
    for name in ("drive_c", "dosdevices"):
        os.symlink(os.path.join(shared, name), os.path.join(prefix, name))
    if log_pixels:
        reg = pathlib.Path(prefix, "user.reg")
        desktop = r"(\[Control Panel\\\\Desktop\].*\n(#time=.*\n)?)"  # the section's head
        reg.write_text(re.sub(desktop, r'\g<1>"LogPixels"=dword:%08x\n' % log_pixels,
                              reg.read_text("latin-1"), 1), "latin-1")
    return prefix


def today():
    return int(time.strftime("%Y%m%d"))


def settings_text(winX=0, winY=0, startdate=None, **values):
    """weighminder.ini as the program writes it: twelve CRLF lines."""
    fields = dict(winX=winX, winY=winY, topmost=0, weightdatalen=0, targetweight=500, original=500,
                  height=150, limit=0, limit2=0, ninpu=0, risou=0)
    text = "".join("%s=%d\r\n" % kv for kv in dict(fields, **values).items())
    return (text + "startdate=%08d\r\n" % (startdate or today())).encode()


def log_text(entries, first=1):
    """taiju.dat for [(yyyymmdd, tenths), ...]: 23-byte records."""
    return "".join("%05d,%04d/%02d/%02d,%04d\r\n" % (i, d // 10000, d // 100 % 100, d % 100, w)
                   for i, (d, w) in enumerate(entries, first)).encode()


class Shot(collections.namedtuple("Shot", "raw origin")):  # the screen in RGB, the board's origin on it
    def at(self, x, y):  # board coordinates
        i = ((self.origin[1] + y) * W + self.origin[0] + x) * 3
        return tuple(self.raw[i:i + 3])

    def find(self, colour, x0, y0, x1, y1):
        return [(x, y) for y in range(y0, y1) for x in range(x0, x1) if self.at(x, y) == colour]


class BoardCase(unittest.TestCase):
    log_pixels = None  # the display's DPI for the class; None: the prefix's own (96)
    proc = None

    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.mkdtemp(prefix="wm-e2e-")
        r, w = os.pipe()  # Xvfb picks a free display and names it here
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % (W, H),
                                     "-nolisten", "tcp"], pass_fds=(w,), stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            cls.display = ":" + f.readline().strip()
        pathlib.Path(cls.home, "openbox.xml").write_text(OPENBOX)
        cls.wm = subprocess.Popen(["openbox", "--config-file", cls.home + "/openbox.xml"],
                                  env=dict(os.environ, DISPLAY=cls.display), stderr=subprocess.DEVNULL)
        cls.prefix = private_prefix(cls.home + "/wine", cls.log_pixels)
        cls.env = dict(os.environ, DISPLAY=cls.display, LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8",
                       WINEPREFIX=cls.prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree=;mshtml=")

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], env=cls.env, stderr=subprocess.DEVNULL)
        for proc in (cls.wm, cls.xvfb):
            proc.terminate()
            proc.wait()
        shutil.rmtree(cls.home, ignore_errors=True)

    def setUp(self):
        self.addCleanup(self.stop)
        self.fresh()

    def fresh(self):  # a new empty working folder
        self.stop()
        self.folder = tempfile.mkdtemp(dir=self.home)

    def put(self, ini=None, dat=None):  # the files given, in the working folder
        for name, data in (("weighminder.ini", ini), ("taiju.dat", dat)):
            if data is not None:
                pathlib.Path(self.path(name)).write_bytes(data)

    def start(self, ini=None, dat=None, wait=True, **launch):
        self.put(ini, dat)
        self.proc = self.launch(**launch)
        if wait:
            self.wait_board()

    def launch(self, *args, folder=None, exe=EXE, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        return subprocess.Popen([wine_loader(exe), exe, *map(str, args)], cwd=folder or self.folder, text=True,
                                env=env or self.env, stdout=stdout, stderr=stderr, start_new_session=True)

    def wait_board(self):
        self.wid = wait_until(lambda: self.windows("weighminder"), 30, "the board")[0]
        wait_until(lambda: self.shot().at(125, 0) == OLIVE, 10, "the board's first paint")
        self.xdo("windowfocus", "--sync", self.wid, check=False)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        return pathlib.Path(self.path(name)).read_bytes()

    def wine(self, *args, env=None):  # the probe, started in the working folder
        return self.launch(*args, exe=PROBE, env=env, stdout=subprocess.PIPE)

    def probe(self, *args, env=None):  # what it prints; it must end with 0
        return subprocess.run([wine_loader(PROBE), PROBE, *map(str, args)], cwd=self.folder, env=env or self.env,
                              stdout=subprocess.PIPE, text=True, check=True, timeout=60).stdout.strip()

    def enter(self, title, text, row=None):  # types the text into the dialog and presses OK (Return)
        self.dialog(title, row=row)
        self.type(text)
        self.closed(title, "Return")

    def xdo(self, *args, check=True):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, check=check, timeout=30).stdout.decode()

    def windows(self, title):
        found = self.xdo("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
        return [int(w) for w in found.split()]

    def geometry(self, wid):
        """x, y, width and height of a window's inside on the screen, past any frame."""
        info = subprocess.check_output(["xwininfo", "-id", str(wid)], env=self.env, text=True)
        return [int(re.search(key + r":\s*(-?\d+)", info).group(1))
                for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]

    def origin(self):  # the board's point (0, 0) on the screen: inside Wine's 3-pixel frame
        return tuple(v + 3 for v in self.geometry(self.wid)[:2])

    def shot(self, origin=None):  # origin (0, 0): screen coordinates
        raw = subprocess.check_output(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env)
        return Shot(raw, origin or self.origin())

    def wait_shot(self, good, what, timeout=5):
        return wait_until(lambda: next(filter(good, [self.shot()]), None), timeout, what)

    def click(self, x, y, button=1, screen=False):
        ox, oy = (0, 0) if screen else self.origin()
        self.xdo("mousemove", ox + x, oy + y, "sleep", "0.1", "click", button, "sleep", "0.3")

    def key(self, *keys):
        self.xdo("key", "--delay", "100", *keys, "sleep", "0.3")

    def type(self, text):
        self.xdo("type", "--delay", "60", text)  # takes every argument after it as text
        time.sleep(0.2)

    def menu(self, item, at=BARE):
        """Chooses a popup-menu command by its row, 1 (体重入力) to 9 (終了)."""
        def opened():  # a click lost while the board is still busy is clicked again
            self.xdo("windowfocus", "--sync", self.wid, "mousemove", "--window", self.wid, 1, 1, check=False)
            self.click(*at, button=3)  # the menu opens above and right of the pointer
            return wait_until(lambda: self.shot().at(at[0] + 2, at[1] - 3) == WHITE, 5, quiet=True)
        wait_until(opened, 30, "the popup menu", interval=0)
        self.key(*["Down"] * item, "Return")

    def dialog(self, title, *keys, row=None, timeout=30):
        """Chooses the menu row if given, waits for a window with this title, gives it the keyboard, presses keys."""
        if row:
            self.menu(row)
        wid = wait_until(lambda: self.windows(title), timeout, title)[0]

        def focused():
            self.xdo("windowactivate", wid, check=False)
            return self.xdo("getwindowfocus", check=False).strip() == str(wid)
        wait_until(focused, 10, "focus on " + title)
        time.sleep(0.3)
        if keys:
            self.key(*keys)

    def closed(self, title, *keys):
        """Presses the keys, then waits until no window has this title."""
        if keys:
            self.key(*keys)
        wait_until(lambda: not self.windows(title), 10, title + " closed")

    def answer(self, title, *keys, row=None, timeout=30):  # as dialog, then waits until it has closed
        self.dialog(title, *keys, row=row, timeout=timeout)
        self.closed(title)
