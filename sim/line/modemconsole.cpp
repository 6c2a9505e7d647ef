// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemconsole.h"

#include <QDebug>
#include <QSocketNotifier>

#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
// A line longer than this is nobody's command; it is dropped rather than kept growing.
constexpr qsizetype MaxLine = 64 * 1024;
} // namespace

ModemConsole::ModemConsole(const QList<SimulatedModem *> &modems, QObject *parent)
    : QObject(parent)
    , m_player(modems) {
    connect(&m_player, &ControlPlayer::told, this,
            [](const QString &text) { qWarning().noquote() << text.trimmed(); });
}

bool ModemConsole::start() {
#ifdef Q_OS_UNIX
    if (::fcntl(STDIN_FILENO, F_GETFL) < 0) {
        m_error = QStringLiteral("there is no standard input");
        return false;
    }
    // Only a process's controlling terminal stops it for reading from the background. A terminal
    // of another session, as under su -c or setsid, has no say in that and reads as a pipe does;
    // tcgetpgrp() fails on it.
    const pid_t foreground = ::isatty(STDIN_FILENO) ? ::tcgetpgrp(STDIN_FILENO) : -1;
    if (foreground >= 0 && foreground != ::getpgrp()) {
        m_error = QStringLiteral("this program runs in the background of the terminal that is "
                                 "its standard input, and reading there would stop it");
        return false;
    }
    // Should the job be put in the background later, a read then fails instead of stopping it.
    std::signal(SIGTTIN, SIG_IGN);
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ModemConsole::readInput);
    return true;
#else
    m_error = QStringLiteral("reading standard input needs a POSIX system");
    return false;
#endif
}

void ModemConsole::readInput() {
#ifdef Q_OS_UNIX
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR)
        return;
    if (count <= 0) {
        // The end of input, or a terminal no longer this job's: there is nothing more to read.
        m_notifier->setEnabled(false);
        return;
    }
    m_pending.append(buffer, count);
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        // The text is the message's to its last space; only the line's end goes.
        QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        // The rest of a line too long to keep is no line of its own, whatever it reads like.
        if (std::exchange(m_droppingLine, false))
            continue;
        if (line.endsWith('\r'))
            line.chop(1);
        m_player.play(QString::fromUtf8(line));
    }
    if (m_pending.size() > MaxLine) {
        if (!m_droppingLine)
            qWarning("a line over 64 KiB is dropped: no line of the language needs as much");
        m_droppingLine = true;
        m_pending.clear();
    }
#endif
}
