#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks and runs each of them at least five times, offscreen and under Xvfb,
# printing the median of each figure with its min and max:
#   bench/run.sh [BUILD_DIR]
# Needs xvfb (xvfb-run) and libxcb1-dev besides what ./dev installs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target modempad bench_logappend bench_ingest bench_startup \
    >/dev/null
runs=5

# The median of the numbers on standard input, with min and max.
summary() {
    sort -g | awk '{ v[NR] = $1 } END { printf "%s (min %s, max %s)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

on() {
    local platform=$1
    shift
    if [[ $platform == xcb ]]; then
        xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}

echo "$(nproc) CPUs: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-)"
for platform in offscreen xcb; do
    echo "== $platform"
    on "$platform" "$build/bench/bench_logappend" lines 2>/dev/null
    on "$platform" "$build/bench/bench_logappend" unbroken 2>/dev/null
    for mib in 1 4 16 32; do
        out=$(for _ in $(seq "$runs"); do on "$platform" "$build/bench/bench_ingest" bulk "$mib"; done 2>/dev/null)
        grep -q INCOMPLETE <<<"$out" && echo "bulk $mib MiB: LOG INCOMPLETE"
        echo "bulk $mib MiB: CPU-s per MiB $(grep -oP '[0-9.]+(?= CPU-s per MiB)' <<<"$out" | summary)," \
            "resident memory MB per MiB $(grep -oP '\+\K[0-9.]+' <<<"$out" | summary)"
    done
    out=$(for _ in $(seq "$runs"); do on "$platform" "$build/bench/bench_ingest" paced 20; done 2>/dev/null)
    grep -q INCOMPLETE <<<"$out" && echo "paced: LOG INCOMPLETE"
    echo "paced 20 s: % of a core $(grep -oP '[0-9.]+(?=% of a core)' <<<"$out" | summary)," \
        "in user mode $(grep -oP '[0-9.]+(?=% in user mode)' <<<"$out" | summary)"
done
echo "== the machine's own cost of 180 wake-ups a second, without the window"
out=$(for _ in $(seq "$runs"); do bench/pollfloor.py; done)
echo "poll floor 20 s: system % of a core $(grep -oP '[0-9.]+(?=% of a core)' <<<"$out" | summary)"
echo "== start-up under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
    "$build/bench/bench_startup" "$build/app/modempad" 7 2>/dev/null | tail -2
