#!/usr/bin/env python3
"""Writes kovlo.ico: one 32 x 32 image in 16 colours (4 bits per pixel).

The picture: a photograph in a dark frame, a green hill under a blue sky with
a yellow sun. Run from anywhere: python3 resources/make_icon.py
"""
import os
import struct

SIZE = 32
# The 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
FRAME, SKY, SUN, HILL, EDGE = 8, 14, 11, 2, 15


def pixel(x, y):
    """Palette index of the pixel x from the left, y from the top."""
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return EDGE
    if x < 3 or x > SIZE - 4 or y < 3 or y > SIZE - 4:
        return FRAME
    if (x - 22) ** 2 + (y - 10) ** 2 <= 16:
        return SUN
    if y > 20 - abs(x - 12) // 2 + (x // 5) % 2:
        return HILL
    return SKY


def xor_rows():
    """Bottom-up rows, two pixels a byte, high nibble first."""
    rows = b""
    for y in reversed(range(SIZE)):
        row = bytes((pixel(x, y) << 4) | pixel(x + 1, y) for x in range(0, SIZE, 2))
        rows += row  # 16 bytes: already a multiple of 4
    return rows


def icon_bytes():
    xor = xor_rows()
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kovlo.ico")
    with open(path, "wb") as out:
        out.write(icon_bytes())
