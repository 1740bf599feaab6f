"""The editor keeps its options in a settings file beside itself: written whole
at close (37 values and an empty line), and a damaged file keeps the values read
before the damage and is written whole again."""
import os
import shutil
import subprocess

import harness

TITLE = "Autorun Quorvel Menu Editor"
EXE = "Autorun Quorvel Menu Editor.exe"
INI = "Autorun Quorvel Menu Editor.ini"


def run_and_close(s, folder):
    editor = os.path.join(folder, EXE)
    if not os.path.exists(editor):
        shutil.copy(harness.find_built(EXE), editor)
    s.start(editor)
    info = s.shown(TITLE)
    assert info is not None, "the editor window did not appear"
    for _ in range(5):
        try:
            s.xdotool("search", "--name", "^" + TITLE + "$", "windowfocus", "--sync")
        except subprocess.CalledProcessError:
            pass
        s.key("alt+F4")
        if s.wait_gone(TITLE, 5):
            return
    raise AssertionError("the editor did not close")


def read_lines(folder):
    with open(os.path.join(folder, INI), "rb") as f:
        data = f.read()
    assert data.count(b"\r\n") == 38 and data.endswith(b"\r\n\r\n"), data
    return data.decode("cp1252").split("\r\n")


def test_first_close_writes_the_defaults(s):
    folder = os.path.join(s.work, "first")
    os.makedirs(folder)
    run_and_close(s, folder)
    lines = read_lines(folder)
    assert lines[0] == str(255 * 0x010101) and lines[6] == "0", lines
    assert lines[7] == "-1", "tooltips on"
    assert lines[8].endswith("\\first\\") and lines[9] == lines[8], lines[8:10]
    assert lines[31:35] == ["-1", "-1", "-1", "-1"], "toolbars shown, snap on"
    assert lines[35] == "6" and lines[36] == "0", lines[35:37]


def test_damaged_file_keeps_what_was_read(s):
    folder = os.path.join(s.work, "damaged")
    os.makedirs(folder)
    with open(os.path.join(folder, INI), "wb") as f:
        f.write(b"1\r\n2\r\nnot a colour\r\n4\r\n")
    run_and_close(s, folder)
    lines = read_lines(folder)
    assert lines[:4] == ["1", "2", str(170 * 0x010101), str(127 * 0x010101)], lines[:4]
    assert lines[35] == "6", lines[35]
