// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "concatenation.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class QIODevice;
class SimulatedModem;
struct AcceptedMessage;

// Writes the modem's side of a dialogue for a person to follow, a line at a time: each command
// it got ("<-"), each answer ("->"), each message it accepted, decoded ("=="), with one more
// line once every part of a long message is in, and what else happened ("--"), such as a
// message arriving, the terminal closing the line, or a long message dropped unfinished.
class ModemLog : public QObject {
    Q_OBJECT

public:
    ModemLog(SimulatedModem *modem, QIODevice *output, QObject *parent = nullptr);

    // One line: reference, destination, service centre, flags, protocol identifier, coding,
    // validity period and text of a message, as the terminal sent them.
    static QString describe(const AcceptedMessage &message);

    // Control characters as ^Z, ^M and so on, so that a log line stays one line.
    static QString printable(const QString &text);

    void writeLine(const QString &line);
    // Put before every line, such as "@2 " for the second of several modems sharing a log.
    void setPrefix(const QString &prefix) { m_prefix = prefix; }

    // How long a long message waits for its next part; five minutes unless set.
    void setLongMessageWait(std::chrono::milliseconds wait) { m_parts.setWait(wait); }

private:
    void logAccepted(const AcceptedMessage &message);
    // Logs the long messages that waited too long, and waits for the next.
    void dropUnfinished();

    QIODevice *m_output;
    QString m_prefix;
    Concatenation m_parts;
    QTimer m_expiry;
};
