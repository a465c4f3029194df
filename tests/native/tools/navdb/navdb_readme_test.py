#!/usr/bin/python3
"""Runs the README's examples as a reader would, so that the README cannot drift from navdb.

usage: navdb_readme_test.py SOURCE_DIR BINARY_DIR NAVDB WORK_DIR

An example is a line of an indented code block that starts with "$ " (a line ending in a
backslash goes on in the next one); the block's lines below it, up to the next example or the
block's end, are what it prints on standard output. Each example runs in order with bash in
one scratch copy of the repository root, so that later examples see the files of earlier
ones. The copy links to the source tree, its build/native is this tree (BINARY_DIR), and its
scripts/navdb runs this tree's NAVDB directly: a test never builds the tree it runs in. An
example must exit 0 and, where the README shows what it prints, print exactly that.
Examples therefore name native programs only.
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

PROMPT = "$ "
CODE_INDENT = "    "


def examples(readme):
    """(line number, command, shown output lines or None) for each example, in order."""
    found = []
    lines = readme.splitlines()
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.startswith(CODE_INDENT + PROMPT):
            continue
        number = i
        command = line[len(CODE_INDENT + PROMPT):]
        while command.endswith("\\") and i < len(lines):
            command += "\n" + lines[i]
            i += 1
        output = []
        while (i < len(lines) and lines[i].startswith(CODE_INDENT)
               and not lines[i].startswith(CODE_INDENT + PROMPT)):
            output.append(lines[i][len(CODE_INDENT):].rstrip())
            i += 1
        found.append((number, command, output or None))
    return found


def scratch_root(source, binary, navdb, root):
    """A folder that answers the README's paths as the repository root would."""
    shutil.rmtree(root, ignore_errors=True)
    root.mkdir(parents=True)
    for entry in source.iterdir():
        if entry.name not in ("build", "scripts", ".git"):
            (root / entry.name).symlink_to(entry)
    (root / "build").mkdir()
    (root / "build" / "native").symlink_to(binary)
    (root / "scripts").mkdir()
    for script in (source / "scripts").iterdir():
        if script.name == "navdb":
            wrapper = root / "scripts" / "navdb"
            wrapper.write_text(f'#!/bin/sh\nexec "{navdb}" "$@"\n')
            wrapper.chmod(0o755)
        else:
            (root / "scripts" / script.name).symlink_to(script)


def main():
    source, binary, navdb, work = (Path(arg) for arg in sys.argv[1:5])
    readme = (source / "README.md").read_text(encoding="utf-8")
    found = examples(readme)
    if not any("navdb" in command for _, command, _ in found):
        print("FAIL: README.md shows no example of navdb")
        return 1
    root = work / "root"
    scratch_root(source, binary, navdb, root)

    failures = 0
    for number, command, shown in found:
        run = subprocess.run(["bash", "-c", command], cwd=root, capture_output=True,
                             env=dict(os.environ, LC_ALL="C.UTF-8"))
        printed = run.stdout.decode("utf-8", "replace").splitlines()
        problem = None
        if run.returncode != 0:
            problem = f"exit status {run.returncode}"
        elif shown is not None and [line.rstrip() for line in printed] != shown:
            problem = "printed other lines than README.md shows"
        if problem:
            failures += 1
            print(f"FAIL: README.md:{number}: $ {command}\n  {problem}")
            print("  README.md shows:\n" + "".join(f"    {line}\n" for line in shown or []))
            print("  it printed:\n" + "".join(f"    {line}\n" for line in printed))
            print("  on standard error:\n" + run.stderr.decode("utf-8", "replace"))
    print(f"{len(found)} examples of README.md run, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
