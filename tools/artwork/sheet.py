"""The contact sheet: every picture enlarged four times with its id, and a
board put together from the pictures the way the painter composes it."""

from formats import Picture

SCALE = 4
GAP = 14
BACKGROUND = (44, 44, 48)
DIGIT_FONT = {  # 3 x 5
    "0": "###,#.#,#.#,#.#,###", "1": ".#.,##.,.#.,.#.,###", "2": "###,..#,###,#..,###",
    "3": "###,..#,.##,..#,###", "4": "#.#,#.#,###,..#,..#", "5": "###,#..,###,..#,###",
    "6": "###,#..,###,#.#,###", "7": "###,..#,.#.,.#.,.#.", "8": "###,#.#,###,#.#,###",
    "9": "###,#.#,###,..#,###", " ": "...,...,...,...,...",
}


def _text(sheet, x, y, text, size=3, colour=(230, 230, 230)):
    for ch in text:
        for row, bits in enumerate(DIGIT_FONT[ch].split(",")):
            for col, b in enumerate(bits):
                if b == "#":
                    _block(sheet, x + col * size, y + row * size, size, size, colour)
        x += 4 * size


def _block(sheet, x, y, w, h, colour):
    for yy in range(y, y + h):
        for xx in range(x, x + w):
            sheet.put(xx, yy, colour)


def enlarged(pic, clear=None):
    """The picture enlarged, see-through pixels on a checker pattern."""
    out = Picture(pic.w * SCALE, pic.h * SCALE)
    for y in range(out.h):
        for x in range(out.w):
            i = (y // SCALE) * pic.w + x // SCALE
            if clear is not None and clear[i]:
                out.put(x, y, (150, 150, 150) if (x // 4 + y // 4) % 2 else (110, 110, 110))
            else:
                out.put(x, y, pic.px[i])
    return out


def _stretch_index(i, dst, src):
    return min(src - 1, int((i + 0.5) * src / dst))


def _masked_blit(canvas, pic, mask, x, y, w, h):
    """(board AND mask) OR picture, nearest source pixel, as the painter draws glyphs."""
    for dy in range(h):
        for dx in range(w):
            sx, sy = _stretch_index(dx, w, pic.w), _stretch_index(dy, h, pic.h)
            m, p = mask.get(sx, sy), pic.get(sx, sy)
            if 0 <= x + dx < canvas.w and 0 <= y + dy < canvas.h:
                d = canvas.get(x + dx, y + dy)
                canvas.put(x + dx, y + dy, tuple((d[k] & m[k]) | p[k] for k in range(3)))


def _copy(canvas, pic, x, y):
    for yy in range(pic.h):
        for xx in range(pic.w):
            canvas.put(x + xx, y + yy, pic.get(xx, yy))


def _number(canvas, glyphs, value, x, y, s, mode):
    """The renderer's placement of digits, point, sign and unit."""
    negative = value < 0
    n = int(abs(value) * 10)
    hundreds, tens, units, tenths = n // 1000, (n % 1000) // 100, (n % 100) // 10, n % 10
    hundreds = 0 if hundreds > 9 else hundreds

    def put(key, kx, ky, w, h):
        pic, mask = glyphs[key]
        _masked_blit(canvas, pic, mask, int(x + kx * s), int(y + ky * s), int(w * s), int(h * s))

    if hundreds:
        put(hundreds, 0, 0, 16, 22)
    if tens or hundreds:
        put(tens, 17, 0, 16, 22)
    put(units, 34, 0, 16, 22)
    if mode >= -1:
        put("point", 51, 20, 5, 5)
        put(tenths, 56, 1, 16, 22)
    if mode == 1:
        at = -17 if hundreds else (0 if tens else 17)
        put("minus" if negative else "plus", at, 0, 16, 22)
    if mode >= 0:
        put("unit", 72, 8, 30, 22)


def composed_board(pictures, glyphs):
    """A sample board: 65.3 kg, down 0.7, Saturday 12/5, BMI 22.5."""
    canvas = Picture(250, 100)
    canvas.px = list(pictures[104].px)
    _block(canvas, 2, 5, 215, 80, (0, 64, 0))
    _copy(canvas, pictures[165], 72, 75)
    _copy(canvas, pictures[166], 32, 75)
    _number(canvas, glyphs, 65.3, 115, 8, 1.0, 0)
    _number(canvas, glyphs, -0.7, 136, 39, 0.7, 1)
    _copy(canvas, pictures[151], 221, 16)
    _number(canvas, glyphs, 12, 216, 3, 0.6, -2)
    _number(canvas, glyphs, 5, 212, 28, 0.6, -2)
    _copy(canvas, pictures[155], 231, 52)
    _copy(canvas, pictures[150], 130, 62)
    _number(canvas, glyphs, 22.59, 158, 64, 0.6, -1)
    _copy(canvas, pictures[152], 210, 64)
    return canvas


def contact_sheet(entries, board, width=1400):
    """entries: (id, picture, see-through flags or None); board: the sample board."""
    tiles = [(rid, enlarged(pic, clear)) for rid, pic, clear in entries]
    placed, x, y, row_h = [], GAP, GAP, 0
    for rid, tile in tiles:
        slot = max(tile.w, 12 * len(str(rid)))  # room for the id beneath
        if x + slot + GAP > width:
            x, y, row_h = GAP, y + row_h + GAP, 0
        placed.append((rid, tile, x, y))
        x += slot + GAP
        row_h = max(row_h, tile.h + 24)
    y += row_h + GAP
    sample = enlarged(board)
    sheet = Picture(width, y + sample.h + GAP, BACKGROUND)
    for rid, tile, tx, ty in placed:
        _copy(sheet, tile, tx, ty)
        _text(sheet, tx, ty + tile.h + 5, str(rid))
    _copy(sheet, sample, GAP, y)
    return sheet
