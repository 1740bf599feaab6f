"""Menus through the editor end to end: a menu opened from the command line
and saved with Ctrl+S reads back field for field (checked with the native
qvmenudump), Save As onto a read-only menu writes it after Yes to the
read-only question, and the player shows the menu the editor saved."""
import glob
import json
import os
import shutil
import subprocess
import time

import harness
from editor_session import MAIN_TITLE, Editor, answer_dialog, key_to, windows_path


def menudump(path):
    native = os.environ.get("QV_NATIVE_BUILD", os.path.join(harness.ROOT, "build", "native"))
    hits = glob.glob(os.path.join(native, "**", "qvmenudump"), recursive=True)
    assert hits, "qvmenudump is not built in " + native
    return json.loads(subprocess.run([hits[0], path], capture_output=True, check=True, text=True).stdout)


def test_an_opened_menu_saved_again_reads_back_the_same_and_plays(s):
    # The player's "menus" scenario as files (the tool wants the editor file beside it).
    folder, tools = os.path.join(s.work, "menus"), os.path.join(s.work, "tools")
    os.makedirs(folder)
    os.makedirs(tools)
    shutil.copy(harness.find_built("qvmkpack.exe"), tools)
    shutil.copy(harness.find_built("Autorun Quorvel Menu Editor.exe"), tools)
    code, out = s.run(os.path.join(tools, "qvmkpack.exe"), "--build", "menus",
                      windows_path(os.path.join(folder, "scratch.exe")))
    assert code == 0, out
    path = os.path.join(folder, "main.mnu")
    original = menudump(path)

    with Editor(s, "editor") as ed:
        before = os.stat(path).st_mtime_ns
        ed.start(windows_path(path))
        ed.main_window()
        time.sleep(1.0)
        for _ in range(3):
            key_to(s, MAIN_TITLE, "ctrl+s")
            if harness.wait_until(lambda: os.stat(path).st_mtime_ns != before, 10):
                break
        assert os.stat(path).st_mtime_ns != before, f"Ctrl+S wrote nothing: {s.windows()}"
        time.sleep(1.0)

        target = os.path.join(folder, "target.mnu")
        shutil.copy(os.path.join(folder, "sub.mnu"), target)
        os.chmod(target, 0o444)  # what Windows' read-only attribute is under Wine
        key_to(s, MAIN_TITLE, "alt+f")
        time.sleep(0.3)
        s.key("a")
        assert s.shown("Save Menu As...", 15000) is not None, s.windows()
        key_to(s, "Save Menu As...", "ctrl+a")
        s.xdotool("type", "--delay", "20", windows_path(target))
        s.key("Return")
        answer_dialog(s, "already exists", "Yes")
        answer_dialog(s, "marked as Read Only", "Yes")
        assert harness.wait_until(lambda: os.stat(target).st_mode & 0o200, 10), "still read-only"
        assert ed.close(), "the editor did not close after its save"

    saved = menudump(path)
    assert saved["read"] == original["read"] and not saved["messages"], saved
    assert saved["header"]["major"] == 8 and saved["header"]["images"] == original["header"]["images"]
    assert saved["menu"] == original["menu"] == menudump(target)["menu"]
    assert len(saved["objects"]) == len(original["objects"])
    for before, after in zip(original["objects"], saved["objects"]):
        if before["kind"] == 3:  # a placed image shows its stored picture in both Up frames
            before, after = dict(before, pictures=None), dict(after, pictures=None)
        assert after == before, (before, after)

    exe = os.path.join(folder, "Autorun.exe")
    code, out = s.run(harness.find_built("qvmkpack.exe"), "--files", harness.find_built("AutorunQuorvel.exe"),
                      windows_path(exe), windows_path(path), windows_path(os.path.join(folder, "sub.mnu")))
    assert code == 0, out
    player = s.start(exe)
    info = s.shown("Main Menu")
    assert info is not None, "the player did not show the saved menu"
    assert (info["rect"][2] - info["rect"][0], info["rect"][3] - info["rect"][1]) == (400, 300), info
    player.kill()
    player.wait()
