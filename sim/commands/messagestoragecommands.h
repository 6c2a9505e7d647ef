// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"
#include "messagestore.h"

#include <QByteArray>
#include <QObject>

#include <optional>

struct EquipmentSettings;
struct SmsParameters;

// The commands of 3GPP TS 27.005 that choose the message storages and write, list, read and
// delete the messages in them (+CPMS, +CMGW, +CMGL, +CMGR, +CMGD).
class MessageStorageCommands : public QObject {
    Q_OBJECT

public:
    MessageStorageCommands(const EquipmentSettings &equipment, const SmsParameters &parameters,
                           QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults();

    // Full, the storages take no more than they hold now.
    void setFull(bool full);

    // Where received messages and status reports go, as +CPMS's third storage says.
    const QByteArray &receiveStorage() const { return m_receiveStorage; }
    bool isReceiveStorageFull() const {
        return m_store.used(m_receiveStorage) >= m_store.capacity(m_receiveStorage);
    }
    // Into the storage for received messages; nothing when it is full.
    std::optional<int> addReceived(const StoredMessage &message);
    // A message in the storage +CMSS sends from, as +CPMS's second storage says.
    StoredMessage *findWritten(int index) { return m_store.find(m_writeStorage, index); }

signals:
    // A storage may have room again.
    void roomMade();
    void noted(const QString &event);

private:
    AtResponse listStorages(const AtCommand &command) const;
    AtResponse readStorages(const AtCommand &command) const;
    AtResponse selectStorages(const AtCommand &command);
    AtResponse write(const AtCommand &command);
    AtResponse listTest(const AtCommand &command) const;
    AtResponse list(const AtCommand &command);
    AtResponse read(const AtCommand &command);
    AtResponse removeTest(const AtCommand &command) const;
    AtResponse remove(const AtCommand &command);
    AtResponse store(const QByteArray &pdu, int tpduLength, MessageStatus status);

    const EquipmentSettings &m_equipment;
    const SmsParameters &m_parameters;
    MessageStore m_store;
    // +CPMS: where messages are read and deleted, where they are written and sent from, and
    // where received ones go.
    QByteArray m_readStorage;
    QByteArray m_writeStorage;
    QByteArray m_receiveStorage;
};
