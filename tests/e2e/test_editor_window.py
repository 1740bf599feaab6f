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
    # Once the splash has made way for the first tip, the screen read inside
    # Wine shows the window (and the tip over it) in its middle, not black.
    assert s.shown(" Tip", 20000) is not None, "the start-up did not reach its tip"
    shot = s.grab()
    assert shot[0] == 1024 and shot[1] == 768, shot[:2]
    assert harness.pixel(shot, (left + right) // 2, (top + bottom) // 2) != (0, 0, 0)
    proc.kill()
