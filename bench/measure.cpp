// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measure.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace Measure {

namespace {

rusage usage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double seconds(const timeval &t) {
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

} // namespace

double cpuSeconds() {
    const rusage now = usage();
    return seconds(now.ru_utime) + seconds(now.ru_stime);
}

double systemSeconds() {
    return seconds(usage().ru_stime);
}

double residentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

double wallSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

bool isTraced() {
    std::ifstream status("/proc/self/status");
    std::string field;
    int tracer = 0;
    while (status >> field) {
        if (field == "TracerPid:" && status >> tracer)
            break;
    }
    return tracer != 0;
}

} // namespace Measure
