// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlline.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class SimulatedModem;

// Plays lines of the control language to simulated modems, in order, each to the modem it names:
// each at once, except that "wait" holds the lines after it for its time. Standard input and a
// script each have a player of their own, so that they run alongside.
class ControlPlayer : public QObject {
    Q_OBJECT

public:
    explicit ControlPlayer(SimulatedModem *modem, QObject *parent = nullptr);
    // Modem N of the lines is modems[N - 1].
    explicit ControlPlayer(const QList<SimulatedModem *> &modems, QObject *parent = nullptr);

    // Plays the lines now, or once the waits before them are over.
    void play(const QStringList &lines);
    void play(const QString &line) { play(QStringList{line}); }
    bool isWaiting() const { return m_wait.isActive(); }

signals:
    // For the person at the controls: the help, or why a line did nothing.
    void told(const QString &text);
    // Every line given so far has been played.
    void finished();

private:
    void playWaiting();
    void apply(SimulatedModem *modem, const Control::Command &command);

    QList<SimulatedModem *> m_modems;
    QStringList m_waiting;
    QTimer m_wait;
};
