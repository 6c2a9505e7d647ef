// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

// What the call commands set.
struct CallSettings {
    bool cellularResultCodes = false; // +CRC: +CRING rather than RING
    bool callWaitingCodes = false;    // +CCWA: +CCWA codes for a waiting call
};

// The call commands of 3GPP TS 27.007 that a client sets up a modem's voice with: the current
// calls (+CLCC, 7.18), how an incoming call rings (+CRC, 6.11) and whether a waiting call is
// told of (+CCWA, 7.12). No call ever comes or goes, so the list is empty and the settings are
// only kept.
class CallCommands {
public:
    CallCommands() = default;
    // The table's handlers refer to the settings in place.
    Q_DISABLE_COPY_MOVE(CallCommands)

    void addTo(CommandTable &table);
    void restoreDefaults() { m_settings = {}; }

private:
    AtResponse readCellularResultCodes(const AtCommand &command) const;
    AtResponse setCallWaiting(const AtCommand &command);
    AtResponse readCallWaiting(const AtCommand &command) const;

    CallSettings m_settings;
};
