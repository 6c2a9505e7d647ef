// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smsparametercommands.h"

#include "datacodingscheme.h"
#include "equipmentcommands.h"

namespace {

using Handler = CommandTable::Handler;

// A list such as "0,1,5,320-478,922" of values up to maximum (TS 27.005 3.3.4); empty is none.
bool isValueList(const QByteArray &list, int maximum) {
    if (list.isEmpty())
        return true;
    for (const QByteArray &item : list.split(',')) {
        const QList<QByteArray> bounds = item.split('-');
        const auto first = AtParameter::required(bounds.value(0), 0, maximum);
        const auto last = AtParameter::required(bounds.value(bounds.size() - 1), 0, maximum);
        if (bounds.size() > 2 || !first || !last || *first > *last)
            return false;
    }
    return true;
}

} // namespace

SmsParameterCommands::SmsParameterCommands(const EquipmentSettings &equipment)
    : m_equipment(equipment) {}

void SmsParameterCommands::restoreDefaults() {
    const SmsParameters kept = m_parameters;
    m_parameters = {};
    m_parameters.serviceCentre = kept.serviceCentre;
    m_parameters.serviceCentreType = kept.serviceCentreType;
}

void SmsParameterCommands::addTo(CommandTable &table) {
    using Self = SmsParameterCommands;
    SmsParameters &p = m_parameters;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CSMS",
         .test = CommandTable::answer("+CSMS: (0,1)"),
         .read = &Self::readService,
         .set = &Self::selectService},
        {.name = "+CMGF",
         .test = CommandTable::answer("+CMGF: (0,1)"),
         .read = &Self::readTextMode,
         .set = CommandTable::flag(p.textMode)},
        {.name = "+CSCA",
         .test = CommandTable::exists(),
         .read = &Self::readServiceCentre,
         .set = &Self::setServiceCentre,
         .sim = CommandTable::Sim::Message},
        {.name = "+CSMP",
         .test = CommandTable::exists(),
         .read = &Self::readTextParameters,
         .set = &Self::setTextParameters},
        {.name = "+CSCB",
         .test = CommandTable::answer("+CSCB: (0,1)"),
         .read = &Self::readBroadcasts,
         .set = &Self::selectBroadcasts},
        {.name = "+CSDH",
         .test = CommandTable::answer("+CSDH: (0,1)"),
         .read = &Self::readShowHeaders,
         .set = CommandTable::flag(p.showHeaders)},
    };
    table.add(this, rows);
}

// Either service takes messages to and from the terminal and cell broadcasts.
AtResponse SmsParameterCommands::selectService(const AtCommand &command) {
    const auto service = AtParameter::required(command.value, 0, 1);
    if (!service)
        return AtResponse::error();
    m_parameters.service = *service;
    return AtResponse::text("+CSMS: 1,1,1");
}

AtResponse SmsParameterCommands::readService(const AtCommand &) const {
    return AtResponse::text("+CSMS: " + QByteArray::number(m_parameters.service) + ",1,1,1");
}

AtResponse SmsParameterCommands::readTextMode(const AtCommand &) const {
    return AtResponse::text("+CMGF: " + QByteArray::number(m_parameters.textMode));
}

AtResponse SmsParameterCommands::readShowHeaders(const AtCommand &) const {
    return AtResponse::text("+CSDH: " + QByteArray::number(m_parameters.showHeaders));
}

AtResponse SmsParameterCommands::setServiceCentre(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto raw = AtParameter::string(arguments.value(0));
    const auto address = raw ? m_equipment.characterSet.decode(*raw) : std::nullopt;
    if (arguments.size() > 2 || !address || !AtParameter::isDialString(*address))
        return AtResponse::error();
    const auto givenType =
        AtParameter::number(arguments.value(1), 0, 255, PduEncoding::addressType(*address));
    if (!givenType)
        return AtResponse::error();
    m_parameters.serviceCentre = *address;
    m_parameters.serviceCentreType = *givenType;
    return AtResponse::ok();
}

AtResponse SmsParameterCommands::readServiceCentre(const AtCommand &) const {
    return AtResponse::text("+CSCA: \"" +
                            m_equipment.characterSet.encode(m_parameters.serviceCentre) + "\"," +
                            QByteArray::number(m_parameters.serviceCentreType));
}

// Text mode sends an SMS-SUBMIT with no validity period or a relative one, and without a user
// data header; the coding scheme chooses the GSM 7-bit alphabet, 8-bit data or UCS2.
AtResponse SmsParameterCommands::setTextParameters(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    SmsParameters &p = m_parameters;
    const auto firstOctet = AtParameter::number(arguments.value(0), 0, 255, p.firstOctet);
    const auto period = AtParameter::number(arguments.value(1), 0, 255, p.validityPeriod);
    const auto protocol = AtParameter::number(arguments.value(2), 0, 255, p.protocolIdentifier);
    const auto coding = AtParameter::number(arguments.value(3), 0, 255, p.dataCodingScheme);
    if (arguments.size() > 4 || !firstOctet || !period || !protocol || !coding)
        return AtResponse::error();
    const int validityFormat = (*firstOctet >> 3) & 0x03;
    if ((*firstOctet & 0x03) != 0x01 || (validityFormat != 0 && validityFormat != 2) ||
        (*firstOctet & 0x40) || DataCodingScheme::fromOctet(*coding).compressed)
        return AtResponse::cmsError(CmsError::OperationNotSupported);
    p.firstOctet = *firstOctet;
    p.validityPeriod = *period;
    p.protocolIdentifier = *protocol;
    p.dataCodingScheme = *coding;
    return AtResponse::ok();
}

AtResponse SmsParameterCommands::readTextParameters(const AtCommand &) const {
    const SmsParameters &p = m_parameters;
    return AtResponse::text("+CSMP: " + QByteArray::number(p.firstOctet) + ',' +
                            QByteArray::number(p.validityPeriod) + ',' +
                            QByteArray::number(p.protocolIdentifier) + ',' +
                            QByteArray::number(p.dataCodingScheme));
}

// +CSCB=[<mode>[,<mids>[,<dcss>]]]
AtResponse SmsParameterCommands::selectBroadcasts(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    SmsParameters &p = m_parameters;
    const auto mode = AtParameter::number(arguments.value(0), 0, 1);
    const auto identifiers = AtParameter::string(arguments.value(1));
    const auto codings = AtParameter::string(arguments.value(2));
    if (arguments.size() > 3 || !mode || !identifiers || !codings ||
        !isValueList(*identifiers, 65535) || !isValueList(*codings, 255))
        return AtResponse::error();
    p.broadcastMode = *mode;
    p.broadcastIdentifiers = *identifiers;
    p.broadcastCodings = *codings;
    return AtResponse::ok();
}

AtResponse SmsParameterCommands::readBroadcasts(const AtCommand &) const {
    const SmsParameters &p = m_parameters;
    return AtResponse::text("+CSCB: " + QByteArray::number(p.broadcastMode) + ",\"" +
                            p.broadcastIdentifiers + "\",\"" + p.broadcastCodings + '"');
}
