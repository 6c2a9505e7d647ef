// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ModemLog;
class QPlainTextEdit;
class QPushButton;
class SimulatedModem;
class QWidget;

// Drives the window as a user would: Connect, then Command1, Command2 and Command3, each once
// the modem's answer to the one before is in the log. Ends the application with 0 once the
// modem has accepted the message ModemPad means to send, intact, and 1 otherwise. A message to
// the modem's own number must also come back to it, and the log show it arriving.
class Autopilot : public QObject {
    Q_OBJECT

public:
    Autopilot(QWidget *window, SimulatedModem *modem, ModemLog *log, QObject *parent = nullptr);

    // How long to wait for each answer before giving up; 30 s unless set.
    void setAnswerTimeout(std::chrono::milliseconds timeout) { m_timeout.setInterval(timeout); }

    // The message the window was given; the build's test message unless set.
    void setMessage(const QString &destination, const QString &text);

    void start();

private:
    struct Step {
        QPushButton *button;
        // The final answers, one of which the log must show once more before the next press;
        // blanks do not count, as the window puts one before each piece the line delivers.
        QStringList answers;
    };

    void pressNext();
    void checkLog();
    void finish();
    void fail(const QString &reason);
    void watchForFailureBox();
    int answersInLog() const;

    SimulatedModem *m_modem;
    ModemLog *m_log;
    QPlainTextEdit *m_text;
    QList<Step> m_steps;
    QString m_destination;
    QString m_messageText;
    qsizetype m_next = 0;
    int m_seenBefore = 0;
    QTimer m_timeout;
    QTimer m_boxWatch;
};
