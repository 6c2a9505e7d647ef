// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "acceptedmessage.h"
#include "commandtable.h"
#include "messagestore.h"

#include <QByteArrayList>
#include <QList>
#include <QObject>

#include <optional>

class NetworkCommands;
struct EquipmentSettings;
struct SmsParameters;

// What the message commands set.
struct MessageSettings {
    // +CPMS: where messages are read and deleted, where they are written and sent from, and
    // where received ones go.
    QByteArray readStorage = "SM";
    QByteArray writeStorage = "SM";
    QByteArray receiveStorage = "SM";
    // +CNMI <mode>,<mt>,<bm>,<ds>,<bfr>: indications go to the terminal, held while it is busy
    // with a command; each received message is stored and announced with +CMTI. A program that
    // never sends +CNMI, as ModemPad does not, still learns of each message.
    QList<int> indications{2, 1, 0, 0, 0};
};

// The commands of 3GPP TS 27.005 that send, store, list, read and delete messages, and the
// arrival of messages from the network. The modem keeps what is sent to it; it sends nothing
// anywhere, except that a message to its own number comes back to it.
class MessageCommands : public QObject {
    Q_OBJECT

public:
    MessageCommands(const EquipmentSettings &equipment, const SmsParameters &parameters,
                    const NetworkCommands &network, QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults();

    // The last 256 messages taken for sending, the oldest first: one for each message reference.
    QList<AcceptedMessage> acceptedMessages() const { return m_accepted; }

    // A message from the network, sent at the given time; one too long for a single message
    // arrives in parts. False when it would need more parts than a long message can have.
    bool receiveText(const QString &originator, const QString &text, const QDateTime &sent);

signals:
    void messageAccepted(const AcceptedMessage &message);
    void unsolicited(const QByteArrayList &lines);
    // For logs: what became of a message that arrived.
    void noted(const QString &event);

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
    void receive(const SmsDeliver &message);
    void indicate(const QByteArrayList &lines);

    const EquipmentSettings &m_equipment;
    const SmsParameters &m_parameters;
    const NetworkCommands &m_network;
    MessageSettings m_settings;
    MessageStore m_store;
    // Indications held in the modem while +CNMI's <mode> is 0.
    QList<QByteArrayList> m_heldIndications;
    int m_nextReference = 1;
    int m_nextConcatenationReference = 1;
    QList<AcceptedMessage> m_accepted;
};
