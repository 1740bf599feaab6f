"""The design surface end to end: menus written by qvmkmenu are opened on
the editor's command line, worked on with the mouse and the keyboard, saved
with Ctrl+S and read back with qvmenudump."""
import glob
import json
import os
import subprocess
import time

import harness
from editor_session import MAIN_TITLE, Editor, key_to, windows_path


def native_tool(name):
    native = os.environ.get("QV_NATIVE_BUILD", os.path.join(harness.ROOT, "build", "native"))
    hits = glob.glob(os.path.join(native, "**", name), recursive=True)
    assert hits, name + " is not built in " + native
    return hits[0]


def make_menu(s, scenario):
    folder = os.path.join(s.work, "surface-" + scenario)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, scenario + ".mnu")
    subprocess.run([native_tool("qvmkmenu"), scenario, path], check=True)
    return path


def menudump(path):
    out = subprocess.run([native_tool("qvmenudump"), path], capture_output=True, check=True, text=True).stdout
    return json.loads(out)


def surface_origin(s):
    """Screen position of the menu's top-left pixel, found by the magenta
    mark qvmkmenu puts at x 396..399, y 0..3 of every background."""
    def find():
        w, h, rgb = s.grab()
        at = rgb.find(b"\xff\x00\xff" * 4)
        while at >= 0 and at % 3:
            at = rgb.find(b"\xff\x00\xff" * 4, at + 1)
        if at < 0:
            return None
        return (at // 3) % w - 396, (at // 3) // w
    origin = harness.wait_until(find, 15)
    assert origin, "the menu's background is not on the screen"
    return origin


def objects_menu(s, *keys):
    """Opens Menu > Objects by the keyboard and presses keys there (the
    submenu opens on its first item, Add Button)."""
    key_to(s, MAIN_TITLE, "alt+m")
    time.sleep(0.4)
    s.key("Down", "Down", "Right")
    time.sleep(0.4)
    s.key(*keys)
    time.sleep(0.5)


def save_and_close(s, ed, path):
    before = os.stat(path).st_mtime_ns
    for _ in range(3):
        key_to(s, MAIN_TITLE, "ctrl+s")
        if harness.wait_until(lambda: os.stat(path).st_mtime_ns != before, 10):
            break
    assert os.stat(path).st_mtime_ns != before, f"Ctrl+S wrote nothing: {s.windows()}"
    time.sleep(1.0)
    ed.kill()  # the saved file is what is checked
    saved = menudump(path)
    assert saved["read"]["ok"] and not saved["messages"], saved["read"]
    return saved


def test_autoseek_finds_the_place_a_button_was_cut_from(s):
    path = make_menu(s, "cutout")
    with Editor(s, "editor-seek") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        x, y = surface_origin(s)
        s.click(x + 8 + 30, y + 8 + 15)  # selects the button at (8, 8)
        time.sleep(0.5)
        # Add Image, Add Text, Add Shape, Delete Button, then AutoSeek Position.
        objects_menu(s, "Down", "Down", "Down", "Down", "Down", "Return")
        ed.dismiss_tip()
        time.sleep(2.0)
        saved = save_and_close(s, ed, path)
    button = saved["objects"][0]
    assert (button["left"], button["top"]) == (137, 91), button
    assert (button["width"], button["height"]) == (60, 30), button


def test_five_added_buttons_land_at_their_cascade_positions(s):
    path = make_menu(s, "plain")
    with Editor(s, "editor-cascade") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        surface_origin(s)
        for _ in range(5):
            objects_menu(s, "Return")
        saved = save_and_close(s, ed, path)
    places = [(o["left"], o["top"]) for o in saved["objects"]]
    assert places == [(8, 8), (16, 16), (24, 24), (32, 32), (40, 40)], places
