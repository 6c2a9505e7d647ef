#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails on a text the user reads that no catalogue has, and on a catalogue that is behind.

usage: checkcatalogues.py LUPDATE [--catalogues TS... --sources FILE...]...

Each group is one program's catalogues and the sources its texts come from.

Each catalogue is updated in a scratch folder as `update_translations` would: an entry new,
changed or gone, or a translation with other placeholders, is a fault (English, the sources'
language, is held to its plural forms only). lupdate sees only marked texts, so a literal of two
words or more outside tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP or translate() is one too, unless a
comment on its line or the line above says "not translated".
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

MARKERS = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
           "QT_TRANSLATE_N_NOOP"}
# Only a developer reads a failed static_assert or a standard exception from the compile-time
# encoder (what the user meets is a CommError).
DEVELOPERS = {"static_assert", "length_error", "invalid_argument", "logic_error", "out_of_range"}
KEPT = re.compile(r"//.*\bnot translated\b")
WORDS = re.compile(r"[A-Za-z]{2,} +[A-Za-z]{2,}")
PLACEHOLDER = re.compile(r"%(?:[1-9][0-9]?|n)")
# A comment, a character or string literal, or a parenthesis with the name before it.
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|\'(?:\\.|[^\\\'])*\'|"((?:\\.|[^\\"])*)"|'
                   r'([A-Za-z_]\w*)?\s*\(|\)', re.S)


def unmarked(path):
    source = Path(path).read_text(encoding="utf-8")
    kept = {number + below for number, text in enumerate(source.splitlines(), 1)
            if KEPT.search(text) for below in (0, 1)}
    # A preprocessor line (an #include, a #define's value) shows nobody anything.
    source = re.sub(r"(?m)^[ \t]*#.*$", "", source)
    calls = []
    for token in TOKEN.finditer(source):
        text = token.group(0)
        if text == ")":
            calls = calls[:-1]
        elif text.endswith("("):
            calls.append(token.group(2) or "")
        elif token.group(1) is not None and WORDS.search(token.group(1)):
            line = source.count("\n", 0, token.start()) + 1
            if line not in kept and not (MARKERS | DEVELOPERS).intersection(calls):
                yield f"{path}:{line}: not marked for translation: \"{token.group(1)}\""


def behind(lupdate, catalogue, sources, scratch):
    copy = Path(scratch) / Path(catalogue).name
    shutil.copyfile(catalogue, copy)
    run = subprocess.run([lupdate, "-locations", "none", *sources, "-ts", str(copy)],
                         capture_output=True, text=True)
    complaints = [line for line in (run.stdout + run.stderr).splitlines()
                  if line.strip() and not re.match(r"\s*(Updating|Found)", line)]
    if run.returncode != 0 or complaints:
        yield f"{catalogue}: lupdate says: " + "; ".join(complaints or [str(run.returncode)])
    english = Path(catalogue).name.endswith("_en.ts")
    for context in ElementTree.parse(copy).getroot().iter("context"):
        for message in context.iter("message"):
            if english and message.get("numerus") != "yes":
                continue
            source = message.findtext("source")
            translation = message.find("translation")
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            where = f"{catalogue}: {context.findtext('name')}: \"{source}\""
            if translation.get("type") in ("vanished", "obsolete"):
                yield f"{where}: no longer in the sources"
            elif translation.get("type") == "unfinished" or not all(forms):
                yield f"{where}: not translated"
            else:
                wanted = set(PLACEHOLDER.findall(source)) - {"%n"}
                for form in forms:
                    if set(PLACEHOLDER.findall(form)) - {"%n"} != wanted:
                        yield f"{where}: the translation \"{form}\" has other placeholders"


def programs(arguments):
    """Each program's catalogues with its sources, as the groups of the command line give them."""
    starts = [at for at, argument in enumerate(arguments) if argument == "--catalogues"]
    for start, end in zip(starts, starts[1:] + [len(arguments)]):
        middle = arguments.index("--sources", start)
        yield arguments[start + 1:middle], arguments[middle + 1:end]


def main(arguments):
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for catalogues, sources in programs(arguments):
            faults += [fault for path in sources for fault in unmarked(path)]
            for catalogue in catalogues:
                faults += behind(arguments[0], catalogue, sources, scratch)
    print("\n".join(faults))
    if faults:
        print(f"{len(faults)} fault(s). Mark the text with tr(), then update the catalogues with "
              "cmake --build build --target update_translations and translate (CONTRIBUTING.md).")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
