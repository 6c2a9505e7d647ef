// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <QByteArray>

#include <map>

// What the packet domain commands set.
struct PacketDomainSettings {
    // +CGEREP: whether packet domain events are buffered or forwarded, and the buffer's fate.
    int eventMode = 0;
    int eventBuffer = 0;
};

// The packet domain commands of 3GPP TS 27.007 chapter 10 that clients set up before a data
// call: +CGDCONT (10.1.1) keeps the PDP contexts defined, +CGEREP (10.1.19) how events are
// reported. The modem makes no data call.
class PacketDomainCommands {
public:
    PacketDomainCommands() = default;
    // The table's handlers refer to the settings in place.
    Q_DISABLE_COPY_MOVE(PacketDomainCommands)

    void addTo(CommandTable &table);
    void restoreDefaults() { m_settings = {}; }

private:
    struct Context {
        QByteArray type;
        QByteArray accessPoint;
    };

    AtResponse contextRanges(const AtCommand &command) const;
    AtResponse defineContext(const AtCommand &command);
    AtResponse readContexts(const AtCommand &command) const;
    AtResponse setEventReporting(const AtCommand &command);
    AtResponse readEventReporting(const AtCommand &command) const;

    PacketDomainSettings m_settings;
    // Kept as a SIM or the modem's memory keeps them: ATZ leaves them.
    std::map<int, Context> m_contexts;
};
