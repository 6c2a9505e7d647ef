// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemrig.h"

#include <cstdio>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// Before any output is written: a reader that has gone stops the output, not the program.
int ignoringBrokenPipes(int descriptor) {
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return descriptor;
}

} // namespace

ModemRig::ModemRig(QObject *parent)
    : QObject(parent)
    , m_output(ignoringBrokenPipes(fileno(stdout)))
    , m_errors(fileno(stderr))
    , m_line(&m_modem)
    , m_log(&m_modem, &m_output)
    , m_console(&m_modem) {
    m_errors.takeMessages();
}

bool ModemRig::open(const QString &device) {
    return device.isEmpty() ? m_line.openPseudoTerminal() : m_line.openDevice(device);
}

void ModemRig::startConsole() {
    if (!m_console.start())
        m_log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                        m_console.errorString());
}

void ModemRig::drain() {
    m_output.drain();
    m_errors.drain();
}
