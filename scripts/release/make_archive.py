#!/usr/bin/env python3
"""Writes the release archive from built binaries and tables. The same inputs and the same
time (--epoch, seconds since 1970) give the same bytes: names sorted, one fixed date for
every entry, table headers and PE headers stamped with that date, fixed attributes.

  make_archive.py --version V --epoch SECONDS --strip STRIP --install INSTALL.txt
                  --delivered DIR --sample DIR --output ZIP BINARY...
"""

import argparse
import hashlib
import os
import subprocess
import sys
import tempfile
import time
import zipfile

TABLES = ("AIRPORTS", "RUNWAYS", "NAVAIDS", "USERS", "CONFIG")
DATA_FOLDERS = (("delivered", "GPSDATA"), ("sample", "GPSDATA-sample"))
ZIP_EARLIEST = 315532800   # 1980-01-01, the first date a zip entry can hold
DBF_UPDATED = slice(1, 4)   # header bytes: year - 1900, month, day of the last update


def stripped_binary(path, strip, epoch):
    """The binary without symbols or debug sections. strip stamps the PE header with the
    time in SOURCE_DATE_EPOCH."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, os.path.basename(path))
        env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
        subprocess.run([strip, "--strip-all", "-o", out, path], check=True, env=env)
        with open(out, "rb") as f:
            return f.read()


def table_bytes(path, epoch):
    """The table with the release date as its date of last update, so that tables made on
    another day give the same archive. The index files are left out: they are stamped
    with the table file's time, which unpacking changes, so the engine would rebuild
    them anyway (from the tags the table's header names)."""
    with open(path, "rb") as f:
        data = bytearray(f.read())
    day = time.gmtime(epoch)
    data[DBF_UPDATED] = bytes([day.tm_year - 1900, day.tm_mon, day.tm_mday])
    return bytes(data)


def install_text(template, version):
    with open(template, encoding="ascii") as f:
        text = f.read().replace("@VERSION@", version)
    return text.replace("\n", "\r\n").encode("ascii")


def checksums(entries):
    lines = [f"{hashlib.sha256(data).hexdigest()}  {name}\n"
             for name, data in sorted(entries.items())]
    return "".join(lines).encode("ascii")


def write_zip(path, entries, epoch):
    date = time.gmtime(epoch)[:6]
    temporary = path + ".part"
    with zipfile.ZipFile(temporary, "w") as archive:
        for name in sorted(entries):
            info = zipfile.ZipInfo(name, date_time=date)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3                     # Unix, so the mode below is read
            info.external_attr = 0o644 << 16
            archive.writestr(info, entries[name], compresslevel=9)
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--epoch", type=int, required=True)
    parser.add_argument("--strip", required=True)
    parser.add_argument("--install", required=True)
    parser.add_argument("--delivered", required=True)
    parser.add_argument("--sample", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("binaries", nargs="+")
    args = parser.parse_args()
    args.epoch = max(args.epoch, ZIP_EARLIEST)

    entries = {}
    for path in args.binaries:
        name = os.path.basename(path)
        entries[name] = stripped_binary(path, args.strip, args.epoch)
        print(f"{name}: {os.path.getsize(path)} bytes built, {len(entries[name])} stripped")
    folders = {"delivered": args.delivered, "sample": args.sample}
    for kind, folder in DATA_FOLDERS:
        for table in TABLES:
            source = os.path.join(folders[kind], table + ".DBF")
            entries[f"{folder}/{table}.DBF"] = table_bytes(source, args.epoch)
    entries["INSTALL.txt"] = install_text(args.install, args.version)
    entries["SHA256SUMS"] = checksums(entries)
    write_zip(args.output, entries, args.epoch)
    print(f"{args.output}: {len(entries)} files, {os.path.getsize(args.output)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
