#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks and runs each of them at least five times, offscreen and under Xvfb
# (the simulated modem's load, which has no window, on its own), printing the median of each
# figure with its min and max:
#   bench/run.sh [BUILD_DIR]
# Needs xvfb (xvfb-run), libxcb1-dev and strace besides what ./dev installs.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target modempad bench_logappend bench_ingest bench_pollfloor \
    bench_startup bench_load bench_reopen bench_ring modemsim >/dev/null
runs=5

# The median of the numbers on standard input, with min and max.
summary() {
    sort -g | awk '{ v[NR] = $1 } END { printf "%s (min %s, max %s)", v[int((NR + 1) / 2)], v[1], v[NR] }'
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
    # The window and a bare poll-and-read loop in turns, so that both meet the same machine.
    out=$(for _ in $(seq "$runs"); do
        on "$platform" "$build/bench/bench_ingest" paced 20
        "$build/bench/bench_pollfloor" 20
    done 2>/dev/null)
    grep -q INCOMPLETE <<<"$out" && echo "paced: LOG INCOMPLETE"
    window=$(grep '^paced' <<<"$out")
    floor=$(grep '^poll floor' <<<"$out")
    echo "paced 20 s: in user mode $(grep -oP '[0-9.]+(?=% in user mode)' <<<"$window" | summary)," \
        "all CPU $(grep -oP '[0-9.]+(?=% of a core)' <<<"$window" | summary)"
    echo "  bare poll-and-read loop: in user mode" \
        "$(grep -oP '[0-9.]+(?=% in user mode)' <<<"$floor" | summary)," \
        "all CPU $(grep -oP '[0-9.]+(?=% of a core)' <<<"$floor" | summary)"
    # strace counts the calls of a run of its own, as it slows each call down.
    trace=$(mktemp)
    on "$platform" "$build/bench/bench_ingest" paced 10 traced >"$trace.run" 2>/dev/null &
    strace -f -c -q -o "$trace" -p "$(pid_of "$build/bench/bench_ingest" paced 10 traced)"
    wait
    pieces=$(grep -oP '[0-9]+(?= pieces)' "$trace.run")
    echo "  system calls per piece: $(awk -v pieces="$pieces" '
        $4 ~ /^[0-9]+$/ && $NF ~ /^[a-z_0-9]+$/ && $NF != "total" { calls[$NF] = $4; all += $4 }
        END {
            printf "%.2f", all / pieces
            for (name in calls) if (calls[name] / pieces >= 0.01) printf ", %s %.2f", name, calls[name] / pieces
        }' "$trace")"
    rm -f "$trace" "$trace.run"
done
echo "== start-up under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
    "$build/bench/bench_startup" "$build/app/modempad" 7 2>/dev/null | tail -2
echo "== the simulated modem under a day's load"
out=$(for _ in $(seq "$runs"); do "$build/bench/bench_load" "$build/sim/modemsim/modemsim" || echo LOST; done)
grep -q LOST <<<"$out" && grep -E 'missing|^modemsim:' <<<"$out" | sort | uniq -c
for way in sent arrived; do
    echo "$way 10,000: $(grep -oP "^$way .*: \K[0-9]+(?= a second)" <<<"$out" | summary) a second," \
        "missing $(grep -oP "^$way .*missing \K[0-9]+" <<<"$out" | summary)," \
        "$(grep -oP "[0-9]+(?= µs a message $way)" <<<"$out" | summary) µs of modemsim's user time a message"
done
for when in start middle end; do
    echo "resident memory at the $when: $(grep -oP "$when \K[0-9.]+(?= MiB)" <<<"$out" | summary) MiB"
done
echo "== a client that closes and opens the device again at once"
out=$(for _ in $(seq "$runs"); do "$build/bench/bench_reopen" "$build/sim/modemsim/modemsim" || true; done)
echo "lost of 10,000: $(grep -oP '[0-9]+(?= lost)' <<<"$out" | summary)," \
    "$(grep -oP '[0-9]+(?= reopens a second)' <<<"$out" | summary) reopens a second," \
    "$(grep -oP '[0-9]+(?= µs)' <<<"$out" | summary) µs of modemsim's user time a reopen"
echo "== a network of 64 modems texting in a ring"
out=$(for _ in $(seq "$runs"); do "$build/bench/bench_ring" "$build/sim/modemsim/modemsim" || echo LOST; done)
grep -q LOST <<<"$out" && grep -oP 'lost .*?missing [0-9]+' <<<"$out" | sort | uniq -c
echo "$(grep -oP '[0-9]+(?= messages/s)' <<<"$out" | summary) messages a second," \
    "send to +CMTI median $(grep -oP 'median \K[0-9.]+' <<<"$out" | summary) ms," \
    "p99 $(grep -oP 'p99 \K[0-9.]+' <<<"$out" | summary) ms"
for when in "before any message" "at the start" "in the middle" "at the end"; do
    echo "resident memory $when: $(grep -oP "[0-9.]+(?= MB $when)" <<<"$out" | summary) MB"
done
