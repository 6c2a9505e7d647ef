// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A ModemPad window in another process (formdriver), worked line by line as a user would.
class DrivenWindow {
public:
    // Starts the window with `device` behind port `port`, and waits until it is up.
    DrivenWindow(qint16 port, const QString &device);
    ~DrivenWindow();

    bool isReady() const { return m_ready; }
    qint64 processId() const { return m_process.processId(); }

    void send(const QByteArray &line);
    // Sends one command and returns the window's first answer that starts with `expected`, or
    // an empty array if none comes within ten seconds.
    QByteArray command(const QByteArray &line, const QByteArray &expected);
    // The next answer that starts with `expected`, without sending anything.
    QByteArray answer(const QByteArray &expected);

    // What the first message box said, decoded; empty when none has shown.
    QString boxText() const { return m_boxText; }
    // The log's text as the window holds it now.
    QString logText();

    // Waits for the process to end; its exit status, or -1 if it crashed or did not end.
    int exitStatus();

private:
    QProcess m_process;
    QByteArray m_lines;
    QString m_boxText;
    bool m_ready = false;
};
