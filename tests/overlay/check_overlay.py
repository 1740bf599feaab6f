#!/usr/bin/env python3
"""Checks the editor's distributable file: it ends with the offset O of the
marker, bytes O..O+3 are "ApEX", and the bytes between the marker and the last
4 are exactly the built player. Also checks the file version of both programs
(the editor stamps it into every menu file) and that both import only system
DLLs (a wrongly dynamic zlib or C++ runtime would run under Wine and fail on
Windows), and that the player loads no more than the core system DLLs before
its first line runs (the others are delay-loaded, for a quick start).
  check_overlay.py EDITOR PLAYER OBJDUMP VERSION (like 8.1.0.0)"""
import struct
import subprocess
import sys

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "shlwapi.dll",
    "comctl32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "winmm.dll", "version.dll",
    "msvcrt.dll", "msimg32.dll", "hhctrl.ocx", "uxtheme.dll", "ws2_32.dll",
}

# What the player may import at load time.
PLAYER_LOAD_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}


def imports(objdump, exe):
    out = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    return {line.split(":", 1)[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line}


def file_version(image):
    """The file version of the first fixed version block in a PE image."""
    at = image.find(struct.pack("<I", 0xFEEF04BD))
    if at < 0:
        return None
    ms, ls = struct.unpack("<II", image[at + 8:at + 16])
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def main():
    editor, player, objdump, version = sys.argv[1:5]
    data = open(editor, "rb").read()
    player_bytes = open(player, "rb").read()
    failures = []
    (offset,) = struct.unpack("<I", data[-4:])
    if data[offset:offset + 4] != b"ApEX":
        failures.append("no ApEX marker at the offset in the last 4 bytes")
    if data[offset + 4:-4] != player_bytes:
        failures.append("the appended image differs from the player")
    if not data.startswith(b"MZ") or not player_bytes.startswith(b"MZ"):
        failures.append("the editor image or the player is not an executable")
    for name, image in (("editor", data[:offset]), ("player", player_bytes)):
        if file_version(image) != version:
            failures.append(f"the {name}'s file version is {file_version(image)}, not {version}")
    for exe in (editor, player):
        foreign = imports(objdump, exe) - SYSTEM_DLLS
        if foreign:
            failures.append(f"{exe} imports non-system DLLs: {sorted(foreign)}")
    early = imports(objdump, player) - PLAYER_LOAD_DLLS
    if early:
        failures.append(f"the player loads {sorted(early)} before it starts (delay-load them)")
    for f in failures:
        print("FAIL:", f)
    print("overlay: offset %d, player %d bytes, %s" % (offset, len(player_bytes), "ok" if not failures else "bad"))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
