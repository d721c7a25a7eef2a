#!/usr/bin/env python3
"""Prints the medians of a playback_bench JSON report as a table: figure, program or
panel, peer, ratio."""
import json
import sys

ROWS = [
    ("Space -> first picture (ms)", "picture_bare_ms", "picture_panel_ms", "picture_program_ms"),
    ("Play -> first picture (ms)", "play_picture_bare_ms", "play_picture_panel_ms", None),
    ("Play -> Playing event (ms)", "playing_bare_ms", "playing_panel_ms", None),
    ("CPU while playing (% of a core)", "cpu_bare_pct", "cpu_panel_pct", "cpu_program_pct"),
    ("Resident memory while playing (MiB)", "rss_bare_mib", "rss_panel_mib", "rss_program_mib"),
    ("Proportional memory while playing (MiB)", "pss_bare_mib", None, "pss_program_mib"),
]
RATIOS = {"picture_panel_ms": "picture_panel_x", "picture_program_ms": "picture_program_x",
          "play_picture_panel_ms": "play_picture_panel_x", "playing_panel_ms": "playing_panel_x",
          "cpu_panel_pct": "cpu_panel_x", "cpu_program_pct": "cpu_program_x", "rss_program_mib": "rss_program_x"}
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
        for label, bare, panel, program in ROWS:
            print(f"| {label} | {cell(play, bare)} | {cell(play, panel)} | {cell(play, RATIOS.get(panel), 2)} "
                  f"| {cell(play, program)} | {cell(play, RATIOS.get(program), 2)} |")
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
