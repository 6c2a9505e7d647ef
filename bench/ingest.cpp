// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines from a pseudo-terminal into the running window, through the receiving path as it is in
// use (a read per notification, a blank per piece), one run per process:
//   bench_ingest bulk MIB      MIB of 64-byte lines as fast as the line carries them
//   bench_ingest paced SECONDS one 64-byte line per write at 11,520 B/s (a 115200-baud line)
// Prints the CPU time this process spent receiving, and how much its resident memory grew.
// With a third argument, "traced", it starts receiving only once a tracer such as strace has
// attached, and leaves without tearing down the window, so that the tracer counts the system
// calls of receiving alone.

#include "benchwindow.h"
#include "measure.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool paced = argc >= 3 && std::strcmp(argv[1], "paced") == 0;
    const bool traced = argc == 4 && std::strcmp(argv[3], "traced") == 0;
    if (argc < 3 || (argc == 4 && !traced) || argc > 4 ||
        (!paced && std::strcmp(argv[1], "bulk") != 0)) {
        std::fprintf(stderr, "usage: bench_ingest bulk MIB [traced] | "
                             "bench_ingest paced SECONDS [traced]\n");
        return 2;
    }
    const int amount = std::atoi(argv[2]);
    constexpr double linesPerSecond = 11520.0 / BenchWindow::LineLength;

    const qint64 lines = paced ? qint64(amount * linesPerSecond)
                               : qint64(amount) * (1 << 20) / BenchWindow::LineLength;
    BenchWindow bench(lines, paced ? linesPerSecond : 0);
    // Whatever the window does once after showing is not part of receiving.
    QTest::qWait(500);
    if (traced && !QTest::qWaitFor(Measure::isTraced, 30000))
        qFatal("no tracer attached");

    const double cpu = Measure::cpuSeconds();
    const double system = Measure::systemSeconds();
    const double wall = Measure::wallSeconds();
    const double resident = Measure::residentBytes();
    bench.start();
    bench.receiveAll();
    const double cpuUsed = Measure::cpuSeconds() - cpu;
    const double systemUsed = Measure::systemSeconds() - system;
    const double wallUsed = Measure::wallSeconds() - wall;
    const double mib = double(lines * BenchWindow::LineLength) / (1 << 20);
    const double growth = (Measure::residentBytes() - resident) / 1e6 / mib;
    const bool complete = bench.isComplete();

    if (paced) {
        std::printf("paced %d s: %.2f%% of a core (%.3f CPU-s in %.2f s, %.2f%% in user mode), "
                    "%lld pieces%s\n",
                    amount, 100 * cpuUsed / wallUsed, cpuUsed, wallUsed,
                    100 * (cpuUsed - systemUsed) / wallUsed, bench.pieces(),
                    complete ? "" : ", LOG INCOMPLETE");
    } else {
        std::printf("bulk %d MiB: %.4f CPU-s per MiB (%.3f CPU-s in %.2f s), resident memory "
                    "+%.2f MB per MiB, %lld pieces%s\n",
                    amount, cpuUsed / mib, cpuUsed, wallUsed, growth, bench.pieces(),
                    complete ? "" : ", LOG INCOMPLETE");
    }
    if (traced) {
        std::fflush(stdout);
        ::_exit(complete ? 0 : 1);
    }
    return complete ? 0 : 1;
}
