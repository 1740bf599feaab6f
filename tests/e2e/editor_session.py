"""Helpers of the editor's end-to-end tests: a fresh copy of the editor in a
folder of its own (it keeps its settings file beside itself), its start-up
windows, its settings file, and closing it as a user does."""
import os
import shutil
import struct
import subprocess
import time

import harness

EDITOR_EXE = "Autorun Quorvel Menu Editor.exe"
HELP_FILE = "Autorun Quorvel Help.chm"
MAIN_TITLE = "Autorun Quorvel Menu Editor"
TIP_TITLE = " Tip"
START_TITLE = "Autorun Quorvel - Start"
PROPS_TITLE = "Menu Properties"
MENU_WIZARD_TITLE = " Menu Creation Wizard"
BACK_WIZARD_TITLE = "Background Wizard"
SETTINGS_FILE = "Autorun Quorvel Menu Editor.ini"


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Editor:
    """One copy of the editor in its own folder of the session's work area.
    Used as a context manager, it ends a program still running at the end."""

    def __init__(self, session, name):
        self.s = session
        self.folder = os.path.join(session.work, name)
        os.makedirs(self.folder, exist_ok=True)
        self.exe = os.path.join(self.folder, EDITOR_EXE)
        if not os.path.exists(self.exe):
            shutil.copy(harness.find_built(EDITOR_EXE), self.exe)
            try:
                shutil.copy(harness.find_built(HELP_FILE), os.path.join(self.folder, HELP_FILE))
            except FileNotFoundError:
                pass
        self.proc = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.kill()

    # ---- the program ----
    def start(self, *args):
        self.proc = self.s.start(self.exe, *args, cwd=self.folder)
        return self.proc

    def main_window(self, timeout_ms=20000):
        info = self.s.shown(MAIN_TITLE, timeout_ms)
        assert info is not None, "the editor's main window did not show"
        return info

    def dismiss_tip(self, tick_do_not_show=False):
        tip = self.s.shown(TIP_TITLE, 20000)
        assert tip is not None, "the tip did not show"
        if tick_do_not_show:
            box = child(tip, "Button", "Do not show this message again.")
            click_child(self.s, tip, box)
            time.sleep(0.3)
        key_to(self.s, TIP_TITLE, "Return")
        assert wait_closed(self.s, TIP_TITLE), "the tip stayed"
        return tip

    def start_dialog(self, timeout_ms=20000):
        info = self.s.shown(START_TITLE, timeout_ms)
        assert info is not None, "the start dialog did not show"
        return info

    def through_start_up(self, choice="Escape"):
        """Starts the editor, passes the tip and answers the start dialog with
        a key (Escape: Cancel; Return: OK with "Create a new menu.")."""
        self.start()
        self.main_window()
        self.dismiss_tip()
        self.start_dialog()
        key_to(self.s, START_TITLE, choice)
        assert wait_closed(self.s, START_TITLE), "the start dialog stayed"
        return self.main_window()

    def through_new_menu(self, width=320, height=200):
        """Answers the windows that New shows: the Background Wizard that
        opens over Menu Properties is closed; Menu Properties gets a
        background from a BMP file through its Open button, then OK; the Menu
        Creation Wizard is completed at once."""
        info = self.s.shown(PROPS_TITLE, 20000)
        assert info is not None, "Menu Properties did not show"
        if self.s.shown(TIP_TITLE, 3000) is not None:
            self.dismiss_tip()
        assert self.s.shown(BACK_WIZARD_TITLE, 15000) is not None, "no Background Wizard"
        key_to(self.s, BACK_WIZARD_TITLE, "Escape")
        assert wait_closed(self.s, BACK_WIZARD_TITLE), "the Background Wizard stayed"
        bmp = os.path.join(self.folder, "background.bmp")
        write_bmp(bmp, width, height)
        info = self.s.probe(PROPS_TITLE)
        bar = min(visible_children(info, "ToolbarWindow32"), key=lambda c: c["rect"][1])
        ox, oy = client_origin(info)
        l, t, r, b = bar["rect"]
        self.s.click(ox + l + 64 + 11, oy + (t + b) // 2)  # Open, after the "Menu Back" label
        assert self.s.shown("Open Photo...", 15000) is not None, "no picture dialog"
        key_to(self.s, "Open Photo...", "ctrl+a")
        self.s.xdotool("type", "--delay", "20", windows_path(bmp))
        self.s.key("Return")
        assert wait_closed(self.s, "Open Photo..."), "the picture dialog stayed"
        key_to(self.s, PROPS_TITLE, "Return")
        assert wait_closed(self.s, PROPS_TITLE), "Menu Properties stayed"
        wizard = self.s.shown(MENU_WIZARD_TITLE, 15000)
        assert wizard is not None, "no Menu Creation Wizard"
        click_child(self.s, wizard, child(wizard, "Button", "Complete menu creation wizard now."))
        time.sleep(0.3)
        key_to(self.s, MENU_WIZARD_TITLE, "Return")
        assert wait_closed(self.s, MENU_WIZARD_TITLE), "the wizard stayed"

    def close(self, timeout=20.0):
        """Asks the main window to close (its close box) and waits for the
        program to end."""
        self.s.run(harness.find_built("qvprobe.exe"), "--close", MAIN_TITLE)
        return self.wait_ended(timeout)

    def wait_ended(self, timeout=20.0):
        end = time.time() + timeout
        while time.time() < end:
            if self.proc.poll() is not None:
                return True
            time.sleep(0.2)
        return False

    def kill(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.s.wait_gone(MAIN_TITLE, 10)

    # ---- its settings file ----
    @property
    def settings_path(self):
        return os.path.join(self.folder, SETTINGS_FILE)

    def settings_text(self):
        with open(self.settings_path, "rb") as f:
            return f.read()

    def settings_lines(self):
        return self.settings_text().split(b"\r\n")

    def write_settings(self, lines):
        with open(self.settings_path, "wb") as f:
            f.write(b"".join(line.encode() + b"\r\n" for line in lines))


def default_settings(editor_folder_windows):
    """The 37 values that a first run writes for an editor in that folder
    (lines 28-31, the Button Properties window, depend on the screen and
    are left as None)."""
    greys = [int((6 - k) * 42.5) for k in range(7)]
    colours = [str(g + g * 256 + g * 65536) for g in greys]
    folder = editor_folder_windows.rstrip("\\") + "\\"
    return (colours + ["-1", folder, folder] + ["0"] * 15 + ["0", "-1"] + [None] * 4 +
            ["-1", "-1", "-1", "-1", "6", "0"])


def write_bmp(path, width, height):
    """A 24-bit BMP of a blue-to-green gradient."""
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height):
        row = bytearray()
        for x in range(width):
            row += bytes((200, 255 * y // height, 40))
        rows += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + rows)


def child(info, cls, text):
    """The child control of a probed window with that class and text."""
    for c in info["children"]:
        if c["class"].lower() == cls.lower() and c["text"] == text:
            return c
    raise AssertionError(f"no {cls} {text!r} among {[(c['class'], c['text']) for c in info['children']]}")


def visible_children(info, cls):
    return [c for c in info["children"] if c["class"].lower() == cls.lower() and c["visible"]]


def client_origin(info):
    """Screen position of the probed window's client area (its children's
    rectangles are in client coordinates)."""
    left, top, right, bottom = info["rect"]
    cw, ch = info["client"][2], info["client"][3]
    border = ((right - left) - cw) // 2
    return left + border, bottom - border - ch


def click_child(session, info, c):
    ox, oy = client_origin(info)
    l, t, r, b = c["rect"]
    session.click(ox + (l + r) // 2, oy + (t + b) // 2)


def focus(session, title):
    """Gives the keyboard to the window titled title (there is no window
    manager to do it)."""
    try:
        session.xdotool("search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowfocus", "--sync")
    except subprocess.CalledProcessError:
        pass
    time.sleep(0.2)


def key_to(session, title, *keys):
    focus(session, title)
    session.key(*keys)


def wait_closed(session, title, timeout=15.0):
    """True once no visible window has that title (a closed window may live
    on hidden until the handler that showed it returns)."""
    def closed():
        info = session.probe(title, 0)
        return info is None or not info["visible"]
    return bool(harness.wait_until(closed, timeout, 0.3))


def answer_dialog(session, says, answer):
    """Clicks answer in the message dialog whose text holds says; returns its texts."""
    def showing():
        return next((w for w in session.windows() if w["class"] == "#32770" and w["visible"] and
                     any(says in c["text"] for c in w["children"])), None)
    dialog = harness.wait_until(showing, 15)
    assert dialog is not None, f"no dialog saying {says!r}: {session.windows()}"
    click_child(session, dialog, next(c for c in dialog["children"] if c["text"].replace("&", "") == answer))
    assert harness.wait_until(lambda: showing() is None, 10), f"the dialog saying {says!r} stayed"
    return "\n".join(c["text"] for c in dialog["children"])
