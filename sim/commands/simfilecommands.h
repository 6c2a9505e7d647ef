// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <QByteArray>
#include <QString>

#include <optional>

class SimCommands;
struct Identity;

// The SIM's own files and commands, as a modem passes them through: +CRSM (3GPP TS 27.007,
// 8.18) reads the elementary files of TS 51.011 that clients look for (the card's identity,
// the service provider's name, the administrative data, the emergency numbers, the group
// identifiers, the IMSI); +CSIM (8.17) passes a command to the SIM, of which VERIFY and UNBLOCK
// with no data tell the tries left, the counters +CPIN counts down; +CCID and +ICCID, which
// many modems offer, read the card's identity.
class SimFileCommands {
public:
    // The card's identity (ICCID) and the subscriber's (IMSI) are the modem's, read as they are
    // now; the service provider's name is the home network's.
    SimFileCommands(const SimCommands &sim, const Identity &identity, QString providerName);

    void addTo(CommandTable &table);

private:
    AtResponse restrictedAccess(const AtCommand &command) const;
    AtResponse genericAccess(const AtCommand &command) const;
    AtResponse cardIdentity(const AtCommand &command) const;
    AtResponse iccidIdentity(const AtCommand &command) const;
    // An elementary file's contents by its identifier; nothing for a file the SIM lacks.
    std::optional<QByteArray> file(int id) const;

    const SimCommands &m_sim;
    const Identity &m_identity;
    QString m_providerName;
};
