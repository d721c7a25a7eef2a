"""Minimal PNG writer on the standard library (zlib), for the skin art scripts."""

import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, pixels, alpha=True):
    """pixels: rows of (r, g, b, a) tuples, top row first. Without alpha, a is ignored."""
    channels = 4 if alpha else 3
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter type None
        for r, g, b, a in row:
            raw.extend((r, g, b, a)[:channels])
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(_chunk(b"IHDR", header))
        out.write(_chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(_chunk(b"IEND", b""))


class Canvas:
    """An RGBA picture to draw on, filled with one colour."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def save(self, path, alpha=True):
        write_png(path, self.width, self.height, self.rows, alpha)


def mix(a, b, t):
    """Blend colour a towards b by t in 0..1."""
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))
