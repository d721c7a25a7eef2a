#!/usr/bin/env python3
"""The skinned caption and frame of the main window on the real screen: pixels
from the skin, the close button where the skin puts it, hover, and a click that
acts on the release over the same button only."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_test as pt  # noqa: E402

WINDOW = (286, 134, 467, 385)  # the designed place and size
FRAME, CAPTION = 3, 21
STATIONS = f"{pt.BUILD}/demo.mp4\nDemo\nClip\n"


def blackbox_globals():
    """The GLOBALINFO values of the BlackBox skin beside the program."""
    values, section = {}, None
    with open(os.path.join(pt.BUILD, "Skins", "BlackBox", "Options.dat")) as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[GLOBALINFO]" and "=" in line:
                key, _, value = line.partition("=")
                values[key] = value
    return values


def close_button():
    """The close button's screen rectangle as the skin lays it out: right to left
    from BIRIGHT, one frame of "BICONCLOSE" wide, placed by BIVALIGN and BITOP."""
    g = blackbox_globals()
    left, top, right, bottom, frames = (int(v) for v in g["BICONCLOSE"][1:].split()[:5])
    width, height = (right - left) // frames, bottom - top
    x = WINDOW[2] - int(g["BIRIGHT"]) - FRAME - width
    centre = CAPTION // 2 + FRAME // 2
    y = FRAME + int(g["BITOP"]) if int(g["BIVALIGN"]) == 1 else centre - height // 2
    return (WINDOW[0] + x, WINDOW[1] + y, width, height)


def middle(area):
    return area[0] + area[2] // 2, area[1] + area[3] // 2


class CaptionTest(unittest.TestCase):
    def start(self, skins=True):
        program = pt.Program(STATIONS, skins=skins)
        self.addCleanup(program.stop)
        window = pt.wait_for(lambda: pt.find_window(pt.CAPTION))
        self.assertIsNotNone(window, "the main window did not appear; " + program.diagnosis())
        self.assertTrue(pt.wait_for(lambda: pt.viewable(window)), "the main window was never shown")
        pt.run("xdotool", "mousemove", "600", "700")  # away from the caption
        time.sleep(1.5)
        return program, window

    def test_caption_and_frame_come_from_the_skin(self):
        caption = (WINDOW[0], WINDOW[1], WINDOW[2], FRAME + CAPTION)
        frame = (WINDOW[0], WINDOW[1] + 100, FRAME, 200)
        program, _ = self.start(skins=True)
        skinned = pt.grab(caption), pt.grab(frame)
        program.stop()
        program, _ = self.start(skins=False)
        plain = pt.grab(caption), pt.grab(frame)
        self.assertGreater(pt.changed_share(skinned[0], plain[0]), 0.05, "the caption looks as without a skin")
        self.assertNotEqual(skinned[1], plain[1], "the frame looks as without a skin")

    def test_caption_follows_the_activation(self):
        _, window = self.start()
        caption = (WINDOW[0], WINDOW[1], WINDOW[2], FRAME + CAPTION)
        pt.run("xdotool", "windowfocus", "--sync", window, check=False)
        time.sleep(0.5)
        active = pt.grab(caption)
        other = subprocess.Popen(["xmessage", "-geometry", "+0+600", "other window"])
        self.addCleanup(other.kill)
        helper = pt.wait_for(lambda: pt.find_window("^xmessage$"))
        self.assertIsNotNone(helper, "no second window to activate")
        pt.wait_for(lambda: pt.viewable(helper))
        pt.run("xdotool", "windowfocus", "--sync", helper, check=False)
        time.sleep(0.7)
        inactive = pt.grab(caption)
        self.assertGreater(pt.changed_share(active, inactive), 0.02,
                           "the caption did not change when the window lost the focus")
        pt.run("xdotool", "windowfocus", "--sync", window, check=False)
        time.sleep(0.7)
        self.assertEqual(pt.grab(caption), active, "the active caption did not come back")

    def test_close_button_hovers_and_closes_on_release_over_it(self):
        program, window = self.start()
        button = close_button()
        x, y = middle(button)
        normal = pt.grab(button)
        pt.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.5)
        self.assertGreater(pt.changed_share(normal, pt.grab(button)), 0.2, "hovering did not change the button")

        # A press moved off the button before the release does nothing.
        pt.run("xdotool", "mousedown", "1")
        time.sleep(0.3)
        pt.run("xdotool", "mousemove", str(x - 200), str(y + 150))
        time.sleep(0.3)
        pt.run("xdotool", "mouseup", "1")
        time.sleep(1.0)
        self.assertIsNone(program.process.poll(), "a press moved off the close button closed the window")
        self.assertTrue(pt.viewable(window))
        self.assertEqual(pt.geometry(window)[:2], WINDOW[:2], "the press moved the window")

        pt.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.3)
        pt.run("xdotool", "mousedown", "1")
        time.sleep(0.5)
        self.assertIsNone(program.process.poll(), "the window closed on the press")
        pt.run("xdotool", "mouseup", "1")
        self.assertTrue(pt.wait_for(lambda: program.process.poll() is not None, timeout=10),
                        "a click on the close button did not close the window")

    def test_dragging_the_caption_moves_the_window(self):
        _, window = self.start()
        x, y = WINDOW[0] + 150, WINDOW[1] + FRAME + CAPTION // 2
        pt.run("xdotool", "mousemove", str(x), str(y))
        pt.run("xdotool", "mousedown", "1")
        for step in range(1, 6):
            pt.run("xdotool", "mousemove", str(x + 10 * step), str(y + 8 * step))
            time.sleep(0.05)
        pt.run("xdotool", "mouseup", "1")
        self.assertTrue(pt.wait_for(lambda: pt.geometry(window)[:2] == (WINDOW[0] + 50, WINDOW[1] + 40), timeout=3),
                        f"window at {pt.geometry(window)[:2]} after dragging its caption")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
