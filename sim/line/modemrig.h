// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "simulatedmodem.h"

#include <QObject>
#include <QString>

class QIODevice;

// One simulated modem ready to be talked to: the modem, the line it answers on, the log of its
// dialogue and the console that plays control lines from standard input to it. Each program
// that puts a simulated modem on a line makes one, and sets the modem up through modem()
// before it opens the line.
class ModemRig : public QObject {
    Q_OBJECT

public:
    // The log goes to `logOutput`, which must outlive the rig.
    explicit ModemRig(QIODevice *logOutput, QObject *parent = nullptr);

    SimulatedModem &modem() { return m_modem; }
    ModemLine &line() { return m_line; }
    ModemLog &log() { return m_log; }

    // Answers on `device`, or on a new pseudo-terminal when none is named; false, and why in
    // line().errorString(), when it cannot.
    bool open(const QString &device = QString());
    // Takes control lines from standard input from now on; the log tells when none can come.
    void startConsole();

private:
    // Declared first: the others hold on to it.
    SimulatedModem m_modem;
    ModemLine m_line;
    ModemLog m_log;
    ModemConsole m_console;
};
