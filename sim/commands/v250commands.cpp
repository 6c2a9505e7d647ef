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
    V250Settings &s = m_settings;
    const Handler restore = [this](const AtCommand &command) {
        if (!AtParameter::number(command.value, 0, 0))
            return AtResponse::error();
        m_restoreAll();
        return AtResponse::ok();
    };
    const Handler profile = [&s](const AtCommand &) {
        return AtResponse::text(
            "E" + QByteArray::number(s.echo) + " Q" + QByteArray::number(s.quiet) + " V" +
            QByteArray::number(s.verbose) + " &C" + QByteArray::number(s.dcdMode) + " &D" +
            QByteArray::number(s.dtrMode) + " S0:" + threeDigits(s.autoAnswerRings) +
            " S3:" + threeDigits(s.lineEnd) + " S4:" + threeDigits(s.responseEnd) +
            " S5:" + threeDigits(s.backspace) + " S7:" + threeDigits(s.connectionWait));
    };
    const Handler identification = [](const AtCommand &command) {
        if (!AtParameter::number(command.value, 0, 0))
            return AtResponse::error();
        return AtResponse::text(ModemIdentity::Identification);
    };

    // +IFC=[<DCE_by_DTE>[,<DTE_by_DCE>]] (V.250 6.2.12): none (0), DC1/DC3 (1, and 3 passing them
    // on), or the circuits (2).
    const Handler setFlowControl = [&s](const AtCommand &command) {
        const QList<QByteArray> arguments = command.arguments();
        const auto byTerminal =
            AtParameter::number(arguments.value(0), 0, 3, s.flowControlByTerminal);
        const auto byModem = AtParameter::number(arguments.value(1), 0, 2, s.flowControlByModem);
        if (arguments.size() > 2 || !byTerminal || !byModem)
            return AtResponse::error();
        s.flowControlByTerminal = *byTerminal;
        s.flowControlByModem = *byModem;
        return AtResponse::ok();
    };

    table.add("E", {.action = CommandTable::flag(s.echo)});
    table.add("Q", {.action = CommandTable::flag(s.quiet)});
    table.add("V", {.action = CommandTable::flag(s.verbose)});
    table.add("Z", {.action = restore});
    table.add("&F", {.action = restore});
    table.add("&V", {.action = profile});
    table.add("&C", {.action = CommandTable::value(s.dcdMode, 0, 1)});
    table.add("&D", {.action = CommandTable::value(s.dtrMode, 0, 2)});
    table.add("I", {.action = identification});
    table.add("S0", {.read = readValue(s.autoAnswerRings),
                     .set = CommandTable::value(s.autoAnswerRings, 0, 255)});
    table.add("S3", {.read = readValue(s.lineEnd), .set = CommandTable::value(s.lineEnd, 0, 127)});
    table.add("S4", {.read = readValue(s.responseEnd),
                     .set = CommandTable::value(s.responseEnd, 0, 127)});
    table.add("S5",
              {.read = readValue(s.backspace), .set = CommandTable::value(s.backspace, 0, 127)});
    table.add("S7", {.read = readValue(s.connectionWait),
                     .set = CommandTable::value(s.connectionWait, 1, 255)});
    table.add("+GMI", {.test = CommandTable::exists(),
                       .action = CommandTable::answer(ModemIdentity::Manufacturer)});
    table.add("+GMM", {.test = CommandTable::exists(),
                       .action = CommandTable::answer(ModemIdentity::Model)});
    table.add("+GMR", {.test = CommandTable::exists(),
                       .action = CommandTable::answer(ModemIdentity::Revision)});
    table.add("+GSN", {.test = CommandTable::exists(), .action = [this](const AtCommand &) {
                           return AtResponse::text(m_identity.imei.toLatin1());
                       }});
    table.add("+IFC", {.test = CommandTable::answer("+IFC: (0-3),(0-2)"),
                       .read =
                           [&s](const AtCommand &) {
                               return AtResponse::text(
                                   "+IFC: " + QByteArray::number(s.flowControlByTerminal) + ',' +
                                   QByteArray::number(s.flowControlByModem));
                           },
                       .set = setFlowControl});
    // The modem takes the GSM commands of 3GPP TS 27.007.
    table.add("+GCAP",
              {.test = CommandTable::exists(), .action = CommandTable::answer("+GCAP: +CGSM")});
}
