// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlplayer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class SimulatedModem;

// Takes lines of the control language from standard input, which play the network, the SIM
// and the modem's faults to simulated modems, such as
//   sms NUMBER TEXT   a message from NUMBER arrives, in parts if it is long
// and tells on standard error why a line did nothing. Standard input is read as UTF-8, so the
// text may be in any script. A line for modem K starts with @K; one that names none is for
// modem 1.
class ModemConsole : public QObject {
    Q_OBJECT

public:
    // Lines for modem K go to modems[K - 1].
    explicit ModemConsole(const QList<SimulatedModem *> &modems, QObject *parent = nullptr);

    // Starts reading; false, and why in errorString, when standard input cannot be read: there
    // is none, this system lacks what is needed, or it is the controlling terminal of a shell
    // that runs this program in the background, where reading would stop this process. Reading
    // ends quietly at the end of input.
    bool start();
    QString errorString() const { return m_error; }

private:
    void readInput();

    ControlPlayer m_player;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
    bool m_droppingLine = false;
    QString m_error;
};
