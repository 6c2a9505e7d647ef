// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "acceptedmessage.h"
#include "commandtable.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

class MessageDelivery;
class MessageStorageCommands;
class NetworkCommands;
struct EquipmentSettings;
struct SmsParameters;

// The commands of 3GPP TS 27.005 that send a message, as a PDU or in text mode, or one from
// storage (+CMGS, +CMSS), and keep the link to the network open between them (+CMMS). The
// network carries what the modem takes.
class MessageSendingCommands : public QObject {
    Q_OBJECT

public:
    MessageSendingCommands(const EquipmentSettings &equipment, const SmsParameters &parameters,
                           const NetworkCommands &network, MessageStorageCommands &storage,
                           MessageDelivery &delivery, QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults();

    // The messages taken for sending, the oldest first: one for each message reference.
    QList<AcceptedMessage> acceptedMessages() const { return m_accepted; }

signals:
    void messageAccepted(const AcceptedMessage &message);
    void noted(const QString &event);

private:
    AtResponse send(const AtCommand &command);
    AtResponse sendStored(const AtCommand &command);
    AtResponse readMoreMessages(const AtCommand &command) const;
    AtResponse setMoreMessages(const AtCommand &command);
    void linkClosed();

    // received: the hex digits as the terminal sent them, none in text mode.
    AtResponse sendPdu(const QByteArray &pdu, int tpduLength, const QByteArray &received);
    AtResponse accept(const SmsSubmit &submit, const QByteArray &pdu, const QByteArray &command);

    const EquipmentSettings &m_equipment;
    const SmsParameters &m_parameters;
    const NetworkCommands &m_network;
    MessageStorageCommands &m_storage;
    MessageDelivery &m_delivery;
    // +CMMS: the link to the network closes after each message (0), stays open while messages
    // follow each other closely (1), or stays open (2).
    int m_moreMessages = 0;
    int m_nextReference = 1;
    QList<AcceptedMessage> m_accepted;
    // Runs while +CMMS=1 keeps the link open.
    QTimer m_link;
};
