// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A client that closes the modem's device and opens it again at once, as ModemManager does
// after probing and smsd after an error, and sends a command each time:
//   bench_reopen MODEMSIM [TIMES]
// Starts MODEMSIM (a modemsim program) and, TIMES times (10,000 unless given), opens the device
// it names, writes ATE0, waits up to 2 s for OK and closes the device. Prints how many commands
// went unanswered, the rate, and modemsim's user-mode CPU time a reopen. Exits 1 if any was lost.

#include "measure.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Far longer than any answer takes, short enough that a run with losses still ends.
constexpr int AnswerWaitMs = 2000;

[[noreturn]] void fail(const std::string &why) {
    std::fprintf(stderr, "bench_reopen: %s\n", why.c_str());
    std::exit(2);
}

// One session on the device: open, the command, its answer, close. False if no OK came.
bool answered(const std::string &device) {
    const int line = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios raw{};
    if (line < 0 || ::tcgetattr(line, &raw) != 0)
        fail("cannot open " + device);
    // As a serial port program does on opening.
    ::cfmakeraw(&raw);
    ::tcsetattr(line, TCSANOW, &raw);
    if (::write(line, "ATE0\r", 5) != 5)
        fail("write: " + std::to_string(errno));
    std::string received;
    bool ok = false;
    pollfd readable{line, POLLIN, 0};
    while (!ok && ::poll(&readable, 1, AnswerWaitMs) > 0) {
        char buffer[256];
        const ssize_t n = ::read(line, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, std::size_t(n));
        ok = received.find("\r\nOK\r\n") != std::string::npos;
    }
    ::close(line);
    return ok;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_reopen MODEMSIM [TIMES]\n");
        return 2;
    }
    const int times = argc == 3 ? std::atoi(argv[2]) : 10'000;
    // The log goes to a file, which never fills as a pipe nobody reads would.
    char logPath[] = "/tmp/bench_reopen.XXXXXX";
    const int log = ::mkstemp(logPath);
    if (log < 0)
        fail("mkstemp");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, log, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    char *const arguments[] = {argv[1], nullptr};
    pid_t modemsim = -1;
    if (posix_spawn(&modemsim, argv[1], &actions, nullptr, arguments, environ) != 0)
        fail(std::string("cannot start ") + argv[1]);
    posix_spawn_file_actions_destroy(&actions);

    // modemsim's first line names its device.
    std::string device;
    for (int tries = 0; device.empty() && tries < 1000; ++tries) {
        std::ifstream(logPath) >> device;
        if (device.empty())
            ::usleep(10'000);
    }
    if (device.empty())
        fail("modemsim named no device");

    const double user = Measure::userSeconds(modemsim);
    const double wall = Measure::wallSeconds();
    int lost = 0;
    for (int i = 0; i < times; ++i)
        lost += answered(device) ? 0 : 1;
    const double userUsed = Measure::userSeconds(modemsim) - user;
    const double wallUsed = Measure::wallSeconds() - wall;

    ::kill(modemsim, SIGTERM);
    ::waitpid(modemsim, nullptr, 0);
    ::unlink(logPath);
    std::printf("reopened %d times: %d lost, %.0f reopens a second, %.0f µs of modemsim's user "
                "time a reopen\n",
                times, lost, times / wallUsed, 1e6 * userUsed / times);
    return lost == 0 ? 0 : 1;
}
