"""The player end to end under Wine: the keyboard from the first moment and
after a menu switch, Alt followed by Return or Space, a sub-menu with a
damaged picture, menus that cannot be shown, and a pack with one entry whose
menu cannot be read.
The packs come from qvmkpack.exe (scenarios keys, damaged, manyobjects,
cutshort and badentry)."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from test_player import (DIALOG, GREEN, H, SCREEN, W, build, colour_at, dialog_text, ended,  # noqa: E402,F401
                         press_until, start, wait_colour)

# Every menu of these scenarios is 300 x 200 and centred; its buttons are
# 80 x 40 at (20, 20), (110, 20) and (200, 20).
LEFT, TOP = (W - 300) // 2, (H - 200) // 2
FIRST, SECOND, THIRD = (60, 40), (150, 40), (240, 40)


def point(x, y):
    return LEFT + x, TOP + y


def focus(s, title):
    s.xdotool("search", "--name", "^" + title + "$", "windowfocus", "--sync")


def keys_to(s, title, *keys):
    """Gives the window titled title the X focus, then types keys."""
    focus(s, title)
    for k in keys:
        s.key(k)
        time.sleep(0.2)


def answer(s, caption, expected):
    """Waits for the message dialog captioned caption showing expected and
    closes it with Return; returns its text."""
    def showing():
        info = s.shown(caption, 0)
        return info if info and expected in dialog_text(info) else None
    info = harness.wait_until(showing, 15)
    assert info is not None, f"no dialog {caption!r} showing {expected!r}: {s.windows()}"
    text = dialog_text(info)
    assert press_until(s, caption, "Return", lambda: showing() is None), f"the dialog {text!r} did not close"
    return text


def start_away_from_the_mouse(s, exe, *args):
    # A window that appears under the pointer would be hovered.
    s.move(1, 1)
    return start(s, exe, *args)


def test_keyboard_works_from_start_up_and_after_a_menu_switch(s):
    exe = build(s, "keys")
    proc = start_away_from_the_mouse(s, exe)
    assert s.shown("Keys Menu", 60000) is not None
    # The default button is selected and takes Return at once.
    assert wait_colour(s, *point(*SECOND), GREEN)
    keys_to(s, "Keys Menu", "Return")
    answer(s, DIALOG, "Default pressed")

    keys_to(s, "Keys Menu", "Right")
    assert wait_colour(s, *point(*THIRD), GREEN)
    keys_to(s, "Keys Menu", "Return")
    answer(s, DIALOG, "Third pressed")

    # Left twice reaches the first button, which opens the sub-menu.
    keys_to(s, "Keys Menu", "Left", "Left")
    assert wait_colour(s, *point(*FIRST), GREEN)
    keys_to(s, "Keys Menu", "Return")
    assert s.shown("Keys Sub") is not None

    # No default here: Right starts at the first button.
    keys_to(s, "Keys Sub", "Right")
    assert wait_colour(s, *point(*FIRST), GREEN)
    keys_to(s, "Keys Sub", "Return")
    answer(s, DIALOG, "Sub first")
    # Tab moves on to the second, which goes back to the first menu.
    keys_to(s, "Keys Sub", "Tab")
    assert wait_colour(s, *point(*SECOND), GREEN)
    keys_to(s, "Keys Sub", "Return")
    assert s.shown("Keys Menu") is not None
    keys_to(s, "Keys Menu", "Return")
    answer(s, DIALOG, "Default pressed")
    assert proc.poll() is None
    proc.kill()


def test_alt_then_return_or_space_presses_the_focused_button(s):
    exe = build(s, "keys")
    proc = start_away_from_the_mouse(s, exe)
    assert s.shown("Keys Menu", 60000) is not None
    assert wait_colour(s, *point(*SECOND), GREEN)
    for key in ("Return", "space"):
        keys_to(s, "Keys Menu", "Alt_L", key)
        answer(s, DIALOG, "Default pressed")
    # Nothing holds the keys afterwards.
    keys_to(s, "Keys Menu", "Right")
    assert wait_colour(s, *point(*THIRD), GREEN)
    assert proc.poll() is None
    proc.kill()


def test_sub_menu_with_a_damaged_picture_shows_after_the_warning(s):
    exe = build(s, "damaged")
    proc = start_away_from_the_mouse(s, exe)
    assert s.shown("Intact Menu", 60000) is not None
    s.click(*point(*FIRST))
    answer(s, "Warning", "Error loading binary menu data.")
    info = s.shown("Damaged Menu")
    assert info is not None
    assert info["rect"] == [LEFT, TOP, LEFT + 300, TOP + 200], info
    # Its button was read after the damaged picture and works.
    s.move(*point(*SECOND))
    s.click(*point(*FIRST))
    answer(s, DIALOG, "Damaged works")
    assert proc.poll() is None
    proc.kill()


def test_menus_that_cannot_be_shown_are_reported_and_end(s):
    cases = [
        ("manyobjects", [(DIALOG, "Menu could not be read.")]),
        ("cutshort", [("Warning", "Error loading binary menu data."), (DIALOG, "Menu could not be read.")]),
    ]
    for scenario, messages in cases:
        exe = build(s, scenario)
        proc = start_away_from_the_mouse(s, exe)
        for caption, expected in messages:
            answer(s, caption, expected)
            time.sleep(0.3)
        assert ended(proc), f"{scenario}: the player did not end"


def test_pack_entry_past_the_end_fails_alone(s):
    exe = build(s, "badentry")
    proc = start_away_from_the_mouse(s, exe)
    assert s.shown("Entry Menu", 60000) is not None
    # The menu is packed but cannot be read: reported, and the menu shown
    # stays and goes on working.
    s.click(*point(*FIRST))
    answer(s, DIALOG, "Menu could not be read.")
    assert proc.poll() is None
    assert s.shown("Entry Menu", 0) is not None
    s.click(*point(*SECOND))
    assert s.shown("Third Menu") is not None
    proc.kill()

    # As the first menu, named on the command line, it ends the player.
    proc = start_away_from_the_mouse(s, exe, "second.mnu")
    answer(s, DIALOG, "Menu could not be read.")
    assert ended(proc)
