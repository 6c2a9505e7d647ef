// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>

class QSocketNotifier;

// Standard output or standard error for a program that must never wait on whoever reads them:
// a modem whose log is a pipe nobody reads must still answer its line. What the reader has not
// taken waits here, up to a bound; past it whole writes are dropped and counted, and once the
// reader has caught up a line says how much was lost. A reader that has gone for good (a closed
// pipe) stops the output: the program goes on without it.
class OutputQueue : public QIODevice {
    Q_OBJECT

public:
    // What may wait for a slow reader: some thousands of log lines.
    static constexpr qsizetype MaxWaiting = 256 * 1024;

    // Writes to the open file descriptor `descriptor`, which stays open; the queue is open for
    // writing once made.
    explicit OutputQueue(int descriptor, QObject *parent = nullptr);
    ~OutputQueue() override;

    bool isSequential() const override { return true; }
    qint64 bytesToWrite() const override { return m_waiting.size(); }
    // Writes out what the reader takes within a second, and drops the rest, as when the program
    // ends.
    void drain();
    // Qt's messages (qWarning() and the rest) go here from now on, one line each, their control
    // characters escaped as the log escapes them, so that no input can work a terminal.
    void takeMessages();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void writeWaiting();

    int m_descriptor = -1;
    bool m_ownDescriptor = false;
    bool m_gone = false;
    QByteArray m_waiting;
    qint64 m_droppedWrites = 0;
    qint64 m_droppedBytes = 0;
    QSocketNotifier *m_writable = nullptr;
};
