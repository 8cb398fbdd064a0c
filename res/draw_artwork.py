#!/usr/bin/env python3
"""Draws the program's icons and button pictures and writes them beside this script.

Every picture uses the 16 colours of the standard VGA palette. The icons come in the
sizes the shell asks for (16, 24, 32, 48 and 256 pixels): the small ones as 4-bit
device-independent bitmaps written by hand, the 256-pixel one as a PNG image, as
Windows keeps its large icons. Run it again after changing a drawing and commit its
output with it:

    python3 res/draw_artwork.py
"""

import os
import struct
import zlib

# The standard VGA palette in the order Windows uses for 16-colour bitmaps.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)

CLEAR = None  # a transparent pixel of an icon


class Canvas:
    def __init__(self, width, height, fill=CLEAR):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the rectangle with both corners included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def frame_rect(self, left, top, right, bottom, colour):
        self.fill_rect(left, top, right, top, colour)
        self.fill_rect(left, bottom, right, bottom, colour)
        self.fill_rect(left, top, left, bottom, colour)
        self.fill_rect(right, top, right, bottom, colour)

    def hline(self, left, right, y, colour):
        self.fill_rect(left, y, right, y, colour)

    def pattern(self, left, top, rows, colours):
        """Draws rows of characters; each character maps to a colour, '.' is left alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.set(left + dx, top + dy, colours[ch])


# The five envelopes a shortcut can carry, in the order of their icon groups.
ENVELOPES = [
    ("white", WHITE),
    ("red", RED),
    ("blue", BLUE),
    ("green", GREEN),
    ("cyan", CYAN),
]


def ink_on(paper):
    """The colour of the handwriting on an envelope: black, but white on the dark blue."""
    return WHITE if paper == BLUE else BLACK


def draw_stamp(canvas, left, top, width, height, paper):
    """A postage stamp: a red picture inside a white margin with perforated edges."""
    canvas.fill_rect(left, top, left + width - 1, top + height - 1, WHITE)
    # Notches of the perforation show the envelope through the margin's edge.
    for x in range(left + 1, left + width - 1, 2):
        canvas.set(x, top, paper if paper != WHITE else SILVER)
        canvas.set(x, top + height - 1, paper if paper != WHITE else SILVER)
    for y in range(top + 1, top + height - 1, 2):
        canvas.set(left, y, paper if paper != WHITE else SILVER)
        canvas.set(left + width - 1, y, paper if paper != WHITE else SILVER)
    # Red, except on a red envelope, where it would vanish.
    picture = BLUE if paper == RED else RED
    canvas.fill_rect(left + 1, top + 1, left + width - 2, top + height - 2, picture)


def draw_envelope_icon(canvas, paper):
    """The front of an envelope on a 32 x 32 canvas, with its shadow."""
    left, top, right, bottom = 1, 6, 29, 25
    ink = ink_on(paper)
    canvas.fill_rect(left + 1, top + 1, right + 1, bottom + 1, GRAY)  # shadow
    canvas.fill_rect(left, top, right, bottom, paper)
    canvas.frame_rect(left, top, right, bottom, BLACK)
    # The sender's address, small, in the top left corner.
    canvas.hline(4, 11, 9, GRAY if paper == WHITE else ink)
    canvas.hline(4, 9, 11, GRAY if paper == WHITE else ink)
    draw_stamp(canvas, 21, 9, 6, 7, paper)
    # The addressee, in the middle.
    canvas.hline(9, 22, 16, ink)
    canvas.hline(9, 24, 19, ink)
    canvas.hline(9, 19, 22, ink)


def draw_envelope_small(canvas, paper):
    """The same envelope at 16 x 16, as the title bar and task bar show it."""
    left, top, right, bottom = 0, 2, 14, 12
    ink = ink_on(paper)
    canvas.fill_rect(left + 1, top + 1, right + 1, bottom + 1, GRAY)
    canvas.fill_rect(left, top, right, bottom, paper)
    canvas.frame_rect(left, top, right, bottom, BLACK)
    canvas.hline(2, 6, 4, GRAY if paper == WHITE else ink)
    canvas.fill_rect(10, 4, 12, 6, RED)
    canvas.hline(9, 12, 8, ink)
    canvas.hline(9, 11, 10, ink)


class Grid:
    """The 32-pixel drawing's coordinates on a canvas of another size."""

    def __init__(self, size):
        self.size = size
        self.line = max(1, round(size / 32))  # the width of a 1-pixel line at 32

    def at(self, v):
        return int(v * self.size / 32 + 0.5)

    def span(self, first, last):
        """The pixels that cover pixels first to last of the 32-pixel drawing."""
        return self.at(first), self.at(last + 1) - 1


def draw_envelope_scaled(canvas, paper):
    """The 32 x 32 envelope drawn again for a larger or smaller square canvas."""
    g = Grid(canvas.width)
    t = g.line
    ink = ink_on(paper)
    left, right = g.span(1, 29)
    top, bottom = g.span(6, 25)
    canvas.fill_rect(left + t, top + t, right + t, bottom + t, GRAY)  # shadow
    canvas.fill_rect(left, top, right, bottom, paper)
    for i in range(t):
        canvas.frame_rect(left + i, top + i, right - i, bottom - i, BLACK)

    def line(first, last, y, colour):
        x0, x1 = g.span(first, last)
        y0 = g.at(y)
        canvas.fill_rect(x0, y0, x1, y0 + t - 1, colour)

    sender = GRAY if paper == WHITE else ink
    line(4, 11, 9, sender)
    if g.at(11) - g.at(9) > t:  # the two lines would run together on a small canvas
        line(4, 9, 11, sender)
    stamp_left, stamp_right = g.span(21, 26)
    stamp_top, stamp_bottom = g.span(9, 15)
    draw_stamp_scaled(canvas, stamp_left, stamp_top, stamp_right, stamp_bottom, paper, t)
    line(9, 22, 16, ink)
    line(9, 24, 19, ink)
    line(9, 19, 22, ink)


def draw_stamp_scaled(canvas, left, top, right, bottom, paper, t):
    """draw_stamp with every pixel of the margin and its notches t pixels wide."""
    canvas.fill_rect(left, top, right, bottom, WHITE)
    notch = paper if paper != WHITE else SILVER
    for x in range(left + t, right - t + 1, 2 * t):
        canvas.fill_rect(x, top, min(x + t - 1, right - t), top + t - 1, notch)
        canvas.fill_rect(x, bottom - t + 1, min(x + t - 1, right - t), bottom, notch)
    for y in range(top + t, bottom - t + 1, 2 * t):
        canvas.fill_rect(left, y, left + t - 1, min(y + t - 1, bottom - t), notch)
        canvas.fill_rect(right - t + 1, y, right, min(y + t - 1, bottom - t), notch)
    picture = BLUE if paper == RED else RED
    canvas.fill_rect(left + t, top + t, right - t, bottom - t, picture)


# Shortcut arrows in the lower left corner, as the shell draws them on shortcuts.
SHORTCUT_ARROW_32 = [
    "KKKKKKKKKK",
    "KWWWWWWWWK",
    "KWWWKKKKWK",
    "KWWWWKKKWK",
    "KWWWKKKKWK",
    "KWWKKKWKWK",
    "KWKKKWWWWK",
    "KWKKWWWWWK",
    "KWWWWWWWWK",
    "KKKKKKKKKK",
]
SHORTCUT_ARROW_16 = [
    "KKKKKKKK",
    "KWWWWWWK",
    "KWWKKKWK",
    "KWWWKKWK",
    "KWWKWKWK",
    "KWKWWWWK",
    "KKWWWWWK",
    "KKKKKKKK",
]
ARROW_COLOURS = {"K": BLACK, "W": WHITE}


def scaled_pattern(rows, size):
    """A square pattern stretched (or shrunk) to size x size, pixel by pixel."""
    n = len(rows)
    return ["".join(rows[y * n // size][x * n // size] for x in range(size))
            for y in range(size)]


# The icon sizes of every group: the title bar, the task bar and Explorer's views ask
# for these at 100 to 200 % display scale.
ICON_SIZES = [16, 24, 32, 48, 256]


def envelope_icon(paper, size=32):
    canvas = Canvas(size, size)
    if size == 16:
        draw_envelope_small(canvas, paper)
    elif size == 32:
        draw_envelope_icon(canvas, paper)
    else:
        draw_envelope_scaled(canvas, paper)
    return canvas


def main_icon(size):
    """The white envelope with the shortcut arrow in its lower left corner."""
    canvas = envelope_icon(WHITE, size)
    if size <= 24:
        arrow = SHORTCUT_ARROW_16
    else:
        arrow = scaled_pattern(SHORTCUT_ARROW_32, round(10 * size / 32))
    canvas.pattern(0, size - len(arrow), arrow, ARROW_COLOURS)
    return canvas


def envelope_button(paper):
    """The 32 x 18 picture of an envelope: a picture button clips two pixels at each
    edge, so everything that matters stays inside them."""
    canvas = Canvas(32, 18, paper)
    ink = ink_on(paper)
    canvas.frame_rect(0, 0, 31, 17, BLACK)
    canvas.hline(3, 8, 3, GRAY if paper == WHITE else ink)
    draw_stamp(canvas, 23, 2, 6, 7, paper)
    canvas.hline(8, 21, 9, ink)
    canvas.hline(8, 23, 11, ink)
    canvas.hline(8, 18, 13, ink)
    return canvas


# "標準" (standard) in a hand-made 12-pixel font: 標 is 12 wide, 準 10.
GLYPH_HYOU = [
    "..#..#######",
    "..#..#.#.#.#",
    "####.#.#.#.#",
    "..#..#######",
    ".###........",
    "#.#.#.#####.",
    "..#.........",
    "..#..#######",
    "..#.....#...",
    "..#...#.#.#.",
    "..#..#..#..#",
    "..#....##...",
]
GLYPH_JUN = [
    "#...#..#..",
    ".#.#.#####",
    "...#...#..",
    "#..#.#####",
    ".#.#...#..",
    "...#.#####",
    ".#.#...#..",
    "#..#.#####",
    ".....#....",
    "##########",
    ".....#....",
    ".....#....",
]


def standard_button():
    """The word and its stamp fill the 28 x 14 pixels that a picture button leaves visible."""
    canvas = Canvas(32, 18, SILVER)
    ink = {"#": BLACK}
    canvas.pattern(2, 3, GLYPH_HYOU, ink)
    canvas.pattern(15, 3, GLYPH_JUN, ink)
    draw_stamp(canvas, 25, 2, 5, 6, SILVER)
    return canvas


def own_icon_button():
    """A shortcut that keeps an icon of its own, which the program never loads: an empty
    dashed frame where that icon would be, with the shortcut arrow in its corner."""
    canvas = Canvas(32, 18, SILVER)
    left, top, right, bottom = 9, 2, 22, 15
    for x in range(left, right + 1):
        for y in (top, bottom):
            if (x - left) % 3 != 2:
                canvas.set(x, y, GRAY)
    for y in range(top, bottom + 1):
        for x in (left, right):
            if (y - top) % 3 != 2:
                canvas.set(x, y, GRAY)
    canvas.pattern(left + 1, bottom - len(SHORTCUT_ARROW_16) + 1, SHORTCUT_ARROW_16,
                   ARROW_COLOURS)
    return canvas


def pack_rows(canvas, bits, pixel_value):
    """Bottom-up rows of a DIB, each padded to four bytes."""
    data = bytearray()
    row_bytes = (canvas.width * bits + 31) // 32 * 4
    for y in reversed(range(canvas.height)):
        row = bytearray(row_bytes)
        for x in range(canvas.width):
            value = pixel_value(canvas.get(x, y))
            bit = x * bits
            row[bit // 8] |= value << (8 - bits - bit % 8)
        data += row
    return bytes(data)


def dib(canvas, with_mask):
    """BITMAPINFOHEADER, palette and bits; an icon's DIB has double height and an AND mask."""
    colours = pack_rows(canvas, 4, lambda c: 0 if c is CLEAR else c)
    mask = pack_rows(canvas, 1, lambda c: 1 if c is CLEAR else 0) if with_mask else b""
    height = canvas.height * 2 if with_mask else canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, height, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colours + mask


def png_image(canvas):
    """The canvas as a 32-bit PNG with transparency, as an icon directory holds it."""
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)  # no filter
        for x in range(canvas.width):
            colour = canvas.get(x, y)
            raw += bytes((0, 0, 0, 0)) if colour is CLEAR else bytes(PALETTE[colour] + (255,))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico_file(canvases):
    """Images up to 48 pixels as 16-colour DIBs, the 256-pixel one as a PNG."""
    data = b""
    directory = b""
    offset = 6 + 16 * len(canvases)
    for canvas in canvases:
        if canvas.width >= 256:
            image = png_image(canvas)
            entry = (0, 0, 0, 0, 1, 32)  # a size of 0 stands for 256
        else:
            image = dib(canvas, True)
            entry = (canvas.width, canvas.height, 16, 0, 1, 4)
        directory += struct.pack("<BBBBHHII", *entry, len(image), offset)
        data += image
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(canvases)) + directory + data


def bmp_file(canvas):
    image = dib(canvas, False)
    bits_offset = 14 + 40 + 4 * 16
    return struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, bits_offset) + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {"mainframe.ico": ico_file([main_icon(size) for size in ICON_SIZES])}
    for name, paper in ENVELOPES:
        files["envelope_%s.ico" % name] = ico_file([envelope_icon(paper, size)
                                                    for size in ICON_SIZES])
        files["envelope_%s.bmp" % name] = bmp_file(envelope_button(paper))
    files["standard.bmp"] = bmp_file(standard_button())
    files["own_icon.bmp"] = bmp_file(own_icon_button())
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
