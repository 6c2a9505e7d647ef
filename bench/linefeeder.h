// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <sys/types.h>

// A pseudo-terminal whose master side a forked writer process feeds with 64-byte lines (63
// printable characters and LF) once told to start: as fast as the line carries them, or one
// line per write at a given rate. Plain POSIX, so that a loop with no Qt at all can read it as
// well as the window.
class LineFeeder {
public:
    static constexpr int LineLength = 64;

    // `lines` lines; one per write at `linesPerSecond`, or 64 per write as fast as they go
    // when it is 0.
    LineFeeder(long long lines, double linesPerSecond);
    ~LineFeeder();
    LineFeeder(const LineFeeder &) = delete;
    LineFeeder &operator=(const LineFeeder &) = delete;

    // What the reader opens, e.g. /dev/pts/3.
    const std::string &devicePath() const { return m_devicePath; }
    void start();

    // The n-th line the writer sends.
    static void fillLine(char *line, long long n);

private:
    void feed(long long lines, double linesPerSecond);

    int m_master = -1;
    // Held open so that the master never reads a hang-up while the reader has not opened the
    // device yet, or has closed it.
    int m_slave = -1;
    std::string m_devicePath;
    int m_go = -1;
    pid_t m_writer = -1;
};
