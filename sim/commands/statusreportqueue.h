// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smsstatusreport.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

// The status reports the service centre owes for messages that asked for one: each comes a
// while after its message says "delivered", unless it is decided by hand before. A report is
// told from another by its message reference alone, so 256 wait at most: past that, the one
// owed longest is dropped.
class StatusReportQueue : public QObject {
    Q_OBJECT

public:
    explicit StatusReportQueue(QObject *parent = nullptr);

    // How long after its message a report comes by itself; with none, only when decided.
    void setDelay(std::optional<std::chrono::milliseconds> delay) { m_delay = delay; }

    // A report that waits for the delay, or with timed false until it is decided, its
    // discharge time and status still to be set.
    void add(const SmsStatusReport &report, bool timed = true);
    // The oldest report waiting on message reference comes now, with the status; false when
    // none waits. A temporary failure (TP-Status 32 to 63) says the service centre is still
    // trying: the report goes on waiting for the outcome.
    bool decide(int reference, int status);

signals:
    void due(const SmsStatusReport &report);
    // A report that no longer waits, to make room for the report of a newer message.
    void dropped(const SmsStatusReport &report);

private:
    struct Waiting {
        SmsStatusReport report;
        // On m_clock; none while the delay is none.
        std::optional<qint64> dueAt;
        // The order in which the reports' messages were sent.
        qint64 added = 0;
    };

    void releaseDue();
    void schedule();

    std::optional<std::chrono::milliseconds> m_delay = std::chrono::seconds(1);
    // In the order they fall due.
    QList<Waiting> m_waiting;
    qint64 m_added = 0;
    QElapsedTimer m_clock;
    QTimer m_timer;
};
