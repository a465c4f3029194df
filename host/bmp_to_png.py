#!/usr/bin/env python3
"""Converts an uncompressed 24- or 32-bit Windows bitmap (a panelhost `shot`) into a
PNG, optionally enlarged by a whole factor with square pixels.

Usage: bmp_to_png.py INPUT.bmp OUTPUT.png [SCALE]
"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a Windows bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression not in (0, 3):
        raise ValueError(f"{path}: only uncompressed 24- and 32-bit bitmaps are read")
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for i in range(abs(height)):
        y = abs(height) - 1 - i if height > 0 else i   # bottom-up unless the height is negative
        start = offset + y * stride
        rows.append([(data[start + x * step + 2], data[start + x * step + 1],
                      data[start + x * step]) for x in range(width)])
    return rows


def write_png(path, rows, scale):
    raw = bytearray()
    for row in rows:
        line = bytearray()
        for pixel in row:
            line += bytes(pixel) * scale
        for _ in range(scale):
            raw += b"\x00" + line
    width, height = len(rows[0]) * scale, len(rows) * scale

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    open(path, "wb").write(png)


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    scale = int(sys.argv[3]) if len(sys.argv) == 4 else 1
    write_png(sys.argv[2], read_bmp(sys.argv[1]), scale)


if __name__ == "__main__":
    main()
