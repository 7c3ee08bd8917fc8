"""The blackboard, the pictures on its green and the dialog's step arrows."""

import math

from chalk import Rng, chalk, coverage, mix, scaled
from doodles import BMI, FACES, MINUS_BUTTON, PLUS_BUTTON
from formats import Picture, VGA16
from kanji import KANJI, PARENTHESES

KEY = (128, 0, 0)  # see-through on the layered window
OLIVE = (121, 122, 58)
BOARD = (0, 64, 0)
PICTURE_GREEN = (0, 66, 0)
CHALK = {"white": (242, 243, 234), "pink": (250, 168, 186), "yellow": (248, 232, 120),
         "blue": (150, 200, 255)}
EXIT_RECT = (171, 84, 192, 93)  # inclusive
CORNER_RADIUS = 8


def paint_chalk(pic, strokes, radius, seed, colour="white", rows=None, boost=1.0):
    """Lays chalk strokes onto a picture, blending towards the chalk colour.

    A boost above 1 presses harder: small kanji need crisp, bright strokes.
    """
    cov = coverage(pic.w, pic.h, strokes, radius, seed)
    amount = chalk(cov, seed, grain=0.3, pores=0.06)
    for i, v in enumerate(amount):
        y = i // pic.w
        v = min(1.0, v * boost) if v * boost > 0.04 * boost ** 3 else 0.0
        if v > 0.04 and (rows is None or rows[0] <= y <= rows[1]):
            pic.px[i] = mix(pic.px[i], CHALK[colour], v)


def sprinkle_dust(pic, seed, count, area=None):
    """A few faint specks of chalk dust on green."""
    rng = Rng(seed ^ 0x777)
    x0, y0, x1, y1 = area or (0, 0, pic.w - 1, pic.h - 1)
    for _ in range(count):
        x, y = x0 + rng.next() % (x1 - x0 + 1), y0 + rng.next() % (y1 - y0 + 1)
        if pic.get(x, y) == PICTURE_GREEN:
            pic.put(x, y, mix(PICTURE_GREEN, CHALK["white"], rng.uniform(0.12, 0.28)))


def green_picture(w, h, layers, radius, seed, dust=3, boost=1.0):
    pic = Picture(w, h, PICTURE_GREEN)
    for n, (colour, strokes) in enumerate(layers):
        paint_chalk(pic, strokes, radius, seed * 7 + n, colour, boost=boost)
    sprinkle_dust(pic, seed, dust)
    return pic


def weekday(kanji, seed):
    radius = 0.6 if kanji == "金" else 0.72  # eight strokes in 13 rows need a finer point
    return green_picture(11, 13, [("white", KANJI[kanji])], radius, seed, dust=1, boost=1.35)


def date_column():
    """27 x 51: 月 in rows 1 … 11, 日 in rows 26 … 34, parentheses in rows 39 … 47."""
    pic = Picture(27, 51, PICTURE_GREEN)
    paint_chalk(pic, scaled(KANJI["月"], 1.15, 0.86, 8.9, 0.5), 0.78, 301, rows=(1, 11), boost=1.3)
    paint_chalk(pic, scaled(KANJI["日"], 1.05, 0.74, 9.7, 25.2), 0.78, 302, rows=(26, 34), boost=1.3)
    paint_chalk(pic, PARENTHESES, 0.72, 303, rows=(39, 47), boost=1.3)
    sprinkle_dust(pic, 304, 2, (3, 1, 23, 11))  # dust only where the kanji are
    sprinkle_dust(pic, 305, 1, (3, 26, 23, 34))
    return pic


def _inside_depth(x, y, w, h, r):
    """How far the pixel centre lies inside the board's rounded outline."""
    px, py = x + 0.5, y + 0.5
    cx = r if px < r else (w - r if px > w - r else px)
    cy = r if py < r else (h - r if py > h - r else py)
    if cx != px and cy != py:
        return r - math.hypot(px - cx, py - cy)
    return min(px, py, w - px, h - py)


EXIT_FONT = {  # 5 rows each
    "E": ["###", "#..", "##.", "#..", "###"],
    "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
}


def _exit_label(pic):
    x0, y0, x1, y1 = EXIT_RECT
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y == y1
            pic.put(x, y, (214, 178, 24) if edge else (244, 214, 52))
    x = 175
    for letter in "EXIT":
        for row, bits in enumerate(EXIT_FONT[letter]):
            for col, b in enumerate(bits):
                if b == "#":
                    pic.put(x + col, 87 + row, (72, 52, 8))
        x += 4


def _tray(pic, rng):
    shades = {93: (182, 180, 164), 94: (152, 150, 138), 95: (146, 144, 132), 96: (140, 138, 126),
              97: (100, 98, 88)}
    for y, shade in shades.items():
        for x in range(pic.w):
            if pic.get(x, y) == BOARD:
                c = shade
                if 94 <= y <= 96 and rng.chance(0.08):
                    c = mix(shade, (235, 235, 228), rng.uniform(0.3, 0.7))
                pic.put(x, y, c)
    for x in range(96, 112):  # a stick of white chalk resting on the tray
        pic.put(x, 94, (240, 240, 232))
        pic.put(x, 95, (214, 214, 204))
    for x in range(121, 128):  # and a stub of pink
        pic.put(x, 94, (246, 176, 192))
        pic.put(x, 95, (216, 146, 162))


def blackboard():
    """250 x 100: olive frame, green board, grey chalk tray, EXIT label, see-through corners."""
    w, h = 250, 100
    pic = Picture(w, h, BOARD)
    for y in range(h):
        for x in range(w):
            d = _inside_depth(x, y, w, h, CORNER_RADIUS)
            if d < 0:
                pic.put(x, y, KEY)
            elif d < 2:
                pic.put(x, y, OLIVE)
    _tray(pic, Rng(104))
    _exit_label(pic)
    return pic


def arrow(up):
    """13 x 13 in the 16 standard colours: a red triangle up or a blue one down, on white."""
    pic = Picture(13, 13, VGA16[15])
    colour = VGA16[9] if up else VGA16[12]
    for i in range(6):
        half = i
        y = 3 + i if up else 9 - i
        for x in range(6 - half, 7 + half):
            pic.put(x, y, colour)
    return pic


def board_pictures():
    """(id, picture, bits per pixel) for every picture that is not a masked glyph."""
    out = [(104, blackboard(), 24),
           (165, green_picture(16, 16, [("white", PLUS_BUTTON)], 0.85, 165, dust=2), 24),
           (166, green_picture(16, 16, [("white", MINUS_BUTTON)], 0.85, 166, dust=2), 24),
           (151, date_column(), 24),
           (150, green_picture(31, 19, [("white", BMI)], 0.95, 150, dust=3), 24)]
    for rid, k in zip((156, 154, 158, 159, 157, 153, 155), "日月火水木金土"):
        out.append((rid, weekday(k, rid), 24))
    for rid, face in zip((152, 160, 161, 162, 163, 164), FACES):
        layers = [(c, s) for c, s in face.items()]
        out.append((rid, green_picture(30, 28, layers, 0.8, rid, dust=4), 24))
    out.append((147, arrow(False), 4))
    out.append((148, arrow(True), 4))
    return out
