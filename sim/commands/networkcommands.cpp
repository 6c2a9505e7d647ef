// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkcommands.h"

#include "equipmentcommands.h"
#include "modemidentity.h"
#include "pduencoding.h"

namespace {

using Handler = CommandTable::Handler;

// The ITU test network, mobile country code 001 and network code 01.
constexpr char OperatorLongName[] = "ModemPad Test";
constexpr char OperatorShortName[] = "ModemPad";
constexpr char OperatorNumeric[] = "00101";
// Its one cell: location area code and cell identity, two octets each as on GSM.
constexpr char Location[] = R"("1A2B","3C4D")";

} // namespace

NetworkCommands::NetworkCommands(const EquipmentSettings &equipment, QObject *parent)
    : QObject(parent)
    , m_equipment(equipment) {}

void NetworkCommands::addTo(CommandTable &table) {
    const Handler setFunctionality = [this](const AtCommand &command) {
        const QList<QByteArray> arguments = command.arguments();
        const auto level = AtParameter::required(arguments.value(0), 0, 4);
        // Resetting the modem on the way (<rst> 1) is not simulated.
        const auto reset = AtParameter::number(arguments.value(1), 0, 0);
        if (arguments.size() > 2 || !level || !reset || (*level != 0 && *level != 1 && *level != 4))
            return AtResponse::error();
        changeService(*level, m_attachWanted);
        return AtResponse::ok();
    };
    const Handler readFunctionality = [this](const AtCommand &) {
        return AtResponse::text("+CFUN: " + QByteArray::number(m_functionality));
    };
    const Handler setOperator = [this](const AtCommand &command) {
        const QList<QByteArray> arguments = command.arguments();
        const auto mode = AtParameter::required(arguments.value(0), 0, 4);
        const auto format =
            AtParameter::number(arguments.value(1), 0, 2, m_settings.operatorFormat);
        if (!mode || !format || (*mode == 3 && arguments.value(1).isEmpty()))
            return AtResponse::error();
        // Automatic selection finds the one operator there is; choosing or leaving it is not
        // simulated.
        if (*mode != 0 && *mode != 3)
            return AtResponse::cmeError(CmeError::OperationNotSupported);
        if (*mode == 0 && !isRegistered())
            return AtResponse::cmeError(CmeError::NoNetworkService);
        m_settings.operatorFormat = *format;
        return AtResponse::ok();
    };
    const Handler readOperator = [this](const AtCommand &) {
        if (!isRegistered())
            return AtResponse::text("+COPS: 0");
        const int format = m_settings.operatorFormat;
        // The access technology last: 0, GSM.
        return AtResponse::text("+COPS: 0," + QByteArray::number(format) + ",\"" +
                                operatorName(format) + "\",0");
    };
    const Handler listOperators = [this](const AtCommand &) {
        if (!isRegistered())
            return AtResponse::cmeError(CmeError::NoNetworkService);
        // Status 2: the current operator.
        return AtResponse::text("+COPS: (2,\"" + operatorName(0) + "\",\"" + operatorName(1) +
                                "\",\"" + operatorName(2) + "\",0),,(0,3),(0-2)");
    };
    const Handler readRegistration = [this](const AtCommand &) {
        return AtResponse::text(
            registration("+CREG", m_settings.registrationReporting, isRegistered(), false));
    };
    const Handler readGprsRegistration = [this](const AtCommand &) {
        return AtResponse::text(
            registration("+CGREG", m_settings.gprsRegistrationReporting, isAttached(), false));
    };
    const Handler setAttach = [this](const AtCommand &command) {
        const auto state = AtParameter::required(command.value, 0, 1);
        if (!state)
            return AtResponse::error();
        if (*state == 1 && !isRegistered())
            return AtResponse::cmeError(CmeError::NoNetworkService);
        changeService(m_functionality, *state == 1);
        return AtResponse::ok();
    };
    const Handler readAttach = [this](const AtCommand &) {
        return AtResponse::text("+CGATT: " + QByteArray::number(isAttached()));
    };
    const Handler signalQuality = [this](const AtCommand &) {
        // About -71 dBm while registered; 99 is "not known or not detectable".
        return AtResponse::text(isRegistered() ? "+CSQ: 21,99" : "+CSQ: 99,99");
    };
    const Handler ownNumber = [this](const AtCommand &) {
        const QByteArray number =
            m_equipment.characterSet.encode(QString::fromLatin1(ModemIdentity::OwnNumber));
        return AtResponse::text("+CNUM: ,\"" + number + "\"," +
                                QByteArray::number(PduEncoding::InternationalType));
    };
    const Handler setCallingLine = [this](const AtCommand &command) {
        const auto value = AtParameter::number(command.value, 0, 1);
        if (!value)
            return AtResponse::error();
        m_settings.callingLineIdentity = *value == 1;
        return AtResponse::ok();
    };
    const Handler readCallingLine = [this](const AtCommand &) {
        // The service is provisioned (1) while there is a network to ask, unknown (2) without.
        return AtResponse::text("+CLIP: " + QByteArray::number(m_settings.callingLineIdentity) +
                                (isRegistered() ? ",1" : ",2"));
    };

    table.add("+CFUN", {.test = CommandTable::answer("+CFUN: (0,1,4),(0)"),
                        .read = readFunctionality,
                        .set = setFunctionality});
    table.add("+COPS", {.test = listOperators, .read = readOperator, .set = setOperator});
    table.add("+CREG", {.test = CommandTable::answer("+CREG: (0-2)"),
                        .read = readRegistration,
                        .set = CommandTable::value(m_settings.registrationReporting, 0, 2)});
    table.add("+CGREG", {.test = CommandTable::answer("+CGREG: (0-2)"),
                         .read = readGprsRegistration,
                         .set = CommandTable::value(m_settings.gprsRegistrationReporting, 0, 2)});
    table.add(
        "+CGATT",
        {.test = CommandTable::answer("+CGATT: (0,1)"), .read = readAttach, .set = setAttach});
    table.add("+CSQ",
              {.test = CommandTable::answer("+CSQ: (0-31,99),(0-7,99)"), .action = signalQuality});
    table.add("+CNUM", {.test = CommandTable::exists(), .action = ownNumber});
    table.add("+CLIP", {.test = CommandTable::answer("+CLIP: (0,1)"),
                        .read = readCallingLine,
                        .set = setCallingLine});
}

// "+CREG: <n>,<stat>[,<lac>,<ci>]" as read, "+CREG: <stat>[,<lac>,<ci>]" unsolicited; the
// location only with <n> 2 and while registered. Status 1 is the home network, 0 none.
QByteArray NetworkCommands::registration(const QByteArray &name, int reporting, bool registered,
                                         bool unsolicited) const {
    QByteArray line = name + ": ";
    if (!unsolicited)
        line += QByteArray::number(reporting) + ',';
    line += registered ? "1" : "0";
    if (reporting == 2 && registered)
        line += QByteArray(",") + Location;
    return line;
}

void NetworkCommands::changeService(int functionality, bool attachWanted) {
    const bool wasRegistered = isRegistered();
    const bool wasAttached = isAttached();
    m_functionality = functionality;
    m_attachWanted = attachWanted;
    if (isRegistered() != wasRegistered && m_settings.registrationReporting > 0) {
        emit unsolicited(
            {registration("+CREG", m_settings.registrationReporting, isRegistered(), true)});
    }
    if (isAttached() != wasAttached && m_settings.gprsRegistrationReporting > 0) {
        emit unsolicited(
            {registration("+CGREG", m_settings.gprsRegistrationReporting, isAttached(), true)});
    }
}

// Names pass through the terminal's character set; the numeric form is digits in any.
QByteArray NetworkCommands::operatorName(int format) const {
    if (format == 2)
        return OperatorNumeric;
    return m_equipment.characterSet.encode(
        QString::fromLatin1(format == 0 ? OperatorLongName : OperatorShortName));
}
