// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form1.h"
#include "pseudoterminal.h"

#include <QObject>

#include <sys/types.h>

class QPlainTextEdit;

// The window as a user has it, connected to a pseudo-terminal, and a writer process at the far
// end that sends 64-byte lines (63 printable characters and LF) once told to start.
class BenchWindow : public QObject {
    Q_OBJECT

public:
    BenchWindow();
    ~BenchWindow() override;

    // Forks the writer: `lines` lines, as fast as the line carries them when `linesPerSecond` is
    // 0, else one line per write at that rate. It waits until start() is called.
    void prepareWriter(qint64 lines, double linesPerSecond);
    void start();
    // Runs the event loop until the log holds as many characters as the lines written.
    void receiveAll();
    // The log holds every line written, in order, each piece behind one blank, and nothing else.
    bool isComplete() const;

    qint64 pieces() const { return m_pieces; }
    static constexpr int LineLength = 64;

    // The n-th line the writer sends.
    static void fillLine(char *line, qint64 n);

private:
    PseudoTerminal m_line;
    Form1 m_window;
    QPlainTextEdit *m_log = nullptr;
    qint64 m_lines = 0;
    qint64 m_pieces = 0;
    int m_initialLength = 0;
    bool m_allReceived = false;
    int m_go = -1;
    pid_t m_writer = -1;
};
