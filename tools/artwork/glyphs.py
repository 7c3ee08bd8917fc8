"""The chalk glyphs the number renderer builds figures from.

Each glyph is a picture (chalk in white and light greys on pure black, with a
few faint dust pixels) and a mask (pure black exactly under the chalk, pure
white elsewhere). The renderer ANDs the mask onto the board and ORs the
picture over it, so a dust pixel outside the mask lightens the board: dust
stays faint (grey 64 … 84, which ORed onto the board's green gives a neutral
grey) and sparse.
"""

from chalk import Rng, arc, bezier, chalk, coverage, dust, handwritten
from formats import Picture

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
STROKE_MIN = 0.4  # chalk amount from which a pixel belongs to the stroke

# Digits in their 16 x 22 cell; strokes a little under 3 px wide so that they
# survive the nearest-neighbour shrink to 9 x 13 on the board.
DIGITS = {
    0: [arc(8.1, 11.0, 4.7, 8.3, -100, 268)],
    1: [[(4.8, 6.2), (7.2, 4.4), (9.0, 2.4), (8.9, 11.0), (8.6, 19.6)]],
    2: [arc(8.0, 7.2, 4.4, 4.5, 196, 360) + bezier((12.4, 7.6), (12.0, 11.5), (6.0, 15.0), (3.6, 19.4), 8)
        + [(8.0, 19.1), (12.9, 19.3)]],
    3: [arc(7.8, 6.5, 4.3, 4.0, 200, 445), arc(7.6, 15.0, 5.0, 4.6, -95, 152)],
    4: [[(10.6, 19.6), (10.4, 10.0), (10.3, 2.6), (6.6, 8.5), (3.0, 14.2), (8.0, 14.1), (13.6, 13.9)]],
    5: [[(12.6, 2.8), (8.5, 2.9), (5.1, 2.8), (4.5, 10.0)], arc(7.9, 14.3, 5.0, 5.2, -128, 150)],
    6: [bezier((12.0, 3.2), (6.5, 1.5), (3.5, 7.5), (3.6, 14.6), 10), arc(8.0, 15.1, 4.5, 4.4, 180, 542)],
    7: [[(3.4, 3.0), (8.0, 2.9), (12.9, 3.1)] + bezier((12.9, 3.1), (10.5, 8.0), (8.0, 13.5), (7.2, 19.7), 8)],
    8: [arc(8.0, 6.5, 3.8, 3.9, 0, 360), arc(8.0, 14.9, 4.7, 4.4, -90, 270)],
    9: [arc(7.9, 7.4, 4.4, 4.6, 0, 372), bezier((12.3, 7.6), (12.5, 12.0), (12.2, 16.0), (11.2, 19.7), 8)],
}

PLUS = [[(3.0, 11.4), (8.0, 11.2), (13.1, 11.1)], [(8.1, 6.2), (8.0, 11.0), (8.2, 16.3)]]
MINUS = [[(3.0, 11.4), (8.0, 11.2), (13.1, 11.1)]]

# The unit "kg": lower case, baseline on row 13 so that it stands on the
# same line as the digits when drawn 8 px lower than them.
UNIT = [
    [(5.0, 1.6), (5.1, 8.0), (5.0, 13.3)],
    [(11.3, 5.5), (8.0, 8.6), (5.6, 10.2), (8.5, 11.5), (11.8, 13.4)],
    arc(19.3, 9.4, 3.8, 3.9, -10, 362),
    [(23.3, 5.4), (23.4, 12.0), (23.2, 16.0)] + bezier((23.2, 16.0), (23.0, 20.0), (18.0, 20.8), (15.6, 18.3), 8),
]


def masked_glyph(w, h, strokes, radius, seed, dust_count):
    strokes = handwritten(strokes, seed, centre_y=h / 2)
    cov = coverage(w, h, strokes, radius, seed)
    amount = chalk(cov, seed)
    picture, mask = Picture(w, h, BLACK), Picture(w, h, WHITE)
    for i, v in enumerate(amount):
        if v >= STROKE_MIN:
            g = int(round(150 + 105 * min(1.0, (v - STROKE_MIN) / 0.55) ** 0.8))
            picture.px[i] = (g, g, g)
            mask.px[i] = BLACK
    stroke = [1.0 if v >= STROKE_MIN else 0.0 for v in amount]
    for i, strength in sorted(dust(w, h, stroke, seed, dust_count).items()):
        g = int(64 + 20 * strength)
        picture.px[i] = (g, g, g)
    return picture, mask


def decimal_point(seed):
    """A round chalk dot filling its 6 x 6 cell; the mask leaves out the corners."""
    rng = Rng(seed)
    picture, mask = Picture(6, 6, BLACK), Picture(6, 6, BLACK)
    for y in range(6):
        for x in range(6):
            if x in (0, 5) and y in (0, 5):
                mask.put(x, y, WHITE)
                continue
            rim = x in (0, 5) or y in (0, 5)
            g = int(rng.uniform(168, 215) if rim else rng.uniform(205, 255))
            picture.put(x, y, (g, g, g))
    return picture, mask


def all_glyphs():
    """(picture id, mask id, picture, mask) for every glyph of the set."""
    ids = {0: (116, 125), 1: (113, 126), 2: (117, 127), 3: (118, 128), 4: (119, 129),
           5: (120, 130), 6: (121, 131), 7: (122, 132), 8: (123, 136), 9: (124, 133)}
    out = []
    for d in range(10):
        pic, mask = masked_glyph(16, 22, DIGITS[d], 1.45, 100 + d, 4)
        out.append((ids[d][0], ids[d][1], pic, mask))
    out.append((134, 135) + decimal_point(110))
    out.append((137, 138) + masked_glyph(30, 22, UNIT, 1.3, 111, 5))
    out.append((139, 140) + masked_glyph(16, 22, PLUS, 1.45, 112, 3))
    out.append((141, 142) + masked_glyph(16, 22, MINUS, 1.45, 113, 3))
    return out
