#!/usr/bin/env python3
"""Draws the program's pictures: the hand cursor HAND-M.CUR, the icon quarvel.png, and the
same icon for the desktop's icon theme under icons/ (SVG, and PNG at the theme's sizes).

Both are tiny and drawn from a few shapes, so they are built here byte by byte with the
standard library only (struct, zlib) rather than with an image program: the output is
reproducible and the script is the whole source of the pictures.

Run from this folder: python3 generate.py
"""

import struct
import zlib

# ---------------------------------------------------------------- hand cursor

CURSOR_SIZE = 32
HOTSPOT = (7, 0)  # the tip of the index finger


def hand_fill():
    """The white inside of a pointing hand, index finger up, as a set of (x, y)."""
    fill = set()

    def rect(x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                fill.add((x, y))

    rect(6, 1, 8, 17)  # index finger
    rect(10, 7, 12, 17)  # middle finger
    rect(14, 8, 16, 17)  # ring finger
    rect(18, 10, 19, 17)  # little finger
    rect(6, 16, 19, 23)  # palm
    rect(7, 24, 18, 25)  # heel of the hand
    rect(8, 26, 17, 27)  # wrist
    # the thumb, slanting out to the left; column 5 stays open beside the index finger
    for y, x0, x1 in ((13, 1, 2), (14, 1, 3), (15, 2, 4), (16, 2, 4), (17, 3, 4), (18, 3, 5),
                      (19, 4, 5), (20, 4, 5), (21, 5, 5)):
        rect(x0, y, x1, y)
    return fill


def hand_pixels():
    """Maps (x, y) to 'white' or 'black'; pixels not in the map are transparent."""
    fill = hand_fill()
    pixels = {p: "white" for p in fill}
    for y in range(CURSOR_SIZE):
        for x in range(CURSOR_SIZE):
            if (x, y) in fill:
                continue
            if any((x + dx, y + dy) in fill for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                pixels[(x, y)] = "black"
    return pixels


def cursor_bytes():
    """A Windows cursor file: one 32x32 image, 32 bits per pixel with an AND mask."""
    size = CURSOR_SIZE
    pixels = hand_pixels()
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        row_bits = 0
        for x in range(size):
            kind = pixels.get((x, y))
            if kind == "white":
                xor += bytes((255, 255, 255, 255))
            elif kind == "black":
                xor += bytes((0, 0, 0, 255))
            else:
                xor += bytes((0, 0, 0, 0))
                row_bits |= 1 << (size - 1 - x)  # transparent: AND bit set
        mask += struct.pack(">I", row_bits)  # 32 bits a row, already 4-byte aligned
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image),
                        6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------- program icon

ICON_SIZE = 64
SUPERSAMPLE = 4


def inside_rounded_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def icon_colour(x, y):
    """The icon's colour (r, g, b, a) at a point given in icon pixels: a blue tile with three
    stacked stock boxes."""
    blue = (30, 90, 160, 255)
    box = (250, 250, 250, 255)
    tape = (30, 90, 160, 255)
    if not inside_rounded_rect(x, y, 2, 2, 62, 62, 11):
        return (0, 0, 0, 0)
    boxes = ((12, 34, 30, 52), (34, 34, 52, 52), (23, 13, 41, 31))
    for x0, y0, x1, y1 in boxes:
        if inside_rounded_rect(x, y, x0, y0, x1, y1, 2):
            middle = (x0 + x1) / 2
            if abs(x - middle) <= 1.5 and y <= y0 + 7:
                return tape
            return box
    return blue


def icon_png(size=ICON_SIZE):
    """The icon drawn at size x size pixels (the design is ICON_SIZE pixels square)."""
    n = SUPERSAMPLE
    scale = ICON_SIZE / size
    rows = bytearray()
    for y in range(size):
        rows.append(0)  # filter type: none
        for x in range(size):
            total = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = icon_colour((x + (sx + 0.5) / n) * scale,
                                             (y + (sy + 0.5) / n) * scale)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            alpha = total[3] / (n * n)
            if total[3]:
                rows += bytes(round(total[i] / total[3]) for i in range(3))
            else:
                rows += bytes(3)
            rows.append(round(alpha))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


APP_ID = "org.quarvel.Quarvel"
# The sizes of the desktop's icon theme (hicolor) the icon is installed at, besides the SVG.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def icon_svg():
    """The same icon as scalable vector graphics, for the desktop's icon theme."""
    def rounded(x0, y0, x1, y1, r, colour):
        return ('  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>\n'
                % (x0, y0, x1 - x0, y1 - y0, r, colour))
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" '
             'viewBox="0 0 64 64">\n', rounded(2, 2, 62, 62, 11, "#1e5aa0")]
    for x0, y0, x1, y1 in ((12, 34, 30, 52), (34, 34, 52, 52), (23, 13, 41, 31)):
        parts.append(rounded(x0, y0, x1, y1, 2, "#fafafa"))
        middle = (x0 + x1) / 2
        parts.append('  <rect x="%g" y="%g" width="3" height="7" fill="#1e5aa0"/>\n'
                     % (middle - 1.5, y0))
    parts.append("</svg>\n")
    return "".join(parts)


if __name__ == "__main__":
    import os
    for size in THEME_SIZES:
        folder = "icons/hicolor/%dx%d/apps" % (size, size)
        os.makedirs(folder, exist_ok=True)
        with open("%s/%s.png" % (folder, APP_ID), "wb") as f:
            f.write(icon_png(size))
    os.makedirs("icons/hicolor/scalable/apps", exist_ok=True)
    with open("icons/hicolor/scalable/apps/%s.svg" % APP_ID, "w") as f:
        f.write(icon_svg())
    with open("HAND-M.CUR", "wb") as f:
        f.write(cursor_bytes())
    with open("quarvel.png", "wb") as f:
        f.write(icon_png())
    for y in range(CURSOR_SIZE):
        line = "".join({"white": ".", "black": "#"}.get(hand_pixels().get((x, y)), " ")
                       for x in range(CURSOR_SIZE))
        print(line.rstrip())
