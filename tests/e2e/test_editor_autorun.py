"""Create Autorun EXE as a user meets it: menu files written by the shared
menu writer lie in a folder, the current document is saved there, the
wizard packs the folder's menus with the chosen default, and the Autorun.exe
it writes shows that menu when started."""
import os
import shutil
import time

import harness
from editor_session import MAIN_TITLE, Editor, click_child, focus, key_to, wait_closed, windows_path

WIZARD = "Create Autorun Application"
SAVE_AS = "Save Menu As..."


def message_dialog(s):
    """A message window of the editor (titled as the main window, but a dialog)."""
    for w in s.windows():
        if w["title"] == MAIN_TITLE and w["class"] == "#32770":
            return w
    return None


def dismiss_messages(s, answers, quiet=3.0):
    """Clicks the first of answers (button captions) that each message of the
    editor offers, until none shows for quiet seconds."""
    while True:
        dialog = harness.wait_until(lambda: message_dialog(s), quiet)
        if not dialog:
            return
        buttons = [c for c in dialog["children"] if c["class"].lower() == "button" and c["visible"]]
        chosen = next(b for a in answers for b in buttons if b["text"].replace("&", "") == a)
        click_child(s, dialog, chosen)

        def answered():
            now = message_dialog(s)
            return now is None or now["children"] != dialog["children"]
        assert harness.wait_until(answered, 10), "a message stayed"


def shown_button(info, text):
    """The wizard's showing button, check box or radio button captioned text."""
    for c in info["children"]:
        if c["class"].lower() == "button" and c["text"] == text and c["visible"]:
            return c
    raise AssertionError(f"no {text!r} showing among {[c['text'] for c in info['children'] if c['visible']]}")


def wizard_step(s, key=None, click=None):
    """Presses key in the wizard, or clicks what it shows captioned click,
    and returns the wizard's state after a moment."""
    if click:
        wiz = s.shown(WIZARD)
        click_child(s, wiz, shown_button(wiz, click))
    else:
        key_to(s, WIZARD, key)
    time.sleep(0.5)
    return s.shown(WIZARD)


def test_the_wizard_packs_the_saved_menus_and_the_autorun_exe_shows_the_default(s):
    with Editor(s, "exewiz") as ed:
        # main.mnu, sub.mnu and v7.mnu from the shared writer (the packing
        # tool writes them beside the pack it makes; that pack is not used).
        menus = os.path.join(s.work, "exewiz-menus")
        os.makedirs(menus)
        shutil.copy(harness.find_built("qvmkpack.exe"), ed.folder)
        code, out = s.run(os.path.join(ed.folder, "qvmkpack.exe"), "--build", "menus",
                          windows_path(os.path.join(menus, "scratch.exe")))
        assert code == 0, out
        os.remove(os.path.join(menus, "scratch.exe"))

        ed.through_start_up("Return")  # a new menu
        focus(s, MAIN_TITLE)
        s.key("ctrl+s")
        assert s.shown(SAVE_AS, 15000) is not None, "Save As did not show"
        key_to(s, SAVE_AS, "ctrl+a")
        s.xdotool("type", "--delay", "20", windows_path(os.path.join(menus, "current.mnu")))
        s.key("Return")
        assert wait_closed(s, SAVE_AS)
        dismiss_messages(s, ["OK"])

        # Create Autorun EXE: a menu still modified is offered a save first.
        focus(s, MAIN_TITLE)
        s.key("ctrl+e")
        dismiss_messages(s, ["No", "OK"])
        wiz = s.shown(WIZARD, 15000)
        assert wiz is not None, "the wizard did not show"
        assert shown_button(wiz, "&Create Autorun >")

        # Create Autorun, Add All, Next; the default menu; Next builds.
        wiz = wizard_step(s, "Return")
        assert shown_button(wiz, "main")
        wizard_step(s, click="Add All")
        wiz = wizard_step(s, "alt+e")
        shown_button(wiz, "v7")
        wizard_step(s, click="sub")
        wizard_step(s, "alt+e")
        exe = os.path.join(menus, "Autorun.exe")
        assert harness.wait_until(lambda: os.path.exists(os.path.join(menus, "Autorun.inf")), 20), s.windows()
        with open(os.path.join(menus, "Autorun.inf"), "rb") as f:
            assert f.read() == b"[autorun]\r\nopen=Autorun.exe\r\nicon=Autorun.exe\r\n"
        key_to(s, WIZARD, "Escape")
        assert wait_closed(s, WIZARD), "the wizard stayed"

        # The built program shows the default menu first.
        player = s.start(exe)
        try:
            assert s.shown("Sub Menu", 60000) is not None, s.windows()
        finally:
            player.kill()
            player.wait()
