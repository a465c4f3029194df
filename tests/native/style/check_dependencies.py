#!/usr/bin/python3
"""Checks that the source areas depend one way, as CONTRIBUTING.md's table "Dependencies" says.

usage: check_dependencies.py SOURCE_DIR [--edges]

Every file of an area (the longest folder of the table that holds it) is read for its
#include "..." lines; an included name is found by its file name among the areas' files, as the
include directories of the build find it. An include from one area into another that the
table does not let it take, directly or through an area it takes, fails the test, and so
does a cycle in the table itself or an include cycle between the files of one area. The CMake
files' target_link_libraries are checked the same way where both targets belong to areas.
--edges prints the area-to-area includes found instead.
"""
import re
import sys
from pathlib import Path

SOURCE_SUFFIXES = (".h", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
TABLE_HEADING = "## Dependencies"
ROW = re.compile(r"^\|\s*`([^`]+)/`\s*\|(.*)\|\s*$")


def dependency_table(contributing):
    """{area folder: set of folders it takes} from the table under TABLE_HEADING."""
    text = contributing.read_text(encoding="utf-8")
    start = text.find(TABLE_HEADING)
    if start < 0:
        raise SystemExit(f"FAIL: {contributing} has no section '{TABLE_HEADING}'")
    table = {}
    for line in text[start:].splitlines()[1:]:
        if line.startswith("## "):
            break
        row = ROW.match(line)
        if row:
            table[row.group(1)] = set(re.findall(r"`([^`]+)/`", row.group(2).split("|")[0]))
    return table


def closure(table):
    """Each area with everything it takes directly or through another area; None on a cycle."""
    reach = {}

    def visit(area, path):
        if area in path:
            return None
        if area not in reach:
            found = set()
            for taken in table.get(area, ()):
                below = visit(taken, path + [area])
                if below is None:
                    return None
                found |= {taken} | below
            reach[area] = found
        return reach[area]

    for area in table:
        if visit(area, []) is None:
            return None, area
    return reach, None


def area_of(relative, areas):
    """The longest area folder that holds `relative`, or None."""
    best = None
    for area in areas:
        if relative.startswith(area + "/") and (best is None or len(area) > len(best)):
            best = area
    return best


def file_cycles(files, includes):
    """Include cycles among `files` (relative paths of one area): each as a list of paths."""
    cycles, state = [], {}

    def visit(node, stack):
        state[node] = "open"
        stack.append(node)
        for target in includes.get(node, ()):
            if target not in files:
                continue
            if state.get(target) == "open":
                cycles.append(stack[stack.index(target):] + [target])
            elif target not in state:
                visit(target, stack)
        stack.pop()
        state[node] = "done"

    for node in sorted(files):
        if node not in state:
            visit(node, [])
    return cycles


def cmake_links(source, areas):
    """(file, line, target, linked target) for each area target's link to another one."""
    defined, links = {}, []
    for cmake in sorted(source.rglob("CMakeLists.txt")):
        relative = cmake.relative_to(source).as_posix()
        area = area_of(relative, areas)
        if area is None:
            continue
        text = cmake.read_text(encoding="utf-8")
        for name in re.findall(r"add_(?:library|executable)\(\s*([\w-]+)", text):
            defined.setdefault(name, area)
        # A target whose headers lie in a folder of its own belongs to that folder's area.
        for name, folder in re.findall(
                r"target_include_directories\(\s*([\w-]+)\s+\w+\s+"
                r"\$\{CMAKE_CURRENT_SOURCE_DIR\}/([\w/]+)", text):
            inner = area_of((cmake.parent / folder / "x").relative_to(source).as_posix(), areas)
            if name in defined and inner:
                defined[name] = inner
        for match in re.finditer(r"target_link_libraries\(\s*([\w-]+)([^)]*)\)", text):
            line = text.count("\n", 0, match.start()) + 1
            for linked in re.findall(r"[\w:-]+", match.group(2)):
                links.append((relative, line, match.group(1), linked))
    return [(f, line, defined[a], defined[b], a, b) for f, line, a, b in links
            if a in defined and b in defined]


def main():
    source = Path(sys.argv[1])
    show_edges = "--edges" in sys.argv[2:]
    table = dependency_table(source / "CONTRIBUTING.md")
    reach, cyclic = closure(table)
    if reach is None:
        print(f"FAIL: the table of CONTRIBUTING.md has a cycle through {cyclic}/")
        return 1
    areas = set(table)
    for area in areas:
        if not (source / area).is_dir():
            print(f"FAIL: the table names {area}/, which is not a folder")
            return 1
    files = {}
    for area in areas:
        for path in (source / area).rglob("*"):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                relative = path.relative_to(source).as_posix()
                if area_of(relative, areas) == area:
                    files[relative] = area
    by_name = {}
    for relative in files:
        by_name.setdefault(Path(relative).name, []).append(relative)

    failures, edges, includes = [], {}, {}
    for relative, area in sorted(files.items()):
        text = (source / relative).read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            name = match.group(1)
            beside = (Path(relative).parent / name).as_posix()
            if beside in files:
                found = [beside]
            else:
                found = [f for f in by_name.get(Path(name).name, []) if f.endswith(name)]
            if len(found) != 1:
                continue  # a system or third-party header, or a generated one
            target = found[0]
            includes.setdefault(relative, []).append(target)
            taken = files[target]
            if taken == area:
                continue
            edges.setdefault((area, taken), []).append(relative)
            if taken not in reach[area]:
                line = text.count("\n", 0, match.start()) + 1
                failures.append(f"{relative}:{line}: {area}/ includes {target}, but "
                                f"{area}/ does not take {taken}/")

    if show_edges:
        for (area, taken), where in sorted(edges.items()):
            print(f"{area}/ -> {taken}/  ({len(where)} includes, e.g. {where[0]})")
        return 0

    for area in sorted(areas):
        own = {f for f, a in files.items() if a == area}
        for cycle in file_cycles(own, includes):
            failures.append(f"{area}/: include cycle " + " -> ".join(cycle))

    for cmake, line, area, linked_area, target, linked in cmake_links(source, areas):
        if linked_area != area and linked_area not in reach[area]:
            failures.append(f"{cmake}:{line}: {target} ({area}/) links {linked} "
                            f"({linked_area}/), but {area}/ does not take {linked_area}/")

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"{len(files)} files of {len(areas)} areas depend one way")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
