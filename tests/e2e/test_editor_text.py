"""Text in the editor end to end: the accessory text box opened with a right
click, Format > Bold with nothing selected, Delete while the text is edited
in place, and the saved file read back with the native qvmenudump."""
import os
import re
import shutil
import time

import harness
from editor_session import MAIN_TITLE, Editor, client_origin, key_to, windows_path
from test_editor_menu_files import menudump


def make_menu(s, name):
    folder = os.path.join(s.work, name)
    os.makedirs(folder)
    shutil.copy(harness.find_built("qvmkpack.exe"), folder)
    shutil.copy(harness.find_built("Autorun Quorvel Menu Editor.exe"), folder)
    code, out = s.run(os.path.join(folder, "qvmkpack.exe"), "--build", "menus",
                      windows_path(os.path.join(folder, "scratch.exe")))
    assert code == 0, out
    return os.path.join(folder, "main.mnu")


def open_text_box(s, path):
    """Right-clicks the menu's accessory text box; returns the text box's
    probed control once it shows."""
    dump = menudump(path)
    background = dump["menu"].get("background", {"width": 400, "height": 300})
    width, height = background["width"], background["height"]
    box = dump["menu"]["accText"]
    info = s.shown(MAIN_TITLE)
    panels = [c for c in info["children"] if c["visible"]
              and (c["rect"][2] - c["rect"][0], c["rect"][3] - c["rect"][1]) == (width, height)]
    assert panels, f"no {width}x{height} menu panel among {info['children']}"
    ox, oy = client_origin(info)
    left, top = panels[-1]["rect"][0], panels[-1]["rect"][1]
    s.click(ox + left + box["left"] + 5, oy + top + box["top"] + 5, button=3)

    def editor_shown():
        now = s.probe(MAIN_TITLE, 0)
        edits = [c for c in now["children"] if c["visible"] and c["class"].lower().startswith("richedit")]
        return edits[0] if edits else None
    edit = harness.wait_until(editor_shown, 10)
    assert edit, "the text box did not open"
    return edit


def save_and_close(s, ed, path, before):
    for _ in range(3):
        key_to(s, MAIN_TITLE, "ctrl+s")
        if harness.wait_until(lambda: os.stat(path).st_mtime_ns != before, 10):
            break
    assert os.stat(path).st_mtime_ns != before, f"Ctrl+S wrote nothing: {s.windows()}"
    time.sleep(1.0)
    if not ed.close():
        ed.kill()


def type_text(s, text):
    s.key("ctrl+a")
    s.xdotool("type", "--delay", "50", text)
    time.sleep(0.5)


def test_bold_with_no_selection_puts_bold_in_the_saved_rtf(s):
    path = make_menu(s, "bold")
    assert not re.search(r"\\b(?![a-z0-9])", menudump(path)["menu"]["accRTF"])
    with Editor(s, "editor-bold") as ed:
        before = os.stat(path).st_mtime_ns
        ed.start(windows_path(path))
        ed.main_window()
        time.sleep(1.0)
        open_text_box(s, path)
        type_text(s, "Bold words")
        s.key("End")
        # Format > Bold: the menu's third item (Font, Size, Bold).
        s.key("alt+o")
        time.sleep(0.3)
        s.key("Down", "Down", "Return")
        time.sleep(0.5)
        save_and_close(s, ed, path, before)
    rtf = menudump(path)["menu"]["accRTF"]
    assert "Bold words" in rtf, rtf
    assert re.search(r"\\b(?![a-z0-9])", rtf), rtf


def test_delete_while_editing_in_place_removes_one_character(s):
    path = make_menu(s, "delete")
    with Editor(s, "editor-delete") as ed:
        before = os.stat(path).st_mtime_ns
        ed.start(windows_path(path))
        ed.main_window()
        time.sleep(1.0)
        open_text_box(s, path)
        type_text(s, "abcdef")
        s.key("Home", "Delete")
        time.sleep(0.5)
        save_and_close(s, ed, path, before)
    dump = menudump(path)
    assert dump["objects"] and dump["menu"]["objectCount"] == len(dump["objects"])
    rtf = dump["menu"]["accRTF"]
    assert "bcdef" in rtf and "abcdef" not in rtf, rtf
