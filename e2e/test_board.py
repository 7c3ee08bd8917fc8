"""The board: start and the ways out, the chart at each span, the read-out with the arrow keys,
the trend, the keys, typing that keeps the focus and what a screen reader hears (dragging:
test_dpi). Expected points come from the chart's scaling rules worked by hand: y from the
weights in view, x from the span."""

import time

import harness
from harness import EXIT_ZONE, ORANGE, PINK, WHITE, YELLOW, log_text, settings_text, wait_until

# Three entries, then the seven of the worked example: its points at span 7.
LOG = [(20100501 + i, w) for i, w in enumerate([560, 540, 530, 523, 521, 524, 518, 515, 517, 512])]
MARKER = {7: 8, 30: 6, 90: 4, 360: 4}  # the dot's width at each span
# A week at 60.0 kg in April, then one from 52.3 down to 51.2 in May: at span
# 7 the trend runs from 59.2 down to 55.7 kg, high above the weights.
TREND_LOG = [(20100401 + i, 600) for i in range(7)] + \
    [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
TREND_POINTS, CYAN = [(5, 14), (24, 18), (43, 22), (62, 26), (81, 30), (100, 33)], (128, 255, 255)


def chart_y(view, w, target=500):
    high, low = max(view) + 5, min(view) - 5  # margins, widened to hold the target, then 7 below
    high, low = (target + 5 if target > high else high), (target - 5 if target < low else low) - 7
    return 80 - (w - low) * 70000 // (high - low) // 1000


def chart_x(span, m):
    return 115000 // (span - 1) * m // 1000 + 5


class Board(harness.BoardCase):
    def test_each_way_out_saves_the_settings_and_the_board_stays_on_the_screen(self):  # a first start: 30-release
        # Saved places and where the board stands: as saved, and kept on the 1024 x 768 screen.
        for way_out, saved, place in ((lambda: self.click(*EXIT_ZONE), (150, 160), (150, 160)),
                                      (lambda: self.menu(9), (-40, 5000), (0, 662)),
                                      (lambda: self.key("alt+F4"), (5000, -7), (768, 0))):
            self.start(b"winX=%d\r\nwinY=%d\r\nheight=170\r\nstartdate=20100508\r\n" % saved)
            self.assertEqual(self.origin(), place)
            way_out()
            self.assertEqual(self.proc.wait(15), 0)
            self.assertEqual(self.read("weighminder.ini"),
                             settings_text(winX=place[0], winY=place[1], height=170, startdate=20100508))

    def test_chart_at_each_span_then_the_read_out_following_the_click_and_the_arrow_keys(self):
        self.start(settings_text(winX=100, winY=80, weightdatalen=10, height=160), harness.log_text(LOG))
        minus, plus = (40, 85), (80, 85)
        for button, span in [(None, 7), (minus, 30), (minus, 90), (minus, 360), (minus, 360),
                             (plus, 90), (plus, 30), (plus, 7), (plus, 7)]:
            if button:
                self.click(*button)
            view = [w for _, w in LOG[-span:]]
            points = [(chart_x(span, m), chart_y(view, w)) for m, w in enumerate(view)]
            (xn, yn), target = points[-1], chart_y(view, 500)
            bare = [(x, y) for x, y in points[:-1] if abs(x - xn) > 4 or abs(y - yn) > 4]
            # The line's points, once the click's repaint has landed.
            shot = self.wait_shot(lambda s: {s.at(x, y) for x, y in bare} == {YELLOW}, "span %d" % span)
            dot = [x for x, _ in shot.find(PINK, 0, yn, 130, yn + 1)]
            self.assertEqual(len(dot), MARKER[span], span)
            self.assertTrue(min(dot) <= xn <= max(dot), (span, dot))
            self.assertLessEqual(max(x for x, _ in shot.find(YELLOW, 0, 5, 130, 72)), xn + 2)
            # The target line spans x = 5 ... 119 whatever the span.
            self.assertEqual([shot.at(x, target) for x in (3, 5, 60, 118, 122)],
                             [(0, 64, 0), ORANGE, ORANGE, ORANGE, (0, 64, 0)], span)
        self.assertFalse(self.shot().find(WHITE, 0, 0, 130, 30))  # no read-out
        # (key, first entry in view, entry read out): Right stops at the newest
        # entry, Left at the left edge shows older ones until the oldest.
        steps = ([("click", 3, 4)] + [("Right", 3, e) for e in (5, 6, 7, 8, 9, 9)] +
                 [("Left", 3, e) for e in (8, 7, 6, 5, 4, 3)] + [("Left", f, f) for f in (2, 1, 0, 0)] +
                 [("Right", 0, e) for e in (1, 2, 3, 4, 5, 6)] + [("Right", 1, 7)])
        texts = {}  # the read-out's white pixels, row by row, of each entry drawn alone as the board draws it
        drawn = lambda text: [tuple(map(int, p.split(","))) for p in self.probe("text", text).split()]
        for key, first, entry in steps:
            self.click(30, 50) if key == "click" else self.key(key)
            view = [w for _, w in LOG[first:first + 7]]
            x, y = chart_x(7, entry - first), chart_y(view, LOG[entry][1])
            # The lower half of the 8-pixel dot, clear of the text above it.
            dot = [(x + dx, y + dy) for dx, dy in [(0, 3), (-3, 2), (2, 2), (-2, 3)]]
            shot = self.wait_shot(lambda s: {s.at(*p) for p in dot} == {PINK}, "%s to %d" % (key, entry))
            date, w = LOG[entry]
            text = "'%d/%d/%d %d.%dkg" % (date // 10000 - 2000, date // 100 % 100, date % 100, *divmod(w, 10))
            texts[text] = texts.get(text) or drawn(text)
            self.assertEqual(shot.find(WHITE, 0, 0, 130, 30), texts[text], text)

    def test_trend_switched_on_and_off_from_the_menu_and_saved(self):
        ini = settings_text(winX=200, winY=150, weightdatalen=14, height=160)
        self.start(ini, log_text(TREND_LOG))
        self.assertEqual(self.shot().find(CYAN, 0, 0, 125, 85), [])
        self.menu(7)
        shot = self.wait_shot(lambda s: s.at(5, 14) == CYAN, "the trend")
        self.assertEqual([shot.at(x, y) for x, y in TREND_POINTS], [CYAN] * 6)
        self.assertEqual(self.read("weighminder.ini"), ini + b"trend=1\r\n")
        self.menu(7)
        wait_until(lambda: not self.shot().find(CYAN, 0, 0, 125, 85), what="no trend")
        self.assertEqual(self.read("weighminder.ini"), ini)

    def test_keys_do_what_the_mouse_does_typing_keeps_the_focus_and_a_screen_reader_hears_the_board(self):
        self.start(settings_text(winX=100, winY=80, weightdatalen=10, height=160), log_text(LOG))
        self.assertEqual(int(self.probe("style"), 16) & 8, 8)  # WS_EX_TOPMOST, on while topmost=0
        t = time.localtime()
        today = "、%d月%d日(%s)" % (t.tm_mon, t.tm_mday, "月火水木金土日"[t.tm_wday])
        def hears(text):  # the board's accessible object: role graphic, its name and value
            wait_until(lambda: self.wine("access").communicate(timeout=60)[0] == "40|weighminder|%s\n" % text, 20, text)
        hears("体重 51.2 kg、前回から −0.5 kg、BMI 20.0" + today)
        watch = self.wine("watch", 3000)
        self.assertEqual(watch.stdout.readline(), "ready\n")
        # Keys, and the read-out they lead to: the first or the last entry in view at span 7 or 30.
        read_out = "グラフ 2010年5月%s kg、体重 51.2 kg、前回から −0.5 kg、BMI 20.0" + today
        for keys, entry in [(["End"], "10日 51.2"), (["Home"], "4日 52.3"), (["Escape"], None),
                            (["minus", "Home"], "1日 56.0"), (["KP_Add", "Home"], "4日 52.3"),
                            (["KP_Subtract", "Home"], "1日 56.0"), (["plus", "Home"], "4日 52.3")]:
            self.key(*keys)
            hears(read_out % entry if entry else read_out[read_out.index("体重"):])
        self.assertGreaterEqual(int(watch.communicate(timeout=60)[0]), 3)  # announced as it changed
        self.key("Return")  # weight entry: typing there keeps the focus while the board follows each key
        self.dialog("体重入力")
        dialog = self.windows("体重入力")[0]
        for _ in range(5):
            self.xdo("key", "--delay", "40", *["9", "BackSpace"] * 5)
            self.assertEqual(self.xdo("getwindowfocus").strip(), str(dialog))
        self.enter("体重入力", "49.9")  # the value after the weighing: the fifty keys before all arrived
        hears("体重 49.9 kg、前回から −1.3 kg、BMI 19.4" + today)
        def corner_menu():  # the board made active again (X focus alone leaves Wine's elsewhere); a
            if self.probe("menu") != "1":  # key sent before Wine had it is sent again
                self.xdo("windowactivate", "--sync", self.wid, check=False)
                self.key("shift+F10")  # the menu, down from the board's corner: row 1 is weight entry
            return wait_until(lambda: self.shot().at(2, 2) == WHITE, 5, quiet=True)
        wait_until(corner_menu, 30, "the menu at the corner", interval=0)
        self.key("Down", "Return")
        self.answer("体重入力", "Escape")


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
