#!/usr/bin/python3
"""Makes the release archive twice with scripts/package and checks what a pilot gets.

usage: check_release_archive.py SOURCE_DIR NATIVE_BUILD_DIR VERSION WORK_DIR

The packaging takes this tree's tables as built and must not build or configure this tree
(a cmake that refuses to comes first on its PATH): a build while CTest runs would pull the
tree from under the tests running beside this one. Both archives must be the same bytes.
Unpacked: the file list; each binary a stripped PE32 i386 image with the project's version
in its version resource, importing only system DLLs and SDE3032.dll; every table readable
by dbfread; the checksums right; INSTALL.txt plain ASCII with CRLF line ends. Where this machine runs 32-bit programs, the packaged
gauge and program also run from the installed layout (run_packaged_programs.sh).
"""
import hashlib
import os
import shutil
import subprocess
import sys
import zipfile
from pathlib import Path

import dbfread

from pe_image import PeImage

BINARIES = ("gps.gau", "SDE3032.dll", "Quillmap.exe")
TABLES = ("AIRPORTS", "RUNWAYS", "NAVAIDS", "USERS", "CONFIG")
NAVIGATION_TABLES = ("AIRPORTS", "RUNWAYS", "NAVAIDS")
DATA_FOLDERS = ("GPSDATA", "GPSDATA-sample")
EXPECTED_FILES = sorted(
    list(BINARIES) + ["INSTALL.txt", "SHA256SUMS"] +
    [f"{folder}/{table}.DBF" for folder in DATA_FOLDERS for table in TABLES])
# What Windows itself provides (XP and later); anything else would have to ship.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comdlg32.dll",
               "comctl32.dll", "shell32.dll", "shlwapi.dll", "ole32.dll", "oleaut32.dll",
               "dsound.dll", "winmm.dll", "version.dll", "msvcrt.dll"}
ENGINE_DLL = "sde3032.dll"

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def cmake_refusing(tree, work):
    """The environment of a packaging whose cmake refuses every command that names `tree`."""
    guard = work / "guard"
    guard.mkdir(parents=True, exist_ok=True)
    cmake = guard / "cmake"
    cmake.write_text(f"""#!/bin/sh
for arg in "$@"; do
  case $arg in
    {tree}|{tree}/*) echo "cmake $*: the release test builds nothing in {tree}" >&2; exit 1 ;;
  esac
done
exec {shutil.which("cmake")} "$@"
""")
    cmake.chmod(0o755)
    return dict(os.environ, PATH=f"{guard}:{os.environ['PATH']}")


def package(source, native_build, output, env):
    subprocess.run([str(source / "scripts" / "package"), "--output", str(output),
                    "--tables", str(native_build / "data")], env=env, check=True)


def check_binary(path, version):
    name = path.name
    image = PeImage(path.read_bytes())
    if not image.is_pe32_i386():
        fail(f"{name}: not a PE32 i386 image")
    if not image.is_stripped():
        fail(f"{name}: carries symbols or debug sections")
    info = image.version_info()
    if info is None:
        fail(f"{name}: no version resource")
    else:
        words, strings = info
        expected_words = ([int(part) for part in version.split(".")] + [0, 0, 0])[:4]
        if words != expected_words:
            fail(f"{name}: file version {words}, expected {expected_words}")
        expected = {"ProductName": "Quillmap GPS", "ProductVersion": version,
                    "FileVersion": version, "OriginalFilename": name}
        for key, value in expected.items():
            if strings.get(key) != value:
                fail(f"{name}: {key} is {strings.get(key)!r}, expected {value!r}")
        if not strings.get("FileDescription"):
            fail(f"{name}: no FileDescription")
    allowed = SYSTEM_DLLS | ({ENGINE_DLL} if name != "SDE3032.dll" else set())
    foreign = [dll for dll in image.imported_dlls() if dll.lower() not in allowed]
    if foreign:
        fail(f"{name}: imports {', '.join(foreign)}")


def check_tables(unpacked):
    for folder in DATA_FOLDERS:
        for table in TABLES:
            path = unpacked / folder / f"{table}.DBF"
            try:
                count = len(list(dbfread.DBF(str(path), char_decode_errors="strict")))
            except Exception as error:    # any reader error is the finding
                fail(f"{folder}/{table}.DBF: dbfread cannot read it: {error}")
                continue
            if table == "CONFIG":
                right, wanted = count == 1, "one"
            elif folder == "GPSDATA":
                right, wanted = count == 0, "none"
            elif table in NAVIGATION_TABLES:
                right, wanted = count > 0, "some"
            else:
                continue
            if not right:
                fail(f"{folder}/{table}.DBF: {count} records, expected {wanted}")


def check_checksums(unpacked):
    listed = {}
    for line in (unpacked / "SHA256SUMS").read_text(encoding="ascii").splitlines():
        digest, name = line.split("  ", 1)
        listed[name] = digest
    others = [name for name in EXPECTED_FILES if name != "SHA256SUMS"]
    if sorted(listed) != others:
        fail(f"SHA256SUMS lists {sorted(listed)}, expected {others}")
    for name, digest in listed.items():
        path = unpacked / name
        if path.is_file() and hashlib.sha256(path.read_bytes()).hexdigest() != digest:
            fail(f"SHA256SUMS: {name} does not match")


def check_install_text(unpacked):
    data = (unpacked / "INSTALL.txt").read_bytes()
    if data.count(b"\n") == 0 or data.count(b"\n") != data.count(b"\r\n"):
        fail("INSTALL.txt: line ends are not all CRLF")
    if any(byte > 0x7F for byte in data):
        fail("INSTALL.txt: not plain ASCII")
    text = data.decode("latin-1")
    for name in BINARIES + DATA_FOLDERS:
        if name not in text:
            fail(f"INSTALL.txt: does not say where {name} goes")


def machine_runs_32bit(source):
    """(True, "") or (False, why not), as scripts/windows-tree decides for the Windows tests."""
    tree = subprocess.run([str(source / "scripts" / "windows-tree")], capture_output=True,
                          text=True, check=True).stdout.strip()
    if tree != "win32":
        return False, "this machine runs no 32-bit code (its Windows tests run in build/win64)"
    return True, ""


def install_as_described(unpacked, layout):
    """The folders INSTALL.txt names: the simulator's gauge folder with the gauge and the
    engine, the engine in the simulator's folder, the data folder, the program with the
    engine beside it."""
    shutil.rmtree(layout, ignore_errors=True)
    gauges = layout / "FS98" / "GAUGES"
    program = layout / "Quillmap"
    for folder in (gauges, program):
        folder.mkdir(parents=True)
    shutil.copy(unpacked / "gps.gau", gauges)
    for folder in (gauges, layout / "FS98", program):
        shutil.copy(unpacked / "SDE3032.dll", folder)
    shutil.copy(unpacked / "Quillmap.exe", program)
    shutil.copytree(unpacked / "GPSDATA", layout / "FS98" / "GPSDATA")


def run_packaged_programs(source, unpacked, work):
    runs, why = machine_runs_32bit(source)
    if not runs:
        print(f"SKIPPED: loading the packaged gps.gau and starting Quillmap.exe under Wine: {why}")
        return
    release = source / "build" / "release-win32"
    subprocess.run(["cmake", "--build", str(release), "--target", "panelhost"], check=True,
                   stdout=subprocess.DEVNULL)
    layout = work / "installed"
    install_as_described(unpacked, layout)
    command = [str(Path(__file__).with_name("run_packaged_programs.sh")),
               str(source / "scripts" / "wine-run"), str(release / "bin" / "panelhost.exe"),
               str(layout), str(work / "wineprefix")]
    if not os.environ.get("DISPLAY"):
        command = ["xvfb-run", "-a"] + command
    env = dict(os.environ, ALSA_CONFIG_PATH=str(
        source / "tests" / "win32" / "gauge" / "win32" / "alsa-null.conf"))
    if subprocess.run(command, env=env).returncode != 0:
        fail("the packaged gauge or program did not run as installed (transcript above)")


def main():
    source, native_build, version, work = (Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3],
                                           Path(sys.argv[4]))
    archive_name = f"quillmap-gps-{version}.zip"
    archives = []
    env = cmake_refusing(native_build, work)
    for run in ("first", "second"):
        output = work / run
        shutil.rmtree(output, ignore_errors=True)
        package(source, native_build, output, env)
        archives.append(output / archive_name)
    if archives[0].read_bytes() != archives[1].read_bytes():
        fail("a second packaging gave different bytes")

    unpacked = work / "unpacked"
    shutil.rmtree(unpacked, ignore_errors=True)
    with zipfile.ZipFile(archives[0]) as archive:
        names = sorted(archive.namelist())
        archive.extractall(unpacked)
    if names != EXPECTED_FILES:
        fail(f"archive holds {names}, expected {EXPECTED_FILES}")
    else:
        for name in BINARIES:
            check_binary(unpacked / name, version)
        check_tables(unpacked)
        check_checksums(unpacked)
        check_install_text(unpacked)
        run_packaged_programs(source, unpacked, work)

    print(f"{len(failures)} failure(s)" if failures else "release archive: all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
