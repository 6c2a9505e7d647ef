// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "callcommands.h"

void CallCommands::addTo(CommandTable &table) {
    using Self = CallCommands;
    const CommandTable::Row<Self> rows[] = {
        // No calls: an empty list.
        {.name = "+CLCC", .test = CommandTable::exists(), .action = CommandTable::exists()},
        {.name = "+CRC",
         .test = CommandTable::answer("+CRC: (0,1)"),
         .read = &Self::readCellularResultCodes,
         .set = CommandTable::flag(m_settings.cellularResultCodes)},
        {.name = "+CCWA",
         .test = CommandTable::answer("+CCWA: (0,1)"),
         .read = &Self::readCallWaiting,
         .set = &Self::setCallWaiting},
    };
    table.add(this, rows);
}

AtResponse CallCommands::readCellularResultCodes(const AtCommand &) const {
    return AtResponse::text("+CRC: " + QByteArray::number(m_settings.cellularResultCodes));
}

// +CCWA=[<n>[,<mode>[,<class>]]]: the codes on or off; asking the network (<mode> 2) finds the
// service off, as no call is ever made to wait.
AtResponse CallCommands::setCallWaiting(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto codes = AtParameter::number(arguments.value(0), 0, 1);
    const auto mode = AtParameter::number(arguments.value(1), 0, 2);
    const auto classes = AtParameter::number(arguments.value(2), 1, 255, 7);
    if (arguments.size() > 3 || !codes || !mode || !classes)
        return AtResponse::error();
    m_settings.callWaitingCodes = *codes == 1;
    if (*mode == 2)
        return AtResponse::text("+CCWA: 0," + QByteArray::number(*classes));
    return AtResponse::ok();
}

AtResponse CallCommands::readCallWaiting(const AtCommand &) const {
    return AtResponse::text("+CCWA: " + QByteArray::number(m_settings.callWaitingCodes));
}
