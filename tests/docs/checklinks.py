#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every relative link and anchor in the given Markdown files points at something that exists.

Anchors are the headings' slugs as the common Markdown hosts make them: lower case, punctuation
dropped, blanks turned into hyphens. Prints each broken link and exits 1 if there is one."""

import re
import sys
from pathlib import Path

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$")
FENCE = re.compile(r"^\s*```")


def prose(path):
    """The file's lines outside fenced code blocks."""
    inside = False
    for line in path.read_text(encoding="utf-8").splitlines():
        if FENCE.match(line):
            inside = not inside
        elif not inside:
            yield line


def slug(heading):
    text = re.sub(r"`|\*\*|\[([^\]]*)\]\([^)]*\)", r"\1", heading).lower()
    return re.sub(r"[^\w\- ]", "", text).replace(" ", "-")


def anchors(path):
    return {slug(m.group(1)) for line in prose(path) if (m := HEADING.match(line))}


def broken(path):
    for line in prose(path):
        for target in LINK.findall(line):
            if re.match(r"[a-z]+:", target):
                continue
            file, _, anchor = target.partition("#")
            linked = (path.parent / file).resolve() if file else path
            if not linked.exists():
                yield f"{path}: {target}: no such file"
            elif anchor and linked.suffix == ".md" and anchor not in anchors(linked):
                yield f"{path}: {target}: no such heading in {linked.name}"


def main(paths):
    problems = [problem for path in paths for problem in broken(Path(path))]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
