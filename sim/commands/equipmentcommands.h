// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "characterset.h"
#include "commandtable.h"

struct Identity;

// What the general commands of 3GPP TS 27.007 set.
struct EquipmentSettings {
    // +CMEE: errors as plain ERROR (0), +CME ERROR with a number (1) or with words (2).
    int errorReporting = 0;
    // +CSCS: the set of the strings exchanged with the terminal.
    CharacterSet characterSet;
};

// The general commands of 3GPP TS 27.007: identification, error reporting, character set, and
// the SIM's phonebook.
class EquipmentCommands {
public:
    explicit EquipmentCommands(const Identity &identity)
        : m_identity(identity) {}
    // The table's handlers refer to the settings in place.
    Q_DISABLE_COPY_MOVE(EquipmentCommands)

    void addTo(CommandTable &table);
    const EquipmentSettings &settings() const { return m_settings; }
    void restoreDefaults() { m_settings = {}; }

private:
    AtResponse readErrorReporting(const AtCommand &command) const;
    AtResponse setCharacterSet(const AtCommand &command);
    AtResponse readCharacterSet(const AtCommand &command) const;
    AtResponse selectPhonebook(const AtCommand &command) const;

    EquipmentSettings m_settings;
    const Identity &m_identity;
};
