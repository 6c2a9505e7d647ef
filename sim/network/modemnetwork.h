// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routedmessage.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class SimulatedModem;

// The network between the modems of one simulation: it carries a message from one modem to
// another by the recipient's number, as if from the sender's, and decides the sender's status
// report by what became of it. A message the recipient cannot take, unregistered, restarting
// or with its storage full, waits here until it can; the sender's report then says the service
// centre is still trying, and says the message failed once its validity period is over.
class ModemNetwork : public QObject {
    Q_OBJECT

public:
    // TP-Status (TS 23.040 9.2.3.15) of the reports the network decides.
    enum Status {
        Delivered = 0x00,
        // Temporary: the recipient does not answer, and the service centre goes on trying.
        StillTrying = 0x22,
        ValidityPeriodExpired = 0x46,
        DeletedByServiceCentre = 0x48,
    };

    explicit ModemNetwork(QObject *parent = nullptr);

    // Joins a modem under the number its identity has by now; messages to it come here.
    void add(SimulatedModem *modem);

signals:
    // For logs: what became of a message the sender sent.
    void noted(SimulatedModem *sender, const QString &event);

private:
    struct InTransit {
        SimulatedModem *sender = nullptr;
        RoutedMessage routed;
        bool toldStillTrying = false;
    };

    bool route(SimulatedModem *sender, const RoutedMessage &routed);
    // Hands the recipient what waits for it, oldest first, as far as it takes it.
    void deliverTo(SimulatedModem *recipient);
    void report(const InTransit &message, int status);
    void expire();
    void scheduleExpiry();

    QHash<QString, SimulatedModem *> m_modems;
    // For each recipient, what waits for it, oldest first.
    QHash<SimulatedModem *, QList<InTransit>> m_waiting;
    QTimer m_expiry;
};
