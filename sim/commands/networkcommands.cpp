// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkcommands.h"

#include "equipmentcommands.h"
#include "gsmalphabet.h"
#include "identity.h"
#include "pduencoding.h"
#include "simcommands.h"

namespace {

struct Operator {
    const char *names[3]; // long, short and numeric, as +COPS's <format> chooses
};
// The ITU test network, mobile country code 001, network code 01 at home and 02 roaming.
constexpr Operator Home{{"ModemPad Test", "ModemPad", "00101"}};
constexpr Operator Visited{{"ModemPad Abroad", "Abroad", "00102"}};
// USSD strings in the GSM 7-bit alphabet, language unspecified, or in UCS2 (TS 23.038, 5).
constexpr int UssdGsm7Bit = 15;
constexpr int UssdUcs2 = 72;
// Its one cell: location area code and cell identity, two octets each as on GSM.
constexpr char Location[] = R"("1A2B","3C4D")";

bool isRegistration(int status) {
    return status == int(NetworkState::Home) || status == int(NetworkState::Roaming);
}

} // namespace

NetworkCommands::NetworkCommands(const EquipmentSettings &equipment, const SimCommands &sim,
                                 const Identity &identity, QObject *parent)
    : QObject(parent)
    , m_equipment(equipment)
    , m_sim(sim)
    , m_identity(identity) {}

void NetworkCommands::addTo(CommandTable &table) {
    using Self = NetworkCommands;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CFUN",
         .test = CommandTable::answer("+CFUN: (0,1,4),(0)"),
         .read = &Self::readFunctionality,
         .set = &Self::setFunctionality},
        {.name = "+COPS",
         .test = &Self::listOperators,
         .read = &Self::readOperator,
         .set = &Self::setOperator},
        {.name = "+CREG",
         .test = CommandTable::answer("+CREG: (0-2)"),
         .read = &Self::readRegistration,
         .set = CommandTable::value(m_settings.registrationReporting, 0, 2)},
        {.name = "+CGREG",
         .test = CommandTable::answer("+CGREG: (0-2)"),
         .read = &Self::readGprsRegistration,
         .set = CommandTable::value(m_settings.gprsRegistrationReporting, 0, 2)},
        {.name = "+CGATT",
         .test = CommandTable::answer("+CGATT: (0,1)"),
         .read = &Self::readAttach,
         .set = &Self::setAttach},
        {.name = "+CSQ",
         .test = CommandTable::answer("+CSQ: (0-31,99),(0-7,99)"),
         .action = &Self::signalQuality},
        {.name = "+CNUM",
         .test = CommandTable::exists(),
         .action = &Self::ownNumber,
         .sim = CommandTable::Sim::Equipment},
        {.name = "+CLIP",
         .test = CommandTable::answer("+CLIP: (0,1)"),
         .read = &Self::readCallingLine,
         .set = &Self::setCallingLine},
        // GSM digital cellular (12), UTRAN (22), or both (25) in TS 27.007's numbering.
        {.name = "+WS46",
         .test = CommandTable::answer("+WS46: (12,22,25)"),
         .read = &Self::readWirelessNetwork,
         .set = &Self::setWirelessNetwork},
        // The user's (0), the operator's (1) and the home's (2) lists of preferred networks.
        {.name = "+CPLS",
         .test = CommandTable::answer("+CPLS: (0-2)"),
         .read = &Self::readPreferredList,
         .set = CommandTable::value(m_settings.preferredList, 0, 2),
         .sim = CommandTable::Sim::Equipment},
        // The lists are empty, and stay so: the one network in reach needs no preference.
        {.name = "+CPOL",
         .test = CommandTable::answer("+CPOL: (1-8),(0-2)"),
         .read = CommandTable::exists(),
         .set = &Self::setPreferredOperator,
         .sim = CommandTable::Sim::Equipment},
        {.name = "+CUSD",
         .test = CommandTable::answer("+CUSD: (0-2)"),
         .read = &Self::readUssdPresentation,
         .set = &Self::ussd,
         .sim = CommandTable::Sim::Equipment},
    };
    table.add(this, rows);
}

AtResponse NetworkCommands::setFunctionality(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto level = AtParameter::required(arguments.value(0), 0, 4);
    // Resetting the modem on the way (<rst> 1) is not simulated.
    const auto reset = AtParameter::number(arguments.value(1), 0, 0);
    if (arguments.size() > 2 || !level || !reset || (*level != 0 && *level != 1 && *level != 4))
        return AtResponse::error();
    changeService(*level, m_attachWanted);
    return AtResponse::ok();
}

AtResponse NetworkCommands::readFunctionality(const AtCommand &) const {
    return AtResponse::text("+CFUN: " + QByteArray::number(m_functionality));
}

AtResponse NetworkCommands::setOperator(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto mode = AtParameter::required(arguments.value(0), 0, 4);
    const auto format = AtParameter::number(arguments.value(1), 0, 2, m_settings.operatorFormat);
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
}

AtResponse NetworkCommands::readOperator(const AtCommand &) const {
    if (!isRegistered())
        return AtResponse::text("+COPS: 0");
    const int format = m_settings.operatorFormat;
    // The access technology last: 0, GSM.
    return AtResponse::text("+COPS: 0," + QByteArray::number(format) + ",\"" +
                            operatorName(format) + "\",0");
}

// The one network in reach: the current operator (status 2), or a forbidden one (3).
AtResponse NetworkCommands::listOperators(const AtCommand &) const {
    const int status = registrationStatus();
    if (!isRegistered() && status != int(NetworkState::Denied))
        return AtResponse::cmeError(CmeError::NoNetworkService);
    return AtResponse::text("+COPS: (" + QByteArray(isRegistered() ? "2" : "3") + ",\"" +
                            operatorName(0) + "\",\"" + operatorName(1) + "\",\"" +
                            operatorName(2) + "\",0),,(0,3),(0-2)");
}

AtResponse NetworkCommands::readRegistration(const AtCommand &) const {
    return AtResponse::text(
        registration("+CREG", m_settings.registrationReporting, registrationStatus(), false));
}

AtResponse NetworkCommands::readGprsRegistration(const AtCommand &) const {
    return AtResponse::text(
        registration("+CGREG", m_settings.gprsRegistrationReporting, gprsStatus(), false));
}

AtResponse NetworkCommands::setAttach(const AtCommand &command) {
    const auto state = AtParameter::required(command.value, 0, 1);
    if (!state)
        return AtResponse::error();
    if (*state == 1 && !isRegistered())
        return AtResponse::cmeError(CmeError::NoNetworkService);
    changeService(m_functionality, *state == 1);
    return AtResponse::ok();
}

AtResponse NetworkCommands::readAttach(const AtCommand &) const {
    return AtResponse::text("+CGATT: " + QByteArray::number(isAttached()));
}

// 99 is "not known or not detectable", as with the radio off or no network in reach.
int NetworkCommands::signal() const {
    const bool measured = m_functionality == 1 && m_state != NetworkState::Off;
    return measured ? m_signal : 99;
}

QString NetworkCommands::homeOperatorName() {
    return QString::fromLatin1(Home.names[0]);
}

AtResponse NetworkCommands::signalQuality(const AtCommand &) const {
    return AtResponse::text("+CSQ: " + QByteArray::number(signal()) + ",99");
}

// The number is a dial string, whatever +CSCS says; only the alpha field, of which the SIM has
// none, would be in the terminal's character set.
AtResponse NetworkCommands::ownNumber(const AtCommand &) const {
    return AtResponse::text("+CNUM: ,\"" + m_identity.number.toLatin1() + "\"," +
                            QByteArray::number(PduEncoding::addressType(m_identity.number)));
}

AtResponse NetworkCommands::readWirelessNetwork(const AtCommand &) const {
    return AtResponse::text("+WS46: " + QByteArray::number(m_settings.wirelessNetwork));
}

AtResponse NetworkCommands::readPreferredList(const AtCommand &) const {
    return AtResponse::text("+CPLS: " + QByteArray::number(m_settings.preferredList));
}

AtResponse NetworkCommands::setWirelessNetwork(const AtCommand &command) {
    const auto value = AtParameter::required(command.value, 12, 25);
    if (!value || (*value != 12 && *value != 22 && *value != 25))
        return AtResponse::error();
    m_settings.wirelessNetwork = *value;
    return AtResponse::ok();
}

// +CPOL=[<index>][,<format>[,<oper>]]: the format is kept; an entry has nowhere to go, as the
// lists hold none, and deleting one finds none.
AtResponse NetworkCommands::setPreferredOperator(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto index = AtParameter::number(arguments.value(0), 0, 8);
    const auto format = AtParameter::number(arguments.value(1), 0, 2, m_settings.preferredFormat);
    if (arguments.size() > 2 || !index || !format)
        return AtResponse::cmeError(CmeError::OperationNotSupported);
    m_settings.preferredFormat = *format;
    return AtResponse::ok();
}

AtResponse NetworkCommands::setCallingLine(const AtCommand &command) {
    const auto value = AtParameter::number(command.value, 0, 1);
    if (!value)
        return AtResponse::error();
    m_settings.callingLineIdentity = *value == 1;
    return AtResponse::ok();
}

AtResponse NetworkCommands::readCallingLine(const AtCommand &) const {
    // The service is provisioned (1) while there is a network to ask, unknown (2) without.
    return AtResponse::text("+CLIP: " + QByteArray::number(m_settings.callingLineIdentity) +
                            (isRegistered() ? ",1" : ",2"));
}

AtResponse NetworkCommands::readUssdPresentation(const AtCommand &) const {
    return AtResponse::text("+CUSD: " + QByteArray::number(m_settings.ussdPresentation));
}

void NetworkCommands::restart() {
    m_settings = {};
    m_functionality = 1;
    m_attachWanted = true;
    refresh();
}

void NetworkCommands::setState(NetworkState state) {
    m_state = state;
    for (const auto &[named, name] : NetworkStateNames) {
        if (named == state)
            emit noted(QStringLiteral("the network: ") + QLatin1String(name));
    }
    refresh();
}

void NetworkCommands::setSignal(int quality) {
    m_signal = quality;
    emit noted(QStringLiteral("the signal: %1").arg(quality));
}

void NetworkCommands::setUssdAnswer(const QString &code, const QString &text) {
    m_ussdAnswers[code] = text;
    emit noted(QStringLiteral("USSD %1 is answered \"%2\"").arg(code, text));
}

void NetworkCommands::refresh() {
    const bool wasRegistered = isRegistration(m_toldRegistration);
    const int status = registrationStatus();
    if (status != std::exchange(m_toldRegistration, status) &&
        m_settings.registrationReporting > 0) {
        emit unsolicited({registration("+CREG", m_settings.registrationReporting, status, true)});
    }
    const int gprs = gprsStatus();
    if (gprs != std::exchange(m_toldGprs, gprs) && m_settings.gprsRegistrationReporting > 0)
        emit unsolicited(
            {registration("+CGREG", m_settings.gprsRegistrationReporting, gprs, true)});
    if (!wasRegistered && isRegistration(status))
        emit registered();
}

bool NetworkCommands::isRegistered() const {
    return isRegistration(registrationStatus());
}

int NetworkCommands::registrationStatus() const {
    return m_functionality == 1 && m_sim.isReady() ? int(m_state) : int(NetworkState::Off);
}

// Registered but detached from packet data is not registered for it.
int NetworkCommands::gprsStatus() const {
    return isRegistered() && !m_attachWanted ? int(NetworkState::Off) : registrationStatus();
}

// "+CREG: <n>,<stat>[,<lac>,<ci>]" as read, "+CREG: <stat>[,<lac>,<ci>]" unsolicited; the
// location only with <n> 2 and while registered.
QByteArray NetworkCommands::registration(const QByteArray &name, int reporting, int status,
                                         bool unsolicited) const {
    QByteArray line = name + ": ";
    if (!unsolicited)
        line += QByteArray::number(reporting) + ',';
    line += QByteArray::number(status);
    if (reporting == 2 && isRegistration(status))
        line += QByteArray(",") + Location;
    return line;
}

void NetworkCommands::changeService(int functionality, bool attachWanted) {
    m_functionality = functionality;
    m_attachWanted = attachWanted;
    refresh();
}

// Names pass through the terminal's character set; the numeric form is digits in any.
QByteArray NetworkCommands::operatorName(int format) const {
    const Operator &current = m_state == NetworkState::Roaming ? Visited : Home;
    if (format == 2)
        return current.names[2];
    return m_equipment.characterSet.encode(QString::fromLatin1(current.names[format]));
}

// +CUSD=[<n>[,<str>[,<dcs>]]] (TS 27.007 7.15): <n> shows the network's answers (1) or not (0),
// or ends a session (2); <str>, in the terminal's character set, goes to the network, whose
// answer follows as an unsolicited code.
AtResponse NetworkCommands::ussd(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto presentation = AtParameter::number(arguments.value(0), 0, 2);
    const auto raw = AtParameter::string(arguments.value(1));
    const auto code = raw ? m_equipment.characterSet.decode(*raw) : std::nullopt;
    const auto coding = AtParameter::number(arguments.value(2), 0, 255, UssdGsm7Bit);
    if (arguments.size() > 3 || !presentation || !code || !coding)
        return AtResponse::error();
    if (*presentation == 2)
        return AtResponse::ok();
    m_settings.ussdPresentation = *presentation == 1;
    if (code->isEmpty())
        return AtResponse::ok();
    if (!isRegistered())
        return AtResponse::cmeError(CmeError::NoNetworkService);
    const QString answer =
        m_ussdAnswers.value(*code, QStringLiteral("Code %1 received.").arg(*code));
    emit noted(QStringLiteral("USSD %1 answered: \"%2\"").arg(*code, answer));
    if (!m_settings.ussdPresentation)
        return AtResponse::ok();
    // Text in the GSM alphabet goes in the terminal's character set, other text as UCS2 in hex.
    const bool gsm = GsmAlphabet::fromString(answer).has_value();
    const CharacterSet set = gsm ? m_equipment.characterSet : CharacterSet(CharacterSet::Ucs2);
    emit unsolicited({"+CUSD: 0,\"" + set.encode(answer) + "\"," +
                      QByteArray::number(gsm ? UssdGsm7Bit : UssdUcs2)});
    return AtResponse::ok();
}
