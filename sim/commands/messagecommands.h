// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "acceptedmessage.h"
#include "commandtable.h"
#include "messagestore.h"
#include "routedmessage.h"
#include "statusreportqueue.h"

#include <QByteArrayList>
#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>

class NetworkCommands;
struct EquipmentSettings;
struct Identity;
struct SmsParameters;

// What the message commands set.
struct MessageSettings {
    // +CPMS: where messages are read and deleted, where they are written and sent from, and
    // where received ones go.
    QByteArray readStorage = "SM";
    QByteArray writeStorage = "SM";
    QByteArray receiveStorage = "SM";
    // +CNMI <mode>,<mt>,<bm>,<ds>,<bfr>: indications go to the terminal, held while it is busy
    // with a command; each received message and status report is stored and announced with
    // +CMTI and +CDSI. A program that never sends +CNMI, as ModemPad does not, still learns of
    // each message, and one that asks for status reports finds them among its messages.
    QList<int> indications{2, 1, 0, 2, 0};
    // +CMMS: the link to the network closes after each message (0), stays open while messages
    // follow each other closely (1), or stays open (2).
    int moreMessages = 0;
};

// The commands of 3GPP TS 27.005 that send, store, list, read and delete messages, and the
// arrival of messages from the network. The modem keeps what is sent to it; it sends nothing
// anywhere, except that a message to its own number comes back to it, and one to another modem
// of its network goes there when a router is set.
class MessageCommands : public QObject {
    Q_OBJECT

public:
    MessageCommands(const EquipmentSettings &equipment, const SmsParameters &parameters,
                    const NetworkCommands &network, const Identity &identity,
                    QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults();

    // The last 256 messages taken for sending, the oldest first: one for each message reference.
    QList<AcceptedMessage> acceptedMessages() const { return m_accepted; }

    // A message from the network, sent at the given time; one too long for a single message
    // arrives in parts. False when it would need more parts than a long message can have.
    bool receiveText(const QString &originator, const QString &text, const QDateTime &sent);

    // How long after a message that asked for one its status report comes; with none, only
    // when decided. A second unless set.
    void setReportDelay(std::optional<std::chrono::milliseconds> delay) {
        m_reports.setDelay(delay);
    }
    // The oldest status report waiting on message reference comes now, with the TP-Status;
    // false when none waits.
    bool decideReport(int reference, int status) { return m_reports.decide(reference, status); }
    // The next count sends fail with +CMS ERROR: cause, as the network refuses them.
    void rejectSends(int cause, int count);
    // Full, the storages take no more than they hold now; what arrives meanwhile waits in the
    // network until there is room.
    void setStorageFull(bool full);
    // What waits in the network, for as long as the modem can take it.
    void deliverWaiting();
    // Takes a message sent to another number: true when that is another modem of the network,
    // which then decides the status report; false leaves the message to the service centre.
    using Router = std::function<bool(const RoutedMessage &)>;
    void setRouter(Router router) { m_router = std::move(router); }
    // A message another modem sent this one, stored or passed on as +CNMI says; false when it
    // cannot be taken now, not registered or with no room, and must wait in the network.
    bool receiveRouted(const SmsDeliver &message);
    // How long a message or report routed to the terminal under +CSMS=1 waits for +CNMA.
    void setAcknowledgementTimeout(std::chrono::milliseconds timeout) {
        m_acknowledgement.setInterval(timeout);
    }

signals:
    void messageAccepted(const AcceptedMessage &message);
    void unsolicited(const QByteArrayList &lines);
    // For logs: what became of a message that arrived.
    void noted(const QString &event);
    // What waited in the network has arrived, and the modem could take more now.
    void readyToReceive();

private:
    AtResponse selectStorages(const AtCommand &command);
    AtResponse readStorages() const;
    AtResponse setIndications(const AtCommand &command);
    AtResponse send(const AtCommand &command);
    AtResponse sendStored(const AtCommand &command);
    AtResponse write(const AtCommand &command);
    AtResponse list(const AtCommand &command);
    AtResponse read(const AtCommand &command);
    AtResponse remove(const AtCommand &command);

    // The address a text mode command names, in the terminal's character set, and its type.
    std::optional<std::pair<QString, int>> address(const QByteArray &number,
                                                   const QByteArray &type) const;
    // The service centre address and SMS-SUBMIT that text mode makes of a body, in hex.
    std::optional<QByteArray> textModePdu(const QString &destination, int type,
                                          const QByteArray &body) const;
    AtResponse store(const QByteArray &pdu, int tpduLength, MessageStatus status);
    // received: the hex digits as the terminal sent them, none in text mode.
    AtResponse sendPdu(const QByteArray &pdu, int tpduLength, const QByteArray &received);
    AtResponse accept(const SmsSubmit &submit, const QByteArray &pdu, const QByteArray &command);
    // What the recipient of a message gets, from this modem's number.
    SmsDeliver delivery(const SmsSubmit &submit, const QString &centre, int centreType) const;
    // A send the network refuses, as rejectSends asked.
    std::optional<AtResponse> refusal(const SmsSubmit &submit);
    AtResponse acknowledge(const AtCommand &command);
    void acknowledgementMissed();
    // Something from the network, stored or passed on as +CNMI says; false when it must wait
    // in the network for room.
    bool receive(const SmsDeliver &message);
    bool receiveReport(const SmsStatusReport &report);
    // Routed to the terminal: under +CSMS=1 it must acknowledge the message with +CNMA.
    void route(const QByteArrayList &lines);
    void indicate(const QByteArrayList &lines);
    // Kept in the network, the oldest dropped past what it keeps.
    void waitInNetwork(const std::variant<SmsDeliver, SmsStatusReport> &waiting);

    const EquipmentSettings &m_equipment;
    const SmsParameters &m_parameters;
    const NetworkCommands &m_network;
    const Identity &m_identity;
    Router m_router;
    MessageSettings m_settings;
    MessageStore m_store;
    // Indications held in the modem while +CNMI's <mode> is 0.
    QList<QByteArrayList> m_heldIndications;
    int m_nextReference = 1;
    int m_nextConcatenationReference = 1;
    QList<AcceptedMessage> m_accepted;
    StatusReportQueue m_reports;
    // Messages and reports the modem had no room for or was not registered to take, oldest
    // first; at most 1000.
    QList<std::variant<SmsDeliver, SmsStatusReport>> m_waitingInNetwork;
    int m_rejectCause = 0;
    int m_rejectCount = 0;
    // Runs while a routed message waits for +CNMA.
    QTimer m_acknowledgement;
    // Runs while +CMMS=1 keeps the link open.
    QTimer m_link;
};
