// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// From exec to the window mapped on the X server, and the resident memory two seconds later:
//   bench_startup PROGRAM [RUNS]
// Run it under an X server with no window manager (xvfb-run), so that the program's own window
// is the first to map. Prints each run, then the median with min and max.

#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    }
    return -1;
}

void report(const char *what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.1f (min %.1f, max %.1f) over %zu runs\n", what,
                values[values.size() / 2], values.front(), values.back(), values.size());
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    std::vector<double> startups;
    std::vector<double> residents;
    // One connection for every run: an X server with no clients left resets itself.
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    for (int run = 0; run < runs; ++run) {
        // A round trip, so that the server has the mask and no event of the last run is left.
        free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
        while (xcb_generic_event_t *stale = xcb_poll_for_event(x))
            free(stale);

        char *arguments[] = {argv[1], nullptr};
        pid_t pid = 0;
        const double start = now();
        if (posix_spawn(&pid, argv[1], nullptr, nullptr, arguments, environ) != 0) {
            std::perror("posix_spawn");
            return 1;
        }
        double mapped = -1;
        while (mapped < 0) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_wait_for_event(x),
                                                                              &free);
            if (!event)
                break;
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY)
                mapped = now() - start;
        }
        sleep(2);
        const double resident = residentMiB(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::printf("run %d: mapped after %.1f ms, %.1f MiB resident 2 s later\n", run + 1,
                    mapped * 1000, resident);
        startups.push_back(mapped * 1000);
        residents.push_back(resident);
    }
    xcb_disconnect(x);
    report("exec to window mapped, ms", startups);
    report("resident memory 2 s after start, MiB", residents);
    return 0;
}
