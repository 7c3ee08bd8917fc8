"""The chart on the real board: the worked seven-entry example, and the span
buttons changing how many entries are drawn."""

import harness
from harness import MARKER_PINK, TARGET_ORANGE, WEIGHT_YELLOW, BOARD_GREEN

SEVEN = [(20100501 + i, w) for i, w in enumerate([523, 521, 524, 518, 515, 517, 512])]
# Where the example's points lie: (x, y) for entries 0 .. 6.
SEVEN_POINTS = [(5, 21), (24, 24), (43, 19), (62, 29), (81, 34), (100, 31), (119, 40)]


def yellow_rows(shot, x, y0=5, y1=85):
    return [y for y in range(y0, y1) if shot.board_pixel(x, y) == WEIGHT_YELLOW]


def pink_columns(shot, y, x0=90, x1=135):
    return [x for x in range(x0, x1) if shot.board_pixel(x, y) == MARKER_PINK]


class SevenEntryChart(harness.BoardTestCase):
    def test_points_target_line_and_marker(self):
        board = self.start_board(
            ini=harness.settings_text(winX=100, winY=80, weightdatalen=7, height=160,
                                      targetweight=500),
            dat=harness.log_text(SEVEN))
        shot = board.screenshot()
        # The weight line passes through every point; the newest one wears the marker.
        for x, y in SEVEN_POINTS[:-1]:
            self.assertEqual(shot.board_pixel(x, y), WEIGHT_YELLOW, (x, y))
        # Half way between the points lies yellow too (the 4-pixel pen).
        self.assertEqual(shot.board_pixel(52, 24), WEIGHT_YELLOW)
        # The 8-pixel marker dot is centred on (119, 40).
        for dx, dy in [(0, 0), (-3, 0), (3, 0), (0, -3), (0, 3)]:
            self.assertEqual(shot.board_pixel(119 + dx, 40 + dy), MARKER_PINK, (dx, dy))
        self.assertNotEqual(shot.board_pixel(119 + 6, 40), MARKER_PINK)
        self.assertEqual(pink_columns(shot, 40, 100, 135), list(range(115, 123)))
        # The orange target line lies at y = 60 from x = 5 to x = 119 and no further.
        for x in (5, 30, 60, 90, 118):
            self.assertEqual(shot.board_pixel(x, 60), TARGET_ORANGE, x)
        self.assertEqual(shot.board_pixel(123, 60), BOARD_GREEN)
        self.assertEqual(shot.board_pixel(3, 60), BOARD_GREEN)
        self.assertEqual(shot.board_pixel(60, 63), BOARD_GREEN)
        self.assertEqual(shot.board_pixel(60, 56), BOARD_GREEN)
        # Nothing of the chart strays right of it into the read-outs.
        self.assertEqual(shot.count(125, 5, 217, 85, WEIGHT_YELLOW), 0)


class SpanButtons(harness.BoardTestCase):
    def test_plus_and_minus_step_through_the_spans(self):
        # A level log: the line lies at y = 13 and its thickness tells the
        # span (4 pixels at 7 entries, 2 at 30, 1 at 90 and 360).
        entries = [(20100101 + i % 28 + (i // 28) * 100, 600) for i in range(400)]
        board = self.start_board(
            ini=harness.settings_text(winX=200, winY=150, weightdatalen=400, height=160),
            dat=harness.log_text(entries))
        expected_rows = {7: [11, 12, 13, 14], 30: [12, 13], 90: [13], 360: [13]}
        # The marker's width in the row of the newest point.
        marker_width = {7: 8, 30: 6, 90: 4, 360: 4}

        def check(span):
            shot = board.screenshot()
            self.assertEqual(yellow_rows(shot, 60), expected_rows[span], span)
            self.assertEqual(len(pink_columns(shot, 13)), marker_width[span], span)

        check(7)
        minus, plus = (40, 85), (80, 85)
        for span in (30, 90, 360, 360):
            board.click(*minus)
            check(span)
        for span in (90, 30, 7, 7):
            board.click(*plus)
            check(span)


if __name__ == "__main__":
    harness.main()
