"""The player end to end under Wine: a copy of AutorunQuorvel.exe with test
menus packed behind it (written by qvmkpack.exe through the shared menu
writer), driven with the mouse and keyboard, observed through the probe, the
screen's pixels and a recorder program that a button launches."""
import os
import re
import shutil
import subprocess
import time

import harness

SCREEN = "1024x768x24"
W, H = 1024, 768
DIALOG = "Autorun Quorvel"

# main.mnu: 400 x 300, centred; its top-left 50 x 50 corner is transparent.
MAIN_LEFT, MAIN_TOP = (W - 400) // 2, (H - 300) // 2
RED, GREEN, BLUE, YELLOW, WHITE, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 255, 255), (128, 128, 128)


def main_point(x, y):
    return MAIN_LEFT + x, MAIN_TOP + y


# Centres of main.mnu's objects (menu coordinates).
RECORDER_BTN = (110, 90)
SUB_BTN = (290, 90)
MESSAGE_BTN = (110, 170)
EXIT_BTN = (290, 170)
PLACED_IMAGE = (90, 250)
OLD_MENU_BTN = (290, 250)


def build(s, scenario, through_editor=False):
    """A folder holding Autorun.exe with the scenario's pack and the recorder.
    through_editor: packed by the editor's builder, from the player image
    the editor file carries, instead of by the test's own pack writer."""
    folder = os.path.join(s.work, scenario + "-" + str(time.time_ns()))
    os.makedirs(folder)
    exe = os.path.join(folder, "Autorun.exe")
    if through_editor:
        # The builder finds the editor file beside the running program.
        tools = os.path.join(s.work, "tools")
        if not os.path.isdir(tools):
            os.makedirs(tools)
            shutil.copy(harness.find_built("qvmkpack.exe"), tools)
            shutil.copy(harness.find_built("Autorun Quorvel Menu Editor.exe"), tools)
        code, out = s.run(os.path.join(tools, "qvmkpack.exe"), "--build", scenario, exe)
    else:
        code, out = s.run(harness.find_built("qvmkpack.exe"), scenario, harness.find_built("AutorunQuorvel.exe"), exe)
    assert code == 0, out
    shutil.copy(harness.find_built("qvrecorder.exe"), os.path.join(folder, "qvrecorder.exe"))
    return exe


def screen(s):
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=s.env, capture_output=True, check=True).stdout
    return harness.parse_ppm(ppm)


def colour_at(s, x, y):
    return harness.pixel(screen(s), x, y)


def wait_colour(s, x, y, colour, timeout=5.0):
    return harness.wait_until(lambda: colour_at(s, x, y) == colour, timeout)


def dialog_text(info):
    return "\n".join(c["text"] for c in info["children"] if c["class"].lower() == "static" and c["text"])


def press_until(s, title, key, done, attempts=5):
    """Presses key in the window titled title until done() holds."""
    for _ in range(attempts):
        try:
            s.xdotool("search", "--name", "^" + title + "$", "windowfocus", "--sync")
        except subprocess.CalledProcessError:
            pass
        s.key(key)
        if harness.wait_until(done, 3):
            return True
    return False


def answer_dialog(s, expected, key="Return"):
    """Waits for the player's message dialog showing expected, closes it with
    key and returns its text."""
    def showing():
        info = s.shown(DIALOG, 0)
        return info if info and expected in dialog_text(info) else None
    info = harness.wait_until(showing, 15)
    assert info is not None, f"no message dialog showing {expected!r}: {s.windows()}"
    text = dialog_text(info)
    assert press_until(s, DIALOG, key, lambda: showing() is None), f"the dialog {text!r} did not close"
    return text


def ended(proc, timeout=15.0):
    return harness.wait_until(lambda: proc.poll() is not None, timeout)


def start(s, exe, *args):
    """Starts the player after ending every program an earlier test left."""
    for p in s.procs:
        if p.poll() is None:
            p.kill()
            p.wait()
    return s.start(exe, *args)


def test_window_place_shape_states_and_launch(s):
    exe = build(s, "menus")
    # The first program of a new display starts slowly (Wine sets up its
    # desktop); time a second start.
    start(s, exe)
    assert s.shown("Main Menu", 60000) is not None
    t0 = time.time()
    proc = start(s, exe)
    info = s.shown("Main Menu")
    startup = time.time() - t0
    assert info is not None
    print(f"player start-up to visible window: {startup:.2f} s")
    assert info["rect"] == [MAIN_LEFT, MAIN_TOP, MAIN_LEFT + 400, MAIN_TOP + 300], info
    # The transparent corner is cut out of the window.
    rects = info["region"]["rects"]
    assert rects, info["region"]
    assert not any(r[0] < 50 and r[1] < 50 for r in rects), rects
    assert wait_colour(s, *main_point(100, 20), YELLOW)
    assert colour_at(s, *main_point(20, 20)) != YELLOW

    # Up, hover (Active), press (Down), release (launch).
    x, y = main_point(*RECORDER_BTN)
    assert colour_at(s, x, y) == RED
    s.move(x, y)
    assert wait_colour(s, x, y, GREEN)
    s.xdotool("mousedown", 1)
    assert wait_colour(s, x, y, BLUE)
    s.xdotool("mouseup", 1)
    log = os.path.join(os.path.dirname(exe), "recorder.log")
    assert harness.wait_until(lambda: os.path.exists(log) and "end\n" in open(log).read(), 20)
    text = open(log).read()
    assert "arg1=my file.txt\n" in text, text
    assert re.search(r"cwd=.*\\" + re.escape(os.path.basename(os.path.dirname(exe))), text), text
    assert wait_colour(s, x, y, GREEN)
    proc.kill()


def test_placed_image_keeps_its_picture_and_message_shows(s):
    exe = build(s, "menus")
    proc = start(s, exe)
    assert s.shown("Main Menu")
    px, py = main_point(*PLACED_IMAGE)
    assert wait_colour(s, px, py, GREEN)
    s.move(px, py)
    time.sleep(0.3)
    s.move(*main_point(200, 280))
    time.sleep(0.5)
    assert colour_at(s, px, py) == GREEN

    s.click(*main_point(*MESSAGE_BTN))
    text = answer_dialog(s, "Hello")
    assert "World" in text
    assert harness.wait_until(lambda: s.shown(DIALOG, 0) is None, 5)
    assert s.shown("Main Menu", 0)
    proc.kill()


def test_shortcut_key_launches_its_button(s):
    exe = build(s, "menus")
    start(s, exe)
    assert s.shown("Main Menu")
    assert press_until(s, "Main Menu", "m", lambda: s.shown(DIALOG, 0) is not None)
    answer_dialog(s, "Hello")


def test_sub_menu_switch_not_found_search_and_back(s):
    exe = build(s, "menus")
    proc = start(s, exe)
    assert s.shown("Main Menu")
    s.click(*main_point(*SUB_BTN))
    info = s.shown("Sub Menu")
    assert info is not None
    assert info["rect"] == [W - 300, H - 200, W, H], info
    assert harness.wait_until(lambda: s.shown("Main Menu", 0) is None, 5)

    # A missing target: the search of the whole drive shows its window;
    # cancelling it hands the bare name to the shell, which cannot find it.
    s.click(W - 300 + 200, H - 200 + 40)
    search = s.shown(" Target not found... searching:", 30000)
    assert search is not None
    assert press_until(s, " Target not found... searching:", "alt+c", lambda: s.shown(DIALOG, 0) is not None)
    answer_dialog(s, "Autorun Quorvel cannot find the specified file:")
    assert harness.wait_until(lambda: s.shown(" Target not found... searching:", 0) is None, 5)

    s.click(W - 300 + 70, H - 200 + 40)
    assert s.shown("Main Menu") is not None
    proc.kill()


def test_about_window_from_the_background_menu(s):
    exe = build(s, "menus")
    proc = start(s, exe)
    assert s.shown("Main Menu")
    s.click(*main_point(200, 120), button=3)
    time.sleep(0.5)
    s.key("Down")
    s.key("Return")
    about = s.shown("About")
    assert about is not None
    buttons = [c["text"] for c in about["children"] if c["class"].lower() == "button"]
    assert "&Close" in buttons, about
    assert press_until(s, "About", "alt+c", lambda: s.shown("About", 0) is None)
    assert proc.poll() is None
    proc.kill()


def test_exit_button_ends_the_program(s):
    exe = build(s, "menus")
    proc = start(s, exe)
    assert s.shown("Main Menu")
    s.click(*main_point(*EXIT_BTN))
    assert ended(proc), "the player did not end"


def test_old_sub_menu_ends_the_program_after_its_message(s):
    exe = build(s, "menus")
    proc = start(s, exe)
    assert s.shown("Main Menu")
    s.click(*main_point(*OLD_MENU_BTN))
    answer_dialog(s, "Internal menu is not an Autorun Quorvel Version 8 menu.")
    assert ended(proc)


def test_bad_packs_report_and_end(s):
    cases = [
        ("badtrailer", [], ["Invalid menu address.", "Error in loading internal menu."]),
        ("nofpak", [], ["Could not retrieve packed files", "Error in loading internal menu."]),
        ("menus", ["E:\\nothere.mnu"], ["Could not locate specified package:", "Menu could not be read."]),
        ("v7first", [], ["Application Terminating"]),
        # The header reader's own refusal, captioned with the player's title
        # like every other message (answer_dialog finds it by that caption).
        ("v5first", [], ["This is not an Autorun Quorvel Version 6 or above file.", "Menu could not be read."]),
        ("empty", [], ["Could not locate specified package:", "Menu could not be read."]),
    ]
    for scenario, args, messages in cases:
        exe = build(s, scenario)
        proc = start(s, exe, *args)
        for expected in messages:
            answer_dialog(s, expected)
            time.sleep(0.3)
        assert ended(proc), f"{scenario}: the player did not end"


def test_placement_codes_on_the_screen(s):
    exe = build(s, "waitplace")
    w, h = 200, 100
    x5, y5 = (W // 2 - w) // 2, (H // 2 - h) // 2
    expected = {1: (0, 0), 2: (W - w, 0), 3: (0, H - h), 5: (x5, y5), 10: (int((W - w) / 1.66), y5)}
    for code, (left, top) in expected.items():
        start(s, exe, "pos%d.mnu" % code)
        info = s.shown("Pos %d" % code)
        assert info is not None, code
        assert info["rect"] == [left, top, left + w, top + h], (code, info["rect"])


def test_menu_minimised_while_the_program_it_waits_for_runs(s):
    exe = build(s, "waitplace")
    proc = start(s, exe)
    info = s.shown("Wait Menu")
    assert info is not None
    left, top = info["rect"][:2]
    s.click(left + 150, top + 100)
    log = os.path.join(os.path.dirname(exe), "recorder.log")
    # The recorder writes its log at once, then stays three seconds.
    assert harness.wait_until(lambda: os.path.exists(log) and "end\n" in open(log).read(), 20)
    started = time.time()
    assert harness.wait_until(lambda: (s.probe("Wait Menu", 0) or {}).get("iconic"), 5), "not minimised"
    restored = harness.wait_until(lambda: (lambda i: i and i["visible"] and not i["iconic"])(s.probe("Wait Menu", 0)), 15)
    assert restored, "not restored after the program ended"
    assert time.time() - started > 2, "restored while the program still ran"
    assert "-wait=3000" in open(log).read()
    assert proc.poll() is None
    proc.kill()


def test_pack_built_by_the_editors_builder(s):
    exe = build(s, "menus", through_editor=True)
    proc = start(s, exe)
    info = s.shown("Main Menu")
    assert info is not None
    assert info["rect"] == [MAIN_LEFT, MAIN_TOP, MAIN_LEFT + 400, MAIN_TOP + 300], info
    assert not any(r[0] < 50 and r[1] < 50 for r in info["region"]["rects"]), info["region"]
    s.click(*main_point(*MESSAGE_BTN))
    answer_dialog(s, "Hello")
    s.click(*main_point(*SUB_BTN))
    assert s.shown("Sub Menu") is not None
    proc.kill()
