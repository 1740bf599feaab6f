#!/usr/bin/env python3
"""Measures the editor's start-up under Wine in a private Xvfb display, beside
the minimal window program, in one run:

Start-up to the main window shown: from just before `wine PROGRAM` is started
until the X server has the program's top-level window of the given title
mapped and viewable and the window's own pixels on the screen (a point inside
it no longer shows what the screen showed there before the program started).
Both programs are timed the same way, alternately (A B B A ...) after one
unmeasured warm-up run each, each from a fresh copy in a folder of its own;
the medians are compared. Target: ratio at most 2. A waiting probe keeps
Wine's desktop process running between runs, as a desktop always is.

USER objects: the suite that builds one hundred documents of two hundred
push buttons each through the forms layer (editor_windows_tests,
UserObjectsTest) is run and its counts printed. Target: well under the
10,000 USER objects a Windows process may own.

Exit code 0 when everything could be measured (whether or not the target is
met), 1 when a measurement failed."""
import argparse
import json
import re
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
sys.path.insert(0, HERE)
import harness  # noqa: E402
import measure_player  # noqa: E402
import xwindows  # noqa: E402

EDITOR_TITLE = "Autorun Quorvel Menu Editor"
MINIMAL_TITLE = "Minimal Window"
STARTUP_TARGET = 2.0


def time_to_shown(session, screen, windows, exe, title, timeout=60):
    """Seconds from the start of exe until its window titled title is
    viewable and painted; the program is killed afterwards."""
    # Sample points spread over the screen; the window's own pixel at one
    # of them must differ from what was there before.
    sw, sh = screen_size(session)
    before = {(px, py): screen.pixel(px, py) for px in range(16, sw, sw // 8) for py in range(16, sh, sh // 8)}
    t0 = time.perf_counter()
    proc = measure_player.start(session, exe)
    try:
        end = t0 + timeout
        while True:
            rect = windows.find(title)
            if rect and painted(screen, rect, before):
                return time.perf_counter() - t0
            if proc.poll() is not None:
                raise RuntimeError(f"{os.path.basename(exe)} ended with {proc.returncode} before it was shown")
            if time.perf_counter() > end:
                raise RuntimeError(f"{title} not shown within {timeout} s")
            time.sleep(0.002)
    finally:
        measure_player.kill_until_gone(proc, lambda: windows.find(title))


def painted(screen, rect, before):
    left, top, width, height = rect
    inside = [p for p in before if left <= p[0] < left + width and top <= p[1] < top + height]
    return any(screen.pixel(px, py) != before[(px, py)] for px, py in inside)


def screen_size(session):
    w, h = session.screen.split("x")[:2]
    return int(w), int(h)


def fresh_copy(session, exe, name, run):
    """A copy of exe in a folder of its own (the editor keeps its settings
    beside itself: each run starts as a first run)."""
    folder = os.path.join(session.work, f"{name}-{run}")
    os.makedirs(folder)
    target = os.path.join(folder, os.path.basename(exe))
    shutil.copy(exe, target)
    return target


def user_objects(session):
    """The USER object counts the suite prints: (before, all hidden, one shown)."""
    code, out = session.run(harness.find_built("editor_windows_tests.exe"), "--gtest_filter=UserObjectsTest.*",
                            timeout=300)
    counts = []
    for first, second in re.findall(r"USER objects: (\d+)(?: before, (\d+))?", out):
        counts += [int(first)] + ([int(second)] if second else [])
    if code != 0 or len(counts) != 3:
        raise RuntimeError(f"the USER objects suite failed ({code}):\n{out}")
    return counts


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--runs", type=int, default=7, help="measured start-ups of each program (default 7)")
    ap.add_argument("--json", help="also write the figures to this file")
    args = ap.parse_args()

    subjects = {"editor": (harness.find_built("Autorun Quorvel Menu Editor.exe"), EDITOR_TITLE),
                "minimal": (harness.find_built("minimal_window.exe"), MINIMAL_TITLE)}
    times = {"editor": [], "minimal": []}
    with harness.Session() as session:
        screen = measure_player.Screen(session.env["DISPLAY"])
        windows = xwindows.TopWindows(session.env["DISPLAY"])
        try:
            session.move(0, 0)
            keeper = measure_player.keep_desktop(session)
            try:
                for name in ("minimal", "editor"):  # warm-up: both files in the page cache
                    exe, title = subjects[name]
                    time_to_shown(session, screen, windows, fresh_copy(session, exe, name, "warm"), title)
                for i in range(args.runs):
                    order = ("minimal", "editor") if i % 2 == 0 else ("editor", "minimal")
                    for name in order:
                        exe, title = subjects[name]
                        times[name].append(
                            time_to_shown(session, screen, windows, fresh_copy(session, exe, name, i), title))
            finally:
                keeper.kill()
                keeper.wait()
            objects = user_objects(session)
        finally:
            windows.close()
            screen.close()
    med = {k: statistics.median(v) for k, v in times.items()}
    ratio = med["editor"] / med["minimal"]
    for k in ("minimal", "editor"):
        print(f"start-up to main window shown, {k:7s}: median {med[k] * 1000:.0f} ms of "
              f"{', '.join('%.0f' % (t * 1000) for t in times[k])} ms", flush=True)
    print(f"start-up ratio editor/minimal: {ratio:.2f}; target <= {STARTUP_TARGET}: "
          f"{'met' if ratio <= STARTUP_TARGET else 'MISSED'}", flush=True)
    print(f"USER objects: {objects[1] - objects[0]} for 100 hidden documents of 200 hidden buttons, "
          f"{objects[2] - objects[0]} with one document's buttons shown; limit 10000: "
          f"{'met' if objects[2] - objects[0] < 10000 // 4 else 'MISSED'}", flush=True)
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"startup_editor_s": times["editor"], "startup_minimal_s": times["minimal"],
                       "startup_ratio": ratio, "user_objects": objects}, f, indent=1)
    return 0


if __name__ == "__main__":
    measure_player.run(main)
