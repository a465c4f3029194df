#!/usr/bin/env python3
"""Takes the documentation's pictures of Quillmap under a virtual X server and writes them
as PNG files: docs/quillmap-main-dialog.png and docs/quillmap-airport-editor.png.

    python3 tests/win32/utility/dialogs/make_screenshots.py DATA_FOLDER AIRPORT_NUM

DATA_FOLDER is a Linux folder holding the tables (for example build/win32/data/sample);
AIRPORT_NUM is the number of the airport to show. Needs the Windows build tree
(build/win32) with quillmap_screenshots.exe; the program points the "PATH" setting of the
build tree's Wine prefix at DATA_FOLDER. Standard library only.
"""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'host'))
from bmp_to_png import read_bmp, write_png  # noqa: E402
PROGRAM = os.path.join(ROOT, 'build', 'win32', 'tests', 'win32', 'quillmap', 'quillmap_screenshots.exe')
PICTURES = {'main-dialog': 'quillmap-main-dialog.png', 'airport-editor': 'quillmap-airport-editor.png'}


def windows_path(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


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
            rows = read_bmp(os.path.join(shots, name + '.bmp'))
            write_png(os.path.join(ROOT, 'docs', png), rows, 1)
            print('docs/' + png, len(rows[0]), 'x', len(rows))


if __name__ == '__main__':
    main()
