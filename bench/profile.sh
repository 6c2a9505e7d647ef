#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Where a received piece's user time goes: samples `bench_ingest paced` under perf for 15 s and
# sorts the samples into the stages of the receiving path (bench/breakdown.py); then counts its
# system calls per piece under strace.
#   bench/profile.sh [BUILD_DIR] [offscreen|xcb]
# Needs perf (Debian's linux-perf) and strace, and root or kernel.perf_event_paranoid <= 1.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build-bench}
platform=${2:-offscreen}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_ingest >/dev/null
frequency=4000
seconds=15
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window starts receiving half a second after it shows; sampling starts once it is well in.
on "$platform" "$build/bench/bench_ingest" paced 20 >"$work/run" 2>/dev/null &
pid=$(pid_of "$build/bench/bench_ingest" paced 20)
sleep 2
perf record -q -e cpu-clock:u -F $frequency --call-graph dwarf,16384 -p "$pid" -o "$work/perf" \
    -- sleep $seconds >/dev/null 2>&1
wait
cat "$work/run"
# 180 pieces a second, one per 64-byte line at 11,520 B/s.
perf script -i "$work/perf" -F comm,tid,ip,sym 2>/dev/null |
    bench/breakdown.py $frequency $((180 * seconds))

on "$platform" "$build/bench/bench_ingest" paced 10 traced >"$work/run" 2>/dev/null &
strace -f -c -q -o "$work/strace" -p "$(pid_of "$build/bench/bench_ingest" paced 10 traced)"
wait
pieces=$(grep -oP '[0-9]+(?= pieces)' "$work/run")
awk -v pieces="$pieces" '$NF ~ /^[a-z_0-9]+$/ && $4 ~ /^[0-9]+$/ && $NF != "total" {
        printf "%s %.2f\n", $NF, $4 / pieces; all += $4 }
    END { printf "system calls per piece: %.2f\n", all / pieces }' "$work/strace" |
    sort -k2 -gr | head -8
