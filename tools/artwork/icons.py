"""The program icon (a small blackboard with a chalk chart) and the hand cursor."""

from chalk import chalk, coverage, mix
from formats import Picture, VGA16

# Icon group 101, in this order: (size, bits per pixel).
ICON_IMAGES = [(32, 4), (16, 4), (48, 8), (32, 1), (32, 8)]

TRUE_COLOURS = {"frame": (121, 122, 58), "board": (0, 72, 0), "tray": (168, 166, 150),
                "chalk": (244, 244, 236), "marker": (255, 128, 128)}
VGA_COLOURS = {"frame": VGA16[3], "board": VGA16[2], "tray": VGA16[7],
               "chalk": VGA16[15], "marker": VGA16[9]}
MONO_COLOURS = {"frame": VGA16[15], "board": VGA16[0], "tray": VGA16[15],
                "chalk": VGA16[15], "marker": VGA16[15]}

# A weight chart going down, in fractions of the board's writing area.
CHART = [(0.10, 0.22), (0.30, 0.50), (0.48, 0.34), (0.68, 0.68), (0.90, 0.52)]


def _layout(size):
    top = round(size * 0.12)
    bottom = size - 1 - round(size * 0.10)
    frame = max(1, size // 16)
    return top, bottom, frame


def _in_rounded(x, y, x0, y0, x1, y1, r):
    """Inside the rectangle x0 … x1, y0 … y1 with corners rounded by r."""
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = x0 + r if x < x0 + r else (x1 - r if x > x1 - r else x)
    cy = y0 + r if y < y0 + r else (y1 - r if y > y1 - r else y)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.5


def icon_picture(size, bpp):
    """The board at one icon size: (picture, transparent flags)."""
    colours = {1: MONO_COLOURS, 4: VGA_COLOURS, 8: TRUE_COLOURS}[bpp]
    top, bottom, frame = _layout(size)
    tray = max(1, size // 16)
    pic = Picture(size, size, (0, 0, 0))
    clear = [True] * (size * size)
    r = frame + 1
    for y in range(size):
        for x in range(size):
            if not _in_rounded(x, y, 0, top, size - 1, bottom, r):
                continue
            clear[y * size + x] = False
            inner = _in_rounded(x, y, frame, top + frame, size - 1 - frame, bottom - frame,
                                max(0, r - frame))
            if not inner:
                pic.put(x, y, colours["frame"])
            elif y > bottom - frame - tray:
                pic.put(x, y, colours["tray"])
            else:
                pic.put(x, y, colours["board"])
    _chart(pic, size, top + frame, bottom - frame - tray, frame, bpp, colours)
    return pic, clear


def _chart(pic, size, y0, y1, frame, bpp, colours):
    x0, x1 = frame + 1, size - frame - 1
    pts = [(x0 + fx * (x1 - x0), y0 + 1 + fy * (y1 - y0 - 2)) for fx, fy in CHART]
    radius = {16: 0.5, 32: 1.0, 48: 1.45}[size]
    amount = chalk(coverage(size, size, [pts], radius, size * 10 + bpp), size + bpp, grain=0.25,
                   pores=0.05 if size > 16 else 0.0)
    for i, v in enumerate(amount):
        if v <= 0 or pic.px[i] != colours["board"]:
            continue
        if bpp == 8:
            pic.px[i] = mix(colours["board"], colours["chalk"], round(v * 8) / 8)
        elif v > (0.3 if size == 16 else 0.45):
            pic.px[i] = colours["chalk"] if (bpp == 1 or size == 16 or v > 0.7) else VGA16[7]
    if size >= 32:  # the newest weighing, circled in red chalk
        mx, my = pts[-1]
        m = 1.5 if size == 32 else 2.6
        for y in range(pic.h):
            for x in range(pic.w):
                if (x + 0.5 - mx) ** 2 + (y + 0.5 - my) ** 2 <= m * m and bpp != 1:
                    pic.put(x, y, colours["marker"])


HAND = [
    "....###............",
    "...#ooo#...........",
    "...#ooo#...........",
    "...#ooo#...........",
    "...#ooo#...........",
    "...#ooo####........",
    "...#ooo#ooo####....",
    "...#ooo#ooo#ooo###.",
    "...#ooo#ooo#ooo#oo#",
    "##.#ooo#ooo#ooo#oo#",
    "#o##ooo#ooo#ooo#oo#",
    "#oo#oooooooooooooo#",
    "#ooooooooooooooooo#",
    ".#oooooooooooooooo#",
    ".#oooooooooooooooo#",
    "..#ooooooooooooooo#",
    "..#oooooooooooooo#.",
    "...#ooooooooooooo#.",
    "...#oooooooooooo#..",
    "....#ooooooooooo#..",
    "....#ooooooooooo#..",
    "....#############..",
]
HOT_SPOT = (5, 0)


def hand_cursor():
    """32 x 32, two colours: (picture, transparent flags)."""
    pic = Picture(32, 32, (0, 0, 0))
    clear = [True] * (32 * 32)
    for y, row in enumerate(HAND):
        for x, ch in enumerate(row):
            if ch != ".":
                clear[y * 32 + x] = False
                pic.put(x, y, (255, 255, 255) if ch == "o" else (0, 0, 0))
    return pic, clear
