// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "equipmentcommands.h"

#include "identity.h"
#include "modemidentity.h"

namespace {

// The SIM's phonebook: there is one, and it is empty.
constexpr int PhonebookSize = 250;

} // namespace

void EquipmentCommands::addTo(CommandTable &table) {
    using Self = EquipmentCommands;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CGMI",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Manufacturer)},
        {.name = "+CGMM",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Model)},
        {.name = "+CGMR",
         .test = CommandTable::exists(),
         .action = CommandTable::answer(ModemIdentity::Revision)},
        {.name = "+CGSN",
         .test = CommandTable::exists(),
         .action = CommandTable::Handler(
             [this](const AtCommand &) { return AtResponse::text(m_identity.imei.toLatin1()); })},
        {.name = "+CIMI",
         .test = CommandTable::exists(),
         .action = CommandTable::Handler(
             [this](const AtCommand &) { return AtResponse::text(m_identity.imsi.toLatin1()); }),
         .sim = CommandTable::Sim::Equipment},
        {.name = "+CMEE",
         .test = CommandTable::answer("+CMEE: (0-2)"),
         .read = &Self::readErrorReporting,
         .set = CommandTable::value(m_settings.errorReporting, 0, 2)},
        {.name = "+CSCS",
         .test = CommandTable::answer("+CSCS: " + CharacterSet::supported()),
         .read = &Self::readCharacterSet,
         .set = &Self::setCharacterSet},
        {.name = "+CPBS",
         .test = CommandTable::answer("+CPBS: (\"SM\")"),
         .read = CommandTable::answer("+CPBS: \"SM\",0," + QByteArray::number(PhonebookSize)),
         .set = &Self::selectPhonebook,
         .sim = CommandTable::Sim::Equipment},
        // Powered from its line, with no battery: <bcs> 2.
        {.name = "+CBC",
         .test = CommandTable::answer("+CBC: (0-3),(0-100)"),
         .action = CommandTable::answer("+CBC: 2,0")},
        // Ready for commands (<pas> 0): the modem neither rings nor holds a call.
        {.name = "+CPAS",
         .test = CommandTable::answer("+CPAS: (0-5)"),
         .action = CommandTable::answer("+CPAS: 0")},
    };
    table.add(this, rows);
}

AtResponse EquipmentCommands::readErrorReporting(const AtCommand &) const {
    return AtResponse::text("+CMEE: " + QByteArray::number(m_settings.errorReporting));
}

AtResponse EquipmentCommands::setCharacterSet(const AtCommand &command) {
    const auto name = AtParameter::string(command.value);
    const auto set = name && !name->isEmpty() ? CharacterSet::fromName(*name)
                                              : std::optional<CharacterSet>(CharacterSet());
    if (!name || !set)
        return AtResponse::error();
    m_settings.characterSet = *set;
    return AtResponse::ok();
}

AtResponse EquipmentCommands::readCharacterSet(const AtCommand &) const {
    return AtResponse::text("+CSCS: \"" + m_settings.characterSet.name() + '"');
}

AtResponse EquipmentCommands::selectPhonebook(const AtCommand &command) const {
    const auto storage = AtParameter::string(command.value);
    if (!storage)
        return AtResponse::error();
    if (storage->toUpper() != "SM")
        return AtResponse::cmeError(CmeError::OperationNotSupported);
    return AtResponse::ok();
}
