#!/usr/bin/env python3
"""Writes a stand-in "icon.ico" (16, 20 and 32 pixels, 32-bit colour) for builds whose tree
has no resources/icon.ico yet, so that the installer can be built and tried. It is a plain
blue tile with a white ring: replace it by adding the real picture as resources/icon.ico,
which the build then ships instead.  Usage: placeholder-icon.py OUTPUT
"""
import struct
import sys

SIZES = (16, 20, 32)
BLUE = (0xB0, 0x5A, 0x1E, 0xFF)  # BGRA
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, size):
    """The colour at (x, y), y counted from the top."""
    centre = (size - 1) / 2
    d2 = (x - centre) ** 2 + (y - centre) ** 2
    outer, inner = size * 0.34, size * 0.20
    if x in (0, size - 1) and y in (0, size - 1):
        return CLEAR  # cut corners
    if inner * inner <= d2 <= outer * outer:
        return WHITE
    return BLUE


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, size)) for x in range(size)))
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)  # the alpha channel decides; the mask shows all
    return header + b"".join(rows) + mask


def main():
    images = [image(s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
