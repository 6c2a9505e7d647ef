// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "equipmentcommands.h"

#include "identity.h"
#include "modemidentity.h"

namespace {

using Handler = CommandTable::Handler;

// The SIM's phonebook: there is one, and it is empty.
constexpr int PhonebookSize = 250;

CommandTable::Entry identification(const char *text) {
    return {.test = CommandTable::exists(), .action = CommandTable::answer(text)};
}

// What tells this modem from the others of its network, read when asked.
CommandTable::Entry identification(const QString &text) {
    return {.test = CommandTable::exists(),
            .action = [&text](const AtCommand &) { return AtResponse::text(text.toLatin1()); }};
}

} // namespace

void EquipmentCommands::addTo(CommandTable &table) {
    const Handler readErrorReporting = [this](const AtCommand &) {
        return AtResponse::text("+CMEE: " + QByteArray::number(m_settings.errorReporting));
    };
    const Handler setCharacterSet = [this](const AtCommand &command) {
        const auto name = AtParameter::string(command.value);
        const auto set = name && !name->isEmpty() ? CharacterSet::fromName(*name)
                                                  : std::optional<CharacterSet>(CharacterSet());
        if (!name || !set)
            return AtResponse::error();
        m_settings.characterSet = *set;
        return AtResponse::ok();
    };
    const Handler readCharacterSet = [this](const AtCommand &) {
        return AtResponse::text("+CSCS: \"" + m_settings.characterSet.name() + '"');
    };
    const Handler selectPhonebook = [](const AtCommand &command) {
        const auto storage = AtParameter::string(command.value);
        if (!storage)
            return AtResponse::error();
        if (storage->toUpper() != "SM")
            return AtResponse::cmeError(CmeError::OperationNotSupported);
        return AtResponse::ok();
    };

    table.add("+CGMI", identification(ModemIdentity::Manufacturer));
    table.add("+CGMM", identification(ModemIdentity::Model));
    table.add("+CGMR", identification(ModemIdentity::Revision));
    table.add("+CGSN", identification(m_identity.imei));
    table.add("+CIMI", identification(m_identity.imsi));
    table.add("+CMEE", {.test = CommandTable::answer("+CMEE: (0-2)"),
                        .read = readErrorReporting,
                        .set = CommandTable::value(m_settings.errorReporting, 0, 2)});
    table.add("+CSCS", {.test = CommandTable::answer("+CSCS: " + CharacterSet::supported()),
                        .read = readCharacterSet,
                        .set = setCharacterSet});
    table.add("+CPBS",
              {.test = CommandTable::answer("+CPBS: (\"SM\")"),
               .read = CommandTable::answer("+CPBS: \"SM\",0," + QByteArray::number(PhonebookSize)),
               .set = selectPhonebook});
    // Powered from its line, with no battery: <bcs> 2.
    table.add("+CBC", {.test = CommandTable::answer("+CBC: (0-3),(0-100)"),
                       .action = CommandTable::answer("+CBC: 2,0")});
}
