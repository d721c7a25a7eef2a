#!/usr/bin/env python3
"""The Debian package as a user gets it: built with CPack, read with dpkg-deb,
checked by lintian and desktop-file-validate, and the program started from an
unpacked copy under Xvfb."""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "program"))
from program_test import (BUILD, CAPTION, SYSTEM_LIBVLC, distinct_colours, find_window, geometry,  # noqa: E402
                          grab, key, run, viewable, wait_for)

PROGRAM_DIR = "usr/lib/zadizaplayer"
STATIONS = "/etc/zadizaplayer/tvstations.txt"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
RUNTIME_DEPENDS = ("libvlc5", "libvlc-bin", "vlc-plugin-base", "vlc-plugin-video-output",
                   "fonts-dejavu-core", "fonts-liberation2", "fonts-wine")


def as_installed(root, path):
    """Where the link at `path` (inside the unpacked `root`) leads once the package is installed."""
    target = os.readlink(os.path.join(root, path))
    return os.path.normpath(os.path.join("/", os.path.dirname(path), target))


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="zz-package-")
        subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
                        "-B", cls.work], check=True, capture_output=True, cwd=BUILD)
        debs = glob.glob(os.path.join(cls.work, "*.deb"))
        assert len(debs) == 1, debs
        cls.deb = debs[0]
        cls.root = os.path.join(cls.work, "root")
        run("dpkg-deb", "-x", cls.deb, cls.root)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def field(self, name):
        return run("dpkg-deb", "-f", self.deb, name).strip()

    def test_control_fields(self):
        version = self.field("Version")
        self.assertEqual(os.path.basename(self.deb), f"zadizaplayer_{version}_amd64.deb")
        self.assertEqual(self.field("Package"), "zadizaplayer")
        self.assertEqual(self.field("Architecture"), "amd64")
        self.assertRegex(self.field("Maintainer"), r"^.+ <.+@.+>$")
        self.assertGreater(len(self.field("Description").splitlines()), 2, "no long description")
        depends = {d.split()[0] for d in self.field("Depends").split(", ")}
        # Computed from the binary's and the module's libraries, plus what is loaded at run time.
        for package in RUNTIME_DEPENDS + ("libqt6widgets6", "libqt6webenginewidgets6", "libjpeg62-turbo", "zlib1g"):
            self.assertIn(package, depends)
        conffiles = run("dpkg-deb", "-I", self.deb, "conffiles").split()
        self.assertEqual(conffiles, [STATIONS])

    def test_contents(self):
        root = self.root
        self.assertTrue(os.access(os.path.join(root, PROGRAM_DIR, "ZadiZAPlayer"), os.X_OK))
        self.assertTrue(os.path.isfile(os.path.join(root, PROGRAM_DIR, "libzz_webview.so")), "no web engine module")
        self.assertEqual(as_installed(root, "usr/bin/zadizaplayer"), f"/{PROGRAM_DIR}/ZadiZAPlayer")
        self.assertEqual(as_installed(root, f"{PROGRAM_DIR}/libvlc.so.5"), SYSTEM_LIBVLC)
        self.assertEqual(as_installed(root, f"{PROGRAM_DIR}/tvstations.txt"), STATIONS)
        with open(root + STATIONS) as f:
            first = f.readline().strip()
        self.assertEqual(first, f"/{PROGRAM_DIR}/demo.mp4", "the bundled list does not open with the demo clip")
        self.assertTrue(os.path.isfile(root + first))
        self.assertTrue(os.path.isfile(os.path.join(root, PROGRAM_DIR, "Skins/BlackBox/Options.dat")))
        self.assertTrue(os.path.isfile(os.path.join(root, "usr/share/doc/zadizaplayer/copyright")))
        for size in ICON_SIZES:
            icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/zadizaplayer.png")
            self.assertEqual(run("identify", "-format", "%m %wx%h", icon), f"PNG {size}x{size}")

    def test_lintian_finds_no_error(self):
        result = subprocess.run(["lintian", "--fail-on", "error", self.deb], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_desktop_entry(self):
        entry = os.path.join(self.root, "usr/share/applications/zadizaplayer.desktop")
        result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertNotIn("error", result.stdout)
        with open(entry, encoding="utf-8") as f:
            keys = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        for name in ("Name", "GenericName", "Comment"):
            self.assertTrue(keys.get(name) and keys.get(f"{name}[cs]"), f"{name} lacks English or Czech")
        self.assertTrue({"AudioVideo", "Player", "TV"} <= set(keys["Categories"].split(";")))
        self.assertTrue(os.path.lexists(os.path.join(self.root, "usr/bin", keys["Exec"].split()[0])))
        self.assertEqual(keys["Icon"], "zadizaplayer")

    def test_unpacked_program_shows_its_window_and_plays(self):
        # Lay the unpacked copy out as dpkg would install it: the program directory's
        # links lead to the unpacked station list and the system's media library, and
        # the list's demo clip is the unpacked one.
        program_dir = os.path.join(self.root, PROGRAM_DIR)
        stations = os.path.join(program_dir, "tvstations.txt")
        os.remove(stations)
        with open(self.root + STATIONS) as f:
            bundled = f.read()
        with open(stations, "w") as f:
            f.write(bundled.replace(f"/{PROGRAM_DIR}/", f"{program_dir}/", 1))
        libvlc = os.path.join(program_dir, "libvlc.so.5")
        os.remove(libvlc)
        os.symlink(SYSTEM_LIBVLC, libvlc)

        # Started through /usr/bin: the program must find its directory from its own executable.
        env = dict(os.environ, HOME=self.work, XDG_RUNTIME_DIR=self.work)
        process = subprocess.Popen([os.path.join(self.root, "usr/bin/zadizaplayer")], env=env, cwd=self.work,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(process.wait, 10)
        self.addCleanup(process.terminate)
        window = wait_for(lambda: find_window(CAPTION))
        self.assertIsNotNone(window, "the main window did not appear")
        # A station list or skin the program cannot read shows an error box before the window.
        box = lambda: find_window("^ZadiZAPlayer$", "--onlyvisible")
        self.assertTrue(wait_for(lambda: viewable(window) or box()), "the main window was never shown")
        self.assertIsNone(box(), "an error box showed")
        x, y, width, height = geometry(window)
        self.assertEqual((width, height), (467, 385))

        key(window, "space")
        video = (x + 3 + 100, y + 24 + 60, 260, 160)
        self.assertTrue(wait_for(lambda: distinct_colours(grab(video)) > 8, timeout=15),
                        "the bundled demo clip does not play")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    sys.exit(1 if failed else 0)
