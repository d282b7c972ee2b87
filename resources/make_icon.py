#!/usr/bin/env python3
"""Writes kovlo.ico: one 32 x 32 image in 16 colours (4 bits per pixel).

The picture: a photograph in a dark frame, a green hill under a blue sky with
a yellow sun. Run from anywhere: python3 resources/make_icon.py

The build also draws the same picture as PNG files for the desktop's icon
theme, one per size (area-averaged from the 32 x 32 pixels):
    python3 resources/make_icon.py --png OUT_FOLDER 16 32 256
writes OUT_FOLDER/16x16/kovlo.png and so on.
"""
import os
import struct
import sys
import zlib

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


def scaled_rgb(size):
    """Row-major RGB bytes of the picture at size x size: each output pixel is
    the average of a 4 x 4 grid of samples of the 32 x 32 picture."""
    grid = 4
    out = bytearray()
    for y in range(size):
        for x in range(size):
            total = [0, 0, 0]
            for sy in range(grid):
                for sx in range(grid):
                    u = int((x + (sx + 0.5) / grid) * SIZE / size)
                    v = int((y + (sy + 0.5) / grid) * SIZE / size)
                    for c, value in enumerate(PALETTE[pixel(u, v)]):
                        total[c] += value
            out += bytes((t + grid * grid // 2) // (grid * grid) for t in total)
    return bytes(out)


def png_bytes(size):
    """An 8-bit RGB PNG, every row unfiltered."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    rgb = scaled_rgb(size)
    stride = size * 3
    raw = b"".join(b"\0" + rgb[y * stride:(y + 1) * stride] for y in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_pngs(folder, sizes):
    for size in sizes:
        path = os.path.join(folder, "%dx%d" % (size, size), "kovlo.png")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(png_bytes(size))


if __name__ == "__main__":
    if len(sys.argv) > 2 and sys.argv[1] == "--png":
        write_pngs(sys.argv[2], [int(s) for s in sys.argv[3:]])
    else:
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kovlo.ico")
        with open(path, "wb") as out:
            out.write(icon_bytes())
