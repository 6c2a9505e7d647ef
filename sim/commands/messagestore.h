// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smsdeliver.h"
#include "smsstatusreport.h"
#include "smssubmit.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <QMap>

#include <optional>
#include <variant>

// The <stat> of a stored message (3GPP TS 27.005, 3.1), in its numeric order.
enum class MessageStatus { ReceivedUnread, ReceivedRead, StoredUnsent, StoredSent };

struct StoredMessage {
    MessageStatus status = MessageStatus::ReceivedUnread;
    // The service centre address and TPDU in hex, as PDU mode shows them.
    QByteArray pdu;
    // A received message is an SMS-DELIVER or an SMS-STATUS-REPORT, one the terminal wrote an
    // SMS-SUBMIT.
    std::variant<SmsDeliver, SmsSubmit, SmsStatusReport> content;

    // In octets, the service centre address left out, as <length> counts it.
    int tpduLength() const { return tpduLength(pdu); }
    static int tpduLength(const QByteArray &pdu);
};

// The messages a modem keeps, by storage and index: "SM", the SIM's 20 slots, and "ME", the
// modem's own 100. Indexes count from 1 within each storage. Made full, each storage holds no
// more than it holds then: room comes back as messages are deleted, or all of it when it is
// made free again.
class MessageStore {
public:
    static QByteArrayList storages() { return {"SM", "ME"}; }
    static int slotCount(const QByteArray &storage) { return storage == "SM" ? 20 : 100; }

    // How many messages the storage takes, as +CPMS shows it.
    int capacity(const QByteArray &storage) const {
        return m_full ? int(m_heldWhenFull.value(storage)) : slotCount(storage);
    }
    void setFull(bool full);

    int used(const QByteArray &storage) const { return int(m_slots.value(storage).size()); }
    // The indexes in use, in order.
    QList<int> indexes(const QByteArray &storage) const { return m_slots.value(storage).keys(); }

    // Into the first free slot; nothing when the storage is full.
    std::optional<int> add(const QByteArray &storage, const StoredMessage &message);
    StoredMessage *find(const QByteArray &storage, int index);
    void remove(const QByteArray &storage, int index) { m_slots[storage].remove(index); }

private:
    QHash<QByteArray, QMap<int, StoredMessage>> m_slots;
    bool m_full = false;
    QHash<QByteArray, qsizetype> m_heldWhenFull;
};
