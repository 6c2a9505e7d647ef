// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QIODevice;
class SimulatedModem;
struct AcceptedMessage;

// Writes the modem's side of a dialogue for a person to follow, a line at a time: each command
// it got ("<-"), each answer ("->") and each message it accepted, decoded ("==").
class ModemLog : public QObject {
    Q_OBJECT

public:
    ModemLog(SimulatedModem *modem, QIODevice *output, QObject *parent = nullptr);

    // One line: reference, destination, coding and text of a message.
    static QString describe(const AcceptedMessage &message);

    // Control characters as ^Z, ^M and so on, so that a log line stays one line.
    static QString printable(const QString &text);

    void writeLine(const QString &line);

private:
    QIODevice *m_output;
};
