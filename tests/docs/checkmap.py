#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The map of the code in docs/design.md says what the includes say.

Reads the map's two tables: the rooms with the rooms each may use, and sim/'s rooms, each of
which may use those listed below it. Every #include "..." of a room's files must name a header
of the room itself or of one it may use; every room a "May use" cell names must be used; every
folder of the product must be on the map. Prints each mismatch and exits 1 if there is one.

Usage: checkmap.py SOURCE_ROOT"""

import re
import sys
from pathlib import Path

ROOM = re.compile(r"`([\w/.-]+/)`")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = {".h", ".cpp", ".in"}
# Rooms whose "May use" is "anything" or what they test; their includes are not checked.
FREE = {"tests/", "bench/", "fuzz/", "man/", "packaging/"}


def tables(design):
    """Each Markdown table of the file as a list of rows, each a list of its cells."""
    table = []
    for line in design.read_text(encoding="utf-8").splitlines() + [""]:
        if line.startswith("|"):
            cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
            if not all(set(cell) <= set("-: ") for cell in cells):
                table.append(cells)
        elif table:
            yield table
            table = []


def enclosing(room):
    """The top room a nested room sits in, such as sim/ for sim/line/."""
    return room.split("/")[0] + "/"


def read_map(design):
    """Room -> the rooms it may use."""
    may_use = {}
    for header, *rows in tables(design):
        if header[0] != "Room":
            continue
        rooms = [ROOM.findall(row[0]) for row in rows]
        if "May use" in header:
            column = header.index("May use")
            for names, row in zip(rooms, rows):
                for name in names:
                    may_use[name] = set(ROOM.findall(row[column]))
        else:
            # Nested rooms, each above the ones it may use, and free to use what their
            # enclosing room may.
            flat = [name for names in rooms for name in names]
            for at, name in enumerate(flat):
                may_use[name] = set(flat[at + 1:]) | may_use.get(enclosing(name), set())
    return may_use


def room_of(path, rooms):
    """The innermost room that holds the file, as "sim/line/"."""
    folders = path.parent.as_posix().split("/")
    for depth in range(len(folders), 0, -1):
        name = "/".join(folders[:depth]) + "/"
        if name in rooms:
            return name
    return None


def main():
    root = Path(sys.argv[1])
    may_use = read_map(root / "docs" / "design.md")
    checked = [room for room in may_use if room not in FREE and (root / room).is_dir()]
    files = [path.relative_to(root) for room in checked for path in (root / room).rglob("*")
             if path.suffix in SOURCES]
    # Headers by name; a .h.in is the header CMake writes from it.
    homes = {path.name.removesuffix(".in"): room_of(path, may_use) for path in files}
    faults = []
    for folder in sorted({path.parent for path in files}):
        if room_of(folder / "x", may_use) != folder.as_posix() + "/":
            faults.append(f"{folder}/ holds code but is not on the map")
    used = {room: set() for room in checked}
    for path in files:
        room = room_of(path, may_use)
        for header in INCLUDE.findall((root / path).read_text(encoding="utf-8")):
            home = homes.get(Path(header).name)
            if header.endswith(".moc") or home is None or home == room:
                continue
            # A room may use what sits inside a room it may use.
            if not any(home.startswith(other) for other in may_use[room]):
                faults.append(f"{path} includes {header} of {home}, which {room} may not use")
            for other in may_use[room]:
                if home.startswith(other):
                    used[room].add(other)
                    used.get(enclosing(room), set()).add(other)
    for room in checked:
        # Nested rooms name what they may use, not what they must.
        if room.count("/") == 1:
            for other in sorted(may_use[room] - used[room] - FREE):
                faults.append(f"the map says {room} uses {other}, but nothing in it does")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
