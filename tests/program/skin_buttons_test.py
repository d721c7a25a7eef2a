#!/usr/bin/env python3
"""The skinned buttons on the real screen: the skin changes their look, the mouse
over a button and pressing it change its face, the mute button stays pressed."""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_test as pt  # noqa: E402

# Places inside the client area (the caption is 21 pixels, the frame 3).
CLIENT = (3, 24)
PLAY = (352, 296 + 8, 49, 49)
MUTE = (172, 296 + 28, 29, 29)
SETTLE = 0.4  # a fade takes 5 steps of 10 ms; the X server needs a moment more


def area(window, place):
    x, y, _, _ = pt.geometry(window)
    return (x + CLIENT[0] + place[0], y + CLIENT[1] + place[1], place[2], place[3])


def centre(box):
    return box[0] + box[2] // 2, box[1] + box[3] // 2


def changed(before, after):
    """Share of pixels that changed by more than 16 in a channel: faces of one skin
    differ less than a moving picture does, and nothing here is scaled or decoded."""
    moved = sum(1 for a, b in zip(before, after) if max(abs(x - y) for x, y in zip(a, b)) > 16)
    return moved / max(1, len(before))


def mouse(*args):
    pt.run("xdotool", *args)
    time.sleep(SETTLE)


class SkinButtonsTest(unittest.TestCase):
    def start(self, skinned):
        stations = f"{pt.BUILD}/demo.mp4\nDemo\nClip\n"
        program = pt.Program(stations, skins=skinned)
        window = pt.wait_for(lambda: pt.find_window(pt.CAPTION))
        self.assertIsNotNone(window, "the main window did not appear; " + program.diagnosis())
        self.assertTrue(pt.wait_for(lambda: pt.viewable(window)))
        mouse("mousemove", "0", "0")
        time.sleep(1.0)
        return program, window

    def test_skin_hover_press_and_mute(self):
        program, window = self.start(skinned=False)
        plain = pt.grab(area(window, PLAY))
        program.stop()
        pt.wait_for(lambda: not pt.find_window(pt.CAPTION), timeout=10)

        program, window = self.start(skinned=True)
        self.addCleanup(program.stop)
        play = area(window, PLAY)
        normal = pt.grab(play)
        self.assertGreater(changed(plain, normal), 0.3, "the skin does not change the play button")

        mouse("mousemove", *map(str, centre(play)))
        hot = pt.grab(play)
        self.assertGreater(changed(normal, hot), 0.3, "the mouse over the button does not change it")
        mouse("mousedown", "1")
        pressed = pt.grab(play)
        self.assertGreater(changed(hot, pressed), 0.3, "pressing the button does not change it")
        mouse("mousemove", "0", "0")  # released elsewhere: no click
        mouse("mouseup", "1")
        self.assertLess(changed(normal, pt.grab(play)), 0.01, "the button did not come back")

        mute = area(window, MUTE)
        unmuted = pt.grab(mute)
        mouse("mousemove", *map(str, centre(mute)))
        mouse("click", "1")
        muted_over = pt.grab(mute)
        mouse("mousemove", "0", "0")
        muted = pt.grab(mute)
        self.assertGreater(changed(unmuted, muted), 0.3, "the mute button does not stay pressed")
        self.assertLess(changed(muted, muted_over), 0.01, "a muted button changes with the mouse")
        mouse("mousemove", *map(str, centre(mute)))
        mouse("click", "1")
        mouse("mousemove", "0", "0")
        self.assertLess(changed(unmuted, pt.grab(mute)), 0.01, "the mute button stays pressed after unmuting")
        pt.run("import", "-window", "root", os.path.join(pt.BUILD, "program-skinned.png"), check=False)


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
