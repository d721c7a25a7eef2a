#!/usr/bin/env python3
"""Generates the skin "BlackBox": skins/BlackBox/Master.png (every region on a
0xFF00FF background) and skins/BlackBox/Options.dat describing it. Dark charcoal
faces, thin borders, blue accents."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngwrite import Canvas, mix  # noqa: E402

KEY = (255, 0, 255, 255)
INK = (200, 204, 210, 255)
BLUE = (47, 140, 255, 255)
BLUE_DARK = (30, 111, 217, 255)
RED = (232, 17, 35, 255)


def tcolor(r, g, b, *_):
    """The options file's colour value 0x00BBGGRR."""
    return b << 16 | g << 8 | r


def gradient(top, bottom, kind=0):
    return "%d;%d;100;%d;0" % (tcolor(*top), tcolor(*bottom), kind)


class Atlas:
    """Places frames of regions on the master bitmap, left to right in rows."""

    def __init__(self, width):
        self.canvas = Canvas(width, 512, KEY)
        self.x = self.y = self.row_height = 0

    def place(self, width, height):
        if self.x + width > self.canvas.width:
            self.x, self.y, self.row_height = 0, self.y + self.row_height + 1, 0
        x, y = self.x, self.y
        self.x += width + 1
        self.row_height = max(self.row_height, height)
        return x, y

    def crop(self):
        used = self.y + self.row_height
        self.canvas.rows = self.canvas.rows[:used]
        self.canvas.height = used


def region(x, y, w, h, frames, margins, flags, rows=0):
    """A "^" entry: region with margins in fixed columns."""
    left, top, right, bottom = margins
    return "^%04d %04d %04d %04d %04d %04d %04d %04d %d %d %d %d" % (
        x, y, x + w, y + h, left, top, right, bottom, frames, rows, flags, 0)


def plain(x, y, w, h, frames):
    """An "@" entry: plain region in fixed columns."""
    return "@%04d %04d %04d %04d %d %d" % (x, y, x + w, y + h, frames, 0)


def rounded(canvas, x0, y0, w, h, radius, fill, border):
    """A rounded rectangle with a one-pixel border; outside the corners stays KEY."""
    for y in range(h):
        for x in range(w):
            dx = max(radius - x - 0.5, x + 0.5 - (w - radius), 0)
            dy = max(radius - y - 0.5, y + 0.5 - (h - radius), 0)
            distance = (dx * dx + dy * dy) ** 0.5
            if distance > radius:
                continue
            edge = x in (0, w - 1) or y in (0, h - 1) or distance > radius - 1.2
            canvas.put(x0 + x, y0 + y, border if edge else fill(y / max(h - 1, 1)))


def glyph(canvas, x0, y0, w, h, kind, colour):
    """The small picture on a title button."""
    cx, cy = x0 + w // 2, y0 + h // 2
    if kind == "close":
        for i in range(-4, 5):
            canvas.put(cx + i, cy + i, colour)
            canvas.put(cx + i, cy - i, colour)
    elif kind == "max":
        for i in range(-4, 5):
            for j in (-4, 4):
                canvas.put(cx + i, cy + j, colour)
                canvas.put(cx + j, cy + i, colour)
        canvas.rect(cx - 4, cy - 3, cx + 5, cy - 2, colour)
    elif kind == "norm":
        for i in range(-2, 5):
            for j in (-2, 4):
                canvas.put(cx + i - 2, cy + j, colour)
                canvas.put(cx + j - 2, cy + i, colour)
        canvas.rect(cx - 2, cy - 4, cx + 5, cy - 3, colour)
        canvas.rect(cx + 4, cy - 4, cx + 5, cy + 3, colour)
    elif kind == "min":
        canvas.rect(cx - 4, cy + 3, cx + 5, cy + 5, colour)
    elif kind == "help":
        for x, y in [(-2, -4), (-1, -5), (0, -5), (1, -5), (2, -4), (2, -3), (1, -2), (0, -1), (0, 0)]:
            canvas.put(cx + x, cy + y, colour)
        canvas.put(cx, cy + 3, colour)


def title_button(atlas, kind, w, h, hot_face):
    x, y = atlas.place(w * 3, h)
    faces = [(34, 36, 40, 255), hot_face, mix(hot_face, (0, 0, 0, 255), 0.3)]
    for frame, face in enumerate(faces):
        rounded(atlas.canvas, x + frame * w, y, w, h, 3, lambda t, f=face: mix(f, (0, 0, 0, 255), 0.15 * t),
                mix(face, (0, 0, 0, 255), 0.4))
        glyph(atlas.canvas, x + frame * w, y, w, h, kind, INK if frame == 0 else (255, 255, 255, 255))
    return plain(x, y, w * 3, h, 3)


def frame_set(atlas, w, h, faces, radius, margins, flags):
    """A bordered mask with one frame per (fill top, fill bottom, border) face."""
    x, y = atlas.place(w * len(faces), h)
    for frame, (top, bottom, border) in enumerate(faces):
        rounded(atlas.canvas, x + frame * w, y, w, h, radius, lambda t, a=top, b=bottom: mix(a, b, t), border)
    return region(x, y, w * len(faces), h, len(faces), margins, flags)


def bevel(atlas, size, light, dark, centre):
    """A square one-frame border: light top-left, dark bottom-right."""
    x, y = atlas.place(size, size)
    c = atlas.canvas
    c.rect(x, y, x + size, y + size, centre)
    c.rect(x, y, x + size, y + 1, light)
    c.rect(x, y, x + 1, y + size, light)
    c.rect(x, y + size - 1, x + size, y + size, dark)
    c.rect(x + size - 1, y, x + size, y + size, dark)
    return region(x, y, size, size, 1, (1, 1, 1, 1), 0)


def build(atlas):
    hover = (64, 68, 76, 255)
    sections = {}
    glob = sections["GLOBALINFO"] = {
        "VERSION": "8.10", "AUTHOR": "ZadiZAPlayer", "DESCRIPTION": "Dark charcoal with blue accents",
        "MASTERBITMAP": "Master.png", "BORDERWIDTH": 3, "TITLEHEIGHT": 21, "MAXHEIGHT": 21, "FORMOFFSET": 3,
        "BISPACE": 1, "BIVALIGN": 0, "BIRIGHT": 2, "BILEFT": 4, "BITOP": 1,
        "COLOR": tcolor(32, 34, 38), "FONTCOLOR": tcolor(*INK), "HOTCOLOR": tcolor(*BLUE),
        "BORDERCOLOR": tcolor(12, 13, 15), "SHADOW1COLOR": 0, "SHADOW1OFFSET": 0, "SHADOW1BLUR": 6,
        "SHADOW1TRANSPARENCY": 60, "BIKEEPHUE": 2,
        # Web labels: white text, blue under the mouse.
        "TCTOP": tcolor(*BLUE), "TCBOTTOM": tcolor(255, 255, 255),
    }
    for name, kind in [("BICONCLOSE", "close"), ("BICLOSEALONE", "close"), ("BICONMAX", "max"),
                       ("BICONNORM", "norm"), ("BICONMIN", "min"), ("BICONHELP", "help")]:
        glob[name] = title_button(atlas, kind, 27, 19, RED if kind == "close" else hover)
    for name, kind in [("SICONCLOSE", "close"), ("SICONMAX", "max"), ("SICONNORM", "norm"), ("SICONMIN", "min"),
                       ("SICONHELP", "help")]:
        glob[name] = title_button(atlas, kind, 19, 15, RED if kind == "close" else hover)
    return sections


def faces(atlas):
    """Every section the player's window and its controls read."""
    charcoal, deep, edge = (38, 40, 44, 255), (26, 27, 30, 255), (58, 61, 66, 255)
    ink, dim = tcolor(*INK), tcolor(150, 154, 160)
    flat = [(charcoal, charcoal, KEY), ((52, 56, 62, 255), (44, 47, 52, 255), edge),
            ((26, 60, 110, 255), (22, 50, 92, 255), BLUE_DARK)]
    s = {}
    s["FORM"] = {
        "STATES": 2, "COLOR": tcolor(*deep), "HOTCOLOR": tcolor(*deep), "FONTCOLOR": ink, "HOTFONTCOLOR": ink,
        "BORDERSMASK": frame_set(atlas, 12, 12, [(deep, deep, (70, 72, 78, 255)), (deep, deep, BLUE_DARK)], 0,
                                 (3, 3, 3, 3), 0),
        "TITLEBAR": frame_set(atlas, 16, 21, [((24, 25, 28, 255), (20, 21, 24, 255), (16, 17, 19, 255))], 4,
                              (5, 5, 5, 5), 4),
    }
    s["FORMTITLE"] = {
        "STATES": 2, "COLOR": tcolor(30, 32, 36), "HOTCOLOR": tcolor(36, 39, 44),
        "FONTCOLOR": dim, "HOTFONTCOLOR": ink, "GRADIENTPERCENT": 100, "HOTGRADIENTPERCENT": 100,
        "GRADIENTDATA": gradient((34, 36, 40), (24, 25, 28)),
        "HOTGRADIENTDATA": gradient((44, 48, 56), (28, 30, 34)),
        "BORDERSMASK": frame_set(atlas, 8, 21, [(KEY, KEY, (20, 21, 24, 255)), (KEY, KEY, BLUE_DARK)], 0,
                                 (1, 1, 1, 1), 0),
    }
    # The caption text lies on the title face: see-through, and without a parent
    # class, so it does not inherit the title's border (no box around the text).
    s["CAPTION"] = {"STATES": 2, "COLOR": tcolor(30, 32, 36), "HOTCOLOR": tcolor(36, 39, 44), "FONTCOLOR": dim,
                    "HOTFONTCOLOR": ink, "TRANSPARENCY": 100, "HOTTRANSPARENCY": 100}
    s["PANEL"] = {
        "STATES": 1, "COLOR": tcolor(*charcoal), "FONTCOLOR": ink, "GRADIENTPERCENT": 100,
        "GRADIENTDATA": gradient((44, 46, 51), (31, 32, 36)),
        "BORDERSMASK": bevel(atlas, 8, (60, 63, 69, 255), (18, 19, 21, 255), KEY),
    }
    s["PANEL_LOW"] = {
        "PARENTCLASS": "PANEL", "COLOR": tcolor(*deep), "GRADIENTPERCENT": 0,
        "BORDERSMASK": bevel(atlas, 8, (16, 17, 19, 255), (56, 59, 64, 255), KEY),
    }
    button_faces = [((60, 64, 71, 255), (40, 42, 47, 255), (78, 82, 90, 255)),
                    ((66, 104, 160, 255), (40, 66, 108, 255), BLUE),
                    ((14, 30, 58, 255), (26, 56, 100, 255), BLUE_DARK),
                    ((60, 64, 71, 255), (40, 42, 47, 255), BLUE)]
    s["BUTTON"] = {
        "STATES": 4, "COLOR": tcolor(48, 51, 56), "HOTCOLOR": tcolor(46, 72, 112), "FONTCOLOR": ink,
        "HOTFONTCOLOR": tcolor(255, 255, 255), "SHOWFOCUS": 0, "FADINGENABLED": 1, "FADINGITERATIONS": 5,
        "GRADIENTPERCENT": 100, "GRADIENTDATA": gradient((60, 64, 71), (40, 42, 47)),
        "HOTGRADIENTPERCENT": 100, "HOTGRADIENTDATA": gradient((58, 90, 140), (36, 58, 96)),
        "BORDERSMASK": frame_set(atlas, 20, 20, button_faces, 4, (6, 6, 6, 6), 5),
    }
    s["SPEEDBUTTON"] = {"PARENTCLASS": "BUTTON"}
    s["GAUGE"] = {
        "STATES": 1, "COLOR": tcolor(18, 19, 21), "FONTCOLOR": ink,
        "BORDERSMASK": frame_set(atlas, 8, 8, [((16, 17, 19, 255), (22, 23, 26, 255), edge)], 0, (2, 2, 2, 2), 0),
    }
    blue_face = [((92, 170, 255, 255), (30, 111, 217, 255), (20, 80, 170, 255))]
    s["PROGRESSH"] = {
        "STATES": 1, "COLOR": tcolor(*BLUE), "FONTCOLOR": tcolor(255, 255, 255), "GRADIENTPERCENT": 100,
        "GRADIENTDATA": gradient((92, 170, 255), (30, 111, 217)),
        "BORDERSMASK": frame_set(atlas, 8, 8, blue_face, 2, (2, 2, 2, 2), 5),
    }
    s["PROGRESSV"] = {
        "PARENTCLASS": "PROGRESSH", "GRADIENTDATA": gradient((92, 170, 255), (30, 111, 217), 1),
        "BORDERSMASK": frame_set(atlas, 8, 8, blue_face, 2, (2, 2, 2, 2), 5),
    }
    s["TITLEBAR"] = {"STATES": 1, "COLOR": tcolor(30, 32, 36), "FONTCOLOR": ink, "TRANSPARENCY": 100}
    s["TITLEBUTTON"] = {
        "STATES": 3, "COLOR": tcolor(30, 32, 36), "HOTCOLOR": tcolor(52, 56, 62), "FONTCOLOR": ink,
        "HOTFONTCOLOR": tcolor(255, 255, 255), "TRANSPARENCY": 100, "HOTTRANSPARENCY": 0,
        "BORDERSMASK": frame_set(atlas, 14, 18, flat, 3, (4, 4, 4, 4), 2),
    }
    for name in ("TB_BTN", "TB_MENUBTN", "TB_TAB", "TOOLBUTTON"):
        s[name] = {"PARENTCLASS": "TITLEBUTTON"}
    s["WEBBUTTON"] = {
        "STATES": 2, "COLOR": tcolor(*charcoal), "FONTCOLOR": tcolor(*BLUE), "HOTFONTCOLOR": tcolor(120, 185, 255),
        "TRANSPARENCY": 100, "HOTTRANSPARENCY": 100,
    }
    s["MENULINE"] = {"STATES": 1, "COLOR": tcolor(30, 32, 36), "FONTCOLOR": ink}
    s["MENUITEM"] = {"STATES": 2, "COLOR": tcolor(34, 36, 40), "HOTCOLOR": tcolor(*BLUE_DARK),
                     "FONTCOLOR": ink, "HOTFONTCOLOR": tcolor(255, 255, 255)}
    s["SELECTION"] = {"STATES": 2, "COLOR": tcolor(*BLUE_DARK), "HOTCOLOR": tcolor(*BLUE),
                      "FONTCOLOR": tcolor(255, 255, 255), "HOTFONTCOLOR": tcolor(255, 255, 255)}
    s["EDIT"] = {"STATES": 2, "COLOR": tcolor(22, 23, 26), "HOTCOLOR": tcolor(26, 28, 32), "FONTCOLOR": ink,
                 "HOTFONTCOLOR": ink,
                 "BORDERSMASK": frame_set(atlas, 8, 8, [(KEY, KEY, edge), (KEY, KEY, BLUE)], 0, (2, 2, 2, 2), 0)}
    s["CHECKBOX"] = {"STATES": 2, "COLOR": tcolor(*charcoal), "FONTCOLOR": ink, "HOTFONTCOLOR": tcolor(255, 255, 255),
                     "TRANSPARENCY": 100, "HOTTRANSPARENCY": 100}
    s["LABEL"] = {"PARENTCLASS": "CHECKBOX", "STATES": 1}
    return s


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "skins", "BlackBox")
    os.makedirs(out, exist_ok=True)
    atlas = Atlas(256)
    sections = build(atlas)
    sections.update(faces(atlas))
    atlas.crop()
    atlas.canvas.save(os.path.join(out, "Master.png"), alpha=False)
    with open(os.path.join(out, "Options.dat"), "w", newline="\r\n") as ini:
        ini.write("; BlackBox, the ZadiZAPlayer skin. Generated by tools/skin/make_blackbox.py.\n")
        for name, keys in sections.items():
            ini.write("\n[%s]\n" % name)
            for key, value in keys.items():
                ini.write("%s=%s\n" % (key, value))


if __name__ == "__main__":
    main()
