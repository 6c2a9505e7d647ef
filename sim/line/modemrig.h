// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "modemnetwork.h"
#include "outputqueue.h"
#include "simulatedmodem.h"

#include <QList>
#include <QObject>
#include <QString>

#include <deque>

class QHostAddress;

// Simulated modems ready to be talked to, one or several on one network: each modem with the
// line it answers on and the log of its dialogue, and the console that plays control lines from
// standard input to them. Each program that puts simulated modems on lines makes one, and sets
// each modem up through modem() before it opens the lines. The logs go to standard output and
// Qt's messages to standard error, each through an OutputQueue, so that a reader who stops
// reading never stops the modems; one who has gone stops the output, not the program (SIGPIPE
// is ignored from now on). One modem alone is the island it always was: its log lines have no
// "@K " before them, and it is on no network.
class ModemRig : public QObject {
    Q_OBJECT

public:
    explicit ModemRig(int modems = 1, QObject *parent = nullptr);

    int count() const { return int(m_stations.size()); }
    // Modem k, counted from 1 as the control language's @K counts, its line and its log.
    SimulatedModem &modem(int k = 1) { return m_stations.at(k - 1).modem; }
    ModemLine &line(int k = 1) { return m_stations.at(k - 1).line; }
    ModemLog &log(int k = 1) { return m_stations.at(k - 1).log; }
    QList<SimulatedModem *> modems();

    // Puts every modem on its line, on `device`, which takes one modem, or each on a new
    // pseudo-terminal when none is named, and joins them to one network under the numbers
    // their identities have by now; false, and why in errorString(), when it cannot.
    bool open(const QString &device = QString());
    // Also puts modem k on TCP port `port` + k - 1, or each on one the system chooses for port
    // 0; false, and why in errorString(), when it cannot.
    bool listen(const QHostAddress &host, quint16 port);
    // What open() or listen() could not do, and why.
    QString errorString() const { return m_error; }
    // Takes control lines from standard input from now on; the log tells when none can come.
    void startConsole();
    // Gives a slow reader a second to take the last of the output, as the program ends.
    void drain();

private:
    // One modem, its line and its log. The modem comes first: the others hold on to it.
    struct Station {
        explicit Station(QIODevice *output);
        SimulatedModem modem;
        ModemLine line;
        ModemLog log;
    };

    // Declared first: the others write to them, and messages may come until the end.
    OutputQueue m_output;
    OutputQueue m_errors;
    std::deque<Station> m_stations;
    ModemNetwork m_network;
    ModemConsole m_console;
    QString m_error;
};
