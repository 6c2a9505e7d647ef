// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linepacer.h"

#include <QObject>
#include <QString>

class PseudoTerminal;
class QSerialPort;
class SimulatedModem;

// Puts a SimulatedModem on a serial line: the master side of a pseudo-terminal that a program
// opens as its modem, or a device such as one end of a pair that socat made.
class ModemLine : public QObject {
    Q_OBJECT

public:
    explicit ModemLine(SimulatedModem *modem, QObject *parent = nullptr);

    bool openPseudoTerminal();
    bool openDevice(const QString &path);

    // What a program opens to reach the modem, or the device the modem sits on.
    QString devicePath() const { return m_devicePath; }
    QString errorString() const { return m_error; }

    // 2400 baud 8N1, one byte every 4.17 ms, as a real modem's line runs; off by default.
    void setPaced(bool paced);

signals:
    // The device given to openDevice went away (unplugged); the modem is off the line from then
    // on. A pseudo-terminal is never lost: programs come and go on it.
    void lost(const QString &reason);

private:
    void readLine();
    void writeLine(const QByteArray &bytes);
    // Tells the modem whether the program takes what it sends, as RTS would.
    void updateFlow();

    SimulatedModem *m_modem;
    LinePacer m_pacer;
    PseudoTerminal *m_terminal = nullptr;
    QSerialPort *m_port = nullptr;
    QString m_devicePath;
    QString m_error;
};
