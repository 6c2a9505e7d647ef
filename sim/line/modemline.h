// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linepacer.h"

#include <QObject>
#include <QPointer>
#include <QString>

class PseudoTerminal;
class QHostAddress;
class QSerialPort;
class QTcpServer;
class QTcpSocket;
class SimulatedModem;

// Puts a SimulatedModem on a serial line: the master side of a pseudo-terminal that a program
// opens as its modem, or a device such as one end of a pair that socat made; and on a TCP port
// too, if asked, as a terminal server puts a modem on one. Whichever client speaks first holds
// the line, until it lets go: what the other sends meanwhile is dropped.
class ModemLine : public QObject {
    Q_OBJECT

public:
    explicit ModemLine(SimulatedModem *modem, QObject *parent = nullptr);

    bool openPseudoTerminal();
    bool openDevice(const QString &path);

    // What a program opens to reach the modem, or the device the modem sits on.
    QString devicePath() const { return m_devicePath; }
    QString errorString() const { return m_error; }

    // Also takes one client at a time on this TCP port, raw bytes both ways with no Telnet;
    // a second is told it is refused and let go. A client that goes hangs up the line.
    bool listen(const QHostAddress &address, quint16 port);
    // Where it listens, such as 127.0.0.1:4001; empty when it does not.
    QString listenAddress() const;

    // 2400 baud 8N1, one byte every 4.17 ms, as a real modem's line runs; off by default.
    void setPaced(bool paced);

signals:
    // The device given to openDevice went away (unplugged); the modem is off the line from then
    // on. A pseudo-terminal is never lost: programs come and go on it.
    void lost(const QString &reason);
    // For logs: clients that come, go or are refused over TCP, and what is dropped from one
    // while the other holds the line.
    void noted(const QString &event);

private:
    enum class Holder { Nobody, Line, Client };

    void readLine();
    void writeLine(const QByteArray &bytes);
    void acceptClient();
    void readClient();
    // The holder let go, as when a terminal drops DTR; another may speak.
    void hangUp(Holder holder);
    // Whether what the holder sends reaches the modem; the first to speak holds the line.
    bool takesFrom(Holder speaker, qsizetype bytes);
    // Tells the modem whether the program takes what it sends, as RTS would.
    void updateFlow();

    SimulatedModem *m_modem;
    LinePacer m_pacer;
    PseudoTerminal *m_terminal = nullptr;
    QSerialPort *m_port = nullptr;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    Holder m_holder = Holder::Nobody;
    QString m_devicePath;
    QString m_error;
};
