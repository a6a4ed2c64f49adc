#!/usr/bin/env python3
"""Draws the sample sprite sheet "sprite sheets/meadow.bmp" (256 x 64, 24-bit).

Every tile is drawn here from a fixed seed, so the bitmap is the same on every
run. Pure green (0, 255, 0) is the key colour: those pixels are left out when a
sprite is drawn. The sheet file beside it (meadow.spt), which cuts the bitmap
into sprites, is written by `tessell demo` with the editor's own writer; the
rectangles below and the ones there must agree.

    grass fill  32x32 at   0,0     hole001   16x16 at  96,0
    water fill  32x32 at  32,0     hole002   16x16 at 112,0
    path fill   32x32 at  64,0     tree      32x48 at 128,0
    canopy      48x32 at 160,0     rock      32x32 at 208,0
    grass, water, path, flowers, pebble     16x16 at 0/16/32/48/96, 48
    wisp (two frames)                        16x16 at 64,48 and 80,48
"""
import os
import struct
import sys

WIDTH, HEIGHT = 256, 64
KEY = (0, 255, 0)

pixels = [[KEY] * WIDTH for _ in range(HEIGHT)]
seed = 20240611


def rand(n):
    """A small linear congruential generator: the same picture every run."""
    global seed
    seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
    return (seed >> 8) % n


def put(x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        pixels[y][x] = colour


def shade(colour, amount):
    return tuple(max(0, min(250, c + amount)) for c in colour)


def grass(x0, y0, w, h):
    base = (62, 148, 58)
    for y in range(h):
        for x in range(w):
            put(x0 + x, y0 + y, shade(base, rand(21) - 10))
    for _ in range(w * h // 12):  # blades
        x, y = rand(w), rand(h - 2)
        put(x0 + x, y0 + y, (44, 118, 40))
        put(x0 + x, y0 + y + 1, (90, 176, 70))


def water(x0, y0, w, h):
    for y in range(h):
        for x in range(w):
            put(x0 + x, y0 + y, shade((40, 92, 196), rand(9) - 4))
    for row in range(2, h, 8):  # ripples
        start = (row * 5) % w
        for i in range(6):
            put(x0 + (start + i) % w, y0 + row, (120, 170, 235))


def path(x0, y0, w, h):
    for y in range(h):
        for x in range(w):
            put(x0 + x, y0 + y, shade((192, 160, 112), rand(17) - 8))
    for _ in range(w * h // 40):  # pebbles
        put(x0 + rand(w), y0 + rand(h), (150, 128, 96))


def disc(cx, cy, r, colour, light=None):
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r:
                c = colour
                if light and (x - cx) + (y - cy) < -r * 0.6:
                    c = light
                put(x, y, shade(c, rand(11) - 5))


def hole(x0, y0, inner, rim):
    for y in range(16):
        for x in range(16):
            edge = x in (0, 15) or y in (0, 15)
            put(x0 + x, y0 + y, rim if edge else shade(inner, rand(7) - 3))


def tree(x0, y0):
    for y in range(30, 48):  # trunk
        for x in range(13, 19):
            put(x0 + x, y0 + y, shade((110, 72, 38), rand(13) - 6))
    disc(x0 + 16, y0 + 15, 14.5, (34, 112, 42), (70, 150, 60))


def canopy(x0, y0):
    disc(x0 + 14, y0 + 17, 12, (28, 100, 36), (64, 142, 56))
    disc(x0 + 33, y0 + 17, 12, (28, 100, 36), (64, 142, 56))
    disc(x0 + 24, y0 + 11, 10.5, (34, 112, 42), (76, 158, 64))


def rock(x0, y0, size):
    r = size / 2 - 1.5
    disc(x0 + size / 2, y0 + size / 2 + 1, r, (120, 120, 126), (170, 170, 176))
    for i in range(size // 3):  # a crack
        put(x0 + size // 2 - 2 + i // 2, y0 + size // 3 + i, (80, 80, 86))


def flowers(x0, y0):
    grass(x0, y0, 16, 16)
    for (x, y, c) in ((3, 3, (220, 40, 50)), (11, 5, (240, 210, 40)), (6, 11, (240, 240, 240)),
                      (13, 12, (220, 40, 50))):
        for dx, dy in ((0, 0), (1, 0), (0, 1), (-1, 0), (0, -1)):
            put(x0 + x + dx, y0 + y + dy, c if (dx, dy) != (0, 0) else (250, 220, 80))


def wisp(x0, y0, r):
    disc(x0 + 8, y0 + 8, r, (150, 220, 235), (235, 250, 250))
    put(x0 + 6, y0 + 7, (30, 40, 80))
    put(x0 + 10, y0 + 7, (30, 40, 80))


grass(0, 0, 32, 32)
water(32, 0, 32, 32)
path(64, 0, 32, 32)
hole(96, 0, (14, 12, 12), (70, 60, 50))
hole(112, 0, (16, 24, 70), (60, 80, 140))
tree(128, 0)
canopy(160, 0)
rock(208, 0, 32)
grass(0, 48, 16, 16)
water(16, 48, 16, 16)
path(32, 48, 16, 16)
flowers(48, 48)
wisp(64, 48, 5.5)
wisp(80, 48, 6.5)
rock(96, 48, 16)


def write_bmp(file_name):
    row_size = WIDTH * 3  # already a multiple of 4
    data = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        for (r, g, b) in pixels[y]:
            data += bytes((b, g, r))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(file_name, 'wb') as f:
        f.write(header + info + data)
    assert row_size % 4 == 0


here = os.path.dirname(os.path.abspath(__file__))
target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'workspace', 'sprite sheets', 'meadow.bmp')
write_bmp(target)
print('wrote', os.path.normpath(target))
