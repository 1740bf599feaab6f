"""Create Autorun EXE as a user meets it: menu files written by the shared
menu writer lie in a folder, the current document is saved there, the
wizard asks before leaving out a menu that a chosen one opens, packs the
folder's menus with the chosen default, and the Autorun.exe it writes shows
that menu when started and follows its buttons."""
import os
import shutil
import time

import harness
from editor_session import MAIN_TITLE, Editor, answer_dialog, click_child, focus, key_to, wait_closed, windows_path

WIZARD = "Create Autorun Application"


def button(info, text):
    """The showing button (check box, radio button) of a window captioned text."""
    return next(c for c in info["children"]
                if c["class"].lower() == "button" and c["visible"] and c["text"].replace("&", "") == text)


def dismiss_messages(s, answer):
    """Clicks answer (or OK) on each message of the editor (titled as the main
    window, but a dialog) until none shows for 3 seconds."""
    def message():
        return next((w for w in s.windows() if w["title"] == MAIN_TITLE and w["class"] == "#32770"), None)
    while dialog := harness.wait_until(message, 3):
        texts = [c["text"].replace("&", "") for c in dialog["children"]]
        click_child(s, dialog, button(dialog, answer if answer in texts else "OK"))
        assert harness.wait_until(lambda: (message() or {}).get("children") != dialog["children"], 10)


def in_wizard(s, key=None, click=None):
    if click:
        click_child(s, s.shown(WIZARD), button(s.shown(WIZARD), click))
    else:
        key_to(s, WIZARD, key)
    time.sleep(0.5)


def test_the_wizard_packs_the_saved_menus_and_the_autorun_exe_shows_the_default(s):
    with Editor(s, "exewiz") as ed:
        # main.mnu, sub.mnu and v7.mnu, which the packing tool writes beside
        # the pack it makes (that pack is not used).
        menus = os.path.join(s.work, "exewiz-menus")
        os.makedirs(menus)
        shutil.copy(harness.find_built("qvmkpack.exe"), ed.folder)
        code, out = s.run(os.path.join(ed.folder, "qvmkpack.exe"), "--build", "menus",
                          windows_path(os.path.join(menus, "scratch.exe")))
        assert code == 0, out
        os.remove(os.path.join(menus, "scratch.exe"))

        # A new menu given a file in that folder by Save As.
        ed.through_start_up("Return")
        ed.through_new_menu()
        focus(s, MAIN_TITLE)
        s.key("ctrl+s")
        assert s.shown("Save Menu As...", 15000) is not None
        key_to(s, "Save Menu As...", "ctrl+a")
        s.xdotool("type", "--delay", "20", windows_path(os.path.join(menus, "current.mnu")))
        s.key("Return")
        assert wait_closed(s, "Save Menu As...")
        dismiss_messages(s, "OK")

        # Create Autorun EXE: No to saving; then Create Autorun, Add All but
        # v7 (a button of main opens it), Next, and Next asks: No goes back
        # to the list. Next, "sub" as the default, Next, and Yes builds.
        focus(s, MAIN_TITLE)
        s.key("ctrl+e")
        dismiss_messages(s, "No")
        assert s.shown(WIZARD, 15000) is not None, "the wizard did not show"
        in_wizard(s, "Return")
        in_wizard(s, "x")  # lands in no hidden path box
        in_wizard(s, click="Add All")
        in_wizard(s, click="v7")
        in_wizard(s, "alt+e")
        in_wizard(s, "alt+e")
        text = answer_dialog(s, "not included in your autorun application", "No")
        assert "v7.mnu" in text and "sub.mnu" not in text, text
        inf = os.path.join(menus, "Autorun.inf")
        assert button(s.shown(WIZARD), "Add All") and not os.path.exists(inf)
        in_wizard(s, "alt+e")
        in_wizard(s, click="sub")
        in_wizard(s, "alt+e")
        answer_dialog(s, "not included in your autorun application", "Yes")
        assert harness.wait_until(lambda: os.path.exists(inf), 20), s.windows()
        with open(inf, "rb") as f:
            assert f.read() == b"[autorun]\r\nopen=Autorun.exe\r\nicon=Autorun.exe\r\n"
        key_to(s, WIZARD, "Escape")
        assert wait_closed(s, WIZARD), "the wizard stayed"

        # The default menu shows, and its first button (command main.mnu)
        # switches to the main menu packed beside it.
        player = s.start(os.path.join(menus, "Autorun.exe"))
        try:
            sub = s.shown("Sub Menu", 60000)
            assert sub is not None, s.windows()
            s.click(sub["rect"][0] + 70, sub["rect"][1] + 40)
            assert s.shown("Main Menu", 15000) is not None, s.windows()
            assert harness.wait_until(lambda: s.shown("Sub Menu", 0) is None, 5)
        finally:
            player.kill()
            player.wait()
