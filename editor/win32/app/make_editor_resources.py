#!/usr/bin/env python3
"""Writes the editor's pictures into the build folder, and a C++ header that
names the tool-button glyphs by their index:

  QuorvelEditor.ico    program icon, 16 x 16 and 32 x 32, 32 bits with alpha
  splash.bmp           splash and About picture, 392 x 212: black, lime parts
                       are see-through (the window's colour key); no text, the
                       version and the legal notices are labels over it
  start_header.bmp     header strip of the start dialog, 478 x 64, white
  status.bmp           picture of the status pop-up, 32 x 32, lime see-through
  monitor.bmp          the monitor on which Menu Properties shows the eleven
                       screen positions, 200 x 164, lime around it
  glyphs_*.bmp         tool-button glyph strips, 16 x 16 cells side by side,
                       lime (0x00FF00) is the mask colour
  EditorResources.h    the resource names of the pictures and the glyph order
                       of each strip as named indices

Glyphs never use pure lime or pure magenta (0xFF00FF) as a colour: those are
the mask colours of the image lists. The glyphs of the colour buttons leave
rows 12-15 as mask, where the button's current colour is painted as a 16 x 4
bar. Nothing binary is kept in the sources: the build runs this script."""
import math
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "shared", "win32"))
from resource_files import ico, write_if_changed  # noqa: E402

LIME = (0, 255, 0)
MAGENTA = (255, 0, 255)

# Colours of the pixel art ("." is the mask).
PALETTE = {
    "K": (0, 0, 0), "W": (255, 255, 255), "G": (128, 128, 128), "L": (192, 192, 192),
    "D": (64, 64, 64), "B": (0, 0, 160), "b": (90, 150, 235), "n": (0, 0, 100),
    "Y": (255, 220, 0), "y": (190, 150, 0), "R": (200, 0, 0), "r": (240, 100, 90),
    "N": (150, 90, 30), "g": (0, 128, 0), "C": (0, 160, 200), "O": (240, 140, 0),
    "P": (130, 50, 160), "S": (225, 225, 225),
}


class Canvas:
    """Rows of (r, g, b) pixels, top row first."""

    def __init__(self, w, h, fill=LIME):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def art(self, rows, x=0, y=0):
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch != ".":
                    self.set(x + i, y + j, PALETTE[ch])

    def mirrored(self):
        out = Canvas(self.w, self.h)
        out.px = [list(reversed(row)) for row in self.px]
        return out

    def flipped(self):
        out = Canvas(self.w, self.h)
        out.px = [list(row) for row in reversed(self.px)]
        return out

    def transposed(self):
        out = Canvas(self.h, self.w)
        out.px = [[self.px[x][y] for x in range(self.w)] for y in range(self.h)]
        return out


# ---- pixel art and shapes of the glyphs ----

def glyph(rows=None):
    c = Canvas(16, 16)
    if rows:
        c.art(rows)
    return c


def letter(rows, underline=False, bar=False):
    """A letter of up to 11 rows, centred in the upper part of the cell."""
    c = glyph()
    c.art(rows, 0, 1)
    if underline:
        c.rect(3, 13, 12, 13, PALETTE["K"])
    return c


def triangle(c, cx, cy, size, direction, colour):
    """A solid arrow head pointing left, right, up or down, tip at cx/cy."""
    for i in range(size):
        for j in range(-i, i + 1):
            if direction == "right":
                c.set(cx - i, cy + j, colour)
            elif direction == "left":
                c.set(cx + i, cy + j, colour)
            elif direction == "down":
                c.set(cx + j, cy - i, colour)
            else:
                c.set(cx + j, cy + i, colour)


def nav(kind):
    c = glyph()
    k = PALETTE["n"]
    if kind in ("first", "previous"):
        triangle(c, 5, 7, 5, "left", k)
        if kind == "first":
            c.rect(2, 2, 3, 12, k)
    else:
        triangle(c, 10, 7, 5, "right", k)
        if kind == "last":
            c.rect(12, 2, 13, 12, k)
    return c


def move_arrow():
    """A right-pointing arrow with a shaft; the others are turned copies."""
    c = glyph()
    g = PALETTE["g"]
    c.rect(2, 6, 9, 9, g)
    triangle(c, 14, 7, 6, "right", g)
    triangle(c, 14, 8, 6, "right", g)
    return c


def align(kind):
    c = glyph()
    k = PALETTE["K"]
    for n, width in enumerate((12, 8, 12, 8, 12, 8)):
        y = 2 + 2 * n
        if kind == "left":
            x0 = 2
        elif kind == "right":
            x0 = 14 - width
        else:
            x0 = 8 - width // 2
        c.rect(x0, y, x0 + width - 1, y, k)
    return c


def stacking(front_on_top, arrow):
    """Two overlapping squares; the selected one (blue) in front or behind,
    with an arrow for the one-step commands."""
    c = glyph()
    back, sel = PALETTE["L"], PALETTE["b"]
    outline = PALETTE["D"]

    def square(x, y, fill):
        c.rect(x, y, x + 9, y + 9, fill)
        c.frame(x, y, x + 9, y + 9, outline)

    if front_on_top:
        square(1, 1, back)
        square(5, 5, sel)
    else:
        square(5, 5, sel)
        square(1, 1, back)
    if arrow == "up":
        triangle(c, 13, 1, 3, "up", PALETTE["g"])
        c.rect(13, 3, 13, 4, PALETTE["g"])
    elif arrow == "down":
        triangle(c, 2, 14, 3, "down", PALETTE["g"])
        c.rect(2, 11, 2, 12, PALETTE["g"])
    return c


def circle(c, cx, cy, r, colour, fill=None):
    for y in range(c.h):
        for x in range(c.w):
            d = math.hypot(x - cx, y - cy)
            if fill is not None and d <= r - 0.5:
                c.set(x, y, fill)
            if abs(d - r) < 0.5:
                c.set(x, y, colour)


def disc_glyph():
    c = glyph()
    circle(c, 7.5, 7.5, 7, PALETTE["G"], PALETTE["S"])
    circle(c, 7.5, 7.5, 5, PALETTE["b"])
    circle(c, 7.5, 7.5, 2, PALETTE["G"], PALETTE["W"])
    c.rect(7, 7, 8, 8, LIME)  # the hole
    c.line(10, 3, 12, 5, PALETTE["W"])
    return c


def clock(c, cx, cy, r):
    circle(c, cx, cy, r, PALETTE["K"], PALETTE["W"])
    c.line(int(cx), int(cy), int(cx), int(cy - r + 2), PALETTE["K"])
    c.line(int(cx), int(cy), int(cx + r - 3), int(cy), PALETTE["R"])


def delete_glyph():
    c = glyph()
    r = PALETTE["R"]
    for i in range(11):
        for w in (0, 1):
            c.set(2 + i + w, 2 + i, r)
            c.set(13 - i - w, 2 + i, r)
    return c


def close_glyph():
    c = glyph()
    k = PALETTE["K"]
    for i in range(8):
        for w in (0, 1):
            c.set(4 + i + w, 4 + i, k)
            c.set(11 - i - w, 4 + i, k)
    return c


def grid_glyph():
    c = glyph()
    c.rect(1, 1, 14, 14, PALETTE["W"])
    c.frame(1, 1, 14, 14, PALETTE["G"])
    for y in range(3, 14, 3):
        for x in range(3, 14, 3):
            c.set(x, y, PALETTE["K"])
    c.rect(6, 6, 9, 9, PALETTE["b"])
    return c


def shape_glyph():
    c = glyph()
    c.rect(1, 1, 9, 9, PALETTE["Y"])
    c.frame(1, 1, 9, 9, PALETTE["y"])
    circle(c, 10, 10, 4.5, PALETTE["n"], PALETTE["b"])
    return c


def find_glyph():
    c = glyph()
    circle(c, 7.5, 7.5, 5.5, PALETTE["R"])
    c.rect(7, 0, 8, 5, PALETTE["K"])
    c.rect(7, 10, 8, 15, PALETTE["K"])
    c.rect(0, 7, 5, 8, PALETTE["K"])
    c.rect(10, 7, 15, 8, PALETTE["K"])
    return c


def shadow_depth_glyph():
    c = glyph()
    for n, shade in enumerate(("L", "G", "D")):
        x = 6 - 2 * n
        c.rect(x, x, x + 7, x + 7, PALETTE[shade])
    c.frame(2, 2, 9, 9, PALETTE["K"])
    return c


def plus(c, x, y):
    g = PALETTE["g"]
    c.rect(x - 2, y, x + 2, y, g)
    c.rect(x, y - 2, x, y + 2, g)
    c.rect(x - 2, y + 1, x + 2, y + 1, g)
    c.rect(x + 1, y - 2, x + 1, y + 2, g)


def insert_button_glyph():
    c = glyph()
    c.rect(1, 4, 12, 11, PALETTE["L"])
    c.rect(1, 4, 12, 4, PALETTE["W"])
    c.rect(1, 4, 1, 11, PALETTE["W"])
    c.rect(2, 11, 12, 11, PALETTE["D"])
    c.rect(12, 5, 12, 11, PALETTE["D"])
    c.rect(4, 7, 9, 8, PALETTE["G"])
    plus(c, 13, 2)
    return c


# Colour-bar glyphs draw in rows 0-11 only.
TEXT_COLOR = [
    "......KK........",
    ".....KKKK.......",
    ".....K..K.......",
    "....KK..KK......",
    "....K....K......",
    "...KKKKKKKK.....",
    "...K......K.....",
    "..KK......KK....",
    "..K........K....",
    ".KKK......KKK...",
]
SHADOW_COLOR = [
    "................",
    ".bbbbbbbb.......",
    ".bWWWWWWb.......",
    ".bWWWWWWbD......",
    ".bWWWWWWbD......",
    ".bWWWWWWbD......",
    ".bWWWWWWbD......",
    ".bWWWWWWbD......",
    ".bbbbbbbbD......",
    "...DDDDDDD......",
]
TRANSPARENT_COLOR = [
    "...........KK...",
    "..........KLLK..",
    ".........KLLK...",
    "........KLLK....",
    ".......KLLK.....",
    "......KLLK......",
    "...KKKLLK.......",
    "..KNNNKK........",
    "..KNNNK.........",
    ".KNNNK..........",
    "KNNKK...........",
]

ART = {
    "new": [
        "..KKKKKKKK......", "..KWWWWWWKK.....", "..KWWWWWWKWK....", "..KWWWWWWKKKK...",
        "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...",
        "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KWWWWWWWWWK...",
        "..KWWWWWWWWWK...", "..KWWWWWWWWWK...", "..KKKKKKKKKKK...",
    ],
    "open": [
        "................", "................", "..KKKK..........", ".KYYYYK.........",
        "KYYYYYYKKKKKKK..", "KYYYYYYYYYYYYK..", "KYYYKKKKKKKKKKKK", "KYYKyyyyyyyyyyyK",
        "KYYKyyyyyyyyyyK.", "KYKyyyyyyyyyyyK.", "KYKyyyyyyyyyyK..", "KKyyyyyyyyyyyK..",
        "KKyyyyyyyyyyK...", "KKKKKKKKKKKKK...",
    ],
    "save": [
        "KKKKKKKKKKKKKK..", "KBBLLLLLLLLBBK..", "KBBLLLLLLLLBBK..", "KBBLLLLLLLLBBK..",
        "KBBLLLLLLLLBBK..", "KBBBBBBBBBBBBK..", "KBBBBBBBBBBBBK..", "KBBWWWWWWWWBBK..",
        "KBBWWWWWWWWBBK..", "KBBWKKKKKKWBBK..", "KBBWWWWWWWWBBK..", "KBBWKKKKKKWBBK..",
        "KBBWWWWWWWWBBK..", "KKKKKKKKKKKKKK..",
    ],
    "cut": [
        "...K.....K......", "...K.....K......", "...K.....K......", "...KK...KK......",
        "....K...K.......", "....KK.KK.......", ".....KKK........", "......K.........",
        ".....RKR........", "...RRR.RRR......", "..R..R.R..R.....", "..R..R.R..R.....",
        "..R..R.R..R.....", "...RR...RR......",
    ],
    "copy": [
        "KKKKKKK.........", "KWWWWWK.........", "KWKKKWK.........", "KWWWWWK.........",
        "KWKKKKKKKKKK....", "KWWWWKWWWWWKK...", "KWKKKKWKKKWKWK..", "KWWWWKWWWWWKKKK.",
        "KKKKKKWKKKKKWWK.", ".....KWWWWWWWWK.", ".....KWKKKKKKWK.", ".....KWWWWWWWWK.",
        ".....KWKKKKKKWK.", ".....KWWWWWWWWK.", ".....KKKKKKKKKK.",
    ],
    "paste": [
        ".....KKKK.......", "..KKKLLLLKKK....", ".KNNKLKKLKNNK...", ".KNNKKKKKKNNK...",
        ".KNNNNNNNNNNK...", ".KNNNNKKKKKKKKK.", ".KNNNNKWWWWWWWK.", ".KNNNNKWKKKKKWK.",
        ".KNNNNKWWWWWWWK.", ".KNNNNKWKKKKKWK.", ".KNNNNKWWWWWWWK.", ".KNNNNKWKKKKKWK.",
        ".KKKKKKWWWWWWWK.", "......KKKKKKKKK.",
    ],
    "undo": [
        "................", "................", "....n...........", "...nn...........",
        "..nnnnnnnnn.....", ".nnnnnnnnnnn....", "..nnnnnnnnnnn...", "...nn......nnn..",
        "....n.......nn..", "............nn..", "............nn..", "...........nnn..",
        "........nnnnnn..", "........nnnnn...",
    ],
    "menu_props": [
        "KKKKKKKKKKKKKKK.", "KBBBBBBBBBBBBBK.", "KBBBBBBBBBWBWBK.", "KKKKKKKKKKKKKKK.",
        "KLLLLLLLLLLLLLK.", "KLKKKKLLLLLLLLK.", "KLKWWKLGGGGGGLK.", "KLKKKKLLLLLLLLK.",
        "KLLLLLLLLLLLLLK.", "KLKKKKLLLLLLLLK.", "KLKWWKLGGGGGLLK.", "KLKKKKLLLLLLLLK.",
        "KLLLLLLLLLLLLLK.", "KKKKKKKKKKKKKKK.",
    ],
    "object_props": [
        "................", "................", "WWWWWWWWWWWWW...", "WLLLLLLLLLLLDK..",
        "WLLLLLLLLLLLDK..", "WLLGGGGGGGLLDK..", "WLLLLLLLLLLLDK..", "WLLLLLLLLLLLDK..",
        "WDDDDDDDDDDDDK..", "KKKKKKKKKKKKKK..", "..........KOK...", "..........KOOK..",
        "...........KOOK.", "............KOOK", ".............KK.",
    ],
    "insert_image": [
        "KKKKKKKKKKKKKKK.", "KbbbbbbbbbbbYYK.", "KbbbbbbbbbbYYYK.", "KbbbbbbbbbbbYYK.",
        "KbbbbbbbbbbbbbK.", "KbbbbbgbbbbbbbK.", "KbbbbgggbbbbbbK.", "KbbbgggggbbgbbK.",
        "KbbgggggggggggK.", "KbgggggggggggggK", "KgggggggggggggK.", "KKKKKKKKKKKKKKK.",
    ],
    "insert_text": [
        "................", ".KKKKKKKKK......", ".KK..KK..KK.....", ".K...KK...K.....",
        ".....KK.........", ".....KK.........", ".....KK.........", ".....KK.........",
        ".....KK.........", ".....KK.........", "....KKKK........",
    ],
    "autoseek": [
        "...KKKK.........", "..KWWWWK........", ".KWbbWWWK.......", "KWbWWWWWWK......",
        "KWbWWWWWWK......", "KWWWWWWWWK......", "KWWWWWWWWK......", ".KWWWWWWK.......",
        "..KWWWWKNN......", "...KKKKNNNN.....", ".........NNNN...", "..........NNNN..",
        "...........NNNN.", "............NNK.",
    ],
    "original_size": [
        "KKKKKKKKKKKKKKKK", "KWWWWWWWWWWWWWWK", "KWWWWWWWWWWWWWWK", "KWWKKWWWWWWKKWWK",
        "KWKKKWWWWWKKKWWK", "KWWKKWWKKWWKKWWK", "KWWKKWWKKWWKKWWK", "KWWKKWWWWWWKKWWK",
        "KWWKKWWKKWWKKWWK", "KWWKKWWKKWWKKWWK", "KWKKKKWWWWKKKKWK", "KWWWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWWWK", "KKKKKKKKKKKKKKKK",
    ],
    "tab_order": [
        "................", "KKKKKKK.........", "KYYKYYK.........", "KYKKYYK.........",
        "KYYKYYK.........", "KYYKYYK.........", "KYKKKYK.........", "KKKKKKK.........",
        "...n....KKKKKKK.", "...nn...KYKKKYK.", "nnnnnn..KYYYKYK.", "...nn...KYYKYYK.",
        "...n....KYKYYYK.", "........KYKKKYK.", "........KKKKKKK.",
    ],
    "help": [
        ".....BBBBBB.....", "...BBBBBBBBBB...", "..BBBWWWWWWBBB..", ".BBBWWBBBBWWBBB.",
        ".BBBWWBBBBWWBBB.", "BBBBBBBBBBWWBBBB", "BBBBBBBBBWWBBBBB", "BBBBBBBBWWBBBBBB",
        "BBBBBBBWWBBBBBBB", ".BBBBBBWWBBBBBB.", ".BBBBBBBBBBBBBB.", "..BBBBBWWBBBBB..",
        "...BBBBWWBBBB...", ".....BBBBBB.....",
    ],
    "bold": [
        "..KKKKKKKK......", "...KKK..KKK.....", "...KKK...KKK....", "...KKK...KKK....",
        "...KKK..KKK.....", "...KKKKKKK......", "...KKK..KKK.....", "...KKK...KKK....",
        "...KKK...KKK....", "...KKK..KKK.....", "..KKKKKKKK......",
    ],
    "italic": [
        "......KKKKK.....", ".......KK.......", ".......KK.......", "......KK........",
        "......KK........", "......KK........", ".....KK.........", ".....KK.........",
        ".....KK.........", "....KK..........", "...KKKKK........",
    ],
    "underline": [
        "..KKKK..KKKK....", "...KK....KK.....", "...KK....KK.....", "...KK....KK.....",
        "...KK....KK.....", "...KK....KK.....", "...KK....KK.....", "...KK....KK.....",
        "...KK....KK.....", "....KK..KK......", ".....KKKK.......",
    ],
    "show_date": [
        "..K...K...K.....", "KKKKKKKKKKKKKK..", "KRRRRRRRRRRRRK..", "KRRRRRRRRRRRRK..",
        "KKKKKKKKKKKKKK..", "KWWWWWWWWWWWWK..", "KWKWKWKWKWKWWK..", "KWWWWWWWWWWWWK..",
        "KWKWKWKWKWKWWK..", "KWWWWWWWWWWWWK..", "KWKWKWKWRRWWWK..", "KWWWWWWWRRWWWK..",
        "KWWWWWWWWWWWWK..", "KKKKKKKKKKKKKK..",
    ],
}


def wand_glyph():
    """A magic wand with a star at its tip (the Background Wizard)."""
    c = glyph()
    for i in range(9):
        c.rect(2 + i, 13 - i, 3 + i, 14 - i, PALETTE["K"] if i < 6 else PALETTE["W"])
    star = PALETTE["Y"]
    c.rect(12, 1, 12, 7, star)
    c.rect(9, 4, 15, 4, star)
    c.rect(11, 3, 13, 5, star)
    return c


def standard_glyphs():
    undo = glyph(ART["undo"])
    return [
        ("New", glyph(ART["new"])),
        ("Open", glyph(ART["open"])),
        ("Save", glyph(ART["save"])),
        ("CreateAutorunExe", disc_glyph()),
        ("Cut", glyph(ART["cut"])),
        ("Copy", glyph(ART["copy"])),
        ("Paste", glyph(ART["paste"])),
        ("Undo", undo),
        ("Redo", undo.mirrored()),
        ("MenuProperties", glyph(ART["menu_props"])),
        ("ObjectProperties", glyph(ART["object_props"])),
        ("InsertButton", insert_button_glyph()),
        ("InsertImage", glyph(ART["insert_image"])),
        ("InsertText", glyph(ART["insert_text"])),
        ("InsertShape", shape_glyph()),
        ("DeleteObject", delete_glyph()),
        ("SnapToGrid", grid_glyph()),
        ("AutoSeek", glyph(ART["autoseek"])),
        ("OriginalImageSize", glyph(ART["original_size"])),
        ("TabOrder", glyph(ART["tab_order"])),
        ("HelpTopics", glyph(ART["help"])),
        ("Wizard", wand_glyph()),
    ]


def time_glyph(small):
    c = glyph()
    if small:
        clock(c, 7.5, 5.5, 5.5)
    else:
        clock(c, 7.5, 7.5, 7)
    return c


def text_style_glyphs():
    # The text colour, styles and alignments, shared by the formatting tool
    # bar and the object properties' text panel: (name, glyph, has colour bar).
    return [
        ("TextColor", letter(TEXT_COLOR), True),
        ("Bold", letter(ART["bold"]), False),
        ("Italic", letter(ART["italic"]), False),
        ("Underline", letter(ART["underline"], underline=True), False),
        ("AlignLeft", align("left"), False),
        ("AlignCenter", align("center"), False),
        ("AlignRight", align("right"), False),
    ]


def formatting_glyphs():
    # (name, glyph, has colour bar)
    return text_style_glyphs() + [
        ("ShadowColor", glyph(SHADOW_COLOR), True),
        ("ShadowDepth", shadow_depth_glyph(), False),
        ("ShowTime", time_glyph(False), False),
        ("ShowDate", glyph(ART["show_date"]), False),
        ("DateTimeColor", time_glyph(True), True),
        ("TransparentColor", glyph(TRANSPARENT_COLOR), True),
    ]


def object_glyphs():
    right = move_arrow()
    down = right.transposed()
    return [
        ("FindControls", find_glyph()),
        ("First", nav("first")),
        ("Previous", nav("previous")),
        ("Next", nav("next")),
        ("Last", nav("last")),
        ("MoveLeft", right.mirrored()),
        ("MoveRight", right),
        ("MoveUp", down.flipped()),
        ("MoveDown", down),
        ("BringToFront", stacking(True, None)),
        ("SendToBack", stacking(False, None)),
        ("BringForward", stacking(True, "up")),
        ("SendBackward", stacking(False, "down")),
    ]


def textbox_glyphs():
    return [
        ("Previous", nav("previous")),
        ("Next", nav("next")),
        ("CloseEditing", close_glyph()),
    ]


def objprops_glyphs():
    """Glyphs of the placed-object properties dialog's two toolbars."""
    k, g, w = PALETTE["K"], PALETTE["G"], PALETTE["W"]

    def box(fill, gradient=False):
        c = glyph()
        c.frame(1, 3, 14, 12, k)
        if fill:
            for y in range(4, 12):
                shade = fill if not gradient else blend(PALETTE["b"], w, (y - 4) / 7)
                c.rect(2, y, 13, y, shade)
        return c

    def line_colour():
        c = glyph()
        c.line(1, 10, 14, 1, k)
        c.line(2, 10, 14, 2, k)
        return c

    def fill_colour():
        c = glyph()
        c.rect(3, 3, 11, 10, PALETTE["L"])
        c.frame(2, 2, 12, 11, k)
        return c

    def gradient_colour():
        c = glyph()
        for y in range(2, 12):
            c.rect(2, y, 13, y, blend(PALETTE["D"], w, (y - 2) / 9))
        c.frame(1, 1, 14, 11, k)
        return c

    def rounding():
        c = glyph()
        c.rect(6, 2, 14, 2, k)
        c.rect(2, 6, 2, 14, k)
        for x, y in ((3, 5), (3, 4), (4, 3), (5, 3)):
            c.set(x, y, k)
        return c

    def add_preset():
        c = glyph()
        c.frame(1, 5, 11, 14, g)
        c.rect(2, 6, 10, 13, PALETTE["S"])
        plus(c, 12, 3)
        return c

    def select_all():
        c = glyph()
        c.rect(2, 2, 13, 13, PALETTE["b"])
        for y in (4, 7, 10):
            c.rect(4, y, 11, y, w)
        return c

    return text_style_glyphs() + [
        ("SelectAll", select_all(), False),
        ("Help", glyph(ART["help"]), False),
        ("LineColor", line_colour(), True),
        ("UnfilledBox", box(None), False),
        ("SolidFilledBox", box(PALETTE["b"]), False),
        ("GradientFill", box(PALETTE["b"], True), False),
        ("FillColor", fill_colour(), True),
        ("GradientColor", gradient_colour(), True),
        ("CornerRounding", rounding(), False),
        ("AddPreset", add_preset(), False),
        ("DeletePreset", delete_glyph(), False),
    ]


# Each strip: resource name, file, enum name, glyphs (name, canvas, colour bar).
def strips():
    return [
        ("GLYPHS_STANDARD", "glyphs_standard.bmp", "StandardGlyph",
         [(n, g, False) for n, g in standard_glyphs()]),
        ("GLYPHS_FORMATTING", "glyphs_formatting.bmp", "FormattingGlyph", formatting_glyphs()),
        ("GLYPHS_OBJECT", "glyphs_object.bmp", "ObjectGlyph", [(n, g, False) for n, g in object_glyphs()]),
        ("GLYPHS_TEXTBOX", "glyphs_textbox.bmp", "TextBoxGlyph", [(n, g, False) for n, g in textbox_glyphs()]),
        ("GLYPHS_OBJPROPS", "glyphs_objprops.bmp", "ObjPropsGlyph", objprops_glyphs()),
    ]


def check_glyph(strip, name, canvas, colour_bar):
    for y, row in enumerate(canvas.px):
        for x, p in enumerate(row):
            if p == MAGENTA:
                sys.exit(f"{strip}.{name}: magenta pixel at {x},{y}")
            if colour_bar and y >= 12 and p != LIME:
                sys.exit(f"{strip}.{name}: rows 12-15 must stay free for the colour bar ({x},{y})")
    if all(p == LIME for row in canvas.px for p in row):
        sys.exit(f"{strip}.{name}: empty glyph")


def join_strip(glyphs):
    out = Canvas(16 * len(glyphs), 16)
    for i, (_, g, _) in enumerate(glyphs):
        for y in range(16):
            out.px[y][16 * i:16 * i + 16] = g.px[y]
    return out


# ---- the larger pictures ----

def rounded_inside(x, y, w, h, r):
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def not_lime(c):
    """Keeps a drawn colour off the colour key."""
    return (c[0], 254, c[2]) if c == LIME else c


def draw_disc(c, cx, cy, r, face, ring):
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d > r:
                continue
            if d < r * 0.12:
                continue  # the hole shows what lies behind
            angle = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
            shine = 0.5 + 0.5 * math.cos(2 * angle + 0.8)
            colour = blend(face, (255, 255, 255), 0.55 * shine)
            if d < r * 0.3:
                colour = blend(ring, (255, 255, 255), 0.3)
            elif d > r - 1.5:
                colour = ring
            c.set(x, y, not_lime(colour))


def splash():
    w, h = 392, 212
    c = Canvas(w, h, LIME)
    border_top, border_bottom = (40, 90, 200), (0, 150, 170)
    for y in range(h):
        t = y / (h - 1)
        edge = blend(border_top, border_bottom, t)
        for x in range(w):
            if not rounded_inside(x, y, w, h, 20):
                continue
            inner = rounded_inside(x - 3, y - 3, w - 6, h - 6, 17) and 3 <= x < w - 3 and 3 <= y < h - 3
            c.set(x, y, (0, 0, 0) if inner else edge)
    # A swoosh across the lower half and the disc that the menus start from.
    for x in range(10, w - 10):
        yc = 150 - 28 * math.sin(math.pi * (x - 10) / (w - 20))
        for dy in range(-2, 3):
            t = (x - 10) / (w - 20)
            c.set(x, int(yc) + dy, not_lime(blend((30, 70, 180), (0, 180, 200), t)))
    draw_disc(c, 92, 86, 56, (150, 170, 200), (70, 90, 140))
    # A see-through notch at the top right corner, the window's own shape.
    for y in range(0, 26):
        for x in range(w - 60 + y * 2, w):
            c.set(x, y, LIME)
    return c


def start_header():
    w, h = 478, 64
    c = Canvas(w, h, (255, 255, 255))
    for x in range(w):
        t = x / (w - 1)
        colour = blend((255, 255, 255), (90, 150, 235), t)
        c.set(x, h - 2, colour)
        c.set(x, h - 1, blend((255, 255, 255), (0, 0, 160), t))
    draw_disc(c, w - 48, 31, 26, (170, 190, 220), (70, 90, 140))
    c.set(w - 48, 31, (255, 255, 255))
    for y in range(h - 2):
        for x in range(w - 80, w):
            if c.px[y][x] == LIME:
                c.px[y][x] = (255, 255, 255)
    return c


def status_picture():
    c = Canvas(32, 32, LIME)
    blue, dark, white, grey = (0, 0, 160), (0, 0, 90), (255, 255, 255), (192, 192, 192)
    c.rect(2, 2, 29, 29, blue)
    c.frame(2, 2, 29, 29, dark)
    c.rect(8, 3, 23, 12, grey)
    c.rect(18, 5, 21, 10, dark)
    c.rect(6, 17, 25, 28, white)
    for y in (20, 23, 26):
        c.rect(9, y, 22, y, (128, 128, 128))
    return c


# The monitor's screen inside its picture: the position options sit on it
# where the player would put a small window (editor/logic/MenuPropsRules.h
# has the same screen size).
MONITOR_SCREEN = (12, 10, 176, 120)  # left, top, width, height


def monitor_picture():
    c = Canvas(200, 164, LIME)
    left, top, w, h = MONITOR_SCREEN
    casing, dark = (200, 200, 196), (96, 96, 96)
    c.rect(2, 0, 197, top + h + 12, casing)
    c.frame(2, 0, 197, top + h + 12, dark)
    c.frame(left - 1, top - 1, left + w, top + h, dark)
    for y in range(top, top + h):
        colour = blend((40, 90, 170), (90, 160, 220), (y - top) / (h - 1))
        c.rect(left, y, left + w - 1, y, colour)
    c.rect(186, top + h + 5, 189, top + h + 7, (0, 160, 60))  # power light
    c.rect(84, top + h + 13, 115, 155, casing)  # neck
    c.rect(60, 156, 139, 163, casing)  # foot
    c.frame(60, 156, 139, 163, dark)
    return c


def editor_icon_pixels(size):
    """A rounded green-blue square with a white menu page and a pencil, as
    BGRA rows from the bottom up (the order of an icon's bitmap)."""
    s = size / 32.0
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            r = size / 5.0
            cx = min(max(x + 0.5, r), size - r)
            cy = min(max(y + 0.5, r), size - r)
            a = max(0.0, min(1.0, r - math.hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5))
            t = y / (size - 1)
            rr, g, b = 20, 120 - int(40 * t), 170 - int(60 * t)
            px, py = (x + 0.5) / s, (y + 0.5) / s  # in 32-unit space
            if 7 <= px <= 22 and 6 <= py <= 26:
                rr, g, b = 255, 255, 255
                if py < 10:
                    rr, g, b = 40, 90, 200  # the page's title bar
                elif 11 <= px <= 18 and int(py) in (13, 14, 17, 18, 21, 22):
                    rr, g, b = 120, 120, 120  # its buttons
            # pencil from lower right to upper left across the page's corner
            d = (px - py)  # along the diagonal
            along = px + py
            if abs(d - 2) <= 2.2 and 30 <= along <= 50:
                rr, g, b = 240, 160, 0
                if along > 46:
                    rr, g, b = 60, 60, 60
            row += bytes((b, g, rr, int(255 * a)))
        rows.append(bytes(row))
    return rows


# ---- file formats ----

def bmp(canvas):
    """A 24-bit bottom-up BMP."""
    stride = (canvas.w * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(canvas.px):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return head + info + bytes(body)


# BITMAP resources of editor.rc besides the glyph strips: (resource, file,
# constant, what it is).
PICTURES = [
    ("SPLASH", "splash.bmp", "kSplashResource", "392 x 212, lime see-through"),
    ("START_HEADER", "start_header.bmp", "kStartHeaderResource", "478 x 64, white"),
    ("STATUS_PICTURE", "status.bmp", "kStatusPictureResource", "32 x 32, lime see-through"),
    ("MONITOR_PICTURE", "monitor.bmp", "kMonitorPictureResource", "200 x 164, lime see-through"),
]


def resource_header(all_strips):
    lines = [
        "// Generated by editor/win32/app/make_editor_resources.py: the names of the",
        "// editor's BITMAP resources and the order of its tool-button glyph strips.",
        "// Each strip holds 16 x 16 cells side by side; kGlyphMaskColor marks",
        "// see-through pixels (of the splash and status pictures too). The colour",
        "// buttons' glyphs leave rows 12-15 free for a 16 x 4 colour bar; a lime",
        "// bar is painted with kGlyphBarMaskColor as mask instead.",
        "#pragma once",
        "",
        "namespace editor_resources {",
        "",
        "constexpr int kGlyphSize = 16;",
        "constexpr unsigned kGlyphMaskColor = 0x00FF00;  // colour values (red low byte)",
        "constexpr unsigned kGlyphBarMaskColor = 0xFF00FF;",
        "",
    ]
    for resource, _, constant, note in PICTURES:
        lines.append(f"constexpr const char* {constant} = \"{resource}\";  // {note}")
    lines.append("// The monitor picture's screen, where the position options sit.")
    for name, value in zip(("Left", "Top", "Width", "Height"), MONITOR_SCREEN):
        lines.append(f"constexpr int kMonitorScreen{name} = {value};")
    lines.append("")
    for resource, _, enum_name, glyphs in all_strips:
        lines.append(f"constexpr const char* k{enum_name}Resource = \"{resource}\";")
        lines.append(f"namespace {enum_name} {{")
        lines.append("enum : int {")
        for i, (name, _, bar) in enumerate(glyphs):
            note = "  // colour bar in rows 12-15" if bar else ""
            lines.append(f"    {name} = {i},{note}")
        lines.append(f"    Count = {len(glyphs)}")
        lines.append("};")
        lines.append(f"}}  // namespace {enum_name}")
        lines.append("")
    lines.append("}  // namespace editor_resources")
    return ("\n".join(lines) + "\n").encode()


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_editor_resources.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    all_strips = strips()
    for resource, file_name, _, glyphs in all_strips:
        for name, canvas, bar in glyphs:
            check_glyph(resource, name, canvas, bar)
        write_if_changed(os.path.join(folder, file_name), bmp(join_strip(glyphs)))
    write_if_changed(os.path.join(folder, "EditorResources.h"), resource_header(all_strips))
    pictures = {"splash.bmp": splash, "start_header.bmp": start_header, "status.bmp": status_picture,
                "monitor.bmp": monitor_picture}
    for _, file_name, _, _ in PICTURES:
        write_if_changed(os.path.join(folder, file_name), bmp(pictures[file_name]()))
    write_if_changed(os.path.join(folder, "QuorvelEditor.ico"), ico([16, 32], editor_icon_pixels))


if __name__ == "__main__":
    main()
