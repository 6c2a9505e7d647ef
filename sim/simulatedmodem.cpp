// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulatedmodem.h"

#include "gsmalphabet.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

constexpr char Backspace = 0x08;
constexpr char CtrlZ = 0x1A;
constexpr char Escape = 0x1B;
constexpr qsizetype MaxLine = 1024;
constexpr qsizetype MaxBody = 1024;
constexpr int MaxTpduLength = 164;
constexpr int MaxTextSeptets = 160;
constexpr int InternationalType = 145;
constexpr int NationalType = 129;
constexpr int CmeOperationNotAllowed = 3;

const QByteArray Identification = "ModemPad simulated GSM modem";
const QByteArray Manufacturer = "ModemPad";
const QByteArray Model = "Simulated GSM modem";
const QByteArray Revision = "1.0";
const QByteArray SerialNumber = "490154203237518";
const QByteArray SubscriberIdentity = "001010123456789";
const QByteArray DefaultServiceCentre = "+447700900000";

// A numeric parameter within [minimum, maximum]; an omitted one takes its default.
std::optional<int> number(const QByteArray &argument, int minimum, int maximum, int omitted = 0) {
    if (argument.isEmpty())
        return omitted;
    if (!std::all_of(argument.begin(), argument.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = argument.toInt();
    if (argument.size() > 3 || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// A string parameter, in quotes as TS 27.007 writes them or bare as many modems take them.
std::optional<QByteArray> string(const QByteArray &argument) {
    if (argument.startsWith('"')) {
        if (argument.size() < 2 || !argument.endsWith('"'))
            return std::nullopt;
        return argument.mid(1, argument.size() - 2);
    }
    if (argument.contains('"'))
        return std::nullopt;
    return argument;
}

bool isDialString(const QByteArray &address) {
    static const QRegularExpression Pattern(QStringLiteral("^\\+?[0-9*#]{1,20}$"));
    return Pattern.match(QString::fromLatin1(address)).hasMatch();
}

QString ucs2Text(const QByteArray &hex, bool *ok) {
    QString text;
    *ok = hex.size() % 4 == 0;
    for (qsizetype at = 0; *ok && at < hex.size(); at += 4) {
        const ushort unit = hex.mid(at, 4).toUShort(ok, 16);
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

SimulatedModem::SimulatedModem(QObject *parent)
    : QObject(parent) {
    restoreDefaults();
}

void SimulatedModem::receive(const QByteArray &bytes) {
    for (const char byte : bytes) {
        if (m_state == State::Command)
            receiveCommandByte(byte);
        else
            receiveBodyByte(byte);
    }
    if (!m_output.isEmpty())
        emit transmit(std::exchange(m_output, {}));
}

void SimulatedModem::terminalClosed() {
    m_state = State::Command;
    m_inLine = false;
    m_previous = 0;
    m_line.clear();
    m_body.clear();
    m_output.clear();
}

void SimulatedModem::receiveCommandByte(char byte) {
    // Echo is character by character, as V.250 has it, also of what is not a command line.
    if (m_echo)
        m_output.append(byte);
    if (!m_inLine) {
        m_inLine = (byte == 'T' || byte == 't') && (m_previous == 'A' || m_previous == 'a');
        if (m_inLine)
            m_line = QByteArray(1, m_previous) + byte;
        m_previous = m_inLine ? 0 : byte;
        return;
    }
    if (byte == '\r') {
        m_inLine = false;
        executeLine(m_line);
    } else if (byte == Backspace) {
        // Editing cannot take back the "AT" that opened the line.
        if (m_line.size() > 2)
            m_line.chop(1);
    } else if (quint8(byte) >= 0x20 && byte != 0x7F && m_line.size() <= MaxLine) {
        m_line.append(byte);
    }
}

void SimulatedModem::receiveBodyByte(char byte) {
    const bool textMode = m_state == State::TextBody;
    switch (byte) {
    case CtrlZ:
        m_state = State::Command;
        emit commandReceived(m_body + byte);
        if (textMode)
            acceptText();
        else
            acceptPdu();
        return;
    case Escape:
        // The message is dropped, but the command still ends with a final result code.
        m_state = State::Command;
        emit commandReceived(m_body + byte);
        finish({Outcome::Ok});
        return;
    case '\r':
        // Text mode takes a message of several lines, prompting for each (TS 27.005 3.5.1).
        if (textMode) {
            m_body.append('\n');
            finish({Outcome::Prompt});
        }
        return;
    case '\n':
        return;
    case Backspace:
        if (textMode)
            m_body.chop(1);
        return;
    }
    if (m_echo)
        m_output.append(byte);
    if (m_body.size() < MaxBody)
        m_body.append(byte);
}

void SimulatedModem::executeLine(const QByteArray &line) {
    emit commandReceived(line);
    const auto commands = AtCommand::parseLine(line.mid(2));
    if (line.size() > MaxLine || !commands) {
        finish({Outcome::Error});
        return;
    }
    for (const AtCommand &command : *commands) {
        const Outcome outcome = execute(command);
        if (outcome.kind != Outcome::Ok) {
            finish(outcome);
            return;
        }
    }
    finish({Outcome::Ok});
}

SimulatedModem::Outcome SimulatedModem::execute(const AtCommand &command) {
    const QByteArray &name = command.name;
    if (name.size() == 1)
        return basic(command);
    if (name == "+CGMI")
        return identification(command, Manufacturer);
    if (name == "+CGMM")
        return identification(command, Model);
    if (name == "+CGMR")
        return identification(command, Revision);
    if (name == "+CGSN")
        return identification(command, SerialNumber);
    if (name == "+CIMI")
        return identification(command, SubscriberIdentity);
    if (name == "+CMEE")
        return errorReporting(command);
    if (name == "+CPIN")
        return pin(command);
    if (name == "+CSQ")
        return signalQuality(command);
    if (name == "+CREG")
        return registration(command);
    if (name == "+CSCA")
        return serviceCentre(command);
    if (name == "+CSCS")
        return characterSet(command);
    if (name == "+CPMS")
        return storage(command);
    if (name == "+CNMI")
        return indications(command);
    if (name == "+CMGF")
        return messageFormat(command);
    if (name == "+CMGS")
        return sendMessage(command);
    return {Outcome::Error};
}

void SimulatedModem::finish(Outcome outcome) {
    switch (outcome.kind) {
    case Outcome::Ok:
        inform("OK");
        break;
    case Outcome::Error:
        inform("ERROR");
        break;
    case Outcome::CmeError:
        // +CMEE decides between plain ERROR, a number and a text (TS 27.007 9.1).
        if (m_errorReporting == 0)
            inform("ERROR");
        else if (m_errorReporting == 1)
            inform("+CME ERROR: " + QByteArray::number(outcome.code));
        else
            inform("+CME ERROR: operation not allowed");
        break;
    case Outcome::CmsError:
        inform("+CMS ERROR: " + QByteArray::number(outcome.code));
        break;
    case Outcome::Prompt:
        // The prompt has no line end: the terminal answers on the same line.
        m_output.append("\r\n> ");
        emit responded("> ");
        break;
    }
}

void SimulatedModem::acceptPdu() {
    const SmsSubmitDecoding decoding = decodeSmsSubmit(m_body, m_pduLength);
    if (decoding.error)
        finish({Outcome::CmsError, int(*decoding.error)});
    else
        accept(decoding.message, m_body);
}

void SimulatedModem::acceptText() {
    bool ok = true;
    QString text;
    if (m_characterSet == "UCS2")
        text = ucs2Text(m_body, &ok);
    else if (m_characterSet == "GSM")
        text = GsmAlphabet::toString(m_body);
    else
        text = QString::fromLatin1(m_body);

    // Text mode sends with the default data coding scheme, the GSM 7-bit alphabet.
    const auto septets = GsmAlphabet::fromString(text);
    if (!ok || !septets || septets->size() > MaxTextSeptets) {
        finish({Outcome::CmsError, int(CmsError::InvalidTextParameter)});
        return;
    }
    SmsSubmit submit;
    submit.destination = m_textDestination;
    submit.destinationType = m_textDestinationType;
    submit.coding = SmsSubmit::Coding::Gsm7Bit;
    submit.text = text;
    accept(submit, {});
}

void SimulatedModem::accept(const SmsSubmit &submit, const QByteArray &pdu) {
    const AcceptedMessage message{m_nextReference, submit, pdu};
    m_nextReference = (m_nextReference + 1) % 256;
    m_accepted.append(message);
    emit messageAccepted(message);
    inform("+CMGS: " + QByteArray::number(message.reference));
    finish({Outcome::Ok});
}

void SimulatedModem::inform(const QByteArray &text) {
    m_output.append("\r\n" + text + "\r\n");
    emit responded(text);
}

void SimulatedModem::restoreDefaults() {
    m_echo = true;
    m_errorReporting = 0;
    m_registrationReporting = 0;
    m_textMode = false;
    m_characterSet = "IRA";
    m_serviceCentre = QString::fromLatin1(DefaultServiceCentre);
    m_serviceCentreType = InternationalType;
    m_storages = {"ME", "ME", "ME"};
    m_indications = {0, 0, 0, 0, 0};
}

SimulatedModem::Outcome SimulatedModem::basic(const AtCommand &command) {
    const auto value = number(command.value, 0, 1);
    if (!value)
        return {Outcome::Error};
    if (command.name == "E") {
        m_echo = *value == 1;
        return {};
    }
    if (command.name == "Z" && *value == 0) {
        restoreDefaults();
        return {};
    }
    if (command.name == "I" && *value == 0) {
        inform(Identification);
        return {};
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::identification(const AtCommand &command,
                                                       const QByteArray &text) {
    if (command.form == AtCommand::Form::Action)
        inform(text);
    else if (command.form != AtCommand::Form::Test)
        return {Outcome::Error};
    return {};
}

SimulatedModem::Outcome SimulatedModem::errorReporting(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Set:
        if (const auto value = number(command.value, 0, 2)) {
            m_errorReporting = *value;
            return {};
        }
        break;
    case AtCommand::Form::Query:
        inform("+CMEE: " + QByteArray::number(m_errorReporting));
        return {};
    case AtCommand::Form::Test:
        inform("+CMEE: (0-2)");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::pin(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Query:
        inform("+CPIN: READY");
        return {};
    case AtCommand::Form::Test:
        return {};
    case AtCommand::Form::Set:
        // No PIN is pending, so there is nothing to enter one for.
        return {Outcome::CmeError, CmeOperationNotAllowed};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::signalQuality(const AtCommand &command) {
    if (command.form == AtCommand::Form::Action)
        inform("+CSQ: 21,99");
    else if (command.form == AtCommand::Form::Test)
        inform("+CSQ: (0-31,99),(0-7,99)");
    else
        return {Outcome::Error};
    return {};
}

SimulatedModem::Outcome SimulatedModem::registration(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Set:
        if (const auto value = number(command.value, 0, 2)) {
            m_registrationReporting = *value;
            return {};
        }
        break;
    case AtCommand::Form::Query:
        // Registered on the home network, with location only where +CREG=2 asks for it.
        inform("+CREG: " + QByteArray::number(m_registrationReporting) + ",1" +
               (m_registrationReporting == 2 ? ",\"1A2B\",\"00C3D4E5\"" : ""));
        return {};
    case AtCommand::Form::Test:
        inform("+CREG: (0-2)");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::serviceCentre(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Set: {
        const QList<QByteArray> arguments = command.arguments();
        const auto address = string(arguments.value(0));
        if (arguments.size() > 2 || !address || !isDialString(*address))
            break;
        const int type = address->startsWith('+') ? InternationalType : NationalType;
        const auto givenType = number(arguments.value(1), 0, 255, type);
        if (!givenType)
            break;
        m_serviceCentre = QString::fromLatin1(*address);
        m_serviceCentreType = *givenType;
        return {};
    }
    case AtCommand::Form::Query:
        inform("+CSCA: \"" + m_serviceCentre.toLatin1() + "\"," +
               QByteArray::number(m_serviceCentreType));
        return {};
    case AtCommand::Form::Test:
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::characterSet(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Set: {
        const auto set = string(command.value);
        const QByteArray name = set && !set->isEmpty() ? set->toUpper() : "IRA";
        if (!set || (name != "GSM" && name != "IRA" && name != "UCS2"))
            break;
        m_characterSet = name;
        return {};
    }
    case AtCommand::Form::Query:
        inform("+CSCS: \"" + m_characterSet + "\"");
        return {};
    case AtCommand::Form::Test:
        inform("+CSCS: (\"GSM\",\"IRA\",\"UCS2\")");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::storage(const AtCommand &command) {
    // Sent messages are not stored, so every storage is empty.
    static const QList<QByteArray> Storages = {"ME", "MT", "SM"};
    switch (command.form) {
    case AtCommand::Form::Set: {
        const QList<QByteArray> arguments = command.arguments();
        QList<QByteArray> chosen = m_storages;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const auto name = string(arguments.at(i));
            if (i >= chosen.size() || !name || !Storages.contains(name->toUpper()))
                return {Outcome::Error};
            chosen[i] = name->toUpper();
        }
        m_storages = chosen;
        inform("+CPMS: 0,20,0,20,0,20");
        return {};
    }
    case AtCommand::Form::Query: {
        QByteArrayList entries;
        for (const QByteArray &name : std::as_const(m_storages))
            entries.append('"' + name + "\",0,20");
        inform("+CPMS: " + entries.join(','));
        return {};
    }
    case AtCommand::Form::Test:
        inform("+CPMS: (\"ME\",\"MT\",\"SM\"),(\"ME\",\"MT\",\"SM\"),(\"ME\",\"MT\",\"SM\")");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::indications(const AtCommand &command) {
    static const int Maximum[] = {3, 3, 3, 2, 1};
    switch (command.form) {
    case AtCommand::Form::Set: {
        const QList<QByteArray> arguments = command.arguments();
        QList<int> chosen(m_indications.size(), 0);
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const auto value =
                i < chosen.size() ? number(arguments.at(i), 0, Maximum[i]) : std::nullopt;
            if (!value)
                return {Outcome::Error};
            chosen[i] = *value;
        }
        m_indications = chosen;
        return {};
    }
    case AtCommand::Form::Query: {
        QByteArrayList values;
        for (const int value : std::as_const(m_indications))
            values.append(QByteArray::number(value));
        inform("+CNMI: " + values.join(','));
        return {};
    }
    case AtCommand::Form::Test:
        inform("+CNMI: (0-3),(0-3),(0-3),(0-2),(0,1)");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::messageFormat(const AtCommand &command) {
    switch (command.form) {
    case AtCommand::Form::Set:
        if (const auto value = number(command.value, 0, 1)) {
            m_textMode = *value == 1;
            return {};
        }
        break;
    case AtCommand::Form::Query:
        inform(m_textMode ? "+CMGF: 1" : "+CMGF: 0");
        return {};
    case AtCommand::Form::Test:
        inform("+CMGF: (0,1)");
        return {};
    case AtCommand::Form::Action:
        break;
    }
    return {Outcome::Error};
}

SimulatedModem::Outcome SimulatedModem::sendMessage(const AtCommand &command) {
    if (command.form == AtCommand::Form::Test)
        return {};
    if (command.form != AtCommand::Form::Set)
        return {Outcome::Error};

    const QList<QByteArray> arguments = command.arguments();
    if (m_textMode) {
        const auto address = string(arguments.value(0));
        if (arguments.size() > 2 || !address || !isDialString(*address))
            return {Outcome::Error};
        const int type = address->startsWith('+') ? InternationalType : NationalType;
        const auto givenType = number(arguments.value(1), 0, 255, type);
        if (!givenType)
            return {Outcome::Error};
        m_textDestination = QString::fromLatin1(*address);
        m_textDestinationType = *givenType;
        m_state = State::TextBody;
    } else {
        const auto length = number(command.value, 1, MaxTpduLength, 0);
        if (!length || *length == 0)
            return {Outcome::Error};
        m_pduLength = *length;
        m_state = State::PduBody;
    }
    m_body.clear();
    return {Outcome::Prompt};
}
