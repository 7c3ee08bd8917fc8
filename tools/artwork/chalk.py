"""Chalk on a blackboard: strokes given as polylines become pixels.

A stroke is a polyline in pixel units (x right, y down, (0, 0) the top-left
corner of the top-left pixel). Rendering gives each pixel a chalk amount
from 0 to 1: how much of the pixel the stick covered (supersampled, with a
stroke width that wobbles along its length), times the grain of the board's
surface, with the odd pixel skipped where the chalk jumped over a pore.
Everything random comes from a small seeded generator, so a picture is the
same on every run.
"""

import math


class Rng:
    """xorshift32: small, seeded, the same everywhere."""

    def __init__(self, seed):
        self.s = (seed * 2654435761 + 0x9E3779B9) & 0xFFFFFFFF or 1
        for _ in range(4):
            self.next()

    def next(self):
        s = self.s
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        self.s = s
        return s

    def uniform(self, a=0.0, b=1.0):
        return a + (b - a) * (self.next() / 4294967296.0)

    def chance(self, p):
        return self.uniform() < p


# --- stroke shapes -------------------------------------------------------

def arc(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an ellipse from angle a0 to a1 in degrees (90 = down)."""
    if steps is None:
        steps = max(4, int(abs(a1 - a0) / 12))
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def bezier(p0, p1, p2, p3, steps=12):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        pts.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return pts


def handwritten(strokes, seed, jitter=0.25, slant=0.05, centre_y=11.0):
    """A hand's small unsteadiness: each stroke shifted a little, each point
    nudged, and the whole leaning slightly to the right."""
    rng = Rng(seed ^ 0x1234)
    out = []
    for stroke in strokes:
        sx, sy = rng.uniform(-jitter, jitter), rng.uniform(-jitter, jitter)
        out.append([(x + sx + rng.uniform(-0.4, 0.4) * jitter + slant * (centre_y - y),
                     y + sy + rng.uniform(-0.4, 0.4) * jitter) for (x, y) in stroke])
    return out


def scaled(strokes, sx, sy, dx=0.0, dy=0.0):
    return [[(dx + x * sx, dy + y * sy) for (x, y) in s] for s in strokes]


# --- rasterising -----------------------------------------------------------

def _segments(strokes, radius, rng, wobble):
    """Segments with the stroke radius at both ends, wobbling along the stroke."""
    segs = []
    for stroke in strokes:
        if len(stroke) == 1:
            stroke = [stroke[0], (stroke[0][0] + 0.01, stroke[0][1])]
        phase = rng.uniform(0, 6.283)
        freq = rng.uniform(0.9, 1.5)
        length = 0.0
        prev_r = None
        for (ax, ay), (bx, by) in zip(stroke, stroke[1:]):
            seg_len = math.hypot(bx - ax, by - ay)
            ra = prev_r if prev_r is not None else radius * (1 + wobble * math.sin(phase))
            length += seg_len
            rb = radius * (1 + wobble * math.sin(phase + freq * length))
            segs.append((ax, ay, bx, by, ra, rb))
            prev_r = rb
    return segs


def _inside(x, y, segs):
    """How far inside the nearest stroke the point is (positive = inside)."""
    best = -1e9
    for ax, ay, bx, by, ra, rb in segs:
        dx, dy = bx - ax, by - ay
        ll = dx * dx + dy * dy
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        d = math.hypot(x - ax - t * dx, y - ay - t * dy)
        depth = ra + (rb - ra) * t - d
        if depth > best:
            best = depth
    return best


def coverage(w, h, strokes, radius, seed, wobble=0.18, ss=4):
    """Fraction of each pixel the chalk stick passed over (0 … 1)."""
    rng = Rng(seed)
    segs = _segments(strokes, radius, rng, wobble)
    cov = [0.0] * (w * h)
    for py in range(h):
        for px in range(w):
            if _inside(px + 0.5, py + 0.5, segs) < -1.2:
                continue
            hits = 0
            for sy in range(ss):
                for sx in range(ss):
                    if _inside(px + (sx + 0.5) / ss, py + (sy + 0.5) / ss, segs) > 0:
                        hits += 1
            cov[py * w + px] = hits / (ss * ss)
    return cov


def chalk(cov, seed, grain=0.45, pores=0.09):
    """Chalk amount per pixel: coverage times the board's grain, with pores.

    Edge pixels, which the stick only grazed, skip more often than the
    middle of a stroke, so edges come out ragged; in the middle a pore only
    dims the chalk, so thin strokes never break through.
    """
    rng = Rng(seed ^ 0x5A5A)
    out = []
    for c in cov:
        g = 1.0 - grain * rng.uniform() ** 1.6
        v = c * g
        if c > 0 and rng.chance(pores * (1.6 - c)):
            v *= rng.uniform(0.68, 0.8) if c >= 0.9 else rng.uniform(0.15, 0.5)
        out.append(min(1.0, v * 1.12))
    return out


def dust(w, h, cov, seed, count, reach=2.0):
    """A few dust pixels near the strokes: returns {index: strength 0 … 1}."""
    rng = Rng(seed ^ 0x3C3C)
    near = [i for i in range(w * h) if cov[i] == 0 and _near(i, w, h, cov, reach)]
    found = {}
    tries = 0
    while near and len(found) < count and tries < count * 20:
        tries += 1
        i = near[rng.next() % len(near)]
        if i not in found:
            found[i] = rng.uniform(0.25, 1.0)
    return found


def _near(i, w, h, cov, reach):
    x, y = i % w, i // w
    r = int(math.ceil(reach))
    for yy in range(max(0, y - r), min(h, y + r + 1)):
        for xx in range(max(0, x - r), min(w, x + r + 1)):
            if cov[yy * w + xx] > 0.3:
                return True
    return False


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[k] + (b[k] - a[k]) * t)) for k in range(3))
