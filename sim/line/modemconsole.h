// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class SimulatedModem;

// Takes lines from standard input that play the network to a simulated modem:
//   sms NUMBER TEXT   a message from NUMBER arrives, in parts if it is long
// Standard input is read as UTF-8, so the text may be in any script.
class ModemConsole : public QObject {
    Q_OBJECT

public:
    explicit ModemConsole(SimulatedModem *modem, QObject *parent = nullptr);

    // Starts reading; false, and why in errorString, when standard input cannot be read: there
    // is none, this system lacks what is needed, or it is the controlling terminal of a shell
    // that runs this program in the background, where reading would stop this process. Reading
    // ends quietly at the end of input.
    bool start();
    QString errorString() const { return m_error; }

    // One line, as if it had been read; false for a line that is not a command.
    bool execute(const QString &line);

private:
    void readInput();

    SimulatedModem *m_modem;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
    QString m_error;
};
