#!/usr/bin/env python3
"""CPU share of the whole program while idle with the skin: nothing playing, the
advertisement shown, the gauge glowing. Measured from the process's own CPU time
(utime + stime of /proc/PID/stat) over a minute. Run on a display:
  ZZ_BUILD_DIR=build tests/tools/with_xvfb.sh 1366x768 python3 bench/gauge/idle_cpu.py [seconds]"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "program"))
import program_test as pt  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime, stime


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 60.0
    program = pt.Program(f"{pt.BUILD}/demo.mp4\nDemo\nClip\n")
    try:
        window = pt.wait_for(lambda: pt.find_window(pt.CAPTION), timeout=30)
        if not window or not pt.wait_for(lambda: pt.viewable(window), timeout=30):
            sys.exit("the main window did not appear")
        time.sleep(5.0)  # start-up and the advertisement page's first paint are not idle
        pid = program.process.pid
        start_cpu, start = cpu_seconds(pid), time.monotonic()
        time.sleep(seconds)
        used, elapsed = cpu_seconds(pid) - start_cpu, time.monotonic() - start
        print(f"idle with the skin: {used:.2f} s CPU in {elapsed:.1f} s = {100 * used / elapsed:.2f} % of one core")
    finally:
        program.stop()


if __name__ == "__main__":
    main()
