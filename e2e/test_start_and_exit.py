"""Start-up and shutdown of the real program: the settings file of a first
start, a settings file too large to read, and both roads to the end saving
the board's position."""

import time

import harness


def ini_value(text, key):
    for line in text.decode("ascii").split("\r\n"):
        if line.startswith(key + "="):
            return int(line.split("=", 1)[1])
    raise AssertionError("no %s= line in %r" % (key, text))


class FirstStart(harness.BoardTestCase):
    def test_creates_the_settings_file_with_the_defaults(self):
        before = harness.today_yyyymmdd()
        board = self.start_board()
        after = harness.today_yyyymmdd()
        data = harness.wait_until(lambda: board.exists("weighminder.ini") and
                                  board.read("weighminder.ini"), 10, what="weighminder.ini")
        self.assertIn(data, (harness.settings_text(startdate=before),
                             harness.settings_text(startdate=after)))
        self.assertEqual(data.count(b"\r\n"), 12)
        self.assertFalse(board.exists("taiju.dat")) # an empty log writes nothing
        # The board's client area sits at the screen's top-left corner.
        self.assertEqual(board.origin(), (0, 0))
        shot = board.screenshot()
        self.assertEqual(shot.board_pixel(100, 40), harness.BOARD_GREEN)
        # The rounded corners are see-through (the root window is black).
        self.assertEqual(shot.board_pixel(0, 0), harness.BLACK)


class SettingsTooLarge(harness.BoardTestCase):
    def test_size_error_then_the_board_starts_with_the_defaults(self):
        ini = harness.settings_text(winX=400, winY=300)
        ini += b"#" * (1000 - len(ini))
        board = self.start_board(ini=ini, wait=False)
        box = board.wait_dialog("SIZE ERROR", 30)
        # The box comes up while the board is still being made, before it shows.
        self.assertFalse(self.session.windows("^weighminder$"))
        board.focus(box)
        board.key("Return")
        board.wait_board()
        self.assertEqual(board.origin(), (0, 0)) # winX=400 was not read
        self.assertEqual(len(board.read("weighminder.ini")), 1000)


class ExitSavesThePosition(harness.BoardTestCase):
    def test_drag_then_exit_zone_saves_where_the_board_went(self):
        board = self.start_board(ini=harness.settings_text(winX=300, winY=200))
        self.assertEqual(board.origin(), (300, 200))
        # Press on the bare board and move: the third move starts the drag.
        board.press(100, 90)
        sx, sy = board.to_screen(100, 90)
        # Wine reports moves only over the window until the drag has begun.
        for step in range(1, 4):
            self.session.move_pointer(sx + 3 * step, sy - 2 * step)
        for step in range(1, 6):
            self.session.move_pointer(sx + 9 + 20 * step, sy - 6 + 12 * step)
        board.release()
        time.sleep(0.5)
        moved = board.origin()
        self.assertNotEqual(moved, (300, 200))
        # A click on EXIT (press and release without moving) ends the program.
        board.click(180, 90)
        self.assertEqual(board.wait_exit(), 0)
        ini = board.read("weighminder.ini")
        self.assertEqual((ini_value(ini, "winX"), ini_value(ini, "winY")), moved)
        # The next start puts the board back there.
        again = self.start_board()
        self.assertEqual(again.origin(), moved)

    def test_exit_zone_ignores_a_press_moved_twice(self):
        board = self.start_board(ini=harness.settings_text(winX=300, winY=200))
        board.press(180, 90)
        board.move(181, 90)
        board.move(182, 90)
        board.release()
        time.sleep(0.5)
        self.assertTrue(board.running())
        self.assertEqual(board.origin(), (300, 200))

    def test_menu_exit_saves_the_position_too(self):
        board = self.start_board(ini=b"winX=123\r\nwinY=234\r\nheight=170\r\n")
        board.click(100, 90, button=3)
        board.key("Up", "Return") # the last item: 終了
        self.assertEqual(board.wait_exit(), 0)
        ini = board.read("weighminder.ini")
        self.assertEqual(ini, harness.settings_text(winX=123, winY=234, height=170,
                                                    startdate=ini_value(ini, "startdate")))

    def test_the_systems_close_command_saves_the_position(self):
        # A settings file of two lines: only a save at the end makes it whole.
        board = self.start_board(ini=b"winX=150\r\nwinY=160\r\n")
        self.assertEqual(board.origin(), (150, 160))
        board.key("alt+F4")
        self.assertEqual(board.wait_exit(), 0)
        ini = board.read("weighminder.ini")
        self.assertEqual(ini, harness.settings_text(winX=150, winY=160,
                                                    startdate=ini_value(ini, "startdate")))


if __name__ == "__main__":
    harness.main()
