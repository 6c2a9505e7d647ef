// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemrig.h"

#include <QCoreApplication>
#include <QHostAddress>

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

ModemRig::Station::Station(QIODevice *output)
    : line(&modem)
    , log(&modem, output) {
    QObject::connect(&line, &ModemLine::noted, &log, [this](const QString &event) {
        log.writeLine(QStringLiteral("-- ") + event);
    });
}

ModemRig::ModemRig(int modems, QObject *parent)
    : QObject(parent)
    , m_output(ignoringBrokenPipes(fileno(stdout)))
    , m_errors(fileno(stderr))
    , m_stations([this, modems] {
        std::deque<Station> stations;
        for (int k = 0; k < modems; ++k)
            stations.emplace_back(&m_output);
        return stations;
    }())
    , m_console(this->modems()) {
    m_errors.takeMessages();
    if (modems > 1) {
        for (int k = 1; k <= modems; ++k)
            log(k).setPrefix(QStringLiteral("@%1 ").arg(k));
    }
    connect(
        &m_network, &ModemNetwork::noted, this,
        [this](SimulatedModem *sender, const QString &event) {
            log(int(this->modems().indexOf(sender)) + 1).writeLine(QStringLiteral("-- ") + event);
        });
}

QList<SimulatedModem *> ModemRig::modems() {
    QList<SimulatedModem *> all;
    for (Station &station : m_stations)
        all.append(&station.modem);
    return all;
}

bool ModemRig::open(const QString &device) {
    for (Station &station : m_stations) {
        if (!(device.isEmpty() ? station.line.openPseudoTerminal()
                               : station.line.openDevice(device))) {
            m_error =
                device.isEmpty()
                    ? QCoreApplication::translate("modemsim", "Cannot open a pseudo-terminal: %1")
                          .arg(station.line.errorString())
                    //: %1 is a device's path, %2 the system's reason.
                    : QCoreApplication::translate("modemsim", "Cannot open %1: %2")
                          .arg(device, station.line.errorString());
            return false;
        }
        if (count() > 1)
            m_network.add(&station.modem);
    }
    return true;
}

bool ModemRig::listen(const QHostAddress &host, quint16 port) {
    for (int k = 1; k <= count(); ++k) {
        const quint16 own = port == 0 ? 0 : quint16(port + k - 1);
        if (!line(k).listen(host, own)) {
            // In one arg(): an IPv6 address's scope, as in fe80::1%eth0, holds a '%'.
            //: %1 is an IP address, %2 a TCP port number, %3 the system's reason.
            m_error = QCoreApplication::translate("modemsim", "Cannot listen on %1 port %2: %3")
                          .arg(host.toString(), QString::number(own), line(k).errorString());
            return false;
        }
    }
    return true;
}

void ModemRig::startConsole() {
    // The log's reader is a script as often as a person: this line stays English, as every other
    // line there does, in modemsim and in the demo alike.
    if (!m_console.start())
        log().writeLine( // not translated: the log
            QStringLiteral("-- messages cannot arrive from standard input: ") +
            m_console.errorString());
}

void ModemRig::drain() {
    m_output.drain();
    m_errors.drain();
}
