// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"
#include "routedmessage.h"
#include "smsdeliver.h"
#include "smsstatusreport.h"
#include "smssubmit.h"
#include "statusreportqueue.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>

class MessageStorageCommands;
struct Identity;
class NetworkCommands;
struct EquipmentSettings;
struct SmsParameters;

// The network's side of messages: it carries what the modem sent, reports on it, and brings
// messages and status reports to the modem, which stores them or routes them to the terminal as
// +CNMI says (3GPP TS 27.005 3.4.1), and, under +CSMS=1, waits for +CNMA (3.4.4). What the modem
// cannot take, unregistered or full, waits in the network. The modem sends nothing anywhere,
// except that a message to its own number comes back to it.
class MessageDelivery : public QObject {
    Q_OBJECT

public:
    using Arrival = std::variant<SmsDeliver, SmsStatusReport>;

    MessageDelivery(const EquipmentSettings &equipment, const SmsParameters &parameters,
                    const NetworkCommands &network, MessageStorageCommands &storage,
                    const Identity &identity, QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults();

    // A message from the network, sent at the given time; one too long for a single message
    // arrives in parts. False when it would need more parts than a long message can have.
    bool receiveText(const QString &originator, const QString &text, const QDateTime &sent);
    // Hands a message the modem sent to the router, if another modem of the network may have
    // the number: true when one has, and the message is on its way there.
    bool route(const SmsSubmit &submit, int reference);
    // The network takes a message the modem sent under the reference it was given: it reports
    // on it if asked to, when it arrives if routed, and brings it back if it is to the modem's
    // own number.
    void carry(const SmsSubmit &submit, int reference, bool routed);
    // Takes a message sent to another number: true when that is another modem of the network.
    using Router = std::function<bool(const RoutedMessage &)>;
    void setRouter(Router router) { m_router = std::move(router); }
    // The number of the modem's SIM, which messages it sends come from.
    QString ownNumber() const;
    // A message another modem sent this one, stored or passed on as +CNMI says; false when it
    // cannot be taken now, not registered or with no room, and must wait in the network.
    bool receiveRouted(const SmsDeliver &message);
    // Why the network refuses a message, as rejectSends asked; nothing when it takes it.
    std::optional<AtResponse> refusal(const SmsSubmit &submit);
    // What waits in the network, for as long as the modem can take it.
    void deliverWaiting();

    // How long after a message that asked for one its status report comes; with none, only
    // when decided.
    void setReportDelay(std::optional<std::chrono::milliseconds> delay) {
        m_reports.setDelay(delay);
    }
    // The oldest status report waiting on message reference comes now, with the TP-Status;
    // false when none waits.
    bool decideReport(int reference, int status) { return m_reports.decide(reference, status); }
    // The next count sends fail with +CMS ERROR: cause.
    void rejectSends(int cause, int count);
    // How long a message or report routed to the terminal under +CSMS=1 waits for +CNMA.
    void setAcknowledgementTimeout(std::chrono::milliseconds timeout) {
        m_acknowledgement.setInterval(timeout);
    }

signals:
    void unsolicited(const QByteArrayList &lines);
    // For logs: what became of a message that arrived.
    void noted(const QString &event);
    // What waited in the network has arrived, and the modem could take more now.
    void readyToReceive();

private:
    // Where +CNMI's <mt> or <ds> sends what arrives.
    enum class Routing { Discard, ToTerminal, Store, StoreAndIndicate };

    AtResponse readIndications(const AtCommand &command) const;
    AtResponse setIndications(const AtCommand &command);
    AtResponse acknowledgeTest(const AtCommand &command) const;
    AtResponse acknowledge(const AtCommand &command);
    void acknowledgementMissed();
    // What the recipient of a message the modem sent gets, from the modem's number.
    SmsDeliver delivery(const SmsSubmit &submit) const;

    // Brought to the modem now, or kept in the network until it can be.
    void bring(const Arrival &arrival);
    // Stored or passed on as +CNMI says; false when it must wait in the network.
    bool receive(const SmsDeliver &message);
    bool receive(const SmsStatusReport &report);
    // subject and detail say in the log what arrived, before and after what became of it.
    bool takeIn(const Arrival &arrival, Routing routing, const QString &subject,
                const QString &detail);
    // Routed to the terminal: under +CSMS=1 it must acknowledge the message with +CNMA.
    void route(const QByteArrayList &lines);
    void indicate(const QByteArrayList &lines);
    // Kept in the network, the oldest dropped past what it keeps.
    void waitInNetwork(const Arrival &arrival);

    const EquipmentSettings &m_equipment;
    const SmsParameters &m_parameters;
    const NetworkCommands &m_network;
    MessageStorageCommands &m_storage;
    const Identity &m_identity;
    Router m_router;
    // +CNMI <mode>,<mt>,<bm>,<ds>,<bfr>.
    QList<int> m_indications;
    // Indications held in the modem while +CNMI's <mode> is 0.
    QList<QByteArrayList> m_heldIndications;
    int m_nextConcatenationReference = 1;
    StatusReportQueue m_reports;
    // Messages and reports the modem had no room for or was not registered to take, oldest
    // first.
    QList<Arrival> m_waitingInNetwork;
    int m_rejectCause = 0;
    int m_rejectCount = 0;
    // Runs while a routed message waits for +CNMA.
    QTimer m_acknowledgement;
};
