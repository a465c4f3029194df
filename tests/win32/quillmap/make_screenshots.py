#!/usr/bin/env python3
"""Takes the documentation's pictures of Quillmap under a virtual X server and writes them
as PNG files: docs/quillmap-main-dialog.png and docs/quillmap-airport-editor.png.

    python3 tests/win32/quillmap/make_screenshots.py DATA_FOLDER AIRPORT_NUM

DATA_FOLDER is a Linux folder holding the tables (for example build/win32/data/sample);
AIRPORT_NUM is the number of the airport to show. Needs the Windows build tree
(build/win32) with quillmap_screenshots.exe; the program points the "PATH" setting of the
build tree's Wine prefix at DATA_FOLDER. Standard library only.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..', '..'))
PROGRAM = os.path.join(ROOT, 'build', 'win32', 'tests', 'win32', 'quillmap', 'quillmap_screenshots.exe')
PICTURES = {'main-dialog': 'quillmap-main-dialog.png', 'airport-editor': 'quillmap-airport-editor.png'}


def windows_path(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


def read_bmp(path):
    """Rows of (r, g, b) from a bottom-up 24-bit BMP."""
    with open(path, 'rb') as f:
        data = f.read()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height = struct.unpack_from('<ii', data, 18)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        line = data[start:start + width * 3]
        rows.append(b''.join(bytes((line[x + 2], line[x + 1], line[x])) for x in range(0, width * 3, 3)))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, payload):
        return (struct.pack('>I', len(payload)) + kind + payload +
                struct.pack('>I', zlib.crc32(kind + payload) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + row for row in rows)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        f.write(chunk(b'IEND', b''))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    data, airport = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as shots:
        environment = dict(os.environ, WINEDEBUG='-all')
        subprocess.run(['xvfb-run', '-a', '-s', '-screen 0 800x600x24',
                        os.path.join(ROOT, 'scripts', 'wine-run'), PROGRAM,
                        windows_path(shots), windows_path(data) + '\\', airport],
                       check=True, env=environment)
        os.makedirs(os.path.join(ROOT, 'docs'), exist_ok=True)
        for name, png in PICTURES.items():
            width, height, rows = read_bmp(os.path.join(shots, name + '.bmp'))
            write_png(os.path.join(ROOT, 'docs', png), width, height, rows)
            print('docs/' + png, width, 'x', height)


if __name__ == '__main__':
    main()
