// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stopsignals.h"

#include <QCoreApplication>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

// A signal handler may only do what is safe at any instant: write a byte to a pipe whose other
// end the event loop watches.
int wakeUp[2] = {-1, -1};
constexpr std::array Stops = {SIGTERM, SIGHUP, SIGINT};

void note(int) {
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = saved;
}

} // namespace

StopSignals::StopSignals(QWidget *window)
    : QObject(window) {
    if (::pipe(wakeUp) != 0)
        return;
    for (const int end : wakeUp) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    auto *notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, window, [window] {
        char bytes[16];
        while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
        }
        window->close();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int stop : Stops)
        ::sigaction(stop, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (const int stop : Stops)
        std::signal(stop, SIG_DFL);
    for (int &end : wakeUp)
        ::close(std::exchange(end, -1));
}
#else
// Windows ends a program without signals to catch.
StopSignals::StopSignals(QWidget *window)
    : QObject(window) {}

StopSignals::~StopSignals() = default;
#endif
