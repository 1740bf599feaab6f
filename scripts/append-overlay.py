#!/usr/bin/env python3
"""Makes the editor's distributable file: the editor image, then the marker
"ApEX", the complete player executable, and the little-endian offset of the
marker as the last 4 bytes. The editor's builder reads this layout back to copy
the player out when it writes an autorun executable."""
import struct
import sys


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: append-overlay.py EDITOR_IMAGE PLAYER_EXE OUTPUT")
    editor_image, player_exe, output = sys.argv[1:]
    with open(editor_image, "rb") as f:
        editor = f.read()
    with open(player_exe, "rb") as f:
        player = f.read()
    offset = len(editor)
    if offset + 4 + len(player) + 4 >= 1 << 32:
        sys.exit("append-overlay: the result would not fit 32-bit offsets")
    tmp = output + ".tmp"
    with open(tmp, "wb") as f:
        f.write(editor)
        f.write(b"ApEX")
        f.write(player)
        f.write(struct.pack("<I", offset))
    import os
    os.replace(tmp, output)


if __name__ == "__main__":
    main()
