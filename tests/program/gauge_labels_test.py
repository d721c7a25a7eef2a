#!/usr/bin/env python3
"""The volume gauge and the logo's web label of the running program, read back
from the X server: the gauge's filled height follows the volume keys, its glow
moves while there is volume, and a click on the logo hands the product's address
to the desktop's opener."""
import os
import subprocess
import stat
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_test as pt  # noqa: E402

PRODUCT_URL = "http://www.zadiza.cz"


def read(path):
    if not os.path.exists(path):
        return ""
    with open(path) as f:
        return f.read()


def grab(area):
    """8-bit RGB triples of a screen rectangle (x, y, w, h)."""
    x, y, w, h = area
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "rgb:-"],
                            check=True, capture_output=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def bluish(pixel):
    r, g, b = pixel
    return b > r + 40


class GaugeAndLabelTest(unittest.TestCase):
    # The program's starting helpers, without inheriting its tests.
    start = pt.ProgramTest.start
    main_window = pt.ProgramTest.main_window

    def client_origin(self, window):
        x, y, _, _ = pt.geometry(window)
        return x + 3, y + 24  # frame 3, caption 21

    def gauge_area(self, window):
        x, y = self.client_origin(window)
        return x + 160, y + 296 + 4, 9, 53

    def filled_rows(self, window):
        """Rows of the gauge's middle column painted in the skin's blue fill."""
        x, y, w, h = self.gauge_area(window)
        column = grab((x + w // 2, y, 1, h))
        return sum(1 for pixel in column if bluish(pixel))

    def frames(self, window, seconds, step=0.05):
        area = self.gauge_area(window)
        shots, deadline = [], time.monotonic() + seconds
        while time.monotonic() < deadline:
            shots.append(tuple(grab(area)))
            time.sleep(step)
        return shots

    def test_gauge_fill_follows_the_volume_and_glows_while_there_is_volume(self):
        self.start(f"{pt.BUILD}/demo.mp4\nDemo\nClip\n")
        window = self.main_window()
        self.assertEqual(self.filled_rows(window), 16, "volume 30 of a 53 pixel gauge")
        pt.key(window, "Up")
        self.assertEqual(self.filled_rows(window), 21)
        pt.key(window, "Up")
        self.assertEqual(self.filled_rows(window), 26)  # 26.5 rounds to even

        # The band crosses the filled part for about 0.3 s of every 2.2 s sweep.
        glowing = self.frames(window, 4.5)
        self.assertGreater(len(set(glowing)), 1, "the gauge's pixels do not move: no glow")

        for _ in range(5):
            pt.key(window, "Down")
        self.assertEqual(self.filled_rows(window), 0, "volume 0 still shows a fill")
        still = self.frames(window, 4.5)
        self.assertEqual(len(set(still)), 1, "the gauge moves at volume 0")

        # A press on the top row reaches the window's handler: volume 85, the gauge full.
        x, y, w, _ = self.gauge_area(window)
        pt.run("xdotool", "mousemove", str(x + w // 2), str(y), "click", "1")
        self.assertTrue(pt.wait_for(lambda: self.filled_rows(window) == 53, timeout=3),
                        "a press on the gauge did not reach its handler")

    def test_logo_click_runs_the_desktop_opener_with_the_product_address(self):
        tools = tempfile.mkdtemp(prefix="zz-opener-")
        record = os.path.join(tools, "opened.txt")
        opener = os.path.join(tools, "xdg-open")
        with open(opener, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{record}"\n')
        os.chmod(opener, os.stat(opener).st_mode | stat.S_IXUSR)
        path = os.environ.get("PATH", "")
        os.environ["PATH"] = tools + os.pathsep + path
        self.addCleanup(os.environ.__setitem__, "PATH", path)
        self.start(f"{pt.BUILD}/demo.mp4\nDemo\nClip\n")
        window = self.main_window()

        x, y = self.client_origin(window)
        pt.run("xdotool", "mousemove", str(x + 216 + 60), str(y + 296 + 8 + 24))
        time.sleep(0.3)
        pt.run("xdotool", "mousedown", "1")
        opened = pt.wait_for(lambda: read(record), timeout=5)
        pt.run("xdotool", "mouseup", "1")
        self.assertEqual(opened, PRODUCT_URL + "\n", "the opener did not get the address on the press")
        time.sleep(0.5)
        self.assertEqual(read(record), PRODUCT_URL + "\n", "opened more than once")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
