"""The editor starts under Wine and shows its main window."""
import harness

TITLE = "Autorun Quorvel Menu Editor"


def test_editor_shows_main_window(s):
    editor = harness.find_built("Autorun Quorvel Menu Editor.exe")
    proc = s.start(editor)
    info = s.shown(TITLE)
    assert info is not None, "the editor window did not appear"
    left, top, right, bottom = info["rect"]
    assert right - left > 100 and bottom - top > 100, info
    # The screen read inside Wine has the window's face colour in its middle.
    shot = s.grab()
    assert shot[0] == 1024 and shot[1] == 768, shot[:2]
    assert harness.pixel(shot, (left + right) // 2, (top + bottom) // 2) != (0, 0, 0)
    proc.kill()
