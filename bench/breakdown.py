#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sorts the user-mode samples that `perf script -F comm,tid,ip,sym` prints of a receiving window
# into the stages a piece goes through, and prints each stage's share and its microseconds per
# piece:
#   breakdown.py FREQUENCY PIECES < perf-script-output
# FREQUENCY is perf record's -F, PIECES how many pieces arrived while it sampled. A sample goes
# to the first stage, in the order below, that a function of its stack belongs to.
import sys

STAGES = [
    ("frame: paint (box, scroll bar, window)", ("QWidgetRepaintManager::", "QWidgetPrivate::drawWidget")),
    ("frame: layout and scrolling", ("QPlainTextDocumentLayout::documentChanged",
                                     "QPlainTextDocumentLayout::blockBoundingRect",
                                     "LogLayout::followEnd", "LogLayout::catchUp")),
    ("insertion into the document", ("QTextCursor::insertText", "QTextCursor::endEditBlock",
                                     "QTextDocumentPrivate::", "LogLayout::flush")),
    ("mapping bytes to text", ("writeText", "ReceiveLog::toText")),
    ("OnComm, Input and the append", ("CommControl::notify",)),
    ("QSerialPort's read path", ("QSerialPort", "QRingBuffer", "QIODevice::")),
    ("event loop and socket notifier", ("g_main_context", "QEventDispatcher", "QSocketNotifier",
                                        "QApplication::notify", "QCoreApplication::notifyInternal2",
                                        "poll")),
]
OTHER = "anything else"
POOL = "GUI thread pool (woken by the main thread)"


def samples(lines):
    stack, thread = [], None
    for line in lines:
        if not line.strip():
            if thread is not None:
                yield thread, stack
            stack, thread = [], None
        elif not line[0].isspace():
            thread = line.split()[0]
        else:
            parts = line.split(None, 1)
            stack.append(parts[1].strip() if len(parts) > 1 else "?")
    if thread is not None:
        yield thread, stack


def stage(stack):
    for name, markers in STAGES:
        if any(marker in frame for frame in stack for marker in markers):
            return name
    return OTHER


def main():
    frequency, pieces = float(sys.argv[1]), float(sys.argv[2])
    counts = {}
    for thread, stack in samples(sys.stdin):
        name = POOL if thread.startswith("Thread") else stage(stack)
        counts[name] = counts.get(name, 0) + 1
    total = sum(counts.values())
    print("%-42s %6s %10s" % ("stage", "share", "us/piece"))
    for name in [s for s, _ in STAGES] + [OTHER, POOL]:
        n = counts.get(name, 0)
        print("%-42s %5.1f%% %10.1f" % (name, 100 * n / total, n / frequency / pieces * 1e6))
    print("%-42s %5.1f%% %10.1f" % ("all", 100.0, total / frequency / pieces * 1e6))


main()
