#!/usr/bin/env python3
"""Draws the program's icon, four map tiles on a green ground, at every size the
desktop asks for, into res/icons/hicolor/<N>x<N>/apps/ (PNG). The 32-pixel one
is also res/icons/app.png. Each size is drawn from the same proportions, so
small sizes stay sharp instead of being scaled down from a large picture.

    scripts/make-icons
"""
import os
import struct
import sys
import zlib

APP_ID = "org.tessellmancery.Tessellmancery"
SIZES = (16, 32, 48, 64, 128, 256)
GROUND = (42, 111, 58)
TILES = ((127, 209, 107), (59, 123, 209), (201, 164, 90), (138, 138, 138))  # grass, water, path, stone


def draw(n):
    """The icon as rows of RGB triples: on a 32-pixel grid each tile is 11 wide
    with a 4-pixel margin and a 2-pixel gap between tiles."""
    def edge(units):
        return round(units * n / 32)
    spans = ((edge(4), edge(15)), (edge(17), edge(28)))
    rows = []
    for y in range(n):
        row = []
        for x in range(n):
            colour = GROUND
            for j, (top, bottom) in enumerate(spans):
                for i, (left, right) in enumerate(spans):
                    if left <= x < right and top <= y < bottom:
                        colour = TILES[j * 2 + i]
            row.append(colour)
        rows.append(row)
    return rows


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "icons")
    for n in SIZES:
        folder = os.path.join(res, "hicolor", "%dx%d" % (n, n), "apps")
        os.makedirs(folder, exist_ok=True)
        data = png(draw(n))
        with open(os.path.join(folder, APP_ID + ".png"), "wb") as f:
            f.write(data)
        if n == 32:
            with open(os.path.join(res, "app.png"), "wb") as f:
                f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
