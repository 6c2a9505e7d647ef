#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# What the machine itself charges for the paced ingest's wake-ups: a loop that only waits in poll
# and reads, fed one 64-byte line per write 180 times a second through a pseudo-terminal for
# 20 s, like `bench_ingest paced 20`. Prints the loop's own user and system CPU share.
import os
import pty
import resource
import select
import time

SECONDS = 20
master, slave = pty.openpty()
poller = select.poll()
poller.register(master, select.POLLIN)
before = resource.getrusage(resource.RUSAGE_SELF)
start = time.monotonic()
if os.fork() == 0:
    while time.monotonic() - start < SECONDS:
        os.write(slave, b"x" * 63 + b"\n")
        time.sleep(1 / 180)
    os._exit(0)
while time.monotonic() - start < SECONDS:
    if poller.poll(100):
        os.read(master, 4096)
after = resource.getrusage(resource.RUSAGE_SELF)
wall = time.monotonic() - start
print("poll floor %d s: user %.2f%%, system %.2f%% of a core" % (
    SECONDS, 100 * (after.ru_utime - before.ru_utime) / wall,
    100 * (after.ru_stime - before.ru_stime) / wall))
