"""The chart read-out: a click in the chart shows the date and weight of the
entry under the pointer in white outlined text at (25, 10) and moves the
marker there; the arrow keys step it from entry to entry and scroll the chart
at its left and right edges."""

import harness
from harness import MARKER_PINK

SEVEN = [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
SEVEN_POINTS = [(5, 21), (24, 24), (43, 19), (62, 29), (81, 34), (100, 31), (119, 40)]
TEXT_AREA = (20, 6, 130, 23)
STEP_X = [5, 24, 43, 62, 81, 100, 119]


def whitish(p):
    # The letters may be smoothed at their edges: their cores are near white.
    return min(p) >= 170


def text_pixels(shot):
    x0, y0, x1, y1 = TEXT_AREA
    return frozenset((x, y) for y in range(y0, y1) for x in range(x0, x1)
                     if whitish(shot.board_pixel(x, y)))


def chart_y(view, target, w):
    """Where the chart puts weight w, for the entries in view (flags off)."""
    high, low = max(view) + 5, min(view) - 5
    if target > high:
        high = target + 5
    if target < low:
        low = target - 5
    low -= 7
    return 80 - ((w - low) * 70000 // (high - low)) // 1000


class Readout(harness.BoardTestCase):
    def start_seven(self):
        return self.start_board(
            ini=harness.settings_text(winX=100, winY=80, weightdatalen=7, height=160),
            dat=harness.log_text(SEVEN))

    def assert_marker_at(self, shot, point):
        # The 8-pixel dot spans x - 4 .. x + 3 and y - 4 .. y + 3; its lower
        # part stays clear of the read-out text above it.
        x, y = point
        for dx, dy in [(0, 3), (-3, 2), (2, 2), (-2, 3)]:
            self.assertEqual(shot.board_pixel(x + dx, y + dy), MARKER_PINK, (point, dx, dy))

    def test_click_shows_the_entry_under_the_pointer(self):
        board = self.start_seven()
        self.assertFalse(text_pixels(board.screenshot()))
        board.click(30, 50) # column 30 belongs to entry 1
        shot = board.screenshot()
        text = text_pixels(shot)
        self.assertGreater(len(text), 30)
        # White letters with a black outline: black lies right beside them.
        left = min(x for x, _ in text)
        self.assertTrue(24 <= left <= 32, left)  # the apostrophe may be faint
        outlined = sum(1 for x, y in text if max(shot.board_pixel(x - 1, y)) <= 30)
        self.assertGreater(outlined, 10)
        self.assert_marker_at(shot, SEVEN_POINTS[1])
        self.assertNotEqual(shot.board_pixel(119, 40), MARKER_PINK)

    def test_arrow_keys_step_from_entry_to_entry_and_stop_at_the_ends(self):
        board = self.start_seven()
        board.click(30, 50)
        texts = {1: text_pixels(board.screenshot())}
        for entry in range(2, 7):
            board.key("Right")
            shot = board.screenshot()
            self.assert_marker_at(shot, SEVEN_POINTS[entry])
            texts[entry] = text_pixels(shot)
        board.key("Right") # the newest entry: nothing further to the right
        shot = board.screenshot()
        self.assert_marker_at(shot, SEVEN_POINTS[6])
        self.assertEqual(text_pixels(shot), texts[6])
        for entry in range(5, -1, -1):
            board.key("Left")
            shot = board.screenshot()
            self.assert_marker_at(shot, SEVEN_POINTS[entry])
            texts.setdefault(entry, text_pixels(shot))
            if entry in (1, 2):
                self.assertEqual(text_pixels(shot), texts[entry])
        board.key("Left") # seven entries fit the span: no scrolling
        self.assert_marker_at(board.screenshot(), SEVEN_POINTS[0])
        # Every entry reads differently.
        self.assertEqual(len(set(texts.values())), 7)

    def test_left_edge_scrolls_back_in_time_and_right_edge_forward(self):
        weights = [560, 540, 530, 520, 525, 518, 515, 517, 512, 510]
        entries = [(20100601 + i, w) for i, w in enumerate(weights)]
        board = self.start_board(
            ini=harness.settings_text(winX=100, winY=80, weightdatalen=10, height=160),
            dat=harness.log_text(entries))
        board.click(10, 50) # the oldest entry in view: entry 3
        self.assert_marker_at(board.screenshot(), (5, chart_y(weights[3:10], 500, weights[3])))
        # Each Left at the edge shows one older entry, down to the oldest.
        for first in (2, 1, 0):
            board.key("Left")
            view = weights[first:first + 7]
            shot = board.screenshot()
            self.assert_marker_at(shot, (5, chart_y(view, 500, weights[first])))
            # The newest entry in view is drawn at the right end.
            self.assertEqual(shot.board_pixel(119, chart_y(view, 500, view[-1])),
                             harness.WEIGHT_YELLOW)
        board.key("Left") # nothing older
        self.assert_marker_at(board.screenshot(), (5, chart_y(weights[0:7], 500, weights[0])))
        # To the right edge, then one more: the chart scrolls one entry newer.
        for _ in range(6):
            board.key("Right")
        self.assert_marker_at(board.screenshot(), (119, chart_y(weights[0:7], 500, weights[6])))
        board.key("Right")
        view = weights[1:8]
        self.assert_marker_at(board.screenshot(), (119, chart_y(view, 500, weights[7])))


if __name__ == "__main__":
    harness.main()
