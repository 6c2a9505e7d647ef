// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagestore.h"

int StoredMessage::tpduLength(const QByteArray &pdu) {
    const int octets = int(pdu.size() / 2);
    return pdu.isEmpty() ? 0 : octets - 1 - quint8(QByteArray::fromHex(pdu.left(2)).at(0));
}

void MessageStore::setFull(bool full) {
    m_full = full;
    m_heldWhenFull.clear();
    for (const QByteArray &storage : storages())
        m_heldWhenFull.insert(storage, used(storage));
}

std::optional<int> MessageStore::add(const QByteArray &storage, const StoredMessage &message) {
    QMap<int, StoredMessage> &inStorage = m_slots[storage];
    if (inStorage.size() >= capacity(storage))
        return std::nullopt;
    for (int index = 1; index <= slotCount(storage); ++index) {
        if (!inStorage.contains(index)) {
            inStorage.insert(index, message);
            return index;
        }
    }
    return std::nullopt;
}

StoredMessage *MessageStore::find(const QByteArray &storage, int index) {
    QMap<int, StoredMessage> &inStorage = m_slots[storage];
    const auto slot = inStorage.find(index);
    return slot == inStorage.end() ? nullptr : &slot.value();
}
