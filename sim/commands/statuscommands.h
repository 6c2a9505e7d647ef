// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <QByteArrayList>
#include <QObject>

#include <array>
#include <functional>

class NetworkCommands;

// What the status commands set.
struct StatusSettings {
    // +CMER: whether indicator events are forwarded (mode 1 to 3) and which (<ind> 1 or 2).
    int eventMode = 0;
    int indicatorEvents = 0;
    // +CTZU: whether the network's time zone sets the clock; +CTZR: how a change is reported.
    int timeZoneUpdate = 0;
    int timeZoneReporting = 0;
};

// The mobile termination's control and status commands of 3GPP TS 27.007 chapter 8 that clients
// probe for: its indicators (+CIND, 8.9) and their events (+CMER, 8.10, as +CIEV), its clock
// (+CCLK, 8.15) and time zone reporting (+CTZU, 8.41; +CTZR, 8.40), and the extended signal
// quality (+CESQ, 8.69).
class StatusCommands : public QObject {
    Q_OBJECT

public:
    // The indicators follow the network and the message storage.
    StatusCommands(const NetworkCommands &network, std::function<bool()> storageFull,
                   QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults() { m_settings = {}; }
    // Tells of the indicators that changed since they were last told, as +CMER asks.
    void refresh();

signals:
    void unsolicited(const QByteArrayList &lines);

private:
    // signal, service, message, call, roam and smsfull, in +CIND's order.
    std::array<int, 6> indicators() const;
    AtResponse readIndicators(const AtCommand &command) const;
    AtResponse setEventReporting(const AtCommand &command);
    AtResponse readEventReporting(const AtCommand &command) const;
    AtResponse readClock(const AtCommand &command) const;
    AtResponse setClock(const AtCommand &command);
    AtResponse readTimeZoneUpdate(const AtCommand &command) const;
    AtResponse readTimeZoneReporting(const AtCommand &command) const;
    AtResponse extendedSignalQuality(const AtCommand &command) const;

    const NetworkCommands &m_network;
    std::function<bool()> m_storageFull;
    StatusSettings m_settings;
    std::array<int, 6> m_told{};
    // How far the modem's clock is from the system's, once +CCLK has set it.
    qint64 m_clockOffset = 0;
};
