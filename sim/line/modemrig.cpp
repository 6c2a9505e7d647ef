// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemrig.h"

ModemRig::ModemRig(QIODevice *logOutput, QObject *parent)
    : QObject(parent)
    , m_line(&m_modem)
    , m_log(&m_modem, logOutput)
    , m_console(&m_modem) {}

bool ModemRig::open(const QString &device) {
    return device.isEmpty() ? m_line.openPseudoTerminal() : m_line.openDevice(device);
}

void ModemRig::startConsole() {
    if (!m_console.start())
        m_log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                        m_console.errorString());
}
