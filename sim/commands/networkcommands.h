// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <QByteArrayList>
#include <QObject>

struct EquipmentSettings;

// What the network commands set.
struct NetworkSettings {
    // +COPS=3,<format>: operator names long (0), short (1) or numeric (2).
    int operatorFormat = 0;
    // +CREG and +CGREG: no unsolicited codes (0), the status (1), also the location (2).
    int registrationReporting = 0;
    int gprsRegistrationReporting = 0;
    bool callingLineIdentity = false; // +CLIP
};

// The network commands of 3GPP TS 27.007 against one fictional operator, which the modem is
// registered with while it has full functionality (+CFUN=1). In minimum functionality or with
// its radio off it is deregistered, and says so with the unsolicited codes asked for.
class NetworkCommands : public QObject {
    Q_OBJECT

public:
    explicit NetworkCommands(const EquipmentSettings &equipment, QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults() { m_settings = {}; }

    bool isRegistered() const { return m_functionality == 1; }

signals:
    void unsolicited(const QByteArrayList &lines);

private:
    bool isAttached() const { return isRegistered() && m_attachWanted; }
    QByteArray registration(const QByteArray &name, int reporting, bool registered,
                            bool unsolicited) const;
    void changeService(int functionality, bool attachWanted);
    QByteArray operatorName(int format) const;

    const EquipmentSettings &m_equipment;
    NetworkSettings m_settings;
    // The modem's state, not its settings: ATZ leaves them.
    int m_functionality = 1;
    bool m_attachWanted = true;
};
