#!/usr/bin/env python3
"""What the program puts on the real screen, read back from the X server: the
advertisement view before the first play, the control panel floating over the
video in full screen, and the fixed window's size hints."""
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_test
from program_test import BUILD, SCREEN, changed_share, distinct_colours, geometry, grab, key, run, wait_for

WINDOW = (286, 134)
CLIENT = (WINDOW[0] + 3, WINDOW[1] + 24)
VIDEO = (CLIENT[0], CLIENT[1], 461, 297)
# Of the control panel: the logo and the two big buttons, which nothing changes while playing.
STEADY = (220, 8, 233, 50)
FULL_SCREEN_BUTTON = (404 + 24, 8 + 24)


def size_limits(window):
    """(minimum, maximum) sizes in the window's WM_NORMAL_HINTS, None where absent."""
    limits = {"minimum": None, "maximum": None}
    for line in run("xprop", "-id", window, "WM_NORMAL_HINTS").splitlines():
        for kind in limits:
            if f"specified {kind} size:" in line:
                w, _, h = line.split(":")[1].split()
                limits[kind] = (int(w), int(h))
    return limits["minimum"], limits["maximum"]


def panel_area(left, top):
    return (left + STEADY[0], top + STEADY[1], STEADY[2], STEADY[3])


class ScreenTest(unittest.TestCase):
    start = program_test.ProgramTest.start
    main_window = program_test.ProgramTest.main_window

    def test_advertisement_view_shows_over_the_video_area_before_the_first_play(self):
        self.start(f"{BUILD}/demo.mp4\nDemo\nClip\n")
        self.main_window()
        # Offline the engine shows its own error page: anything but the black panel.
        shown = wait_for(lambda: distinct_colours(grab(VIDEO)) >= 3
                         and sum(1 for p in grab(VIDEO) if max(p) > 64) > 461 * 297 // 4, timeout=20)
        run("import", "-window", "root", os.path.join(BUILD, "screen-advertisement.png"), check=False)
        self.assertTrue(shown, "the video area stays black before the first play")

    def test_full_screen_panel_floats_over_the_video_and_takes_clicks(self):
        self.start(f"{BUILD}/demo.mp4\nDemo\nClip\n")
        window = self.main_window()
        self.assertEqual(size_limits(window), ((467, 385), (467, 385)))
        key(window, "space")
        self.assertTrue(wait_for(lambda: distinct_colours(grab((CLIENT[0] + 100, CLIENT[1] + 60, 260, 160))) > 8,
                                 timeout=15), "no picture after Space")
        run("xdotool", "mousemove", "0", "0")
        time.sleep(0.5)
        panel = grab(panel_area(CLIENT[0], CLIENT[1] + 296))

        key(window, "Return")
        screen_w, screen_h = (int(v) for v in SCREEN.split("x"))
        self.assertTrue(wait_for(lambda: geometry(window) == (0, 0, screen_w, screen_h), timeout=5))
        self.assertEqual(size_limits(window), (None, None))
        left, top = screen_w // 2 - 230, screen_h - 98
        floating = panel_area(left, top)
        time.sleep(1.0)
        self.assertGreater(changed_share(panel, grab(floating)), 0.2, "the hidden panel's place shows no video")

        run("xdotool", "mousemove", "100", str(screen_h - 3), "mousemove", "110", str(screen_h - 2))
        shown_at = time.monotonic()
        self.assertTrue(wait_for(lambda: changed_share(panel, grab(floating)) < 0.02, timeout=3),
                        "the control panel does not show over the video")
        run("import", "-window", "root", os.path.join(BUILD, "screen-fullscreen-panel.png"), check=False)
        self.assertTrue(wait_for(lambda: changed_share(panel, grab(floating)) > 0.2, timeout=14),
                        "the panel stays over the video")
        self.assertGreater(time.monotonic() - shown_at, 8.0, "the panel hid too early")

        run("xdotool", "mousemove", "200", str(screen_h - 3), "mousemove", "210", str(screen_h - 2))
        self.assertTrue(wait_for(lambda: changed_share(panel, grab(floating)) < 0.02, timeout=3))
        run("xdotool", "mousemove", str(left + FULL_SCREEN_BUTTON[0]), str(top + FULL_SCREEN_BUTTON[1]), "click", "1")
        self.assertTrue(wait_for(lambda: geometry(window)[2:] == (467, 385), timeout=5),
                        f"a click on the panel's button left the window at {geometry(window)}")
        self.assertEqual(size_limits(window), ((467, 385), (467, 385)))


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
