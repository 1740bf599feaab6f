"""A menu's shape whatever the source of its background: pasted from the
clipboard in Menu Properties, or a PNG photo chosen in the Background Wizard,
the background is saved with the runs of its transparent colour, and the
player packed with the saved menu cuts its window to it. The menu comes from
qvmkpack's "shaped" scenario: 400 x 300, its left 100 columns the
transparent lime."""
import os
import struct
import time
import zlib

import harness
from editor_session import (BACK_WIZARD_TITLE, MAIN_TITLE, PROPS_TITLE, TIP_TITLE, Editor, child, click_child,
                            client_origin, key_to, visible_children, wait_closed, windows_path)
from test_editor_surface import make_menu, save_and_close, surface_origin

# Centres of Menu Properties' background tools, from the left of their tool
# bar: the "Menu Back" label (64), Open and Save (23 each), a separator (8),
# Copy and Paste, a separator, the Background Wizard.
COPY, PASTE, WIZARD = 64 + 46 + 8 + 11, 64 + 46 + 8 + 23 + 11, 64 + 46 + 8 + 46 + 8 + 11
# The shape of the left 100 columns: in the top row, then in the next.
RUNS = "0000" "0100" "Y0002" "0000" "0100"


def write_png(path, width, height):
    """An opaque RGB PNG: its left half lime, the rest grey."""
    rows = b"".join(b"\0" + (b"\x00\xff\x00" * (width // 2)) + (b"\x80\x80\x80" * (width - width // 2))
                    for _ in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def menu_properties(s, ed):
    """Opens Menu Properties with F2 (passing its tip) and returns a click on
    one of its background tools."""
    key_to(s, MAIN_TITLE, "F2")
    assert s.shown(PROPS_TITLE, 15000) is not None, "Menu Properties did not show"
    if s.shown(TIP_TITLE, 3000) is not None:
        ed.dismiss_tip()

    def tool(offset):
        info = s.probe(PROPS_TITLE)
        bar = min(visible_children(info, "ToolbarWindow32"), key=lambda c: c["rect"][1])
        ox, oy = client_origin(info)
        s.click(ox + bar["rect"][0] + offset, oy + (bar["rect"][1] + bar["rect"][3]) // 2)
        time.sleep(0.5)
    return tool


def close_properties_and_save(s, ed, path):
    key_to(s, PROPS_TITLE, "Return")
    assert wait_closed(s, PROPS_TITLE), "Menu Properties stayed"
    return save_and_close(s, ed, path)


def test_a_pasted_background_keeps_its_shape_into_the_player(s):
    path = make_menu(s, "shaped")
    with Editor(s, "editor-shape-paste") as ed:
        ed.start(windows_path(path))
        ed.main_window()
        surface_origin(s)
        tool = menu_properties(s, ed)
        tool(COPY)
        tool(PASTE)
        saved = close_properties_and_save(s, ed, path)
    assert saved["menu"]["winRgn"].startswith("04000300" + RUNS), saved["menu"]["winRgn"][:40]

    exe = os.path.join(os.path.dirname(path), "Autorun.exe")
    code, out = s.run(harness.find_built("qvmkpack.exe"), "--files", windows_path(harness.find_built("AutorunQuorvel.exe")),
                      windows_path(exe), windows_path(path))
    assert code == 0, out
    player = s.start(exe)
    try:
        info = s.shown("Scenario", 60000)
        assert info is not None, s.windows()
        rects = info["region"]["rects"]
        assert rects and all(r[0] >= 100 for r in rects), info["region"]
    finally:
        player.kill()
        player.wait()


def test_a_png_photo_from_the_background_wizard_keeps_its_shape(s):
    path = make_menu(s, "shaped")
    with Editor(s, "editor-shape-png") as ed:
        photo = os.path.join(ed.folder, "photo.png")
        write_png(photo, 200, 150)
        ed.start(windows_path(path))
        ed.main_window()
        surface_origin(s)
        tool = menu_properties(s, ed)
        tool(WIZARD)
        wizard = s.shown(BACK_WIZARD_TITLE, 15000)
        assert wizard is not None, "no Background Wizard"
        click_child(s, wizard, child(wizard, "Button", "Provide my own background image for my menu"))
        click_child(s, wizard, child(wizard, "Button", "&Next >"))
        dialog = s.shown("Open Photo...", 15000)
        assert dialog is not None, "no picture dialog"
        assert "Photo (*.bmp;*.jpg;*.jpeg;*.png;*.gif)" in [c["text"] for c in dialog["children"]], dialog
        key_to(s, "Open Photo...", "ctrl+a")
        s.xdotool("type", "--delay", "20", windows_path(photo))
        s.key("Return")
        assert wait_closed(s, "Open Photo..."), "the picture dialog stayed"
        assert wait_closed(s, BACK_WIZARD_TITLE), "the Background Wizard stayed"
        saved = close_properties_and_save(s, ed, path)
    assert saved["menu"]["winRgn"].startswith("02000150" + RUNS), saved["menu"]["winRgn"][:40]
