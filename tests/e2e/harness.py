"""End-to-end harness: runs the real Windows programs under Wine inside a
private Xvfb display, reads window state through the probe program, takes
screenshots and sends input with xdotool. Everything it starts it stops again
(its own Xvfb by PID, its own wineserver through its prefix)."""
import glob
import json
import os
import shutil
import subprocess
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def build_dir():
    return os.path.abspath(os.environ.get("QV_BUILD", os.path.join(ROOT, "build", "win64")))


def find_built(name):
    """Path of a file the win64 build produced, searched below the build folder."""
    hits = glob.glob(os.path.join(build_dir(), "**", name), recursive=True)
    hits = [h for h in hits if "CMakeFiles" not in h]
    if not hits:
        raise FileNotFoundError(f"{name} not built in {build_dir()}")
    return sorted(hits, key=len)[0]


class Session:
    """One Xvfb display and one Wine prefix session for a group of tests."""

    def __init__(self, screen="1024x768x24"):
        self.screen = screen
        self.procs = []
        self.work = tempfile.mkdtemp(prefix="qv-e2e-")
        self.env = dict(os.environ)
        self.env.update({
            "WINEPREFIX": os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix")),
            "WINEARCH": "win64", "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree=d;mshtml=d",
            "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8", "TZ": "UTC",
        })
        self.xvfb = None

    # ---- lifetime ----
    def __enter__(self):
        try:
            return self._begin()
        except BaseException:
            self.__exit__()
            raise

    def _begin(self):
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", self.screen, "-nolisten", "tcp"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            display = f.readline().strip()
        self.env["DISPLAY"] = ":" + display
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        self._quiet(["wineserver", "-p"])
        self._quiet(["wine", "cmd", "/c", "exit"])
        return self

    def __exit__(self, *exc):
        for p in self.procs:
            if p.poll() is None:
                p.kill()
        self._quiet(["wineserver", "-k"])
        self._quiet(["wineserver", "-w"])
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def _quiet(self, cmd, timeout=120):
        subprocess.run(cmd, env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=timeout)

    # ---- programs ----
    def start(self, exe, *args, cwd=None):
        """Starts a Windows program; returns its Popen (wine's process)."""
        p = subprocess.Popen(["wine", exe, *args], env=self.env, cwd=cwd or os.path.dirname(exe),
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def run(self, exe, *args, timeout=60):
        """Runs a console Windows program to its end; returns (code, stdout)."""
        r = subprocess.run(["wine", exe, *args], env=self.env, stdin=subprocess.DEVNULL,
                           capture_output=True, text=True, timeout=timeout)
        return r.returncode, r.stdout

    def probe(self, title, timeout_ms=15000):
        """The window's state as the probe reports it, or None when absent."""
        code, out = self.run(find_built("qvprobe.exe"), title, str(timeout_ms), timeout=timeout_ms / 1000 + 60)
        if code != 0:
            return None
        return json.loads(out)

    def shown(self, title, timeout_ms=15000):
        """The probe's view of the visible window titled title, waiting for
        it up to timeout_ms (a window may exist, titled, before it is shown;
        the player's is hidden while it loads a menu)."""
        end = time.time() + timeout_ms / 1000
        while True:
            info = self.probe(title, min(timeout_ms, 2000))
            if info and info["visible"]:
                return info
            if time.time() >= end:
                return None
            time.sleep(0.2)

    def windows(self):
        code, out = self.run(find_built("qvprobe.exe"), "--list")
        return json.loads(out) if code == 0 else []

    def wait_gone(self, title, timeout=15.0):
        end = time.time() + timeout
        while time.time() < end:
            if self.probe(title, 0) is None:
                return True
            time.sleep(0.3)
        return False

    # ---- pixels and input ----
    def screenshot(self, path):
        """Saves the whole screen as PNG; returns path."""
        xwd = subprocess.run(["xwd", "-root", "-silent"], env=self.env, capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", path], input=xwd, check=True)
        return path

    def pixels(self):
        """The screen as (width, height, rgb bytes)."""
        xwd = subprocess.run(["xwd", "-root", "-silent"], env=self.env, capture_output=True, check=True).stdout
        ppm = subprocess.run(["convert", "xwd:-", "ppm:-"], input=xwd, capture_output=True, check=True).stdout
        return parse_ppm(ppm)

    def grab(self):
        """The screen as (width, height, rgb bytes), read inside Wine: unlike
        xwd it shows dialogs that lie over another window of their program."""
        path = os.path.join(self.work, "grab.bmp")
        code, _ = self.run(find_built("qvprobe.exe"), "--grab", "Z:" + path.replace("/", "\\"))
        assert code == 0, "the probe could not grab the screen"
        with open(path, "rb") as f:
            return parse_bmp(f.read())

    def grab_png(self, path):
        """Saves the screen as Wine painted it as PNG; returns path."""
        w, h, rgb = self.grab()
        ppm = b"P6 %d %d 255\n" % (w, h) + rgb
        subprocess.run(["convert", "ppm:-", path], input=ppm, check=True)
        return path

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, capture_output=True)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y)
        time.sleep(0.1)
        self.xdotool("click", button)

    def key(self, *keys):
        self.xdotool("key", *keys)


def parse_ppm(data):
    """(width, height, rgb) of a binary PPM."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6"
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[pos + 1:pos + 1 + w * h * 3]


def parse_bmp(data):
    """(width, height, rgb top-down) of a 24-bit bottom-up BMP."""
    assert data[:2] == b"BM"
    off = int.from_bytes(data[10:14], "little")
    w = int.from_bytes(data[18:22], "little", signed=True)
    h = int.from_bytes(data[22:26], "little", signed=True)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = data[off + y * stride: off + y * stride + w * 3]
        rgb = bytearray(row)
        rgb[0::3], rgb[2::3] = row[2::3], row[0::3]
        rows.append(bytes(rgb))
    return w, h, b"".join(rows)


def pixel(shot, x, y):
    w, _, rgb = shot
    i = (y * w + x) * 3
    return tuple(rgb[i:i + 3])


def wait_until(predicate, timeout=10.0, step=0.2):
    end = time.time() + timeout
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()
