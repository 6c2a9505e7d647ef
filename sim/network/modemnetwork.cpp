// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemnetwork.h"

#include "simulatedmodem.h"

#include <QDateTime>

#include <algorithm>

namespace {
// As many as a single modem's network keeps for it; past that the oldest goes.
constexpr qsizetype MaxWaiting = 1000;
} // namespace

ModemNetwork::ModemNetwork(QObject *parent)
    : QObject(parent) {
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &ModemNetwork::expire);
}

void ModemNetwork::add(SimulatedModem *modem) {
    m_modems.insert(modem->identity().number, modem);
    modem->setRouter([this, modem](const RoutedMessage &routed) { return route(modem, routed); });
    connect(modem, &SimulatedModem::readyToReceive, this, [this, modem] { deliverTo(modem); });
}

bool ModemNetwork::route(SimulatedModem *sender, const RoutedMessage &routed) {
    SimulatedModem *recipient = m_modems.value(routed.recipient);
    if (!recipient)
        return false;
    QList<InTransit> &waiting = m_waiting[recipient];
    waiting.append({sender, routed});
    if (waiting.size() > MaxWaiting) {
        const InTransit dropped = waiting.takeFirst();
        emit noted(dropped.sender,
                   QStringLiteral("message %1 to %2 is dropped: the network keeps %3 for a modem")
                       .arg(dropped.routed.reference)
                       .arg(dropped.routed.recipient)
                       .arg(MaxWaiting));
        report(dropped, DeletedByServiceCentre);
    }
    // After the sender has answered +CMGS, as the network's delivery takes a while.
    QMetaObject::invokeMethod(
        this, [this, recipient] { deliverTo(recipient); }, Qt::QueuedConnection);
    if (routed.validUntil)
        scheduleExpiry();
    return true;
}

void ModemNetwork::deliverTo(SimulatedModem *recipient) {
    QList<InTransit> &waiting = m_waiting[recipient];
    while (!waiting.isEmpty()) {
        InTransit &first = waiting.first();
        if (!recipient->receiveRouted(first.routed.message)) {
            if (!std::exchange(first.toldStillTrying, true))
                report(first, StillTrying);
            return;
        }
        const InTransit delivered = waiting.takeFirst();
        report(delivered, Delivered);
    }
    scheduleExpiry();
}

void ModemNetwork::report(const InTransit &message, int status) {
    if (message.routed.reportRequested)
        message.sender->decideReport(message.routed.reference, status);
}

void ModemNetwork::expire() {
    const QDateTime now = QDateTime::currentDateTime();
    for (QList<InTransit> &waiting : m_waiting) {
        const auto expired =
            std::stable_partition(waiting.begin(), waiting.end(), [&now](const InTransit &message) {
                return !message.routed.validUntil || *message.routed.validUntil > now;
            });
        const QList<InTransit> gone(expired, waiting.end());
        waiting.erase(expired, waiting.end());
        for (const InTransit &message : gone) {
            emit noted(message.sender,
                       QStringLiteral("message %1 to %2 failed: its validity period ran out "
                                      "before the recipient could take it")
                           .arg(message.routed.reference)
                           .arg(message.routed.recipient));
            report(message, ValidityPeriodExpired);
        }
    }
    scheduleExpiry();
}

void ModemNetwork::scheduleExpiry() {
    std::optional<QDateTime> next;
    for (const QList<InTransit> &waiting : std::as_const(m_waiting)) {
        for (const InTransit &message : waiting) {
            if (message.routed.validUntil && (!next || *message.routed.validUntil < *next))
                next = message.routed.validUntil;
        }
    }
    if (!next) {
        m_expiry.stop();
        return;
    }
    m_expiry.start(std::max<qint64>(0, QDateTime::currentDateTime().msecsTo(*next)));
}
