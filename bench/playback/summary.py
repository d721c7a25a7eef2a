#!/usr/bin/env python3
"""Prints the medians of a playback_bench JSON report as a table: figure, program or
panel, peer, ratio."""
import json
import sys

ROWS = [
    ("Space -> first picture (ms)", "picture_ms"),
    ("Play -> first picture (ms)", "play_picture_ms"),
    ("Play -> Playing event (ms)", "playing_ms"),
    ("CPU while playing (% of a core)", "cpu_pct"),
    ("Resident memory while playing (MiB)", "rss_mib"),
    ("Proportional memory while playing (MiB)", "pss_mib"),
    ("CPU after the play toggle stopped (paused) it (% of a core)", "stopped_pct"),
]
SINGLE = [
    ("Program idle, advertisement shown (% of a core)", "idle_program_pct"),
    ("Program memory with the advertisement (MiB)", "rss_program_with_ad_mib"),
    ("Program processes with the advertisement / while playing", "processes_program_with_ad", "processes_program"),
    ("Web engine library pages kept while playing (MiB)", "webengine_lib_rss_mib"),
]
STARTS = [
    ("Bare Qt window", "bare"),
    ("+ shared OpenGL context (AA_ShareOpenGLContexts)", "share_gl"),
    ("+ window composed through OpenGL (hidden OpenGL child)", "gl_surface"),
    ("+ web engine libraries linked", "web_engine_libs"),
    ("Player panel alone in a window (media library, instance, player)", "panel"),
    ("The program", "program"),
]


def medians(report):
    found = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name", "median") == "median":
            name = entry["run_name"].split("/")[0]
            found.setdefault(name, {}).update({k: v for k, v in entry.items() if isinstance(v, (int, float))})
    return found


def cell(values, key, digits=1):
    return "-" if key is None or key not in values else f"{values[key]:.{digits}f}"


def main():
    with open(sys.argv[1]) as f:
        report = json.load(f)
    found = medians(report)
    repetitions = max((entry.get("repetitions", 1) for entry in report["benchmarks"]), default=1)
    print(f"Medians of {repetitions} interleaved rounds; ratios are medians of each round's ratio.\n")
    play = found.get("BM_Playback")
    if play:
        print("| Figure | Bare libvlc | Panel | Panel x | Program | Program x |")
        print("|---|---|---|---|---|---|")
        for label, name in ROWS:
            print(f"| {label} | {cell(play, name + '_bare')} | {cell(play, name + '_panel')} "
                  f"| {cell(play, name + '_panel_x', 2)} | {cell(play, name + '_program')} "
                  f"| {cell(play, name + '_program_x', 2)} |")
        print()
        for label, *keys in SINGLE:
            print(f"{label}: " + " / ".join(cell(play, key) for key in keys))
        print()
    start = found.get("BM_StartUp")
    if start:
        print("| Start-up, exec -> window painted | ms | x bare window |")
        print("|---|---|---|")
        for label, key in STARTS:
            print(f"| {label} | {cell(start, f'start_{key}_ms')} | {cell(start, f'start_{key}_x', 2)} |")

if __name__ == "__main__":
    main()
