#!/usr/bin/env python3
"""Writes the engine's own pictures into resources/skin/: the gauge glow "ACGL"
(60 x 20 white band with alpha) and the title-bar menu arrow "MENUBTN" (three
17 x 20 orange rounded faces, 0xFF00FF corners). The shadow templates are made in code."""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngwrite import Canvas, mix  # noqa: E402

KEY = (255, 0, 255, 255)


def glow():
    canvas = Canvas(60, 20)
    first, last = 13, 60 - 14  # alpha is 0 over the first 13 and the last 14 columns
    for y in range(20):
        edge = abs(y - 9.5) / 9.5  # 0 in the middle row, 1 on the top and bottom rows
        peak = 97 + (134 - 97) * edge
        for x in range(first, last):
            bump = math.sin(math.pi * (x - first + 0.5) / (last - first))
            canvas.put(x, y, (255, 255, 255, round(peak * bump * bump)))
    return canvas


def menu_button():
    canvas = Canvas(51, 20, KEY)
    faces = [((255, 160, 40), (230, 110, 10)), ((255, 190, 90), (245, 140, 40)), ((220, 110, 10), (200, 90, 0))]
    for frame, (top, bottom) in enumerate(faces):
        x0 = frame * 17
        for y in range(20):
            colour = mix(top, bottom, y / 19) + (255,)
            for x in range(17):
                corner = min(x, 16 - x) + min(y, 19 - y)
                if corner >= 2:
                    canvas.put(x0 + x, y, colour)
        for i in range(5):  # a small white arrow pointing down
            canvas.rect(x0 + 4 + i, 8 + i, x0 + 13 - i, 9 + i, (255, 255, 255, 255))
    return canvas


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources", "skin")
    os.makedirs(out, exist_ok=True)
    glow().save(os.path.join(out, "ACGL.png"))
    menu_button().save(os.path.join(out, "MENUBTN.png"), alpha=False)


if __name__ == "__main__":
    main()
