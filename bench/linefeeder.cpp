// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linefeeder.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

LineFeeder::LineFeeder(long long lines, double linesPerSecond) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        std::perror("posix_openpt");
        std::exit(1);
    }
    m_devicePath = ::ptsname(m_master);
    m_slave = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    // A new pty is cooked until a reader makes it raw; the lines must arrive as written.
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);

    int go[2];
    if (::pipe(go) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    m_writer = ::fork();
    if (m_writer != 0) {
        ::close(go[0]);
        m_go = go[1];
        return;
    }
    ::close(go[1]);
    char started = 0;
    if (::read(go[0], &started, 1) != 1)
        ::_exit(1);
    feed(lines, linesPerSecond);
    ::_exit(0);
}

LineFeeder::~LineFeeder() {
    if (m_writer > 0) {
        ::kill(m_writer, SIGTERM);
        ::waitpid(m_writer, nullptr, 0);
    }
    ::close(m_slave);
    ::close(m_master);
}

void LineFeeder::start() {
    if (::write(m_go, "g", 1) != 1) {
        std::perror("the writer is gone");
        std::exit(1);
    }
    ::close(m_go);
}

void LineFeeder::fillLine(char *line, long long n) {
    std::snprintf(line, 10, "%08llx:", n);
    for (int i = 9; i < LineLength - 1; ++i)
        line[i] = char('a' + (n + i) % 26);
    line[LineLength - 1] = '\n';
}

// The writer process: system calls only, and a buffer on the stack.
void LineFeeder::feed(long long lines, double linesPerSecond) {
    char buffer[64 * LineLength];
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    const long interval = linesPerSecond > 0 ? long(1e9 / linesPerSecond) : 0;
    for (long long n = 0; n < lines;) {
        int count = 0;
        do
            fillLine(buffer + LineLength * count++, n++);
        while (interval == 0 && count < 64 && n < lines);
        // A write blocks while the line is full, until the reader drains it.
        for (int done = 0; done < count * LineLength;) {
            const ssize_t written = ::write(m_master, buffer + done, count * LineLength - done);
            if (written < 0 && errno != EINTR)
                ::_exit(1);
            done += int(std::max<ssize_t>(written, 0));
        }
        if (interval > 0) {
            next.tv_nsec += interval;
            next.tv_sec += next.tv_nsec / 1000000000;
            next.tv_nsec %= 1000000000;
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
    }
}
