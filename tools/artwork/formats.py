"""Byte writers for the picture formats the program and its docs use.

An image is a Picture: width, height and a flat list of (r, g, b) tuples,
row by row from the top. Nothing here draws; it only lays out bytes, so the
same picture always gives the same file.
"""

import struct
import zlib


class Picture:
    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w = w
        self.h = h
        self.px = [fill] * (w * h)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def put(self, x, y, rgb):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = rgb

    def rows_bottom_up(self):
        for y in range(self.h - 1, -1, -1):
            yield self.px[y * self.w:(y + 1) * self.w]


# The 16 colours of the standard Windows palette, in palette order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def _pad(row_bytes):
    return row_bytes + b"\0" * ((-len(row_bytes)) % 4)


def _info_header(w, h, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size, 2835, 2835, colours, 0)


def _palette_bytes(palette):
    return b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)


def _pack_indices(indices, bpp):
    """Packs palette indices (or bits) into one padded scan line."""
    out = bytearray()
    per_byte = 8 // bpp
    for i in range(0, len(indices), per_byte):
        byte = 0
        for j in range(per_byte):
            v = indices[i + j] if i + j < len(indices) else 0
            byte |= v << (8 - bpp * (j + 1))
        out.append(byte)
    return _pad(bytes(out))


def _indexed_rows(pic, palette, bpp):
    lookup = {c: i for i, c in enumerate(palette)}
    return b"".join(_pack_indices([lookup[c] for c in row], bpp) for row in pic.rows_bottom_up())


def _rgb_rows(pic):
    return b"".join(
        _pad(b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row))
        for row in pic.rows_bottom_up())


def bmp_bytes(pic, bpp=24, palette=None):
    """A BMP file: 24 bits per pixel, or 4 / 8 bits with the given palette."""
    if bpp == 24:
        pixels, pal = _rgb_rows(pic), b""
    else:
        pixels, pal = _indexed_rows(pic, palette, bpp), _palette_bytes(palette)
    colours = 0 if bpp == 24 else len(palette)
    offset = 14 + 40 + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + _info_header(pic.w, pic.h, bpp, len(pixels), colours) + pal + pixels


def palette_of(pic, bpp):
    """The picture's own colours in a fixed order, for an indexed image."""
    colours = sorted(set(pic.px))
    if len(colours) > (1 << bpp):
        raise ValueError("%d colours do not fit in %d bits" % (len(colours), bpp))
    return colours


def _icon_image(pic, transparent, bpp, palette):
    """One icon or cursor image: header, palette, colour bits, AND mask."""
    colour_bits = _indexed_rows(pic, palette, bpp)
    mask_rows = []
    for y in range(pic.h - 1, -1, -1):
        mask_rows.append(_pack_indices([1 if transparent[y * pic.w + x] else 0
                                        for x in range(pic.w)], 1))
    mask = b"".join(mask_rows)
    header = _info_header(pic.w, pic.h * 2, bpp, len(colour_bits) + len(mask), 0)
    full_palette = palette + [(0, 0, 0)] * ((1 << bpp) - len(palette))  # all 2^bpp entries
    return header + _palette_bytes(full_palette) + colour_bits + mask


def icon_file_bytes(images, kind=1, hotspots=None):
    """An .ico (kind 1) or .cur (kind 2) file.

    images: list of (picture, transparent flags, bits per pixel, palette).
    A transparent pixel must be black in the picture so that it shows the
    screen unchanged (AND 1, XOR 0).
    """
    blobs = [_icon_image(p, t, bpp, pal) for (p, t, bpp, pal) in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for i, ((pic, _, bpp, pal), blob) in enumerate(zip(images, blobs)):
        colours = len(pal) if bpp < 8 else 0
        if kind == 2:
            a, b = hotspots[i]
        else:
            a, b = 1, bpp
        out += struct.pack("<BBBBHHII", pic.w % 256, pic.h % 256, colours, 0, a, b,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def png_bytes(pic):
    """A plain RGB PNG, for the contact sheet."""
    raw = b"".join(b"\0" + b"".join(struct.pack("BBB", *c) for c in pic.px[y * pic.w:(y + 1) * pic.w])
                   for y in range(pic.h))

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(
            ">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", pic.w, pic.h, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
