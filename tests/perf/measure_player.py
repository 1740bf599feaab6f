#!/usr/bin/env python3
"""Measures the player under Wine in a private Xvfb display and prints the
figures against their targets:

1. Start-up to first paint of a typical menu (800 x 600 background, 10
   animated graphical buttons), beside a program that only shows an 800 x 600
   window. Both are timed the same way: from just before `wine PROGRAM` is
   started until the screen shows the program's finished picture at every
   sample point (read from the X server every millisecond or so). The two
   programs run alternately (A B B A ...) after one unmeasured warm-up run
   each; the medians are compared. Target: ratio at most 1.3. Wine's desktop
   process would end a second after the last program and start again with
   the next one; a waiting probe keeps it running, as a desktop always is.
2. CPU of a menu with 20 buttons animating every 40 ms: the processor time
   the player's process and the Wine server use over a stretch of seconds,
   as a percentage of one core. Target: under 10 %. The X server's share is
   printed too (it does the drawing in a headless session).
3. The size of the player's executable. Target: at most 1 MB.

Exit code 0 when everything could be measured (whether or not the targets
are met), 1 when a measurement failed."""
import argparse
import ctypes
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402
import xwindows  # noqa: E402

MINIMAL_COLOUR = 0x339966  # minimal_window.cpp's window colour
STARTUP_TARGET = 1.3
CPU_TARGET = 10.0
SIZE_TARGET = 1024 * 1024


class Screen(xwindows.XDisplay):
    """Reads single pixels of the root window straight from the X server
    (through libX11), fast enough to poll every millisecond."""

    def _declare(self, x):
        x.XGetImage.restype = ctypes.c_void_p
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XGetPixel.restype = ctypes.c_ulong
        x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.c_void_p]

    def pixel(self, px, py):
        """0xRRGGBB at (px, py) of the screen."""
        image = self.x.XGetImage(self.dpy, self.root, px, py, 1, 1, 0xFFFFFFFF, 2)  # AllPlanes, ZPixmap
        if not image:
            raise RuntimeError("XGetImage failed")
        value = self.x.XGetPixel(image, 0, 0)
        self.x.XDestroyImage(image)
        return value & 0xFFFFFF

    def shows(self, points):
        """True when every (x, y, allowed colours) point shows one of its colours."""
        return all(self.pixel(px, py) in allowed for px, py, allowed in points)


# ---- processes and their processor time ----

def cpu_ticks(pid):
    """User plus system time of a process (all its threads), in clock ticks."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wineserver_pid(prefix):
    """The Wine server of this prefix: the one whose working folder is the
    server folder named after the prefix's device and inode."""
    st = os.stat(prefix)
    name = "server-%x-%x" % (st.st_dev, st.st_ino)
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            if os.path.basename(os.readlink(f"/proc/{entry}/cwd")) == name and \
                    "wineserver" in open(f"/proc/{entry}/cmdline", "rb").read().decode(errors="replace"):
                return int(entry)
        except OSError:
            continue
    raise RuntimeError(f"no wineserver for {prefix}")


def start(session, exe):
    return subprocess.Popen(["wine", exe], env=session.env, cwd=os.path.dirname(exe), stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_shown(screen, proc, points, timeout):
    """Seconds (perf_counter) at which the points first all showed, polling
    about every millisecond; raises when the program ends or time runs out."""
    end = time.perf_counter() + timeout
    while True:
        if screen.shows(points):
            return time.perf_counter()
        if proc.poll() is not None:
            raise RuntimeError(f"program ended with {proc.returncode} before it was shown")
        if time.perf_counter() > end:
            raise RuntimeError("not shown within %.0f s" % timeout)
        time.sleep(0.001)


def kill_until_gone(proc, shown):
    """Kills the program and waits until shown() no longer holds (at most
    10 s), then a little more for the Wine server's cleanup."""
    proc.kill()
    proc.wait()
    end = time.time() + 10
    while shown() and time.time() < end:
        time.sleep(0.01)
    time.sleep(0.3)  # let the Wine server finish the process's cleanup


def stop(screen, proc, points):
    """Kills the program and waits until its window has left the screen."""
    kill_until_gone(proc, lambda: screen.shows(points))


def first_paint(session, screen, exe, points, timeout=60):
    t0 = time.perf_counter()
    proc = start(session, exe)
    try:
        return wait_shown(screen, proc, points, timeout) - t0
    finally:
        stop(screen, proc, points)


# ---- scenarios ----

def load_points(path, screen_w, screen_h):
    """Screen points of a centred menu: (background points, button points)."""
    with open(path) as f:
        data = json.load(f)
    left, top = (screen_w - data["width"]) // 2, (screen_h - data["height"]) // 2
    background = [(left + x, top + y, {c}) for x, y, c in data["background"]]
    buttons = [(left + x, top + y, set(cs)) for x, y, cs in data["buttons"]]
    return background, buttons


def make_pack(session, scenario, player, folder):
    exe = os.path.join(folder, scenario, "Autorun.exe")
    os.makedirs(os.path.dirname(exe))
    points = os.path.join(folder, scenario + ".json")
    code, out = session.run(harness.find_built("qvperfpack.exe"), scenario, player, exe, points)
    if code != 0:
        raise RuntimeError(f"qvperfpack {scenario} failed: {out}")
    return exe, points


def keep_desktop(session):
    """A program that keeps Wine's desktop process alive: the probe waiting
    for a window that never comes. Returns its process (kill it when done)."""
    proc = session.start(harness.find_built("qvprobe.exe"), "no such window", str(3600 * 1000))
    time.sleep(1.0)
    return proc


def measure_startup(session, screen, player_exe, points, minimal_exe, runs):
    minimal_points = [(x, y, {MINIMAL_COLOUR}) for x, y, _ in points]
    subjects = {"player": (player_exe, points), "minimal": (minimal_exe, minimal_points)}
    times = {"player": [], "minimal": []}
    keeper = keep_desktop(session)
    try:
        for name in ("minimal", "player"):  # warm-up: both files in the page cache
            first_paint(session, screen, *subjects[name])
        for i in range(runs):
            order = ("minimal", "player") if i % 2 == 0 else ("player", "minimal")
            for name in order:
                times[name].append(first_paint(session, screen, *subjects[name]))
    finally:
        keeper.kill()
        keeper.wait()
    return times


def measure_animation(session, screen, exe, background, buttons, seconds):
    proc = start(session, exe)
    try:
        wait_shown(screen, proc, background + buttons, 60)
        time.sleep(1.0)  # past start-up and the first selections
        pids = {"player": proc.pid, "wineserver": wineserver_pid(session.env["WINEPREFIX"]),
                "Xvfb": session.xvfb.pid}
        before = {k: cpu_ticks(p) for k, p in pids.items()}
        t0 = time.perf_counter()
        # A look at one button every 0.35 s shows the animation is running
        # (a sparse read, so it adds nothing measurable).
        seen, samples = set(), 0
        bx, by, _ = buttons[0]
        while time.perf_counter() - t0 < seconds:
            seen.add(screen.pixel(bx, by))
            samples += 1
            time.sleep(0.35)
        elapsed = time.perf_counter() - t0
        after = {k: cpu_ticks(p) for k, p in pids.items()}
        hz = os.sysconf("SC_CLK_TCK")
        cpu = {k: 100.0 * (after[k] - before[k]) / hz / elapsed for k in pids}
        # Frames actually shown: count picture changes of one button for 2 s.
        changes, last, t1 = 0, screen.pixel(bx, by), time.perf_counter()
        while time.perf_counter() - t1 < 2.0:
            value = screen.pixel(bx, by)
            if value != last:
                changes, last = changes + 1, value
            time.sleep(0.002)
        return cpu, elapsed, (len(seen), samples), changes / (time.perf_counter() - t1)
    finally:
        stop(screen, proc, background)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--runs", type=int, default=7, help="measured start-ups of each program (default 7)")
    ap.add_argument("--seconds", type=float, default=10.0, help="length of the CPU measurement (default 10)")
    ap.add_argument("--json", help="also write the figures to this file")
    args = ap.parse_args()

    player = harness.find_built("AutorunQuorvel.exe")
    size = os.path.getsize(player)
    figures = {"player_exe_bytes": size}
    print(f"player executable: {size} bytes ({size / 1024:.0f} KiB); target <= {SIZE_TARGET} bytes: "
          f"{'met' if size <= SIZE_TARGET else 'MISSED'}", flush=True)

    with harness.Session() as session:
        sw, sh = (int(v) for v in session.screen.split("x")[:2])
        screen = Screen(session.env["DISPLAY"])
        try:
            session.move(0, 0)  # the pointer stays off the menus
            minimal = os.path.join(session.work, "minimal", "minimal_window.exe")
            os.makedirs(os.path.dirname(minimal))
            shutil.copy(harness.find_built("minimal_window.exe"), minimal)

            typical_exe, typical_json = make_pack(session, "typical", player, session.work)
            background, buttons = load_points(typical_json, sw, sh)
            times = measure_startup(session, screen, typical_exe, background + buttons, minimal, args.runs)
            med = {k: statistics.median(v) for k, v in times.items()}
            ratio = med["player"] / med["minimal"]
            figures.update({"startup_player_s": times["player"], "startup_minimal_s": times["minimal"],
                            "startup_ratio": ratio, "typical_pack_bytes": os.path.getsize(typical_exe)})
            for k in ("minimal", "player"):
                print(f"start-up to first paint, {k:7s}: median {med[k] * 1000:.0f} ms of "
                      f"{', '.join('%.0f' % (t * 1000) for t in times[k])} ms", flush=True)
            print(f"start-up ratio player/minimal: {ratio:.2f}; target <= {STARTUP_TARGET}: "
                  f"{'met' if ratio <= STARTUP_TARGET else 'MISSED'} "
                  f"(typical menu exe {os.path.getsize(typical_exe) / 1e6:.1f} MB)", flush=True)

            anim_exe, anim_json = make_pack(session, "anim20", player, session.work)
            background, buttons = load_points(anim_json, sw, sh)
            cpu, elapsed, seen, fps = measure_animation(session, screen, anim_exe, background, buttons, args.seconds)
            total = cpu["player"] + cpu["wineserver"]
            figures.update({"anim_cpu_percent": cpu, "anim_seconds": elapsed, "anim_frames_per_s": fps,
                            "anim_colours_seen": seen})
            print(f"animation, 20 buttons every 40 ms, over {elapsed:.1f} s: player {cpu['player']:.1f} %, "
                  f"wineserver {cpu['wineserver']:.1f} %, together {total:.1f} % of one core; target < "
                  f"{CPU_TARGET:.0f} %: {'met' if total < CPU_TARGET else 'MISSED'}", flush=True)
            print(f"  Xvfb (drawing) {cpu['Xvfb']:.1f} %; a button showed {fps:.1f} frames/s (25 asked), "
                  f"{seen[0]} different pictures in {seen[1]} samples", flush=True)
            if seen[0] < 2:
                raise RuntimeError("the buttons did not animate")
        finally:
            screen.close()
    if args.json:
        with open(args.json, "w") as f:
            json.dump(figures, f, indent=1)
    return 0


def run(main):
    """Exits with what main returns, or with 1 and the reason when the
    measurement could not be made."""
    try:
        sys.exit(main())
    except (RuntimeError, FileNotFoundError, subprocess.SubprocessError) as e:
        print(f"measurement failed: {e}", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    run(main)
