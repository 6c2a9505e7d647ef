// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "outputqueue.h"
#include "simulatedmodem.h"

#include <QObject>
#include <QString>

// One simulated modem ready to be talked to: the modem, the line it answers on, the log of its
// dialogue and the console that plays control lines from standard input to it. Each program
// that puts a simulated modem on a line makes one, and sets the modem up through modem()
// before it opens the line. The log goes to standard output and Qt's messages to standard
// error, each through an OutputQueue, so that a reader who stops reading never stops the modem;
// one who has gone stops the output, not the program (SIGPIPE is ignored from now on).
class ModemRig : public QObject {
    Q_OBJECT

public:
    explicit ModemRig(QObject *parent = nullptr);

    SimulatedModem &modem() { return m_modem; }
    ModemLine &line() { return m_line; }
    ModemLog &log() { return m_log; }

    // Answers on `device`, or on a new pseudo-terminal when none is named; false, and why in
    // line().errorString(), when it cannot.
    bool open(const QString &device = QString());
    // Takes control lines from standard input from now on; the log tells when none can come.
    void startConsole();
    // Gives a slow reader a second to take the last of the output, as the program ends.
    void drain();

private:
    // Declared first: the others write to them, and messages may come until the end.
    OutputQueue m_output;
    OutputQueue m_errors;
    // Before the line, the log and the console: they hold on to it.
    SimulatedModem m_modem;
    ModemLine m_line;
    ModemLog m_log;
    ModemConsole m_console;
};
