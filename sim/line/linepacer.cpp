// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linepacer.h"

#include <algorithm>

namespace {
constexpr qint64 BitsPerByte = 10;
}

LinePacer::LinePacer(QObject *parent)
    : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LinePacer::releaseDue);
}

void LinePacer::send(const QByteArray &bytes) {
    if (m_baudRate <= 0) {
        emit released(bytes);
        return;
    }
    m_pending.append(bytes);
    if (m_timer.isActive())
        return;
    // Time runs from the first byte of a burst, so a late timer catches up instead of drifting.
    m_clock.start();
    m_released = 0;
    m_timer.start(std::max<qint64>(1, 1000 * BitsPerByte / m_baudRate));
}

void LinePacer::clear() {
    m_pending.clear();
    m_timer.stop();
}

void LinePacer::releaseDue() {
    const qint64 due = m_clock.nsecsElapsed() * m_baudRate / (BitsPerByte * 1'000'000'000) + 1;
    const qsizetype count = std::min<qint64>(due - m_released, m_pending.size());
    if (count > 0) {
        m_released += count;
        emit released(m_pending.left(count));
        m_pending.remove(0, count);
    }
    if (m_pending.isEmpty())
        m_timer.stop();
}
