"""The design surface end to end: menus written by qvmkmenu are opened on
the editor's command line, worked on with the mouse and the keyboard, saved
with Ctrl+S and read back with qvmenudump."""
import glob
import json
import os
import subprocess
import time

import harness
from editor_session import MAIN_TITLE, Editor, child, click_child, client_origin, key_to, wait_closed, windows_path


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

        def count():
            """Objects in the file that Ctrl+S writes now (a hidden object
            control has no window to count). The menu has no exit button,
            so the save ends with that warning, which Return closes."""
            before = os.stat(path).st_mtime_ns
            key_to(s, MAIN_TITLE, "ctrl+s")
            harness.wait_until(lambda: os.stat(path).st_mtime_ns != before, 10)
            time.sleep(0.5)
            s.key("Return")
            time.sleep(0.3)
            return len(menudump(path)["objects"])
        def accept_windows_button():
            """Add Button opens Button Properties: the new button is made a
            Windows button (a graphical one needs a picture) and accepted."""
            info = s.shown("Button Properties", 5000)
            if not info:
                return
            time.sleep(0.5)  # the dialog finishes building once shown
            tip = s.probe(" Tip", 1000)
            if tip and tip["visible"]:  # its first-use tip: not again
                click_child(s, tip, child(tip, "Button", "Do not show this message again."))
                click_child(s, tip, child(tip, "Button", "OK"))
                wait_closed(s, " Tip")
            info = s.probe("Button Properties", 2000)
            click_child(s, info, child(info, "Button", "Windows"))
            time.sleep(0.2)
            click_child(s, info, child(info, "Button", "&OK"))
            wait_closed(s, "Button Properties")
        for k in range(1, 6):
            for _ in range(3):  # a menu key pressed too early is lost
                objects_menu(s, "Return")
                accept_windows_button()
                if count() >= k:
                    break
        assert count() == 5, count()
        saved = save_and_close(s, ed, path)
    places = [(o["left"], o["top"]) for o in saved["objects"]]
    assert places == [(8, 8), (16, 16), (24, 24), (32, 32), (40, 40)], places


def drag(s, x0, y0, x1, y1, steps=5):
    s.move(x0, y0)
    time.sleep(0.2)
    s.xdotool("mousedown", 1)
    time.sleep(0.6)  # the press records an undo step first
    for k in range(1, steps + 1):
        s.move(x0 + (x1 - x0) * k // steps, y0 + (y1 - y0) * k // steps)
        time.sleep(0.15)
    time.sleep(0.3)
    s.xdotool("mouseup", 1)
    time.sleep(0.6)


def test_a_drag_snaps_to_the_grid_and_undo_redo_step_through_two_drags(s):
    # "five": 40 x 20 buttons at (20 + 60k, 40); the grid is 6 and on.
    path = make_menu(s, "five")
    with Editor(s, "editor-drag") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        x, y = surface_origin(s)
        # Button 1 is grabbed 10 px inside its corner and let go with its
        # corner at (27, 40), past the drag rectangle: the grid makes that
        # (24, 36).
        drag(s, x + 30, y + 50, x + 37, y + 50)
        drag(s, x + 26, y + 46, x + 74, y + 46)  # to (72, 36)
        for keys in ("ctrl+z", "ctrl+z", "ctrl+y"):
            key_to(s, MAIN_TITLE, keys)
            time.sleep(1.0)
        saved = save_and_close(s, ed, path)
    places = [(o["left"], o["top"]) for o in saved["objects"]]
    assert places == [(24, 36), (80, 40), (140, 40), (200, 40), (260, 40)], places


def test_bring_forward_moves_object_3_of_5_to_4_with_its_pictures(s):
    path = make_menu(s, "five")
    before = menudump(path)["objects"]
    with Editor(s, "editor-order") as ed:
        ed.start(windows_path(path))
        main = ed.main_window()
        x, y = surface_origin(s)
        s.click(x + 160, y + 50)  # selects button 3
        time.sleep(0.5)
        # The object toolbar's Bring Forward: the third of the four order
        # buttons at its right end, 507 px from the left in this layout.
        bar = next(c for c in main["children"] if c["text"] == "Object Toolbar")
        ox, oy = client_origin(main)
        s.click(ox + 507, oy + (bar["rect"][1] + bar["rect"][3]) // 2)
        time.sleep(1.0)
        saved = save_and_close(s, ed, path)
    after = saved["objects"]
    assert [o["caption"] for o in after] == ["Button 1", "Button 2", "Button 4", "Button 3", "Button 5"], after
    # The editor draws the missing accessory text picture when it opens a menu.
    moved = dict(after[3], number=3, accPNG=None)
    assert moved == dict(before[2], accPNG=None), (before[2], after[3])


def test_a_copied_graphical_button_is_pasted_with_all_its_frames(s):
    path = make_menu(s, "five")  # button 1 has three Up frames
    with Editor(s, "editor-paste") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        x, y = surface_origin(s)
        s.click(x + 40, y + 50)  # selects button 1
        time.sleep(0.5)
        key_to(s, MAIN_TITLE, "ctrl+c")
        time.sleep(0.5)
        key_to(s, MAIN_TITLE, "ctrl+v")
        time.sleep(1.0)
        saved = save_and_close(s, ed, path)
    objects = saved["objects"]
    assert len(objects) == 6, [o["caption"] for o in objects]
    original, pasted = objects[0], objects[5]
    assert len(original["pictures"]["Up"]) == 3, original["pictures"]
    assert pasted["pictures"] == original["pictures"], (original["pictures"], pasted["pictures"])
    assert (pasted["kind"], pasted["width"], pasted["height"]) == (0, 40, 20), pasted


def test_a_handle_dragged_past_the_opposite_edge_stops_at_width_4(s):
    path = make_menu(s, "five")  # button 1: 40 x 20 at (20, 40); grid 6, on
    with Editor(s, "editor-handle") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        x, y = surface_origin(s)
        s.click(x + 40, y + 50)  # selects button 1 and shows its handles
        time.sleep(0.8)
        # The right middle handle, dragged in 3 px steps far past the left
        # edge: every step that would leave less than 4 px is refused.
        drag(s, x + 60, y + 50, x, y + 50, steps=20)
        saved = save_and_close(s, ed, path)
    button = saved["objects"][0]
    assert (button["left"], button["top"], button["width"], button["height"]) == (20, 40, 4, 20), button


def test_tab_order_marker_clicks_7_3_5_make_those_objects_1_2_3(s):
    # "seven": buttons 1..5 at (20 + 60k, 40), 6 and 7 at (20, 100) and
    # (80, 100), all 40 x 20; a marker sits at an object's top right.
    path = make_menu(s, "seven")
    with Editor(s, "editor-taborder") as ed:
        ed.start(windows_path(path))
        main = ed.main_window()
        x, y = surface_origin(s)
        # The Standard toolbar's Show/Set Tab Order: after 19 buttons and
        # 4 separators, 480 px from the left in this layout.
        bar = next(c for c in main["children"] if c["text"] == "Standard Toolbar")
        ox, oy = client_origin(main)
        s.click(ox + 480, oy + (bar["rect"][1] + bar["rect"][3]) // 2)
        ed.dismiss_tip()
        time.sleep(0.5)
        for left, top in ((80, 100), (140, 40), (260, 40)):  # the objects numbered 7, 3, 5 at first
            s.click(x + left + 40 + 10, y + top + 10)
            time.sleep(1.0)
        saved = save_and_close(s, ed, path)
    objects = saved["objects"]
    assert [o["caption"] for o in objects] == ["Button " + n for n in "7351246"], objects
    assert [(o["left"], o["top"]) for o in objects[:3]] == [(80, 100), (140, 40), (260, 40)], objects
