// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "v250commands.h"

#include "identity.h"
#include "modemidentity.h"

#include <utility>

namespace {

using Handler = CommandTable::Handler;

// An S-parameter reads as three digits, leading zeros included.
QByteArray threeDigits(int value) {
    return QByteArray::number(value).rightJustified(3, '0');
}

Handler readValue(const int &setting) {
    return [&setting](const AtCommand &) { return AtResponse::text(threeDigits(setting)); };
}

} // namespace

V250Commands::V250Commands(std::function<void()> restoreAll, const Identity &identity)
    : m_restoreAll(std::move(restoreAll))
    , m_identity(identity) {}

void V250Commands::addTo(CommandTable &table) {
    using Self = V250Commands;
    V250Settings &s = m_settings;
    const CommandTable::Row<Self> rows[] = {
        {.name = "E", .action = CommandTable::flag(s.echo)},
        {.name = "Q", .action = CommandTable::flag(s.quiet)},
        {.name = "V", .action = CommandTable::flag(s.verbose)},
        {.name = "Z", .action = &Self::restore},
        {.name = "&F", .action = &Self::restore},
        {.name = "&V", .action = &Self::profile},
        {.name = "&C", .action = CommandTable::value(s.dcdMode, 0, 1)},
        {.name = "&D", .action = CommandTable::value(s.dtrMode, 0, 2)},
        {.name = "I", .action = &Self::identification},
        // A packet data call (ATD*99#, 27.007 10.2.1.1) finds no carrier; a voice call is not
        // offered.
        {.name = "D", .action = &Self::dial},
        {.name = "X", .action = CommandTable::value(s.resultCodes, 0, 4)},
        // Hangs up a call: there never is one.
        {.name = "H", .action = &Self::hangUp},
        {.name = "S0",
         .read = readValue(s.autoAnswerRings),
         .set = CommandTable::value(s.autoAnswerRings, 0, 255)},
        {.name = "S3", .read = readValue(s.lineEnd), .set = CommandTable::value(s.lineEnd, 0, 127)},
        {.name = "S4",
         .read = readValue(s.responseEnd),
         .set = CommandTable::value(s.responseEnd, 0, 127)},
        {.name = "S5",
         .read = readValue(s.backspace),
         .set = CommandTable::value(s.backspace, 0, 127)},
        {.name = "S7",
         .read = readValue(s.connectionWait),
         .set = CommandTable::value(s.connectionWait, 1, 255)},
        {.name = "+GMI",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Manufacturer)},
        {.name = "+GMM",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Model)},
        {.name = "+GMR",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Revision)},
        {.name = "+GSN",
         .test = CommandTable::exists(),
         .action = CommandTable::Handler(
             [this](const AtCommand &) { return AtResponse::text(m_identity.imei.toLatin1()); })},
        {.name = "+IFC",
         .test = CommandTable::answer("+IFC: (0-3),(0-2)"),
         .read = &Self::readFlowControl,
         .set = &Self::setFlowControl},
        // The modem takes the GSM commands of 3GPP TS 27.007.
        {.name = "+GCAP",
         .test = CommandTable::exists(),
         .action = CommandTable::answer("+GCAP: +CGSM")},
    };
    table.add(this, rows);
}

AtResponse V250Commands::dial(const AtCommand &command) const {
    const bool packetData = command.value.startsWith("*99") && command.value.endsWith('#');
    return packetData ? AtResponse::noCarrier() : AtResponse::error();
}

AtResponse V250Commands::hangUp(const AtCommand &command) const {
    return AtParameter::number(command.value, 0, 0) ? AtResponse::ok() : AtResponse::error();
}

AtResponse V250Commands::restore(const AtCommand &command) {
    if (!AtParameter::number(command.value, 0, 0))
        return AtResponse::error();
    m_restoreAll();
    return AtResponse::ok();
}

AtResponse V250Commands::profile(const AtCommand &) const {
    const V250Settings &s = m_settings;
    return AtResponse::text(
        "E" + QByteArray::number(s.echo) + " Q" + QByteArray::number(s.quiet) + " V" +
        QByteArray::number(s.verbose) + " &C" + QByteArray::number(s.dcdMode) + " &D" +
        QByteArray::number(s.dtrMode) + " S0:" + threeDigits(s.autoAnswerRings) +
        " S3:" + threeDigits(s.lineEnd) + " S4:" + threeDigits(s.responseEnd) +
        " S5:" + threeDigits(s.backspace) + " S7:" + threeDigits(s.connectionWait));
}

AtResponse V250Commands::identification(const AtCommand &command) const {
    if (!AtParameter::number(command.value, 0, 0))
        return AtResponse::error();
    return AtResponse::text(ModemIdentity::Identification);
}

// +IFC=[<DCE_by_DTE>[,<DTE_by_DCE>]] (V.250 6.2.12): none (0), DC1/DC3 (1, and 3 passing them
// on), or the circuits (2).
AtResponse V250Commands::setFlowControl(const AtCommand &command) {
    V250Settings &s = m_settings;
    const QList<QByteArray> arguments = command.arguments();
    const auto byTerminal = AtParameter::number(arguments.value(0), 0, 3, s.flowControlByTerminal);
    const auto byModem = AtParameter::number(arguments.value(1), 0, 2, s.flowControlByModem);
    if (arguments.size() > 2 || !byTerminal || !byModem)
        return AtResponse::error();
    s.flowControlByTerminal = *byTerminal;
    s.flowControlByModem = *byModem;
    return AtResponse::ok();
}

AtResponse V250Commands::readFlowControl(const AtCommand &) const {
    return AtResponse::text("+IFC: " + QByteArray::number(m_settings.flowControlByTerminal) + ',' +
                            QByteArray::number(m_settings.flowControlByModem));
}
