#!/usr/bin/env python3
"""Draws every picture of weighminder and writes the resource files.

    tools/artwork/generate.py [--res DIR] [--sheet FILE] [--board FILE]

Writes the 48 bitmaps (named in NAMES), app.ico and hand.cur into res/ and the
contact sheet into docs/artwork.png. With --check it writes nothing and
fails when a committed file differs from what it would draw. Only the standard library is used and
every random choice comes from fixed seeds, so the same script always
writes the same bytes.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from formats import VGA16, bmp_bytes, icon_file_bytes, palette_of, png_bytes  # noqa: E402
from glyphs import all_glyphs  # noqa: E402
from icons import HOT_SPOT, ICON_IMAGES, hand_cursor, icon_picture  # noqa: E402
from pictures import board_pictures  # noqa: E402
from sheet import composed_board, contact_sheet, enlarged  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
NAMES = {104: "board", 165: "span_plus", 166: "span_minus", 151: "date_column", 150: "bmi_label",
         156: "weekday_sun", 154: "weekday_mon", 158: "weekday_tue", 159: "weekday_wed",
         157: "weekday_thu", 153: "weekday_fri", 155: "weekday_sat", 152: "face_0", 160: "face_1",
         161: "face_2", 162: "face_3", 163: "face_4", 164: "face_5", 147: "step_down",
         148: "step_up", 134: "point", 135: "point_mask", 137: "unit", 138: "unit_mask",
         139: "plus", 140: "plus_mask", 141: "minus", 142: "minus_mask"}
for _digit, (_pid, _mid) in enumerate(((116, 125), (113, 126), (117, 127), (118, 128), (119, 129),
                                        (120, 130), (121, 131), (122, 132), (123, 136), (124, 133))):
    NAMES[_pid], NAMES[_mid] = "digit_%d" % _digit, "digit_%d_mask" % _digit
DIGIT_KEYS = {116: 0, 113: 1, 117: 2, 118: 3, 119: 4, 120: 5, 121: 6, 122: 7, 123: 8, 124: 9,
              134: "point", 137: "unit", 139: "plus", 141: "minus"}


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def icon_entries():
    images = []
    for size, bpp in ICON_IMAGES:
        pic, clear = icon_picture(size, bpp)
        palette = {1: [VGA16[0], VGA16[15]], 4: VGA16}.get(bpp) or palette_of(pic, 8)
        images.append((pic, clear, bpp, palette))
    return images


def draw_all(res):
    """Every resource file as {path: bytes}, and the sample board and sheet entries."""
    files, pictures, glyphs, entries = {}, {}, {}, []
    for pid, mid, pic, mask in all_glyphs():
        files[os.path.join(res, NAMES[pid] + ".bmp")] = bmp_bytes(pic)
        files[os.path.join(res, NAMES[mid] + ".bmp")] = bmp_bytes(mask)
        glyphs[DIGIT_KEYS[pid]] = (pic, mask)
        entries += [(pid, pic, None), (mid, mask, None)]
    for rid, pic, bpp in board_pictures():
        palette = VGA16 if bpp == 4 else None
        files[os.path.join(res, NAMES[rid] + ".bmp")] = bmp_bytes(pic, bpp, palette)
        pictures[rid] = pic
        entries.append((rid, pic, None))
    entries.sort(key=lambda e: e[0] != 104)  # the board first, the rest in drawing order

    icons = icon_entries()
    files[os.path.join(res, "app.ico")] = icon_file_bytes(icons)
    entries += [(101, pic, clear) for pic, clear, _, _ in icons]
    hand, clear = hand_cursor()
    files[os.path.join(res, "hand.cur")] = icon_file_bytes(
        [(hand, clear, 1, [VGA16[0], VGA16[15]])], kind=2, hotspots=[HOT_SPOT])
    entries.append((104, hand, clear))
    return files, composed_board(pictures, glyphs), entries


def check(files):
    """Exit status 1 when a committed file differs from what is drawn now."""
    stale = []
    for path, data in sorted(files.items()):
        try:
            with open(path, "rb") as f:
                same = f.read() == data
        except OSError:
            same = False
        if not same:
            stale.append(path)
    for path in stale:
        print("differs from the generator's drawing: " + path)
    print("%d files checked, %d differ" % (len(files), len(stale)))
    return 1 if stale else 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--res", default=os.path.join(ROOT, "res"))
    ap.add_argument("--sheet", default=os.path.join(ROOT, "docs", "artwork.png"))
    ap.add_argument("--board", help="also write the sample board alone, 4x, as PNG")
    ap.add_argument("--check", action="store_true",
                    help="write nothing; fail when a file in --res differs from the drawing")
    args = ap.parse_args()

    files, board, entries = draw_all(args.res)
    if args.check:
        return check(files)
    for path, data in files.items():
        write(path, data)
    write(args.sheet, png_bytes(contact_sheet(entries, board)))
    if args.board:
        write(args.board, png_bytes(enlarged(board)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
