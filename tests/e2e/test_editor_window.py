"""The editor starts under Wine and shows its main window."""
import os

import harness

TITLE = "Autorun Quorvel Menu Editor"


def test_editor_shows_main_window(s):
    editor = harness.find_built("Autorun Quorvel Menu Editor.exe")
    proc = s.start(editor)
    info = s.shown(TITLE)
    assert info is not None, "the editor window did not appear"
    left, top, right, bottom = info["rect"]
    assert right - left > 100 and bottom - top > 100, info
    shot = s.screenshot(os.path.join(s.work, "editor.png"))
    assert os.path.getsize(shot) > 0
    proc.kill()
