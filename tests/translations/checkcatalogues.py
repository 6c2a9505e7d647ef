#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Fails when a text the user reads is missing from the catalogues, or a catalogue is behind.

usage: checkcatalogues.py LUPDATE --catalogues TS... --sources FILE...

Each catalogue is updated from the sources in a scratch folder, as `update_translations` would
update it: a text without a translation there (new, changed, or never translated), or one the
sources no longer have, is reported, and so is a translation that drops or adds a placeholder.
English, the sources' language, is held to its plural forms only. lupdate sees only texts
marked for translation, so the sources are also read for a literal that
reads as words to a person (two words or more) outside tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP or
QCoreApplication::translate: a text someone forgot to mark. A text that must stay as it is says
so in a comment, "not translated", on its line or the line above.
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
# What only a developer reads: a failed static_assert, and the standard exceptions that mark a
# programming fault in the compile-time encoder (what the user meets is a CommError).
DEVELOPERS = {"static_assert", "length_error", "invalid_argument", "logic_error", "out_of_range"}
# A comment saying "not translated" on a text's line or the line above keeps it as it is: bytes
# for the modem, names that every language writes alike.
KEPT = re.compile(r"//.*\bnot translated\b")
WORDS = re.compile(r"[A-Za-z]{2,} +[A-Za-z]{2,}")
PLACEHOLDER = re.compile(r"%(?:[1-9][0-9]?|n)")


def literals(source):
    """Yields (line, text, calls) for each string literal; calls are the enclosing calls' names."""
    calls = []
    i, line, n = 0, 1, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            i = n if end < 0 else end
        elif source.startswith("/*", i):
            end = source.index("*/", i) + 2
            line += source.count("\n", i, end)
            i = end
        elif source.startswith('R"', i) and not (i and (source[i - 1].isalnum() or source[i - 1] == "_")):
            delimiter = source[i + 2:source.index("(", i)]
            end = source.index(")" + delimiter + '"', i) + len(delimiter) + 2
            yield line, source[source.index("(", i) + 1:end - len(delimiter) - 2], list(calls)
            line += source.count("\n", i, end)
            i = end
        elif c == '"' or c == "'":
            j = i + 1
            while source[j] != c:
                j += 2 if source[j] == "\\" else 1
            if c == '"':
                yield line, source[i + 1:j], list(calls)
            i = j + 1
        elif c == "(":
            name = re.search(r"([A-Za-z_][A-Za-z0-9_]*)\s*$", source[max(0, i - 80):i])
            calls.append(name.group(1) if name else "")
            i += 1
        elif c == ")":
            if calls:
                calls.pop()
            i += 1
        else:
            line += c == "\n"
            i += 1


def unmarked(path):
    source = Path(path).read_text(encoding="utf-8")
    kept = {number + below for number, text in enumerate(source.splitlines(), 1)
            if KEPT.search(text) for below in (0, 1)}
    # A preprocessor line (an #include, a #define's value) shows nobody anything.
    source = re.sub(r"(?m)^[ \t]*#.*$", "", source)
    for line, text, calls in literals(source):
        if WORDS.search(text) and line not in kept and not (MARKERS | DEVELOPERS).intersection(calls):
            yield f"{path}:{line}: not marked for translation: \"{text}\""


def behind(lupdate, catalogue, sources, scratch):
    copy = Path(scratch) / Path(catalogue).name
    shutil.copyfile(catalogue, copy)
    run = subprocess.run([lupdate, "-locations", "none", *sources, "-ts", str(copy)],
                         capture_output=True, text=True)
    complaints = [line for line in (run.stdout + run.stderr).splitlines()
                  if line.strip() and not re.match(r"\s*(Updating|Found)", line)]
    if run.returncode != 0 or complaints:
        yield f"{catalogue}: lupdate says: " + "; ".join(complaints or [str(run.returncode)])
    # English, the sources' language, needs only its plural forms.
    english = Path(catalogue).name.endswith("_en.ts")
    for context in ElementTree.parse(copy).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            if english and message.get("numerus") != "yes":
                continue
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            where = f"{catalogue}: {name}: \"{source}\""
            if kind in ("vanished", "obsolete"):
                yield f"{where}: no longer in the sources"
            elif kind == "unfinished" or not all(forms):
                yield f"{where}: not translated"
            else:
                wanted = set(PLACEHOLDER.findall(source)) - {"%n"}
                for form in forms:
                    if set(PLACEHOLDER.findall(form)) - {"%n"} != wanted:
                        yield f"{where}: the translation \"{form}\" has other placeholders"


def main(arguments):
    lupdate = arguments[0]
    catalogues = arguments[arguments.index("--catalogues") + 1:arguments.index("--sources")]
    sources = arguments[arguments.index("--sources") + 1:]
    faults = [fault for path in sources for fault in unmarked(path)]
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            faults += behind(lupdate, catalogue, sources, scratch)
    print("\n".join(faults))
    if faults:
        print(f"{len(faults)} fault(s). Mark the text with tr(), then update the catalogues with "
              "cmake --build build --target update_translations and translate (CONTRIBUTING.md).")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
