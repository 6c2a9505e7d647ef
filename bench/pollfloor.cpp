// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the machine itself charges for receiving at the paced rate: a loop with no Qt that only
// waits in poll and reads, fed like `bench_ingest paced` (one 64-byte line per write, 11,520
// B/s) through a pseudo-terminal:
//   bench_pollfloor SECONDS
// Prints the loop's own CPU share, in all and in user mode, in bench_ingest's words.

#include "linefeeder.h"
#include "measure.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_pollfloor SECONDS\n");
        return 2;
    }
    const int seconds = std::atoi(argv[1]);
    const long long lines = seconds * 11520LL / LineFeeder::LineLength;
    LineFeeder feeder(lines, 11520.0 / LineFeeder::LineLength);
    const int line = ::open(feeder.devicePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (line < 0) {
        std::perror("open");
        return 1;
    }

    const double cpu = Measure::cpuSeconds();
    const double system = Measure::systemSeconds();
    const double wall = Measure::wallSeconds();
    feeder.start();
    long long received = 0;
    long long pieces = 0;
    char buffer[4096];
    while (received < lines * LineFeeder::LineLength) {
        pollfd readable{line, POLLIN, 0};
        if (::poll(&readable, 1, -1) <= 0)
            continue;
        const ssize_t n = ::read(line, buffer, sizeof buffer);
        if (n > 0) {
            received += n;
            ++pieces;
        }
    }
    const double cpuUsed = Measure::cpuSeconds() - cpu;
    const double systemUsed = Measure::systemSeconds() - system;
    const double wallUsed = Measure::wallSeconds() - wall;
    std::printf("poll floor %d s: %.2f%% of a core (%.3f CPU-s in %.2f s, %.2f%% in user mode), "
                "%lld pieces\n",
                seconds, 100 * cpuUsed / wallUsed, cpuUsed, wallUsed,
                100 * (cpuUsed - systemUsed) / wallUsed, pieces);
    ::close(line);
    return 0;
}
