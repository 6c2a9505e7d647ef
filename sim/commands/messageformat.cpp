// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageformat.h"

#include "characterset.h"
#include "datacodingscheme.h"
#include "gsmalphabet.h"
#include "pduencoding.h"
#include "smslimits.h"
#include "smsparametercommands.h"

#include <QString>

#include <algorithm>
#include <cctype>

#include <chrono>
#include <cstdlib>

namespace {

constexpr int AllStatuses = 4;

QByteArray quoted(const QByteArray &text) {
    return '"' + text + '"';
}

QByteArray number(int value) {
    return QByteArray::number(value);
}

// "yy/MM/dd,hh:mm:ss" and the offset from UTC in quarter hours.
QByteArray timeString(const QDateTime &time) {
    const int quarters = time.offsetFromUtc() / (15 * 60);
    return time.toString(QStringLiteral("yy/MM/dd,hh:mm:ss")).toLatin1() +
           (quarters < 0 ? '-' : '+') +
           QByteArray::number(std::abs(quarters)).rightJustified(2, '0');
}

// The relative validity period octet back from its length (TS 23.040 9.2.3.12.1).
int relativeValidity(std::chrono::seconds period) {
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(period).count();
    if (minutes <= 12 * 60)
        return int(minutes / 5 - 1);
    if (minutes <= 24 * 60)
        return int(143 + (minutes - 12 * 60) / 30);
    if (minutes <= 30 * 24 * 60)
        return int(minutes / (24 * 60) + 166);
    return int(minutes / (7 * 24 * 60) + 192);
}

int submitFirstOctet(const SmsSubmit &message) {
    using Format = SmsSubmit::ValidityFormat;
    const int validityFormat = message.validityFormat == Format::Enhanced   ? 1
                               : message.validityFormat == Format::Relative ? 2
                               : message.validityFormat == Format::Absolute ? 3
                                                                            : 0;
    return 0x01 | message.rejectDuplicates << 2 | validityFormat << 3 |
           message.statusReportRequest << 5 | !message.userDataHeader.isEmpty() << 6 |
           message.replyPath << 7;
}

} // namespace

MessageFormat::MessageFormat(const SmsParameters &parameters, const CharacterSet &characterSet)
    : m_parameters(parameters)
    , m_characterSet(characterSet) {}

QByteArrayList MessageFormat::read(const StoredMessage &message) const {
    if (!m_parameters.textMode)
        return {"+CMGR: " + status(message.status) + ",," + number(message.tpduLength()),
                message.pdu};
    if (const auto *report = std::get_if<SmsStatusReport>(&message.content))
        return {"+CMGR: " + status(message.status) + ',' + reportFields(*report)};
    const bool full = m_parameters.showHeaders;
    const auto *deliver = std::get_if<SmsDeliver>(&message.content);
    const QByteArray fields = deliver ? deliverHeader(*deliver, full)
                                      : submitHeader(std::get<SmsSubmit>(message.content), full);
    return {"+CMGR: " + status(message.status) + ',' + fields, body(message)};
}

QByteArrayList MessageFormat::listed(int index, const StoredMessage &message) const {
    const QByteArray start = "+CMGL: " + number(index) + ',' + status(message.status) + ',';
    if (!m_parameters.textMode)
        return {start + ',' + number(message.tpduLength()), message.pdu};
    if (const auto *report = std::get_if<SmsStatusReport>(&message.content))
        return {start + reportFields(*report)};
    // <oa/da>,[<alpha>],[<scts>][,<tooa/toda>,<length>]
    QByteArray fields;
    int type = 0;
    int length = 0;
    if (const auto *deliver = std::get_if<SmsDeliver>(&message.content)) {
        type = deliver->originatorType;
        fields = address(deliver->originator) + ",," + quoted(timeString(deliver->timestamp));
        length = quint8(PduEncoding::userData(deliver->coding(), deliver->userDataHeader,
                                              deliver->text, deliver->data)
                            .at(0));
    } else {
        const auto &submit = std::get<SmsSubmit>(message.content);
        type = submit.destinationType;
        fields = address(submit.destination) + ",,";
        length = quint8(
            PduEncoding::userData(submit.coding, submit.userDataHeader, submit.text, submit.data)
                .at(0));
    }
    if (m_parameters.showHeaders)
        fields += ',' + number(type) + ',' + number(length);
    return {start + fields, body(message)};
}

QByteArrayList MessageFormat::routed(const SmsDeliver &message, const QByteArray &pdu) const {
    if (!m_parameters.textMode)
        return {"+CMT: ," + number(StoredMessage::tpduLength(pdu)), pdu};
    return {"+CMT: " + deliverHeader(message, m_parameters.showHeaders),
            text(message.coding(), message.userDataHeader, message.text, message.data)};
}

QByteArrayList MessageFormat::routed(const SmsStatusReport &report, const QByteArray &pdu) const {
    if (!m_parameters.textMode)
        return {"+CDS: " + number(StoredMessage::tpduLength(pdu)), pdu};
    return {"+CDS: " + reportFields(report)};
}

QByteArray MessageFormat::statusName(MessageStatus status) {
    switch (status) {
    case MessageStatus::ReceivedUnread:
        return "REC UNREAD";
    case MessageStatus::ReceivedRead:
        return "REC READ";
    case MessageStatus::StoredUnsent:
        return "STO UNSENT";
    case MessageStatus::StoredSent:
        return "STO SENT";
    }
    return {};
}

std::optional<int> MessageFormat::status(const QByteArray &argument) const {
    if (!m_parameters.textMode)
        return AtParameter::number(argument, 0, AllStatuses);
    const auto name = AtParameter::string(argument);
    for (int value = 0; name && value < AllStatuses; ++value) {
        if (*name == statusName(MessageStatus(value)))
            return value;
    }
    if (name && *name == "ALL")
        return AllStatuses;
    return std::nullopt;
}

QByteArray MessageFormat::status(MessageStatus status) const {
    return m_parameters.textMode ? quoted(statusName(status)) : number(int(status));
}

QByteArray MessageFormat::address(const QString &number) const {
    return quoted(m_characterSet.encode(number));
}

// <oa>,[<alpha>],<scts>[,<tooa>,<fo>,<pid>,<dcs>,<sca>,<tosca>,<length>]
QByteArray MessageFormat::deliverHeader(const SmsDeliver &message, bool full) const {
    QByteArray header = address(message.originator) + ",," + quoted(timeString(message.timestamp));
    if (full) {
        const int length = quint8(PduEncoding::userData(message.coding(), message.userDataHeader,
                                                        message.text, message.data)
                                      .at(0));
        header += ',' + number(message.originatorType) + ',' + number(message.firstOctet()) + ',' +
                  number(message.protocolIdentifier) + ',' + number(message.dataCodingScheme) +
                  ',' + address(message.serviceCentre) + ',' + number(message.serviceCentreType) +
                  ',' + number(length);
    }
    return header;
}

// <da>,[<alpha>][,<toda>,<fo>,<pid>,<dcs>,[<vp>],<sca>,<tosca>,<length>]
QByteArray MessageFormat::submitHeader(const SmsSubmit &message, bool full) const {
    QByteArray header = address(message.destination) + ',';
    if (full) {
        // The message's own service centre, or the one +CSCA set, with its type.
        const bool own = !message.serviceCentre.isEmpty();
        const QString centre = own ? message.serviceCentre : m_parameters.serviceCentre;
        const int centreType =
            own ? PduEncoding::addressType(centre) : m_parameters.serviceCentreType;
        const QByteArray validity = message.validityFormat == SmsSubmit::ValidityFormat::Relative
                                        ? number(relativeValidity(message.validityPeriod))
                                        : QByteArray();
        const int length = quint8(PduEncoding::userData(message.coding, message.userDataHeader,
                                                        message.text, message.data)
                                      .at(0));
        header += ',' + number(message.destinationType) + ',' + number(submitFirstOctet(message)) +
                  ',' + number(message.protocolIdentifier) + ',' +
                  number(message.dataCodingScheme) + ',' + validity + ',' + address(centre) + ',' +
                  number(centreType) + ',' + number(length);
    }
    return header;
}

// <fo>,<mr>,[<ra>],[<tora>],<scts>,<dt>,<st>, in every text mode result code that shows one.
QByteArray MessageFormat::reportFields(const SmsStatusReport &report) const {
    return number(SmsStatusReport::FirstOctet) + ',' + number(report.messageReference) + ',' +
           address(report.recipient) + ',' + number(report.recipientType) + ',' +
           quoted(timeString(report.serviceCentreTime)) + ',' +
           quoted(timeString(report.dischargeTime)) + ',' + number(report.status);
}

QByteArray MessageFormat::body(const StoredMessage &message) const {
    if (const auto *deliver = std::get_if<SmsDeliver>(&message.content))
        return text(deliver->coding(), deliver->userDataHeader, deliver->text, deliver->data);
    const auto &submit = std::get<SmsSubmit>(message.content);
    return text(submit.coding, submit.userDataHeader, submit.text, submit.data);
}

QByteArray MessageFormat::text(SmsCoding coding, const QByteArray &header, const QString &text,
                               const QByteArray &data) const {
    if (coding == SmsCoding::Gsm7Bit && header.isEmpty())
        return m_characterSet.encode(text);
    return PduEncoding::userData(coding, header, text, data).mid(1).toHex().toUpper();
}

std::optional<std::pair<QString, int>> MessageFormat::destination(const QByteArray &number,
                                                                  const QByteArray &type) const {
    const auto raw = AtParameter::string(number);
    const auto decoded = raw ? m_characterSet.decode(*raw) : std::nullopt;
    if (!decoded || !AtParameter::isDialString(*decoded))
        return std::nullopt;
    const auto givenType = AtParameter::number(type, 0, 255, PduEncoding::addressType(*decoded));
    if (!givenType)
        return std::nullopt;
    return std::make_pair(*decoded, *givenType);
}

// 27.005 3.1: with the GSM 7-bit alphabet the body is text in the terminal's character set; with
// 8-bit data or UCS2 it is hex digits, two to an octet, whatever +CSCS says. The service centre
// is left out, so that +CSCA's is used.
std::optional<QByteArray> MessageFormat::submitPdu(const QString &destination, int type,
                                                   const QByteArray &body) const {
    const SmsParameters &p = m_parameters;
    const SmsCoding coding = DataCodingScheme::fromOctet(p.dataCodingScheme).coding;
    QByteArray userData;
    if (coding == SmsCoding::Gsm7Bit) {
        const auto text = m_characterSet.decode(body);
        const auto septets = text ? GsmAlphabet::fromString(*text) : std::nullopt;
        if (!septets || septets->size() > SmsLimits::Septets)
            return std::nullopt;
        userData = PduEncoding::userData(coding, {}, *text);
    } else {
        const QByteArray octets = QByteArray::fromHex(body);
        if (!isHex(body) || octets.size() > SmsLimits::Octets ||
            (coding == SmsCoding::Ucs2 && octets.size() % 2 != 0))
            return std::nullopt;
        userData = char(octets.size()) + octets;
    }
    QByteArray tpdu = char(p.firstOctet) + QByteArray(1, 0) +
                      PduEncoding::address(destination, type) + char(p.protocolIdentifier) +
                      char(p.dataCodingScheme);
    if (((p.firstOctet >> 3) & 0x03) == 0x02)
        tpdu += char(p.validityPeriod);
    return "00" + (tpdu + userData).toHex().toUpper();
}

bool MessageFormat::isHex(const QByteArray &digits) {
    return digits.size() % 2 == 0 && std::all_of(digits.begin(), digits.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}
