#!/usr/bin/env python3
"""The program on the desktop, with the real media library under Xvfb: a private session
bus with a stand-in screen saver, the desktop's media controls driven through dbus-send,
and starts whose session bus cannot be reached or never answers."""
import os
import socket
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_test as pt  # noqa: E402

SERVICE = "org.mpris.MediaPlayer2.zadizaplayer"
PATH = "/org/mpris/MediaPlayer2"
PLAYER = "org.mpris.MediaPlayer2.Player"
VIDEO = (3 + 100, 24 + 60, 260, 160)
GAUGE = (286 + 3 + 160, 134 + 24 + 296 + 4, 9, 53)


class SessionBus:
    """A private dbus-daemon; its address goes into the environment of what starts next."""

    def __init__(self):
        self.daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                       stdout=subprocess.PIPE, text=True)
        self.address = self.daemon.stdout.readline().strip()
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address

    def stop(self):
        os.environ.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.daemon.terminate()
        self.daemon.wait(10)


class SilentBus:
    """Takes connections on a socket and never answers them, as a stopped daemon does."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="zz-silent-bus-")
        self.path = os.path.join(self.dir, "bus")
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(self.path)
        self.server.listen(16)
        self.taken = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            try:
                self.taken.append(self.server.accept()[0])
            except OSError:
                return

    def stop(self):
        self.server.close()
        for connection in self.taken:
            connection.close()
        shutil.rmtree(self.dir, ignore_errors=True)


class ScreenSaverStandIn:
    """Owns org.freedesktop.ScreenSaver on the bus and collects the calls it answers."""

    def __init__(self):
        self.process = subprocess.Popen([os.path.join(pt.BUILD, "tests", "screensaver_standin")],
                                        stdout=subprocess.PIPE, text=True)
        if self.process.stdout.readline().strip() != "ready":
            raise RuntimeError("the stand-in screen saver did not start")
        self.calls = []
        threading.Thread(target=self._collect, daemon=True).start()

    def _collect(self):
        for line in self.process.stdout:
            self.calls.append(line.split())

    def of(self, member):
        return [call[1:] for call in self.calls if call[0] == member]

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def send(member, *args, interface=PLAYER):
    return pt.run("dbus-send", "--session", "--print-reply", f"--dest={SERVICE}", PATH,
                  f"{interface}.{member}", *args)


def get(name):
    return send("Get", f"string:{PLAYER}", f"string:{name}", interface="org.freedesktop.DBus.Properties")


def owned():
    reply = pt.run("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                   "org.freedesktop.DBus.NameHasOwner", f"string:{SERVICE}")
    return "boolean true" in reply


class DesktopTest(unittest.TestCase):
    start = pt.ProgramTest.start
    main_window = pt.ProgramTest.main_window

    def start_bus(self):
        bus = SessionBus()
        self.addCleanup(bus.stop)

    def play_demo(self):
        return self.start(f"{pt.BUILD}/demo.mp4\nDemo\nClip\n")

    def assert_moving(self, message):
        self.assertTrue(pt.wait_for(lambda: pt.distinct_colours(pt.grab(VIDEO)) > 8, timeout=15), message)
        before = pt.grab(VIDEO)
        time.sleep(0.5)
        self.assertGreater(pt.changed_share(before, pt.grab(VIDEO)), 0.004, message)

    def test_screen_is_kept_awake_while_playing_and_released_on_stop(self):
        self.start_bus()
        saver = ScreenSaverStandIn()
        self.addCleanup(saver.stop)
        self.play_demo()
        window = self.main_window()
        pt.key(window, "space")
        self.assertTrue(pt.wait_for(lambda: saver.of("Inhibit"), timeout=10), "playing did not inhibit the screen saver")
        time.sleep(2)
        self.assertEqual(len(saver.of("Inhibit")), 1, f"held more than once: {saver.calls}")
        self.assertEqual(saver.of("Inhibit")[0][0], "vlc")
        self.assertEqual(saver.of("UnInhibit"), [], "released while still playing")
        pt.key(window, "space")
        cookie = saver.of("Inhibit")[0][1]
        self.assertTrue(pt.wait_for(lambda: saver.of("UnInhibit"), timeout=10), "stopping kept the screen awake")
        self.assertEqual(saver.of("UnInhibit"), [[cookie]])

    def test_desktop_media_controls_drive_the_window(self):
        self.start_bus()
        program = self.play_demo()
        self.main_window()
        self.assertTrue(pt.wait_for(owned, timeout=10), f"{SERVICE} never appeared on the bus")
        send("PlayPause")
        self.assert_moving("no moving picture after PlayPause")
        self.assertIn('"Playing"', get("PlaybackStatus"))

        quiet = pt.grab(GAUGE)
        send("Set", f"string:{PLAYER}", "string:Volume", "variant:double:0.5",
             interface="org.freedesktop.DBus.Properties")
        self.assertIn("double 0.5", get("Volume"))
        self.assertTrue(pt.wait_for(lambda: pt.grab(GAUGE) != quiet, timeout=3), "the gauge did not follow Volume")

        send("Stop")
        self.assertIn('"Stopped"', get("PlaybackStatus"))
        time.sleep(0.5)
        still = pt.grab(VIDEO)
        time.sleep(1.0)
        self.assertLess(pt.changed_share(still, pt.grab(VIDEO)), 0.001, "the picture still moves after Stop")

        send("Quit", interface="org.mpris.MediaPlayer2")
        self.assertEqual(program.process.wait(10), 0)

    def test_plays_when_the_session_bus_cannot_be_reached(self):
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=/nonexistent/zz-bus"
        self.addCleanup(os.environ.pop, "DBUS_SESSION_BUS_ADDRESS", None)
        self.play_demo()
        window = self.main_window()
        pt.key(window, "space")
        self.assert_moving("no moving picture after Space without a session bus")

    def test_shows_and_plays_when_the_session_bus_never_answers(self):
        # Each user of such a bus would wait for it for good: the toolkit's accessibility
        # bridge before the window shows, the media library's screen-saver inhibitor at play.
        bus = SilentBus()
        self.addCleanup(bus.stop)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus.path
        self.addCleanup(os.environ.pop, "DBUS_SESSION_BUS_ADDRESS", None)
        started = time.monotonic()
        program = self.play_demo()
        window = pt.wait_for(lambda: pt.find_window(pt.CAPTION), timeout=10)
        self.assertIsNotNone(window, "no window with a silent session bus; " + program.diagnosis())
        self.assertTrue(pt.wait_for(lambda: pt.viewable(window), timeout=10),
                        "the window is never shown with a silent session bus; " + program.diagnosis())
        self.assertLess(time.monotonic() - started, 8)
        self.assertTrue(bus.taken, "the program never tried the bus")
        time.sleep(1.0)
        pt.key(window, "space")
        self.assert_moving("no moving picture after Space with a silent session bus")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
