"""The board and its dialogs at 96, 144 and 192 DPI (the prefix's LogPixels): at 144 and 192 DPI
the board is the 96-DPI board enlarged twice, pixel for pixel, after each click; zones, drag and
dialog buttons work as at 96 DPI, and each dialog text's ink is as wide as at 96 DPI grown with
the DPI: whole, not cut."""

import os
import re

import harness
from harness import wait_until

ENTRIES = [(20240501 + i, w) for i, w in enumerate([653, 660, 650, 648, 655, 661, 640, 652, 649])]
INI = harness.settings_text(winX=40, winY=60, weightdatalen=9, height=170, limit=1, risou=1)
FACE = range(210, 240), range(64, 92)  # drawn at random at each start
SEEN = {}  # what the 96-DPI class saw: the oracle of the others

# Each dialog's texts: (text, a push button?, place in dialog units), from the resource script.
RC = "".join(open(os.path.join(harness.ROOT, "res", n), encoding="utf-8").read()
             for n in ("dialogs.rc", "shell.rc"))
DIALOGS = {m.group(1): [
    (t.group(1), "PUSHBUTTON" in t.group(0), [int(v) for v in t.group(2, 3, 4, 5)])
    for t in re.finditer(r'\w+ "([^"]+)", [-\w]+, (?:"\w+", [\w |]+, )?(\d+), (\d+), (\d+), (\d+)',
                         m.group(2))]
    for m in re.finditer(r'DIALOG(?:EX)? 0, 0, \d+, \d+\n(?:.*\n)*?CAPTION "(.+)"\n((?:.*\n)*?)END', RC)}
IN_FRONT = "常に手前に表示(一旦終了後に有効）"  # ticked while topmost=0


def chalk(name):  # a 16 x 22 picture of res/, rows of (r, g, b)
    raw = open(os.path.join(harness.ROOT, "res", name), "rb").read()[54:]
    return [[tuple(raw[(21 - y) * 48 + x * 3:][:3][::-1]) for x in range(16)] for y in range(22)]


DIGITS = [{(x, y): chalk("digit_%d.bmp" % n)[y][x] for y in range(22) for x in range(16)
           if chalk("digit_%d_mask.bmp" % n)[y][x] == (0, 0, 0)} for n in range(10)]
# At 96 DPI the start is held to its own expectations: the weight 64.9's chalk digits where the
# board puts them (at 115, 8, right-aligned, the 9 after the point), its frame and its green.
START = [(132, 8, 6), (149, 8, 4), (171, 9, 9)], [harness.OLIVE, harness.OLIVE, (0, 64, 0)]


class Scaled:
    """The cases, run at the class's DPI (log_pixels) and board scale k."""

    def at(self, x, y):  # the last window pixel of board pixel (x, y)'s block
        return x * self.k + self.k - 1, y * self.k + self.k - 1

    def tap(self, x, y):
        self.click(*self.at(x, y))

    def check_board(self, step, before=None):
        """The board is the 96-DPI board of this step, enlarged; at 96 DPI, changed by the step."""
        k = self.k

        def wrong(shot):
            if k == 1:
                SEEN[step] = {(x, y): shot.at(x, y) for x in range(250) for y in range(100)}
                if before is None:
                    digits = sorted((x, y, n) for n in range(10) for y in range(40) for x in range(105, 225)
                                    if all(shot.at(x + dx, y + dy) == c for (dx, dy), c in DIGITS[n].items()))
                    return [] if (digits, [shot.at(*p) for p in ((125, 0), (249, 50), (100, 40))]) == START else [0]
                return [] if SEEN[step] != SEEN[before] else ["unchanged"]
            beside = shot.at(250 * k + 20, 50 * k)  # the frame is cut away
            return [(x, y) for y in range(100 * k) for x in range(250 * k + 3)
                    if not (x // k in FACE[0] and y // k in FACE[1])
                    and shot.at(x, y) != SEEN[step].get((x // k, y // k), beside)]

        wait_until(lambda: not wrong(self.shot()), 20, step)

    def test_board_enlarged_clicks_and_drag_as_at_96_dpi(self):
        self.start(INI, harness.log_text(ENTRIES))
        self.check_board("start")
        self.tap(49, 94)  # the minus button's far corner: 30 entries
        self.check_board("wider", "start")
        self.tap(60, 40)  # the chart: the read-out of column 60
        self.check_board("read-out", "wider")
        self.tap(71, 76)  # plus: back to 7
        self.check_board("narrower", "read-out")
        ox, oy = self.origin()
        path = [(ox + x, oy + y) for x, y in [self.at(110 + d, 90 + d // 3) for d in (0, 1, 2, 3, 30, 60)]]
        self.xdo("mousemove", *path[0], "mousedown", 1, *[a for p in path[1:] for a in
                 ("mousemove", *p, "sleep", "0.1")], "mouseup", 1, "sleep", "0.5")
        moved = self.origin()  # by the pointer's travel since the third move took hold, exactly
        self.assertEqual(moved, (ox + path[-1][0] - path[3][0], oy + path[-1][1] - path[3][1]))
        self.tap(189, 99)  # EXIT, bottom right
        self.assertEqual(self.proc.wait(15), 0)
        self.assertIn(b"winX=%d\r\nwinY=%d\r\n" % moved, self.read("weighminder.ini"))

    def open(self, title, item):
        """Opens a dialog by the weight read-out (item 0) or a menu row; gives its dialog-unit map."""
        self.tap(131, 6) if item == 0 else self.menu(item, self.at(110, 90))
        self.dialog(title)
        ox, oy, w, h = self.geometry(self.windows(title)[0])
        if item == 0:  # the dialog's base units, from its size in dialog units
            self.base = round(w * 4 / 63), round(h * 8 / 43)
        return lambda x, y: (ox + (x * self.base[0] * 2 + 4) // 8, oy + (y * self.base[1] + 4) // 8)

    def texts_shown_whole(self, title, place):
        def cut(shot):  # the texts without ink, or narrower than at 96 DPI times the DPI
            for text, button, (x, y, w, h) in DIALOGS[title]:
                (left, top), (right, bottom) = place(x, y), place(x + w, y + h)
                inset = 4 * self.log_pixels // 96 if button else 0
                ink = [x for x in range(left + inset, right - inset)
                       for y in range(top + inset, bottom - inset) if max(shot.at(x, y)) < 200]
                width = ink and max(ink) - min(ink) + 1
                if self.k == 1:
                    SEEN[title, text, x, y] = width
                if not width or width < SEEN[title, text, x, y] * self.log_pixels / 96 * 0.97 - 3:
                    yield text

        wait_until(lambda: not list(cut(self.shot((0, 0)))), 5, "%s at %d DPI" % (title, self.log_pixels))

    def test_each_dialog_shows_its_texts_whole_and_its_buttons_work(self):
        self.start(INI, harness.log_text(ENTRIES))
        dat, ini = harness.log_text(ENTRIES), INI.replace(b"topmost=0", b"topmost=1")
        weighed = dat + harness.log_text([(harness.today(), 649)], 10), ini.replace(b"len=9", b"len=10")
        # (title, opened by the read-out (0) or a menu row, button clicked, files after)
        for title, item, button, files in [
                ("体重入力", 0, "ｷｬﾝｾﾙ", (dat, INI)), ("設定", 2, "ｷｬﾝｾﾙ", (dat, INI)),
                ("データ修正", 5, "キャンセル", (dat, INI)), ("データ修正", 5, "OK", (dat, INI)),
                ("バージョン", 8, "OK", (dat, INI)), ("設定", 2, "OK", (dat, ini)), ("体重入力", 1, "OK", weighed)]:
            place = self.open(title, item)
            self.texts_shown_whole(title, place)
            for name in ([IN_FRONT] if title == "設定" else []) + [button]:
                x, y, w, h = next(r for t, _, r in DIALOGS[title] if t == name)
                self.click(*place(x + w // 2, y + h // 2), screen=True)
            self.closed(title)
            self.assertEqual((self.read("taiju.dat"), self.read("weighminder.ini")), files, title + name)


# The names sort 96 DPI first: its board and texts are what the others are held to.
At096Dpi, At144Dpi, At192Dpi = (type("At%03dDpi" % d, (Scaled, harness.BoardCase), dict(log_pixels=d, k=k))
                                for d, k in ((96, 1), (144, 2), (192, 2)))


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
