"""Menus through the editor end to end: a menu opened from the command line
and saved with Ctrl+S reads back field for field (checked with the native
qvmenudump), and the player shows the menu the editor saved."""
import glob
import json
import os
import shutil
import subprocess
import time

import harness
from editor_session import MAIN_TITLE, Editor, key_to, windows_path

SCREEN = "1024x768x24"


def menudump(path):
    native = os.environ.get("QV_NATIVE_BUILD", os.path.join(harness.ROOT, "build", "native"))
    hits = glob.glob(os.path.join(native, "**", "qvmenudump"), recursive=True)
    assert hits, "qvmenudump is not built in " + native
    out = subprocess.run([hits[0], path], capture_output=True, check=True, text=True).stdout
    return json.loads(out)


def scenario_menus(s, folder):
    """The menus of the player's "menus" scenario, as files
    in folder (written by the test tool beside the editor file it needs)."""
    tools = os.path.join(s.work, "tools")
    if not os.path.isdir(tools):
        os.makedirs(tools)
        shutil.copy(harness.find_built("qvmkpack.exe"), tools)
        shutil.copy(harness.find_built("Autorun Quorvel Menu Editor.exe"), tools)
    os.makedirs(folder, exist_ok=True)
    code, out = s.run(os.path.join(tools, "qvmkpack.exe"), "--build", "menus",
                      windows_path(os.path.join(folder, "scratch.exe")))
    assert code == 0, out


def save_with_ctrl_s(s, ed, path):
    """Opens path in a new editor from the command line, saves it with
    Ctrl+S and closes the editor (nothing is left unsaved)."""
    before = os.stat(path).st_mtime_ns
    ed.start(windows_path(path))
    ed.main_window()
    time.sleep(1.0)
    changed = None
    for _ in range(3):
        key_to(s, MAIN_TITLE, "ctrl+s")
        changed = harness.wait_until(lambda: os.stat(path).st_mtime_ns != before, 10)
        if changed:
            break
    assert changed, f"Ctrl+S did not write {path}: {s.windows()}"
    time.sleep(1.0)
    assert ed.close(), "the editor did not close after its save"


def test_an_opened_menu_saved_again_reads_back_the_same(s):
    folder = os.path.join(s.work, "menus")
    scenario_menus(s, folder)
    original = menudump(os.path.join(folder, "main.mnu"))
    with Editor(s, "editor-main") as ed:
        save_with_ctrl_s(s, ed, os.path.join(folder, "main.mnu"))
    saved = menudump(os.path.join(folder, "main.mnu"))
    assert saved["read"] == original["read"] and not saved["messages"], saved
    assert saved["header"]["major"] == 8
    assert saved["header"]["images"] == original["header"]["images"]
    assert saved["menu"] == original["menu"]
    assert len(saved["objects"]) == len(original["objects"])
    for before, after in zip(original["objects"], saved["objects"]):
        if before["kind"] == 3:
            # A placed image shows its stored picture in both Up frames.
            before = dict(before, pictures=None)
            after = dict(after, pictures=None)
        assert after == before, (before, after)

    # The player shows the menu the editor wrote.
    exe = os.path.join(folder, "Autorun.exe")
    code, out = s.run(harness.find_built("qvmkpack.exe"), "--files", harness.find_built("AutorunQuorvel.exe"),
                      windows_path(exe), windows_path(os.path.join(folder, "main.mnu")),
                      windows_path(os.path.join(folder, "sub.mnu")))
    assert code == 0, out
    player = s.start(exe)
    info = s.shown("Main Menu")
    assert info is not None, "the player did not show the saved menu"
    assert info["rect"][2] - info["rect"][0] == 400 and info["rect"][3] - info["rect"][1] == 300, info
    player.kill()
    player.wait()

