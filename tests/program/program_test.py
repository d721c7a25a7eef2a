#!/usr/bin/env python3
"""The whole program under Xvfb, started from a program directory of its own and
driven like a user: xdotool for keys, xwininfo for geometry, screenshots for pixels."""
import http.server
import os
import shutil
import threading
import subprocess
import sys
import tempfile
import time
import unittest

BUILD = os.environ["ZZ_BUILD_DIR"]
SCREEN = os.environ.get("ZZ_SCREEN", "1366x768")
SYSTEM_LIBVLC = "/usr/lib/x86_64-linux-gnu/libvlc.so.5"
CAPTION = "ZadiZAPlayer - "


def run(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout


def wait_for(condition, timeout=20.0, step=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return None


def find_window(name, *options):
    out = run("xdotool", "search", *options, "--name", name, check=False).split()
    return out[0] if out else None


def viewable(window):
    return bool(window) and "IsViewable" in run("xwininfo", "-id", window, check=False)


def geometry(window):
    info = {}
    for line in run("xwininfo", "-id", window).splitlines():
        key, _, value = line.strip().partition(":")
        info[key] = value.strip()
    return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
            int(info["Width"]), int(info["Height"]))


def child_windows(window):
    """(width, height, x, y) of every window below `window`."""
    sizes = []
    for line in run("xwininfo", "-children", "-id", window).splitlines():
        line = line.strip()
        if line.startswith("0x") and "x" in line.split()[-2]:
            size, place = line.split()[-2:]
            w, h = size.split("+")[0].split("x")
            x, y = size.split("+")[1:3]
            sizes.append((int(w), int(h), int(x), int(y)))
    return sizes


def grab(area):
    """Pixels of a screen rectangle (x, y, w, h) as a list of RGB triples."""
    x, y, w, h = area
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "rgb:-"],
                         check=True, capture_output=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def steady_grab(area, timeout=5.0):
    """Pixels of an area once two grabs in a row agree: the gauge between two
    passes of its glow."""
    last = grab(area)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        time.sleep(0.05)
        now = grab(area)
        if now == last:
            return now
        last = now
    return last


def changed_share(before, after):
    """Share of pixels that changed clearly (more than scaler and decoder noise)."""
    changed = sum(1 for a, b in zip(before, after) if max(abs(x - y) for x, y in zip(a, b)) > 48)
    return changed / max(1, len(before))


def distinct_colours(pixels):
    return len({(r // 32, g // 32, b // 32) for r, g, b in pixels})


class StallingServer:
    """Serves a transport stream from 127.0.0.1 that stops sending part-way with the
    connection left open, as a dead live stream does; counts the requests."""

    def __init__(self, path, share=0.35):
        with open(path, "rb") as f:
            data = f.read()
        head = data[:int(len(data) * share) // 188 * 188]
        self.requests = []
        self.closing = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.requests.append(time.monotonic())
                self.send_response(200)
                self.send_header("Content-Type", "video/mp2t")
                self.end_headers()
                try:
                    self.wfile.write(head)
                    self.wfile.flush()
                except OSError:
                    return
                server.closing.wait(60)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/live.ts"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.closing.set()
        self.httpd.shutdown()
        self.httpd.server_close()


class Program:
    """A copy of the built program in a temporary program directory."""

    def __init__(self, stations, skins=True):
        self.dir = tempfile.mkdtemp(prefix="zz-program-")
        shutil.copy2(os.path.join(BUILD, "ZadiZAPlayer"), self.dir)
        shutil.copy2(os.path.join(BUILD, "libzz_webview.so"), self.dir)  # the web engine, as installed
        os.symlink(SYSTEM_LIBVLC, os.path.join(self.dir, "libvlc.so.5"))
        source = os.path.join(BUILD, "Skins")
        if skins and os.path.isdir(source):
            shutil.copytree(source, os.path.join(self.dir, "Skins"))
        with open(os.path.join(self.dir, "tvstations.txt"), "w") as f:
            f.write(stations)
        env = dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=self.dir)
        # The program's output, kept to tell why a window did not come.
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen([os.path.join(self.dir, "ZadiZAPlayer")], env=env, cwd=self.dir,
                                        stdout=self.output, stderr=subprocess.STDOUT)

    def diagnosis(self):
        self.output.seek(0)
        tail = self.output.read().decode(errors="replace").splitlines()[-15:]
        return f"exit status {self.process.poll()}, last output:\n" + "\n".join(tail)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.output.close()
        shutil.rmtree(self.dir, ignore_errors=True)


def key(window, name):
    run("xdotool", "windowfocus", "--sync", window, check=False)
    run("xdotool", "key", "--window", window, name)
    time.sleep(0.4)


class ProgramTest(unittest.TestCase):
    def start(self, stations):
        program = Program(stations)
        self.addCleanup(program.stop)
        self.program = program
        return program

    def main_window(self):
        window = wait_for(lambda: find_window(CAPTION))
        self.assertIsNotNone(window, "the main window did not appear; " + self.program.diagnosis())
        # Keys go to a mapped window that has taken the focus, as a person would find it.
        self.assertTrue(wait_for(lambda: viewable(window)), "the main window was never shown")
        time.sleep(1.0)
        return window

    def test_window_opens_with_its_designed_size(self):
        self.start(f"{BUILD}/demo.mp4\nDemo\nClip\n")
        window = self.main_window()
        self.assertEqual(run("xdotool", "getwindowname", window).strip(),
                         "ZadiZAPlayer - http://www.zadiza.cz - Hrajeme svobodnou hudbu ...")
        x, y, width, height = geometry(window)
        self.assertEqual((width, height), (467, 385))
        self.assertEqual((x, y), (286, 134))
        # The video panel's own native window sits in the client area under a 21 px caption.
        self.assertTrue(wait_for(lambda: (465, 297, 3, 24) in child_windows(window), timeout=5),
                        f"video window at {child_windows(window)}")

    def test_bad_station_list_shows_an_error_box_and_then_the_window(self):
        self.start("a\nb\nc\n\n")
        box = wait_for(lambda: find_window("^ZadiZAPlayer$", "--onlyvisible"))
        self.assertIsNotNone(box, "no error box titled ZadiZAPlayer")
        self.assertFalse(viewable(find_window(CAPTION)), "the main window showed before the box was answered")
        run("xdotool", "windowfocus", "--sync", box, check=False)
        run("xdotool", "key", "Return")  # through XTEST, to the focused box
        window = self.main_window()
        self.assertEqual(geometry(window)[2:], (467, 385))

    def test_watchdog_reopens_a_stream_that_stalls(self):
        clip = os.path.join(tempfile.mkdtemp(prefix="zz-stream-"), "live.ts")
        self.addCleanup(shutil.rmtree, os.path.dirname(clip), True)
        subprocess.run(["ffmpeg", "-v", "error", "-i", os.path.join(BUILD, "demo.mp4"), "-c", "copy",
                        "-f", "mpegts", clip], check=True)
        server = StallingServer(clip)
        self.addCleanup(server.stop)
        self.start(f"{server.url}\nLive\nStalling\n")
        window = self.main_window()
        key(window, "space")
        self.assertTrue(wait_for(lambda: len(server.requests) >= 1, timeout=10), "the stream was never opened")
        self.assertTrue(wait_for(lambda: len(server.requests) >= 2, timeout=30), "the stalled stream was not reopened")
        self.assertGreater(server.requests[1] - server.requests[0], 3.0, "reopened before the stream stalled")
        self.assertTrue(wait_for(lambda: len(server.requests) >= 3, timeout=30), "no further reopening")
        print("requests after", [round(t - server.requests[0], 1) for t in server.requests], "s", file=sys.stderr)

    def test_keys_play_fill_the_screen_and_stop(self):
        self.start(f"{BUILD}/demo.mp4\nDemo\nClip\n")
        window = self.main_window()
        video = (286 + 3 + 100, 134 + 24 + 60, 260, 160)  # inside the window's video area
        # The volume keys first: the clip plays for 20 s only.
        gauge = (286 + 3 + 160, 134 + 24 + 296 + 4, 9, 53)
        before = steady_grab(gauge)
        key(window, "Up")
        key(window, "Up")
        louder = steady_grab(gauge)
        self.assertNotEqual(before, louder, "the gauge did not follow Up")
        key(window, "Down")
        key(window, "Down")
        self.assertEqual(steady_grab(gauge), before, "Down did not bring the gauge back")

        key(window, "space")
        playing = wait_for(lambda: distinct_colours(grab(video)) > 8, timeout=15)
        self.assertTrue(playing, "no moving picture after Space")
        run("import", "-window", "root", os.path.join(BUILD, "program-playing.png"), check=False)

        key(window, "Return")
        screen_w, screen_h = (int(v) for v in SCREEN.split("x"))
        self.assertTrue(wait_for(lambda: geometry(window) == (0, 0, screen_w, screen_h), timeout=5),
                        f"full screen geometry {geometry(window)}")
        self.assertTrue(wait_for(lambda: (screen_w, screen_h - 6, 0, 0) in child_windows(window), timeout=5))
        run("import", "-window", "root", os.path.join(BUILD, "program-fullscreen.png"), check=False)

        key(window, "Escape")
        self.assertTrue(wait_for(lambda: geometry(window)[2:] == (467, 385), timeout=5))
        self.assertTrue(wait_for(lambda: (461, 297, 3, 24) in child_windows(window), timeout=5))

        def moves():
            moving = grab(video)
            time.sleep(0.5)
            return changed_share(moving, grab(video)) > 0.004
        # Leaving full screen resizes the video output: give it a moment to go on.
        self.assertTrue(wait_for(moves, timeout=6, step=0), "the picture does not move while playing")
        key(window, "space")
        time.sleep(0.5)
        still = grab(video)
        time.sleep(1.0)
        self.assertLess(changed_share(still, grab(video)), 0.001, "the picture still moves after the second Space")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
