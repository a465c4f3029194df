#!/usr/bin/env python3
"""Draws the program icon of Quillmap.exe (a quill over a folded chart with a route) and
writes it as Quillmap.ico with 16x16 and 32x32 images in 32-bit colour with an alpha
channel and the AND mask that older systems use. Standard library only.

    python3 make_icon.py [output]      (default: Quillmap.ico beside this script)
"""
import math
import os
import struct
import sys

SAMPLES = 4  # per axis, for smooth edges


def inside_rounded_square(x, y, lo, hi, radius):
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def distance_to_segment(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return ((x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2) ** 0.5


def colour_at(x, y):
    """RGBA of the unit square point (x, y), y downwards; None outside the icon."""
    if not inside_rounded_square(x, y, 0.03, 0.97, 0.14):
        return None
    # Quill: a pale shaft from the nib at the lower left to the upper right, with a dark
    # vane that swells towards the top and ends in a point.
    if distance_to_segment(x, y, 0.16, 0.88, 0.88, 0.10) < 0.028:
        return (250, 246, 230, 255)
    ax, ay, bx, by = 0.34, 0.68, 0.88, 0.10
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    if 0.0 <= t <= 1.0:
        width = 0.16 * math.sin(math.pi * t ** 0.8)
        if distance_to_segment(x, y, ax, ay, bx, by) < width:
            return (38, 52, 96, 255)
    # Route: a red line between two waypoints on the chart.
    for wx, wy in ((0.24, 0.30), (0.62, 0.74)):
        if (x - wx) ** 2 + (y - wy) ** 2 < 0.075 ** 2:
            return (200, 30, 30, 255)
    if distance_to_segment(x, y, 0.24, 0.30, 0.62, 0.74) < 0.025:
        return (200, 30, 30, 255)
    # Chart: pale green land, blue water in the upper right, a fold down the middle.
    if abs(x - 0.5) < 0.012:
        return (150, 150, 120, 255)
    if x + (1.0 - y) > 1.45:
        return (120, 170, 220, 255)
    return (214, 228, 178, 255)


def render(size):
    pixels = []
    for row in range(size):
        line = []
        for column in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((column + (sx + 0.5) / SAMPLES) / size,
                                  (row + (sy + 0.5) / SAMPLES) / size)
                    if c:
                        for i in range(3):
                            total[i] += c[i] * c[3]
                        total[3] += c[3]
            n = SAMPLES * SAMPLES
            alpha = total[3] // n
            rgb = [total[i] // total[3] if total[3] else 0 for i in range(3)]
            line.append((rgb[0], rgb[1], rgb[2], alpha))
        pixels.append(line)
    return pixels


def icon_image(size):
    pixels = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for column, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def write_icon(path, sizes=(16, 32)):
    images = [icon_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'Quillmap.ico'))
