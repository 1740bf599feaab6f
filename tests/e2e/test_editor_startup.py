"""The editor's start-up under Wine, as a user meets it: the splash, tip 2 and
the start dialog; the settings file that a run writes at its end and reads at
the next; New, Close with its save question, and help on F1."""
import os
import time

import harness
import xwindows
from editor_session import (MAIN_TITLE, START_TITLE, TIP_TITLE, Editor, child, client_origin, default_settings, focus,
                            key_to, visible_children, wait_closed, windows_path)

HELP_TITLE = "Autorun Quorvel Help"


def watch_for_splash(s, timeout=20.0):
    """The rectangle of the splash (a 392 x 212 top-level window) if it shows
    before the tip does."""
    windows = xwindows.TopWindows(s.env["DISPLAY"])
    try:
        end = time.time() + timeout
        while time.time() < end:
            shown = windows.viewable()
            for _, rect in shown:
                if rect[2:] == (392, 212):
                    return rect
            if any(title == TIP_TITLE for title, _ in shown):
                return None
            time.sleep(0.005)
    finally:
        windows.close()
    return None


def assert_complete_settings(ed, expected):
    text = ed.settings_text()
    assert text.count(b"\r\n") == 38 and text.endswith(b"\r\n\r\n"), text
    lines = ed.settings_lines()[:37]
    for number, (want, got) in enumerate(zip(expected, lines), start=1):
        if want is not None:
            assert got.decode() == want, f"line {number}: {got!r}, expected {want!r}"


def test_first_run_shows_splash_tip_and_start_dialog_and_writes_default_settings(s):
    with Editor(s, "first-run") as ed:
        ed.start()
        splash = watch_for_splash(s)
        assert splash is not None, "no splash showed"
        x, y, _, _ = splash
        assert (x, y) == ((1024 - 392) // 2, (768 - 212) // 2), splash

        tip = s.shown(TIP_TITLE, 20000)
        assert tip is not None, "tip 2 did not show"
        assert tip["client"][2:] == [322, 157], tip["client"]
        child(tip, "Button", "Do not show this message again.")
        child(tip, "Button", "OK")
        key_to(s, TIP_TITLE, "Return")
        assert wait_closed(s, TIP_TITLE)

        start = ed.start_dialog()
        assert start["client"][2:] == [478, 281], start["client"]
        for text in ("Create a new menu.", "Open an existing menu", "Browse...", "&OK", "&Cancel"):
            child(start, "Button", text)
        # The white header, as Wine painted it over the main window.
        shot = s.grab()
        left, top = client_origin(start)
        assert harness.pixel(shot, left + 6, top + 4) == (255, 255, 255)
        key_to(s, START_TITLE, "Escape")
        assert wait_closed(s, START_TITLE)
        assert ed.main_window() is not None
        assert ed.close(), "the editor did not end"
        assert_complete_settings(ed, default_settings(windows_path(ed.folder)))


def test_a_tip_ticked_not_to_show_again_stays_away(s):
    with Editor(s, "tip-ticked") as ed:
        ed.start()
        ed.main_window()
        ed.dismiss_tip(tick_do_not_show=True)
        ed.start_dialog()
        key_to(s, START_TITLE, "Escape")
        assert ed.close()
        assert ed.settings_lines()[12] == b"1"  # line 13: the flag of tip 2

        ed.start()
        ed.start_dialog()
        tip = s.probe(TIP_TITLE, 0)
        assert tip is None or not tip["visible"], "the tip showed again"
        key_to(s, START_TITLE, "Escape")
        assert ed.close()


def test_a_hidden_toolbar_stays_hidden_after_a_restart(s):
    with Editor(s, "toolbar") as ed:
        values = default_settings(windows_path(ed.folder))
        values[27:31] = ["0", "0", "640", "360"]
        values[31] = "0"  # the Standard toolbar hidden
        ed.write_settings(values)
        for _ in range(2):
            info = ed.through_start_up()
            assert len(visible_children(info, "ToolbarWindow32")) == 2, info["children"]
            assert ed.close()
            assert ed.settings_lines()[31:34] == [b"0", b"-1", b"-1"]


def test_new_twice_then_close_cancelled_keeps_the_document(s):
    with Editor(s, "documents") as ed:
        ed.through_start_up("Return")  # "Create a new menu." is checked
        ed.through_new_menu()
        focus(s, MAIN_TITLE)
        s.key("ctrl+n")
        ed.through_new_menu()
        info = harness.wait_until(lambda: has_tabs(s, ("Menu 1", "Menu 2")), 10)
        assert info, "no tabs Menu 1 and Menu 2"

        # File > Close Menu on the modified Menu 2, and Cancel to the question.
        focus(s, MAIN_TITLE)
        s.key("alt+f")
        time.sleep(0.3)
        s.key("c")
        question = harness.wait_until(lambda: save_question(s), 10)
        assert question, "no save question"
        s.key("Escape")
        time.sleep(0.5)
        assert has_tabs(s, ("Menu 1", "Menu 2")), "the document was closed"

        # Closing the editor asks for each modified document; No lets it end.
        s.run(harness.find_built("qvprobe.exe"), "--close", MAIN_TITLE)
        for _ in range(2):
            assert harness.wait_until(lambda: save_question(s), 10), "no save question at exit"
            s.key("n")
            time.sleep(0.5)
        assert ed.wait_ended(), "the editor did not end"


def has_tabs(s, names):
    info = s.probe(MAIN_TITLE, 0)
    texts = {c["text"] for c in info["children"]} if info else set()
    return info if all(n in texts for n in names) else None


def save_question(s):
    """A message window of the editor (titled as the main window, but a
    dialog) asking to save."""
    for w in s.windows():
        if w["title"] == MAIN_TITLE and w["class"] == "#32770":
            return w
    return None


def test_f1_opens_the_help_contents(s):
    with Editor(s, "help") as ed:
        log = os.path.join(ed.folder, "help.log")
        s.env["QV_HELP_LOG"] = windows_path(log)
        try:
            ed.through_start_up()
            focus(s, MAIN_TITLE)
            s.key("F1")
            assert s.shown(HELP_TITLE, 20000) is not None, "the help window did not show"
            with open(log, encoding="latin-1") as f:
                requests = f.read().splitlines()
            assert requests and requests[-1].endswith("Autorun Quorvel Help.chm::html/quor2bjj.htm"), requests
        finally:
            del s.env["QV_HELP_LOG"]
        assert ed.close()


def test_a_settings_file_cut_short_still_starts_and_is_written_whole(s):
    with Editor(s, "cut-short") as ed:
        values = default_settings(windows_path(ed.folder))
        values[0] = "255"
        ed.write_settings(values[:10])
        ed.through_start_up()
        assert ed.close()
        expected = list(values)
        assert_complete_settings(ed, expected)
