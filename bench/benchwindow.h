// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form1.h"
#include "linefeeder.h"

#include <QObject>

class QPlainTextEdit;

// The window as a user has it, connected to a pseudo-terminal that a LineFeeder feeds with
// 64-byte lines once told to start.
class BenchWindow : public QObject {
    Q_OBJECT

public:
    // `lines` lines, as fast as the line carries them when `linesPerSecond` is 0, else one line
    // per write at that rate.
    BenchWindow(qint64 lines, double linesPerSecond);

    void start() { m_feeder.start(); }
    // Runs the event loop until the log holds as many characters as the lines written.
    void receiveAll();
    // The log holds every line written, in order, each piece behind one blank, and nothing else.
    bool isComplete() const;

    qint64 pieces() const { return m_pieces; }
    static constexpr int LineLength = LineFeeder::LineLength;

private:
    LineFeeder m_feeder;
    Form1 m_window;
    QPlainTextEdit *m_log = nullptr;
    qint64 m_lines = 0;
    qint64 m_pieces = 0;
    int m_initialLength = 0;
    bool m_allReceived = false;
};
