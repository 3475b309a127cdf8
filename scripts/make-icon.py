#!/usr/bin/env python3
"""Draws Clearwell's icon (a blue water drop with a highlight) and writes it as an .ico file.

The file holds 32-bit entries with alpha at 16, 20, 24, 32 and 48 pixels, for Windows XP and
for Internet Explorer's toolbar (16 and 20 pixels), and 16-colour entries at 16 and 32 pixels
for the older shells. Pure Python, so it runs on a bare build machine:

    scripts/make-icon.py resources/icon.ico
"""
import math
import struct
import sys

SAMPLES = 4  # supersampling per axis

TOP = (0x7C, 0xC8, 0xF8)
BOTTOM = (0x12, 0x58, 0xB8)
OUTLINE = (0x0A, 0x32, 0x6E)
HIGHLIGHT = (0xFF, 0xFF, 0xFF)

# The standard 16-colour palette of the VGA shells.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def drop_distance(x, y):
    """Signed distance (in units of the icon's size) to the edge of the drop; < 0 inside.
    The drop is a circle below and, above it, the cone of its tangents from the tip."""
    cx, cy, r, tip_y = 0.5, 0.64, 0.30, 0.06
    d_circle = math.hypot(x - cx, y - cy) - r
    if y >= cy:
        return d_circle
    half = math.asin(r / (cy - tip_y))
    px, py = abs(x - cx), y - tip_y
    d_cone = math.hypot(px, py) if py < 0 else px * math.cos(half) - py * math.sin(half)
    return min(d_circle, d_cone)


def shade(x, y, flat=False):
    """Colour of the point (x, y) of the unit square, None outside the drop. flat gives the
    body one colour, for the 16-colour entries."""
    d = drop_distance(x, y)
    if d > 0:
        return None
    edge = 0.055
    if d > -edge:
        return OUTLINE
    t = min(max((y - 0.06) / 0.88, 0.0), 1.0)
    colour = tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
    if flat:
        colour = (0, 0, 255)
    # the highlight: an ellipse on the upper left of the body
    hx, hy = (x - 0.40) / 0.075, (y - 0.58) / 0.14
    if hx * hx + hy * hy < 1.0:
        return HIGHLIGHT
    return colour


def render(size, flat=False):
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            acc, hits = [0, 0, 0], 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (col + (sx + 0.5) / SAMPLES) / size
                    y = (row + (sy + 0.5) / SAMPLES) / size
                    c = shade(x, y, flat)
                    if c:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            alpha = round(255 * hits / (SAMPLES * SAMPLES))
            rgb = tuple(round(a / hits) for a in acc) if hits else (0, 0, 0)
            line.append((rgb, alpha))
        pixels.append(line)
    return pixels


def row_bytes(bits):
    return (bits + 31) // 32 * 4


def and_mask(pixels, size, opaque):
    out = b""
    for row in reversed(pixels):
        line = bytearray(row_bytes(size))
        for col, px in enumerate(row):
            if not opaque(px):
                line[col // 8] |= 0x80 >> (col % 8)
        out += bytes(line)
    return out


def entry_32(size):
    pixels = render(size)
    xor = b""
    for row in reversed(pixels):
        for (r, g, b), a in row:
            xor += bytes((b, g, r, a) if a else (0, 0, 0, 0))
    mask = and_mask(pixels, size, lambda px: px[1] > 0)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return 0, 32, header + xor + mask


def nearest_vga(rgb):
    return min((4, 12, 15), key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, VGA[i])))


def entry_4(size):
    pixels = render(size, flat=True)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    xor = b""
    for row in reversed(pixels):
        line = bytearray(row_bytes(size * 4))
        for col, ((r, g, b), a) in enumerate(row):
            index = nearest_vga((r, g, b)) if a >= 128 else 0
            line[col // 2] |= index << (4 if col % 2 == 0 else 0)
        xor += bytes(line)
    mask = and_mask(pixels, size, lambda px: px[1] >= 128)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    return 16, 4, header + palette + xor + mask


def main(path):
    images = [(s, entry_32(s)) for s in (16, 20, 24, 32, 48)]
    images += [(s, entry_4(s)) for s in (16, 32)]
    offset = 6 + 16 * len(images)
    directory, data = b"", b""
    for size, (colours, bits, blob) in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                                 len(blob), offset + len(data))
        data += blob
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + directory + data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "icon.ico")
