// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measure.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
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
    return residentBytes(::getpid());
}

double residentBytes(pid_t process) {
    long pages = 0;
    long resident = 0;
    const std::string path = "/proc/" + std::to_string(process) + "/statm";
    if (FILE *statm = std::fopen(path.c_str(), "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

double userSeconds(pid_t process) {
    std::ifstream file("/proc/" + std::to_string(process) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    // The command name, in brackets, may hold blanks: count the fields from the bracket that
    // ends it. utime is field 14, the 12th after it.
    std::istringstream fields(stat.substr(std::min(stat.rfind(')') + 1, stat.size())));
    std::string field;
    for (int i = 0; i < 12; ++i)
        fields >> field;
    return fields ? std::stod(field) / double(sysconf(_SC_CLK_TCK)) : 0;
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
