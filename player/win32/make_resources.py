#!/usr/bin/env python3
"""Writes the player's built-in resources into the build folder: five short
synthetic wave sounds (start, select, click, change, exit) and the program icon
(16 x 16 and 32 x 32, 32 bits with alpha). Nothing binary is kept in the
sources; the build runs this script and the resource script includes its
output."""
import math
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "win32"))
from resource_files import ico, write_if_changed  # noqa: E402

RATE = 11025


def tone(parts):
    """parts: list of (frequency Hz, milliseconds, volume 0..1). Returns 8-bit
    unsigned mono samples with a short fade at each end of every part."""
    out = bytearray()
    for freq, ms, vol in parts:
        n = RATE * ms // 1000
        fade = max(1, min(n // 4, RATE // 200))
        for i in range(n):
            env = min(1.0, i / fade, (n - 1 - i) / fade)
            s = math.sin(2 * math.pi * freq * i / RATE) if freq else 0.0
            out.append(int(128 + 100 * vol * env * s))
    return bytes(out)


def wav(samples):
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(samples)) + samples
    if len(samples) % 2:
        body += b"\0"
    return b"RIFF" + struct.pack("<I", len(body)) + body


SOUNDS = {
    "start.wav": [(523, 70, 0.8), (659, 70, 0.8), (784, 110, 0.8)],
    "select.wav": [(1320, 25, 0.5)],
    "click.wav": [(880, 20, 0.7), (440, 30, 0.7)],
    "change.wav": [(660, 60, 0.7), (990, 80, 0.7)],
    "exit.wav": [(784, 70, 0.8), (659, 70, 0.8), (523, 110, 0.8)],
}


def icon_pixels(size):
    """A rounded blue square with a white play triangle, as BGRA rows from the
    bottom up (the order of an icon's bitmap)."""
    rows = []
    r = size / 5.0
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            cx = min(max(x + 0.5, r), size - r)
            cy = min(max(y + 0.5, r), size - r)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            a = max(0.0, min(1.0, r - d + 0.5))
            t = y / (size - 1)
            b, g, rr = 200 - int(80 * t), 110 - int(60 * t), 30
            # play triangle: left edge at 0.36, tip at 0.72 of the width
            px, py = (x + 0.5) / size, (y + 0.5) / size
            half = 0.22 * (0.72 - px) / 0.36
            if 0.36 <= px <= 0.72 and abs(py - 0.5) <= half:
                b, g, rr = 255, 255, 255
            row += bytes((b, g, rr, int(255 * a)))
        rows.append(bytes(row))
    return rows


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_resources.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, parts in SOUNDS.items():
        write_if_changed(os.path.join(folder, name), wav(tone(parts)))
    write_if_changed(os.path.join(folder, "AutorunQuorvel.ico"), ico([16, 32], icon_pixels))


if __name__ == "__main__":
    main()
