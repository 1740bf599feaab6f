"""A new user's first menu, end to end: New from the start dialog, a title in
Menu Properties, a vertical-gradient background from the Background Wizard,
one Windows button that exits added through the Menu Creation Wizard, Save
As, Create Autorun Application, and the built Autorun.exe: its window has the
background's size, its pixels follow the gradient, and its button ends it."""
import glob
import json
import os
import subprocess
import time

import harness
from editor_session import (BACK_WIZARD_TITLE, MAIN_TITLE, MENU_WIZARD_TITLE, PROPS_TITLE, TIP_TITLE, Editor,
                            client_origin, key_to, wait_closed, windows_path)

SCREEN = "1024x768x24"
TITLE = "New User Menu"
# The wizard's size bars move by 40 on a click beside their thumb: 440 x 320
# becomes 480 x 280.
WIDTH, HEIGHT = 480, 280
# The wizard's gradient colours (red, green, blue), top and bottom.
TOP, BOTTOM = (0xFC, 0xFC, 0xFE), (0xF2, 0xEF, 0xDD)
BUTTON_PROPS = "Button Properties"
SAVE_AS = "Save Menu As..."
EXE_WIZARD = "Create Autorun Application"


def gradient(y):
    """The vertical gradient's colour in row y, worked out as the wizard does."""
    t = y / HEIGHT
    return tuple(int(t * b + (1 - t) * a) for a, b in zip(TOP, BOTTOM))


def menudump(path):
    native = os.environ.get("QV_NATIVE_BUILD", os.path.join(harness.ROOT, "build", "native"))
    hits = glob.glob(os.path.join(native, "**", "qvmenudump"), recursive=True)
    assert hits, "qvmenudump is not built in " + native
    return json.loads(subprocess.run([hits[0], path], capture_output=True, check=True, text=True).stdout)


def control(info, cls, text=None, index=0):
    """The index-th showing child, from the top left, of a probed window of
    class cls (and that text, any "&" left out)."""
    found = [c for c in info["children"] if c["visible"] and c["class"].lower() == cls.lower()
             and (text is None or c["text"].replace("&", "") == text)]
    assert found, f"no {cls} {text!r} in {info['title']}: {[(c['class'], c['text']) for c in info['children']]}"
    return sorted(found, key=lambda c: (c["rect"][1], c["rect"][0]))[index]


def click_at(s, info, c, dx=None, dy=None):
    """Clicks a child control at (dx, dy) inside it, its middle by default."""
    ox, oy = client_origin(info)
    l, t, r, b = c["rect"]
    s.click(ox + l + ((r - l) // 2 if dx is None else dx), oy + t + ((b - t) // 2 if dy is None else dy))
    time.sleep(0.3)


def showing(s, title, cls, text=None, index=0):
    """(the window, the control) once the window titled title shows that
    child control (a page of a wizard shows after its button's click)."""
    def ready():
        info = s.shown(title, 2000)
        try:
            return info and (info, control(info, cls, text, index))
        except (AssertionError, IndexError):
            return None
    found = harness.wait_until(ready, 15)
    assert found, f"no {cls} {text!r} showing in {title}: {s.windows()}"
    return found


def click(s, title, cls, text=None, index=0, **at):
    click_at(s, *showing(s, title, cls, text, index), **at)


def dismiss_tips(s, wait=1.0):
    """Closes each first-use tip that shows within wait seconds."""
    while s.shown(TIP_TITLE, int(wait * 1000)) is not None:
        key_to(s, TIP_TITLE, "Return")
        assert wait_closed(s, TIP_TITLE), "a tip stayed"


def type_into(s, title, cls, text, index=0):
    click(s, title, cls, index=index)
    s.key("ctrl+a")
    s.xdotool("type", "--delay", "20", text)


def background_wizard(s):
    """Start page: the wizard's own background; Background page: no border,
    width 480 and height 280 (one large step each), the vertical gradient it
    starts with; Banner page: no banner fill, no title; Finish."""
    assert s.shown(BACK_WIZARD_TITLE, 20000) is not None, "the Background Wizard did not open"
    click(s, BACK_WIZARD_TITLE, "Button", "Next >")
    info, _ = showing(s, BACK_WIZARD_TITLE, "Button", "Rounded")
    width_bar, height_bar = control(info, "ScrollBar", index=0), control(info, "ScrollBar", index=1)
    click_at(s, info, width_bar, dx=width_bar["rect"][2] - width_bar["rect"][0] - 30)
    click_at(s, info, height_bar, dx=30)
    click(s, BACK_WIZARD_TITLE, "Button", "None")
    click(s, BACK_WIZARD_TITLE, "Button", "Next >")
    showing(s, BACK_WIZARD_TITLE, "Button", "Fade to background")
    click(s, BACK_WIZARD_TITLE, "Button", "None", index=0)
    click(s, BACK_WIZARD_TITLE, "Button", "Finish")
    assert wait_closed(s, BACK_WIZARD_TITLE), "the Background Wizard stayed after Finish"


def windows_exit_button(s):
    """Button Properties of the added button: Windows kind; on the Execution
    tab (reached from the first tab by the arrow key) the exit tick; OK."""
    click(s, BUTTON_PROPS, "Button", "Windows")
    click(s, BUTTON_PROPS, "SysTabControl32", dx=30, dy=10)
    s.key("Right")
    dismiss_tips(s)
    click(s, BUTTON_PROPS, "Button", "Exit the menu system when this button is clicked.")
    click(s, BUTTON_PROPS, "Button", "OK")


def build_autorun(s, folder):
    """Create Autorun EXE on the saved menu: the wizard's own path
    (Autorun.exe beside the menu), the menu included and made the default;
    returns the executable's path once its Autorun.inf is written."""
    key_to(s, MAIN_TITLE, "ctrl+e")
    assert s.shown(EXE_WIZARD, 15000) is not None, f"no {EXE_WIZARD}: {s.windows()}"
    click(s, EXE_WIZARD, "Button", "Create Autorun >")
    showing(s, EXE_WIZARD, "Button", "first")  # the saved menu, ticked
    click(s, EXE_WIZARD, "Button", "Next >")
    click(s, EXE_WIZARD, "Button", "first")
    click(s, EXE_WIZARD, "Button", "Next >")
    inf = os.path.join(folder, "Autorun.inf")
    assert harness.wait_until(lambda: os.path.exists(inf), 30), f"no Autorun.inf: {s.windows()}"
    click(s, EXE_WIZARD, "Button", "Close")
    assert wait_closed(s, EXE_WIZARD), "the wizard stayed"
    return os.path.join(folder, "Autorun.exe")


def test_a_new_users_menu_from_new_to_a_running_autorun_exe(s):
    with Editor(s, "newuser") as ed:
        folder = os.path.join(s.work, "newuser-cd")
        os.makedirs(folder)
        ed.through_start_up("Return")

        assert s.shown(PROPS_TITLE, 20000) is not None, "New did not open Menu Properties"
        dismiss_tips(s, 3.0)
        background_wizard(s)
        type_into(s, PROPS_TITLE, "Edit", TITLE)
        click(s, PROPS_TITLE, "Button", "OK")
        assert wait_closed(s, PROPS_TITLE), f"Menu Properties stayed: {s.windows()}"

        assert s.shown(MENU_WIZARD_TITLE, 15000) is not None, "no Menu Creation Wizard"
        click(s, MENU_WIZARD_TITLE, "Button", "OK")
        info = s.shown(BUTTON_PROPS, 15000)
        assert info is not None, "adding a button opened no Button Properties"
        dismiss_tips(s)
        windows_exit_button(s)
        assert wait_closed(s, BUTTON_PROPS), f"Button Properties stayed: {s.windows()}"
        info = s.shown(MENU_WIZARD_TITLE, 15000)
        control(info, "Button", "I would like to add another button to my menu.")
        click(s, MENU_WIZARD_TITLE, "Button", "Complete menu creation wizard now.")
        click(s, MENU_WIZARD_TITLE, "Button", "OK")
        assert wait_closed(s, MENU_WIZARD_TITLE), "the Menu Creation Wizard stayed"
        dismiss_tips(s)

        # Save As (Ctrl+S on a menu without a file), then Create Autorun EXE.
        path = os.path.join(folder, "first.mnu")
        key_to(s, MAIN_TITLE, "ctrl+s")
        assert s.shown(SAVE_AS, 15000) is not None, "Ctrl+S on a new menu opened no Save As"
        key_to(s, SAVE_AS, "ctrl+a")
        s.xdotool("type", "--delay", "20", windows_path(path))
        s.key("Return")
        assert wait_closed(s, SAVE_AS), "the Save As dialog stayed"
        assert harness.wait_until(lambda: os.path.exists(path), 15), f"nothing saved: {s.windows()}"
        exe = build_autorun(s, folder)
        saved = menudump(path)
    assert saved["read"]["ok"] and not saved["messages"], saved["read"]
    assert saved["menu"]["title"] == TITLE, saved["menu"]
    assert saved["menu"].get("background") == {"width": WIDTH, "height": HEIGHT}, saved["menu"]
    (button,) = saved["objects"]
    assert (button["kind"], button["exitOnClick"], button["left"], button["top"]) == (1, -1, 8, 8), button

    player = s.start(exe)
    try:
        info = s.shown(TITLE, 60000)
        assert info is not None, f"the Autorun.exe showed no {TITLE!r}: {s.windows()}"
        left, top, right, bottom = info["rect"]
        assert (right - left, bottom - top) == (WIDTH, HEIGHT), info["rect"]
        # Away from the button, the accessory text box (40, 40, 200 x 100)
        # and the clock labels (row 200).
        points = [(300, 4), (400, 100), (20, 150), (300, 190), (120, 250), (470, 275)]

        def mismatches():
            shot = s.grab()
            return [(x, y, harness.pixel(shot, left + x, top + y), gradient(y)) for x, y in points
                    if harness.pixel(shot, left + x, top + y) != gradient(y)]
        harness.wait_until(lambda: not mismatches(), 10)
        assert not mismatches(), mismatches()
        s.click(left + button["left"] + button["width"] // 2, top + button["top"] + button["height"] // 2)
        assert harness.wait_until(lambda: player.poll() is not None, 15), "the exit button did not end Autorun.exe"
    finally:
        if player.poll() is None:
            player.kill()
            player.wait()


def test_menu_properties_after_an_own_picture_dialog_and_its_transparency_list(s):
    with Editor(s, "wizards") as ed:
        ed.through_start_up("Return")
        dismiss_tips(s, 3.0)
        click(s, BACK_WIZARD_TITLE, "Button", "Provide my own background image for my menu")
        click(s, BACK_WIZARD_TITLE, "Button", "Next >")
        key_to(s, "Open Photo...", "Escape")
        assert wait_closed(s, BACK_WIZARD_TITLE), "the wizard stayed after its picture dialog"
        s.click(13, 29)  # the main window's File menu
        time.sleep(0.5)
        assert all(w["class"] != "#32768" for w in s.windows()), "the main window took a click"
        # The list opens under the colour sample, left of the "..." button; row 4 is red, row 6 yellow.
        info, dots = showing(s, PROPS_TITLE, "Button", "...")
        (ox, oy), (bx, by) = client_origin(info), dots["rect"][:2]
        colour, row = (ox + bx - 24, oy + by + 12), lambda k, x=60: (ox + bx - 44 + x, oy + by + 38 + 22 * k)
        for keys, wanted in ((["click"], (255, 0, 0)), (["Down", "Down", "Return"], (255, 255, 0)),
                             (["Up", "Escape"], (255, 255, 0))):
            click(s, PROPS_TITLE, "Button", "...")
            for key in keys:
                s.click(*row(4)) if key == "click" else s.key(key)
            time.sleep(0.8)
            shot = s.grab()  # Menu Properties on top, its colour sample, and no picture of the list left
            assert harness.pixel(shot, *colour) == wanted and harness.pixel(shot, *row(6, 14)) != (255, 255, 0), keys
