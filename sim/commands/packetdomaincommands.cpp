// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "packetdomaincommands.h"

#include <algorithm>

namespace {

constexpr int MaxContext = 10;
constexpr const char *PdpTypes[] = {"IP", "IPV6", "IPV4V6"};

} // namespace

void PacketDomainCommands::addTo(CommandTable &table) {
    using Self = PacketDomainCommands;
    const CommandTable::Row<Self> rows[] = {
        // Each PDP type with the contexts, data compressions and header compressions it takes.
        {.name = "+CGDCONT",
         .test = &Self::contextRanges,
         .read = &Self::readContexts,
         .set = &Self::defineContext},
        {.name = "+CGEREP",
         .test = CommandTable::answer("+CGEREP: (0-2),(0,1)"),
         .read = &Self::readEventReporting,
         .set = &Self::setEventReporting},
    };
    table.add(this, rows);
}

// +CGDCONT=<cid>[,<PDP_type>[,<APN>...]]: defines the context; its number alone undefines it.
AtResponse PacketDomainCommands::defineContext(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto id = AtParameter::required(arguments.value(0), 1, MaxContext);
    if (!id)
        return AtResponse::error();
    if (arguments.size() == 1) {
        m_contexts.erase(*id);
        return AtResponse::ok();
    }
    const auto type = AtParameter::string(arguments.value(1));
    const auto accessPoint = AtParameter::string(arguments.value(2));
    if (!type || !accessPoint ||
        std::find(std::begin(PdpTypes), std::end(PdpTypes), type->toUpper()) == std::end(PdpTypes))
        return AtResponse::error();
    m_contexts[*id] = {type->toUpper(), *accessPoint};
    return AtResponse::ok();
}

// Each PDP type with the contexts, data compressions and header compressions it takes.
AtResponse PacketDomainCommands::contextRanges(const AtCommand &) const {
    QByteArrayList lines;
    for (const char *type : PdpTypes) {
        lines +=
            "+CGDCONT: (1-" + QByteArray::number(MaxContext) + "),\"" + type + "\",,,(0-2),(0-4)";
    }
    return {.information = {lines}};
}

AtResponse PacketDomainCommands::readContexts(const AtCommand &) const {
    QByteArrayList lines;
    for (const auto &[id, context] : m_contexts) {
        lines += "+CGDCONT: " + QByteArray::number(id) + ",\"" + context.type + "\",\"" +
                 context.accessPoint + "\",\"\",0,0";
    }
    return lines.isEmpty() ? AtResponse::ok() : AtResponse{.information = {lines}};
}

AtResponse PacketDomainCommands::setEventReporting(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto mode = AtParameter::number(arguments.value(0), 0, 2);
    const auto buffer = AtParameter::number(arguments.value(1), 0, 1);
    if (arguments.size() > 2 || !mode || !buffer)
        return AtResponse::error();
    m_settings = {*mode, *buffer};
    return AtResponse::ok();
}

AtResponse PacketDomainCommands::readEventReporting(const AtCommand &) const {
    return AtResponse::text("+CGEREP: " + QByteArray::number(m_settings.eventMode) + ',' +
                            QByteArray::number(m_settings.eventBuffer));
}
