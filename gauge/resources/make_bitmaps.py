#!/usr/bin/env python3
"""Draws the gauge's bitmaps: the unit's face (102), the steering scale (108), the
steering marker (109) and the lamp dot (112), as 24-bit Windows bitmaps.

Usage: make_bitmaps.py [OUTPUT_DIR]   (default: the folder of this script)

The panel host treats pure black in an element's bitmap as transparent, so the
scale, the marker and the screen area use pure black where the face shows through.
"""
import os
import struct
import sys

BLACK = (0, 0, 0)

# The unit's face.
UNIT_SIZE = (164, 89)
SCREEN = (5, 3, 159, 56)              # black screen area: left, top, right, bottom (exclusive)
BUTTON_SIZE = (30, 13)
BUTTONS = [                           # label, x, y, has a lamp
    ("NAV", 3, 58, False), ("INF", 35, 58, False), ("ALR", 67, 58, True),
    ("SET", 99, 58, False), ("PWR", 131, 58, False),
    ("DTO", 3, 73, False), ("RTE", 35, 73, False), ("AUT", 67, 73, True),
    ("<", 99, 73, False), (">", 131, 73, False),
]
LAMP_OFFSET = (3, 3)                  # lamp dot from a button's corner (2 x 2)

BEZEL_TOP = (58, 61, 66)
BEZEL_BOTTOM = (34, 36, 40)
BEZEL_EDGE = (10, 10, 12)
BEZEL_HIGHLIGHT = (96, 100, 106)
BEZEL_SHADOW = (20, 21, 24)
SCREEN_RIM_DARK = (8, 8, 9)
SCREEN_RIM_LIGHT = (88, 92, 98)
BUTTON_OUTLINE = (12, 12, 14)
BUTTON_TOP = (108, 112, 118)
BUTTON_BOTTOM = (70, 73, 78)
BUTTON_HIGHLIGHT = (150, 155, 162)
BUTTON_SHADOW = (38, 40, 44)
LABEL = (238, 238, 232)
LABEL_POWER = (255, 150, 110)
LAMP_SOCKET = (28, 8, 6)
LAMP_RIM = (20, 20, 22)

SCALE_RED = (255, 32, 24)
SCALE_DIM = (150, 10, 8)
MARKER_RED = (255, 48, 32)
LAMP_LIT = (255, 70, 24)
LAMP_GLINT = (255, 190, 140)

# 5 x 7 glyphs of the labels, one string per row, '#' lit.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "<": ["...#.", "..##.", ".###.", "####.", ".###.", "..##.", "...#."],
    ">": [".#...", ".##..", ".###.", ".####", ".###.", ".##..", ".#..."],
}
GLYPH_SIZE = (5, 7)
GLYPH_GAP = 1


class Picture:
    def __init__(self, width, height, fill=BLACK):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def bmp(self):
        """The picture as a 24-bit bottom-up Windows bitmap file."""
        stride = (self.width * 3 + 3) & ~3
        rows = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            rows += line + bytes(stride - len(line))
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                             len(rows), 2835, 2835, 0, 0)
        offset = 14 + len(header)
        return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + header + rows


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def bevel(picture, left, top, right, bottom, light, dark):
    """A one-pixel frame: light on the top and left edges, dark on the bottom and right."""
    for x in range(left, right):
        picture.put(x, top, light)
        picture.put(x, bottom - 1, dark)
    for y in range(top, bottom):
        picture.put(left, y, light)
        picture.put(right - 1, y, dark)


def draw_text(picture, text, x, y, colour):
    for glyph in text:
        rows = GLYPHS[glyph]
        for dy, row in enumerate(rows):
            for dx, cell in enumerate(row):
                if cell == "#":
                    picture.put(x + dx, y + dy, colour)
        x += GLYPH_SIZE[0] + GLYPH_GAP


def text_width(text):
    return len(text) * (GLYPH_SIZE[0] + GLYPH_GAP) - GLYPH_GAP


def draw_button(picture, label, x, y, has_lamp):
    width, height = BUTTON_SIZE
    for dy in range(height):
        shade = blend(BUTTON_TOP, BUTTON_BOTTOM, dy / (height - 1))
        picture.fill(x, y + dy, x + width, y + dy + 1, shade)
    # Outline, then a raised bevel just inside it.
    for px in range(x, x + width):
        picture.put(px, y, BUTTON_OUTLINE)
        picture.put(px, y + height - 1, BUTTON_OUTLINE)
    for py in range(y, y + height):
        picture.put(x, py, BUTTON_OUTLINE)
        picture.put(x + width - 1, py, BUTTON_OUTLINE)
    bevel(picture, x + 1, y + 1, x + width - 1, y + height - 1, BUTTON_HIGHLIGHT, BUTTON_SHADOW)

    left, room = x + 1, width - 2
    if has_lamp:
        # A dark socket round the lamp's 2 x 2 place; the label moves to its right.
        lx, ly = x + LAMP_OFFSET[0], y + LAMP_OFFSET[1]
        picture.fill(lx - 1, ly - 1, lx + 3, ly + 3, LAMP_RIM)
        picture.fill(lx, ly, lx + 2, ly + 2, LAMP_SOCKET)
        left, room = lx + 3, x + width - 1 - (lx + 3)
    text_x = left + (room - text_width(label) + 1) // 2
    text_y = y + (height - GLYPH_SIZE[1]) // 2
    colour = LABEL_POWER if label == "PWR" else LABEL
    draw_text(picture, label, text_x, text_y + 1, BUTTON_SHADOW)   # engraved shadow
    draw_text(picture, label, text_x, text_y, colour)


def unit_face():
    width, height = UNIT_SIZE
    face = Picture(width, height)
    for y in range(height):
        face.fill(0, y, width, y + 1, blend(BEZEL_TOP, BEZEL_BOTTOM, y / (height - 1)))
    bevel(face, 0, 0, width, height, BEZEL_EDGE, BEZEL_EDGE)
    bevel(face, 1, 1, width - 1, height - 1, BEZEL_HIGHLIGHT, BEZEL_SHADOW)

    left, top, right, bottom = SCREEN
    # The glass sits in a recess: dark rim above and left, light rim below and right.
    bevel(face, left - 1, top - 1, right + 1, bottom + 1, SCREEN_RIM_DARK, SCREEN_RIM_LIGHT)
    face.fill(left, top, right, bottom, BLACK)

    for label, x, y, has_lamp in BUTTONS:
        draw_button(face, label, x, y, has_lamp)
    return face


def steering_scale():
    scale = Picture(51, 9)
    centre = 25
    for x in range(51):
        scale.put(x, 8, SCALE_DIM)
    for x in range(0, 51, 5):
        length = 9 if x == centre else 5 if x in (0, 50) else 3
        for y in range(9 - length, 9):
            scale.put(x, y, SCALE_RED)
    return scale


def steering_marker():
    marker = Picture(7, 4)
    for row in range(4):
        for x in range(3 - row, 4 + row):
            marker.put(x, row, MARKER_RED)
    return marker


def lamp_dot():
    lamp = Picture(2, 2, LAMP_LIT)
    lamp.put(0, 0, LAMP_GLINT)
    return lamp


BITMAPS = {
    "unit.bmp": unit_face,
    "steering_scale.bmp": steering_scale,
    "steering_marker.bmp": steering_marker,
    "lamp.bmp": lamp_dot,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in BITMAPS.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(draw().bmp())


if __name__ == "__main__":
    main()
