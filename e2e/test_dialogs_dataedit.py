"""End to end: the data edit dialog, opened from the popup menu."""

import harness
from test_dialogs import MENU_DATA_EDIT, DialogTestCase

ENTRIES = [(20100501, 523), (20100502, 530), (20100503, 615)]


class DataEdit(DialogTestCase):

    def start(self, entries=ENTRIES):
        ini = harness.settings_text(weightdatalen=len(entries), winX=100, winY=100)
        return self.start_board(ini=ini, dat=harness.log_text(entries) if entries else None)

    def open_edit(self, board):
        return self.open_from_menu(board, MENU_DATA_EDIT, "データ修正")

    def test_a_corrected_entry_reaches_the_log_file(self):
        board = self.start()
        wid = self.open_edit(board)
        self.keep_dialog_picture(board, wid, "dialog-dataedit.png")
        # The focus starts on OK: No., (next is greyed), previous.
        board.key("Tab", "Tab", "space")
        board.key("Tab", "Tab", "Tab", "Tab")
        board.type_text("58.5")
        board.key("shift+Tab", "shift+Tab", "shift+Tab")
        board.type_text("2011")
        board.key("Return")
        board.wait_dialog_closed("データ修正")
        self.assertEqual(
            harness.log_text([(20100501, 523), (20110502, 585), (20100503, 615)]),
            board.read("taiju.dat"))

    def test_refused_values_raise_the_input_error_and_keep_the_record(self):
        board = self.start()
        self.open_edit(board)
        board.key(*(["Tab"] * 6))
        board.type_text("300")
        board.key("Return")
        board.wait_dialog("入力エラー")
        board.key("Return")
        board.wait_dialog_closed("入力エラー")
        self.assertTrue(board.dialog_open("データ修正"))
        # The weight box has the focus again, its text selected.
        board.type_text("299.95")
        board.key("shift+Tab")
        board.type_text("32")
        board.key("Return")
        board.wait_dialog("入力エラー")
        board.key("Return")
        board.wait_dialog_closed("入力エラー")
        self.assertEqual(harness.log_text(ENTRIES), board.read("taiju.dat"))
        board.type_text("31")
        board.key("Return")
        board.wait_dialog_closed("データ修正")
        self.assertEqual(
            harness.log_text([(20100501, 523), (20100502, 530), (20100531, 2999)]),
            board.read("taiju.dat"))

    def test_cancel_abandons_corrections_made_before_a_step(self):
        board = self.start()
        dat = board.read("taiju.dat")
        self.open_edit(board)
        board.key(*(["Tab"] * 6))
        board.type_text("70")
        board.key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "space")
        board.key("Escape")
        board.wait_dialog_closed("データ修正")
        self.assertEqual(dat, board.read("taiju.dat"))
        # The log in memory kept nothing either: OK now writes the old records.
        self.open_edit(board)
        board.key("Return")
        board.wait_dialog_closed("データ修正")
        self.assertEqual(dat, board.read("taiju.dat"))

    def test_an_empty_log_writes_nothing(self):
        board = self.start(entries=[])
        ini = board.read("weighminder.ini")
        self.open_edit(board)
        board.key("Return")
        board.wait_dialog_closed("データ修正")
        self.assertFalse(board.exists("taiju.dat"))
        self.assertEqual(ini, board.read("weighminder.ini"))


if __name__ == "__main__":
    harness.main()
