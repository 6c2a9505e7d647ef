// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statusreportqueue.h"

#include <algorithm>

namespace {
constexpr qsizetype MaxWaiting = 256;
// TS 23.040 9.2.3.15: 32 to 63 are the failures after which the service centre goes on trying.
constexpr int TemporaryFailures = 32;
constexpr int PermanentFailures = 64;
} // namespace

StatusReportQueue::StatusReportQueue(QObject *parent)
    : QObject(parent) {
    m_clock.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StatusReportQueue::releaseDue);
}

void StatusReportQueue::add(const SmsStatusReport &report, bool timed) {
    Waiting waiting{report, std::nullopt, m_added++};
    if (m_delay && timed)
        waiting.dueAt = m_clock.elapsed() + m_delay->count();
    // Reports that wait for a hand come after every one that is due by itself.
    const auto later = std::upper_bound(m_waiting.begin(), m_waiting.end(), waiting,
                                        [](const Waiting &a, const Waiting &b) {
                                            return a.dueAt && (!b.dueAt || *a.dueAt < *b.dueAt);
                                        });
    m_waiting.insert(later, waiting);
    if (m_waiting.size() > MaxWaiting) {
        const auto oldest =
            std::min_element(m_waiting.begin(), m_waiting.end(),
                             [](const Waiting &a, const Waiting &b) { return a.added < b.added; });
        const SmsStatusReport dropping = oldest->report;
        m_waiting.erase(oldest);
        emit dropped(dropping);
    }
    schedule();
}

bool StatusReportQueue::decide(int reference, int status) {
    const auto waiting =
        std::find_if(m_waiting.begin(), m_waiting.end(), [reference](const Waiting &w) {
            return w.report.messageReference == reference;
        });
    if (waiting == m_waiting.end())
        return false;
    SmsStatusReport report = waiting->report;
    if (status < TemporaryFailures || status >= PermanentFailures)
        m_waiting.erase(waiting);
    report.status = status;
    report.dischargeTime = QDateTime::currentDateTime();
    emit due(report);
    schedule();
    return true;
}

void StatusReportQueue::releaseDue() {
    while (!m_waiting.isEmpty() && m_waiting.constFirst().dueAt &&
           *m_waiting.constFirst().dueAt <= m_clock.elapsed()) {
        SmsStatusReport report = m_waiting.takeFirst().report;
        report.dischargeTime = QDateTime::currentDateTime();
        emit due(report);
    }
    schedule();
}

void StatusReportQueue::schedule() {
    if (m_waiting.isEmpty() || !m_waiting.constFirst().dueAt) {
        m_timer.stop();
        return;
    }
    m_timer.start(std::max<qint64>(0, *m_waiting.constFirst().dueAt - m_clock.elapsed()));
}
