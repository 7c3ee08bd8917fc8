"""End-to-end harness: drives the real weighminder.exe under Wine in Xvfb.

Standard library only. Each test file builds on `BoardTestCase`:

    class Chart(harness.BoardTestCase):
        def test_points(self):
            board = self.start_board(ini=harness.settings_text(weightdatalen=1),
                                     dat=harness.log_text([(20100501, 523)]))
            shot = board.screenshot()
            self.assertEqual(shot.board_pixel(119, 40), (255, 128, 128))

One Xvfb with openbox serves a whole test file (class); every test starts
the widget afresh in its own working folder. Board coordinates are the
window's client coordinates, as the program itself uses them.

Environment:
  WM_EXE        path of weighminder.exe (default: build/win32/weighminder.exe)
  WINEPREFIX    Wine prefix (default: the one scripts/wine-exec uses)
  WM_E2E_SHOTS  folder that receives a screenshot of each failing test
"""

import faulthandler
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_EXE = os.path.join(ROOT, "build", "win32", "weighminder.exe")
SCREEN_W, SCREEN_H = 1024, 768
# Width of the dialog frame that Wine gives WS_DLGFRAME (SM_CXDLGFRAME).
FRAME = 3
CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"

# Colours of the board, as (red, green, blue).
BOARD_GREEN = (0, 64, 0)
WEIGHT_YELLOW = (255, 255, 0)
TARGET_ORANGE = (255, 128, 64)
MARKER_PINK = (255, 128, 128)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class HarnessError(Exception):
    pass


def _die_with_parent():
    """Run in each child before it starts: the kernel ends it when the test
    process ends, however that happens (a timeout's kill included)."""
    try:
        import ctypes
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except (OSError, AttributeError):
        pass


def wait_until(predicate, timeout=10.0, interval=0.1, what="condition"):
    """Polls predicate until it returns a true value, which is returned."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise HarnessError("timed out waiting for " + what)
        time.sleep(interval)


# ---------------------------------------------------------------- files


def settings_text(winX=0, winY=0, topmost=0, weightdatalen=0, targetweight=500, original=500,
                  height=150, limit=0, limit2=0, ninpu=0, risou=0, startdate=None):
    """The twelve CRLF lines of weighminder.ini, as the program writes them."""
    if startdate is None:
        t = time.localtime()
        startdate = t.tm_year * 10000 + t.tm_mon * 100 + t.tm_mday
    fields = [("winX", winX), ("winY", winY), ("topmost", topmost),
              ("weightdatalen", weightdatalen), ("targetweight", targetweight),
              ("original", original), ("height", height), ("limit", limit),
              ("limit2", limit2), ("ninpu", ninpu), ("risou", risou)]
    text = "".join("%s=%d\r\n" % f for f in fields)
    text += "startdate=%08d\r\n" % startdate
    return text.encode("ascii")


def log_text(entries):
    """taiju.dat for [(yyyymmdd, tenths), ...]: 23-byte records."""
    out = []
    for i, (date, weight) in enumerate(entries):
        out.append("%05d,%04d/%02d/%02d,%04d\r\n" % (
            i + 1, date // 10000, date % 10000 // 100, date % 100, weight))
    return "".join(out).encode("ascii")


def today_yyyymmdd():
    t = time.localtime()
    return t.tm_year * 10000 + t.tm_mon * 100 + t.tm_mday


# ---------------------------------------------------------------- screen


class Screenshot:
    """An RGB capture of the whole screen, plus the board origin at capture."""

    def __init__(self, png_path, width, height, rgb, origin):
        self.png_path = png_path
        self.width = width
        self.height = height
        self.rgb = rgb
        self.origin = origin

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise HarnessError("pixel (%d, %d) is off the screen" % (x, y))
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def board_pixel(self, x, y):
        return self.pixel(self.origin[0] + x, self.origin[1] + y)

    def board_region(self, x0, y0, x1, y1):
        """Pixels of the board rectangle x0 <= x < x1, y0 <= y < y1, as a dict."""
        return {(x, y): self.board_pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)}

    def count(self, x0, y0, x1, y1, colour, tolerance=0):
        """How many board pixels in the rectangle match colour (per channel)."""
        n = 0
        for y in range(y0, y1):
            for x in range(x0, x1):
                p = self.board_pixel(x, y)
                if all(abs(p[c] - colour[c]) <= tolerance for c in range(3)):
                    n += 1
        return n

    def find(self, x0, y0, x1, y1, colour, tolerance=0):
        """Board points in the rectangle that match colour."""
        found = []
        for y in range(y0, y1):
            for x in range(x0, x1):
                p = self.board_pixel(x, y)
                if all(abs(p[c] - colour[c]) <= tolerance for c in range(3)):
                    found.append((x, y))
        return found


def capture(display, png_path):
    env = dict(os.environ, DISPLAY=display)
    subprocess.run(["import", "-window", "root", png_path], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    raw = subprocess.run([CONVERT, png_path, "-depth", "8", "rgb:-"], check=True,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=30).stdout
    if len(raw) != SCREEN_W * SCREEN_H * 3:
        raise HarnessError("unexpected capture size %d" % len(raw))
    return raw


# ---------------------------------------------------------------- X session


# Wine shows a stand-in notification area (no panel runs here). It must not
# take the keyboard focus from the board, nor cover it: top right it goes.
OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <applications>
    <application title="Wine System Tray">
      <focus>no</focus>
      <position force="yes"><x>-0</x><y>0</y></position>
    </application>
  </applications>
</openbox_config>
"""


class XSession:
    """Xvfb on a free display number (100 or above) with openbox running;
    log_pixels sets the display's DPI in its Wine prefix."""

    def __init__(self, log_pixels=None):
        self.xvfb = None
        self.wm = None
        self.wm_config = None
        self.home = None
        self.prefix = None
        self.display = None
        for number in range(100 + os.getpid() % 50, 400):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            proc = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", "%dx%dx24" % (SCREEN_W, SCREEN_H),
                 "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
            socket = "/tmp/.X11-unix/X%d" % number
            try:
                wait_until(lambda: proc.poll() is not None or os.path.exists(socket), 10,
                           what="Xvfb")
            except HarnessError:
                proc.kill()
                continue
            if proc.poll() is None:
                self.xvfb = proc
                self.display = ":%d" % number
                break
        if self.xvfb is None:
            raise HarnessError("no free X display")
        self.home = tempfile.mkdtemp(prefix="wm-e2e-session-")
        self.prefix = make_private_prefix(os.path.join(self.home, "wine"))
        if log_pixels:
            set_log_pixels(self.prefix, log_pixels)
        self.wm_config = os.path.join(self.home, "openbox.xml")
        with open(self.wm_config, "w") as f:
            f.write(OPENBOX_CONFIG)
        self.wm = subprocess.Popen(["openbox", "--config-file", self.wm_config],
                                   env=dict(os.environ, DISPLAY=self.display),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   preexec_fn=_die_with_parent)
        time.sleep(0.5)

    def xdo(self, *args, check=True):
        env = dict(os.environ, DISPLAY=self.display)
        r = subprocess.run(["xdotool"] + [str(a) for a in args], env=env, timeout=30,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if check and r.returncode != 0:
            raise HarnessError("xdotool %s failed" % " ".join(str(a) for a in args))
        return r.stdout.decode("utf-8", "replace")

    def pointer(self):
        out = self.xdo("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        """Moves the pointer to a screen point (xdotool's --sync would wait
        forever for a move to where the pointer already is)."""
        if self.pointer() != (x, y):
            self.xdo("mousemove", "--sync", x, y)
        time.sleep(0.1)

    def windows(self, name):
        """Ids of visible windows whose title matches the regular expression."""
        out = self.xdo("search", "--onlyvisible", "--name", name, check=False)
        return [int(w) for w in out.split()]

    def window_title(self, wid):
        return self.xdo("getwindowname", wid, check=False).strip()

    def window_geometry(self, wid):
        """(x, y, width, height) of an X window's inside on the screen
        (xwininfo translates through the window manager's frames)."""
        out = subprocess.run(["xwininfo", "-id", str(wid)], timeout=30,
                             env=dict(os.environ, DISPLAY=self.display),
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.decode()
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        try:
            return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                    int(values["Width"]), int(values["Height"]))
        except (KeyError, ValueError):
            raise HarnessError("no geometry for window %s" % wid)

    def wait_window(self, name, timeout=15):
        return wait_until(lambda: (self.windows(name) or [None])[0], timeout,
                          what="window " + name)

    def wait_no_window(self, name, timeout=10):
        wait_until(lambda: not self.windows(name), timeout, what="no window " + name)

    def close(self):
        if self.prefix:
            subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=self.prefix),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        if self.home:
            shutil.rmtree(self.home, ignore_errors=True)
        for proc in (self.wm, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()


# ---------------------------------------------------------------- the widget


def shared_prefix():
    """The project's Wine prefix, the one scripts/wine-exec uses."""
    return os.environ.get("WINEPREFIX", os.path.expanduser("~/.cache/weighminder/wine"))


def ensure_shared_prefix():
    """Makes the project's prefix if it is missing (quick when it is there)."""
    prefix = shared_prefix()
    subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix")],
                   env=dict(os.environ, WINEPREFIX=prefix),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    return prefix


def make_private_prefix(folder):
    """A prefix of our own beside the shared one: its registry copied, its
    C: drive the shared one. Its own wineserver keeps the focus and the
    foreground window of this session apart from any other Wine program
    running at the same time, and lets us end it with wineserver -k."""
    shared = ensure_shared_prefix()
    os.makedirs(os.path.join(folder, "dosdevices"))
    for name in ("system.reg", "user.reg", "userdef.reg", ".update-timestamp"):
        if os.path.exists(os.path.join(shared, name)):
            shutil.copy(os.path.join(shared, name), os.path.join(folder, name))
    os.symlink(os.path.join(shared, "drive_c"), os.path.join(folder, "drive_c"))
    os.symlink("../drive_c", os.path.join(folder, "dosdevices", "c:"))
    os.symlink("/", os.path.join(folder, "dosdevices", "z:"))
    return folder


def set_log_pixels(prefix, dpi):
    """Sets the display's DPI for the user of a prefix whose Wine is not running yet."""
    path = os.path.join(prefix, "user.reg")
    with open(path, encoding="utf-8", errors="surrogateescape") as f:
        text = re.sub(r'(\[Control Panel\\\\Desktop\].*\n(#time=.*\n)?)',
                      r'\g<1>"LogPixels"=dword:%08x\n' % dpi, f.read(), 1)
    with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write(text)


def wine_loader(exe):
    """wine, or wine64 for a 64-bit exe (scripts/wine-loader decides)."""
    return subprocess.run([os.path.join(ROOT, "scripts", "wine-loader"), exe],
                          capture_output=True, text=True).stdout.strip()


def wine_env(display, prefix):
    env = dict(os.environ)
    env["DISPLAY"] = display
    env["LANG"] = "ja_JP.UTF-8"
    env["LC_ALL"] = "ja_JP.UTF-8"
    env["WINEPREFIX"] = prefix
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "mscoree=;mshtml="
    return env


class Board:
    """One running weighminder.exe in its own working folder."""

    def __init__(self, session, folder, exe):
        self.session = session
        self.folder = folder
        self.exe = exe
        self.proc = None
        self.wid = None
        self.shots = 0

    # --- life

    def start(self, wait=True):
        env = wine_env(self.session.display, self.session.prefix)
        self.log = open(os.path.join(tempfile.gettempdir(), "wm-e2e-wine-%d.log" % os.getpid()),
                        "ab")
        self.proc = subprocess.Popen([wine_loader(self.exe), self.exe], cwd=self.folder, env=env,
                                     stdout=self.log, stderr=self.log, start_new_session=True,
                                     preexec_fn=_die_with_parent)
        if wait:
            self.wait_board()
        return self

    def wait_board(self, timeout=30):
        """Waits until the board window is mapped and painted."""
        def board_or_death():
            if not self.running():
                raise HarnessError("weighminder ended (%s) before its window showed; see %s" %
                                   (self.proc.returncode, self.log.name))
            return (self.session.windows("^weighminder$") or [None])[0]

        self.wid = wait_until(board_or_death, timeout, what="the board window")
        # The first paint follows the mapping; give it a moment.
        time.sleep(0.8)
        # Wine's stand-in notification area may have taken the focus from it.
        self.focus_board()
        return self.wid

    def focus_board(self):
        """Gives the board the keyboard focus, as a click on it would."""
        self.session.xdo("windowfocus", "--sync", self.wid, check=False)
        time.sleep(0.2)

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError("weighminder did not end")

    def stop(self):
        """Ends the program without letting it save (test clean-up)."""
        if self.proc is None:
            return
        self.log.close()
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                pass
        self.proc = None

    # --- files

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def exists(self, name):
        return os.path.exists(self.path(name))

    # --- geometry

    def window_origin(self):
        x, y, _, _ = self.session.window_geometry(self.wid)
        return x, y

    def origin(self):
        """Screen position of board point (0, 0): the window's client area."""
        x, y = self.window_origin()
        return x + FRAME, y + FRAME

    def to_screen(self, x, y):
        ox, oy = self.origin()
        return ox + x, oy + y

    # --- input

    def move(self, x, y):
        sx, sy = self.to_screen(x, y)
        self.session.move_pointer(sx, sy)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.session.xdo("click", button)
        time.sleep(0.3)

    def press(self, x, y, button=1):
        self.move(x, y)
        self.session.xdo("mousedown", button)
        time.sleep(0.1)

    def release(self, button=1):
        self.session.xdo("mouseup", button)
        time.sleep(0.3)

    def key(self, *keys):
        """Presses keys by their X names (Left, Right, Return, Escape, alt+F4...)."""
        for k in keys:
            self.session.xdo("key", k)
            time.sleep(0.15)
        time.sleep(0.2)

    def type_text(self, text):
        self.session.xdo("type", "--delay", "60", text)
        time.sleep(0.2)

    # --- the notification icon (Wine shows it in a window of its own)

    def click_tray_icon(self, button=1):
        """Clicks the first icon in Wine's stand-in notification area."""
        tray = self.session.wait_window("^Wine System Tray$")
        x, y, _, _ = self.session.window_geometry(tray)
        self.session.move_pointer(x + 10, y + 10)
        self.session.xdo("click", button)
        time.sleep(0.4)

    # --- dialogs and message boxes

    def wait_dialog(self, title, timeout=10):
        """Waits for a top-level window with exactly this title."""
        return self.session.wait_window("^%s$" % title, timeout)

    def dialog_open(self, title):
        return bool(self.session.windows("^%s$" % title))

    def wait_dialog_closed(self, title, timeout=10):
        self.session.wait_no_window("^%s$" % title, timeout)

    def focus(self, wid):
        self.session.xdo("windowactivate", "--sync", wid, check=False)
        time.sleep(0.2)

    # --- screen

    def screenshot(self, name=None):
        self.shots += 1
        png = self.path("_screen%d.png" % self.shots if name is None else name)
        raw = capture(self.session.display, png)
        origin = self.origin() if self.wid is not None else (0, 0)
        return Screenshot(png, SCREEN_W, SCREEN_H, raw, origin)

    def wait_pixels(self, predicate, timeout=5, what="pixels"):
        """Takes screenshots until predicate(shot) holds; returns that shot."""
        found = []

        def attempt():
            shot = self.screenshot("_wait.png")
            if predicate(shot):
                found.append(shot)
                return True
            return False

        wait_until(attempt, timeout, 0.2, what)
        return found[0]


# ---------------------------------------------------------------- test case


class BoardTestCase(unittest.TestCase):
    """One X session per test class; one fresh folder and program per test."""

    session = None
    log_pixels = None # the display's DPI for the class; None: the prefix's own (96)

    @classmethod
    def setUpClass(cls):
        cls.exe = os.path.abspath(os.environ.get("WM_EXE", DEFAULT_EXE))
        if not os.path.exists(cls.exe):
            raise unittest.SkipTest("weighminder.exe is not built: " + cls.exe)
        cls.session = XSession(cls.log_pixels)

    @classmethod
    def tearDownClass(cls):
        if cls.session:
            cls.session.close()
            cls.session = None

    def setUp(self):
        self.boards = []
        self.folder = tempfile.mkdtemp(prefix="wm-e2e-")

    def tearDown(self):
        failed = self._failed()
        for board in self.boards:
            if failed:
                self._keep_screenshot(board)
                failed = False
            board.stop()
        # Give wine a moment to let go of the folder before it goes.
        shutil.rmtree(self.folder, ignore_errors=True)

    def _failed(self):
        # The result records a failure or error as soon as the test body ends.
        result = getattr(getattr(self, "_outcome", None), "result", None)
        if result is None:
            return False
        return any(test is self for test, _ in result.failures + result.errors)

    def _keep_screenshot(self, board):
        target = os.environ.get("WM_E2E_SHOTS", tempfile.gettempdir())
        try:
            os.makedirs(target, exist_ok=True)
            png = os.path.join(target, "%s.png" % self.id())
            subprocess.run(["import", "-window", "root", png],
                           env=dict(os.environ, DISPLAY=self.session.display), timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            print("\nscreenshot of the failure: " + png)
        except (OSError, subprocess.SubprocessError):
            pass

    def start_board(self, ini=None, dat=None, extra_files=None, wait=True):
        """Writes the given files (bytes) into the test's folder and starts the widget."""
        files = dict(extra_files or {})
        if ini is not None:
            files["weighminder.ini"] = ini
        if dat is not None:
            files["taiju.dat"] = dat
        for name, data in files.items():
            with open(os.path.join(self.folder, name), "wb") as f:
                f.write(data)
        board = Board(self.session, self.folder, self.exe)
        self.boards.append(board)
        return board.start(wait)


def main():
    # A test file that hangs says where, before ctest's timeout ends it.
    faulthandler.dump_traceback_later(int(os.environ.get("WM_E2E_WATCHDOG", "240")), exit=True)
    unittest.main(verbosity=2)
