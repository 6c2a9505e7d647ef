// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Lets bytes out no faster than a serial line carries them, so that a program reading the line
// gets its data in pieces as from real hardware; a pseudo-terminal alone delivers at once.
class LinePacer : public QObject {
    Q_OBJECT

public:
    explicit LinePacer(QObject *parent = nullptr);

    // Bits per second with 8N1 framing, ten bits a byte; 0 passes bytes straight on.
    void setBaudRate(int baudRate) { m_baudRate = baudRate; }

    void send(const QByteArray &bytes);
    // What waits to be let out.
    qsizetype pending() const { return m_pending.size(); }
    // Drops what has not been let out yet.
    void clear();

signals:
    void released(const QByteArray &bytes);

private:
    void releaseDue();

    int m_baudRate = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QByteArray m_pending;
    qint64 m_released = 0;
};
