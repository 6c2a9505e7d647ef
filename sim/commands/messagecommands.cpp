// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagecommands.h"

#include "concatenation.h"
#include "equipmentcommands.h"
#include "gsmalphabet.h"
#include "identity.h"
#include "messageformat.h"
#include "modemidentity.h"
#include "networkcommands.h"
#include "pduencoding.h"
#include "smsparametercommands.h"

#include <algorithm>
#include <cctype>
#include <type_traits>

namespace {

using Handler = CommandTable::Handler;

constexpr int MaxTpduLength = 164;
constexpr int MaxSeptets = 160;
constexpr int MaxOctets = 140;
constexpr int AllStatuses = 4;
// How many indications the modem holds while +CNMI's <mode> is 0; past it the oldest goes.
constexpr qsizetype MaxHeldIndications = 16;
// A message reference is one octet, so a message is told apart by it among the last 256 at
// most; older ones are forgotten, as a network forgets them.
constexpr qsizetype MaxAccepted = 256;
// How long a message routed to the terminal waits for +CNMA: the network's own wait for the
// acknowledgement is of this order (TS 24.011's TR2M).
constexpr std::chrono::seconds AcknowledgementTimeout{15};
// How long +CMMS=1 keeps the link open after a message: TS 27.005 says 1 to 5 seconds.
constexpr std::chrono::seconds LinkTimeout{5};
// What the network keeps for a modem that cannot take it, full or not registered: a service
// centre keeps messages for days, but a simulation told "storage full" and fed for a day
// should not grow all day. Ten times the modem's largest storage; past it the oldest goes.
constexpr qsizetype MaxWaitingInNetwork = 1000;

bool isHex(const QByteArray &digits) {
    return digits.size() % 2 == 0 && std::all_of(digits.begin(), digits.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

QString forLog(SmsCoding coding, const QString &text, const QByteArray &data) {
    return coding == SmsCoding::EightBit ? QString::fromLatin1(data.toHex()) : u'"' + text + u'"';
}

} // namespace

MessageCommands::MessageCommands(const EquipmentSettings &equipment,
                                 const SmsParameters &parameters, const NetworkCommands &network,
                                 const Identity &identity, QObject *parent)
    : QObject(parent)
    , m_equipment(equipment)
    , m_parameters(parameters)
    , m_network(network)
    , m_identity(identity) {
    connect(&m_reports, &StatusReportQueue::due, this, [this](const SmsStatusReport &report) {
        if (!receiveReport(report))
            waitInNetwork(report);
    });
    connect(&m_reports, &StatusReportQueue::dropped, this, [this](const SmsStatusReport &report) {
        emit noted(QStringLiteral("the status report for message %1 is dropped: 256 newer "
                                  "messages wait for theirs")
                       .arg(report.messageReference));
    });
    m_acknowledgement.setSingleShot(true);
    m_acknowledgement.setInterval(AcknowledgementTimeout);
    connect(&m_acknowledgement, &QTimer::timeout, this, &MessageCommands::acknowledgementMissed);
    m_link.setSingleShot(true);
    m_link.setInterval(LinkTimeout);
    connect(&m_link, &QTimer::timeout, this, [this] {
        if (m_settings.moreMessages != 1)
            return;
        m_settings.moreMessages = 0;
        emit noted(QStringLiteral("no message for %1 s: the link to the network closes, and "
                                  "+CMMS is 0 again")
                       .arg(LinkTimeout.count()));
    });
}

void MessageCommands::restoreDefaults() {
    m_settings = {};
    // Indications held for the +CNMI that is gone; the new one starts with none.
    m_heldIndications.clear();
    m_acknowledgement.stop();
    m_link.stop();
}

void MessageCommands::rejectSends(int cause, int count) {
    m_rejectCause = cause;
    m_rejectCount = count;
    emit noted(count == 0 ? QStringLiteral("the network takes every message again")
                          : QStringLiteral("the network refuses the next %1 with +CMS ERROR: %2")
                                .arg(count == 1 ? QStringLiteral("message")
                                                : QStringLiteral("%1 messages").arg(count))
                                .arg(cause));
}

void MessageCommands::setStorageFull(bool full) {
    m_store.setFull(full);
    emit noted(full ? QStringLiteral("the message storages are full")
                    : QStringLiteral("the message storages have room again"));
    deliverWaiting();
}

void MessageCommands::addTo(CommandTable &table) {
    const auto member = [this](AtResponse (MessageCommands::*handler)(const AtCommand &)) {
        return [this, handler](const AtCommand &command) { return (this->*handler)(command); };
    };
    const Handler storages = [](const AtCommand &) {
        const QByteArray names = "(\"" + MessageStore::storages().join("\",\"") + "\")";
        return AtResponse::text("+CPMS: " + names + ',' + names + ',' + names);
    };
    const Handler readIndications = [this](const AtCommand &) {
        QByteArrayList values;
        for (const int value : std::as_const(m_settings.indications))
            values.append(QByteArray::number(value));
        return AtResponse::text("+CNMI: " + values.join(','));
    };
    const Handler listTest = [this](const AtCommand &) {
        if (!m_parameters.textMode)
            return AtResponse::text("+CMGL: (0-4)");
        return AtResponse::text(
            R"(+CMGL: ("REC UNREAD","REC READ","STO UNSENT","STO SENT","ALL"))");
    };
    const Handler removeTest = [this](const AtCommand &) {
        QByteArrayList indexes;
        for (const int index : m_store.indexes(m_settings.readStorage))
            indexes.append(QByteArray::number(index));
        return AtResponse::text("+CMGD: (" + indexes.join(',') + "),(0-4)");
    };

    table.add("+CPMS", {.test = storages,
                        .read = [this](const AtCommand &) { return readStorages(); },
                        .set = member(&MessageCommands::selectStorages)});
    table.add("+CNMI", {.test = CommandTable::answer("+CNMI: (0-3),(0-3),(0-3),(0-2),(0,1)"),
                        .read = readIndications,
                        .set = member(&MessageCommands::setIndications)});
    table.add("+CMGS", {.test = CommandTable::exists(), .set = member(&MessageCommands::send)});
    table.add("+CMSS",
              {.test = CommandTable::exists(), .set = member(&MessageCommands::sendStored)});
    table.add("+CMGW", {.test = CommandTable::exists(),
                        .set = member(&MessageCommands::write),
                        .action = member(&MessageCommands::write)});
    table.add("+CMGL", {.test = listTest,
                        .set = member(&MessageCommands::list),
                        .action = member(&MessageCommands::list)});
    table.add("+CMGR", {.test = CommandTable::exists(), .set = member(&MessageCommands::read)});
    table.add("+CMGD", {.test = removeTest, .set = member(&MessageCommands::remove)});
    table.add("+CNMA", {.test =
                            [this](const AtCommand &) {
                                return m_parameters.textMode ? AtResponse::ok()
                                                             : AtResponse::text("+CNMA: (0-2)");
                            },
                        .set = member(&MessageCommands::acknowledge),
                        .action = member(&MessageCommands::acknowledge)});
    const Handler setMoreMessages = [this](const AtCommand &command) {
        const auto value = AtParameter::number(command.value, 0, 2);
        if (!value)
            return AtResponse::error();
        m_settings.moreMessages = *value;
        if (*value == 1)
            m_link.start();
        return AtResponse::ok();
    };
    table.add("+CMMS", {.test = CommandTable::answer("+CMMS: (0-2)"),
                        .read =
                            [this](const AtCommand &) {
                                return AtResponse::text(
                                    "+CMMS: " + QByteArray::number(m_settings.moreMessages));
                            },
                        .set = setMoreMessages});
}

bool MessageCommands::receiveText(const QString &originator, const QString &text,
                                  const QDateTime &sent) {
    const QList<Concatenation::Segment> parts =
        Concatenation::split(text, m_nextConcatenationReference);
    if (parts.isEmpty())
        return false;
    m_nextConcatenationReference = (m_nextConcatenationReference + 1) % 256;
    for (const Concatenation::Segment &part : parts) {
        SmsDeliver message;
        message.serviceCentre = QString::fromLatin1(ModemIdentity::ServiceCentre);
        message.originator = originator;
        message.originatorType = PduEncoding::addressType(originator);
        message.dataCodingScheme = part.coding == SmsCoding::Ucs2 ? 0x08 : 0x00;
        message.timestamp = sent;
        message.userDataHeader = part.header;
        message.text = part.text;
        if (!receive(message))
            waitInNetwork(message);
    }
    return true;
}

AtResponse MessageCommands::selectStorages(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    QByteArray *const settings[] = {&m_settings.readStorage, &m_settings.writeStorage,
                                    &m_settings.receiveStorage};
    QByteArrayList chosen;
    for (const QByteArray &argument : arguments) {
        const auto name = AtParameter::string(argument);
        if (arguments.size() > 3 || !name || !MessageStore::storages().contains(name->toUpper()))
            return AtResponse::error();
        chosen.append(name->toUpper());
    }
    for (qsizetype i = 0; i < chosen.size(); ++i)
        *settings[i] = chosen.at(i);
    QByteArrayList counts;
    for (const QByteArray *storage : settings) {
        counts.append(QByteArray::number(m_store.used(*storage)) + ',' +
                      QByteArray::number(m_store.capacity(*storage)));
    }
    return AtResponse::text("+CPMS: " + counts.join(','));
}

AtResponse MessageCommands::readStorages() const {
    QByteArrayList entries;
    for (const QByteArray &storage :
         {m_settings.readStorage, m_settings.writeStorage, m_settings.receiveStorage}) {
        entries.append('"' + storage + "\"," + QByteArray::number(m_store.used(storage)) + ',' +
                       QByteArray::number(m_store.capacity(storage)));
    }
    return AtResponse::text("+CPMS: " + entries.join(','));
}

AtResponse MessageCommands::setIndications(const AtCommand &command) {
    static const int Maximum[] = {3, 3, 3, 2, 1};
    const QList<QByteArray> arguments = command.arguments();
    if (arguments.size() > 5)
        return AtResponse::error();
    QList<int> chosen = m_settings.indications;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const auto value = AtParameter::number(arguments.at(i), 0, Maximum[i], chosen.at(i));
        if (!value)
            return AtResponse::error();
        chosen[i] = *value;
    }
    m_settings.indications = chosen;
    // Leaving <mode> 0 sends what was held (<bfr> 0) or drops it (<bfr> 1).
    if (chosen.at(0) != 0) {
        for (const QByteArrayList &lines : std::exchange(m_heldIndications, {})) {
            if (chosen.at(4) == 0)
                emit unsolicited(lines);
        }
    }
    return AtResponse::ok();
}

AtResponse MessageCommands::send(const AtCommand &command) {
    if (!m_network.isRegistered())
        return AtResponse::cmsError(CmsError::NoNetworkService);
    if (!m_parameters.textMode) {
        const auto length = AtParameter::required(command.value, 1, MaxTpduLength);
        if (!length)
            return AtResponse::error();
        return AtResponse::prompt(false, [this, length = *length](const QByteArray &body) {
            return sendPdu(body, length, body);
        });
    }
    const QList<QByteArray> arguments = command.arguments();
    const auto destination = address(arguments.value(0), arguments.value(1));
    if (arguments.size() > 2 || !destination)
        return AtResponse::error();
    return AtResponse::prompt(true, [this, destination = *destination](const QByteArray &body) {
        const auto pdu = textModePdu(destination.first, destination.second, body);
        if (!pdu)
            return AtResponse::cmsError(CmsError::InvalidTextParameter);
        return sendPdu(*pdu, StoredMessage::tpduLength(*pdu), {});
    });
}

AtResponse MessageCommands::sendStored(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto index = AtParameter::required(arguments.value(0), 0, 99999);
    std::optional<std::pair<QString, int>> destination;
    if (arguments.size() > 1)
        destination = address(arguments.at(1), arguments.value(2));
    if (arguments.size() > 3 || !index || (arguments.size() > 1 && !destination))
        return AtResponse::error();
    StoredMessage *stored = m_store.find(m_settings.writeStorage, *index);
    if (!stored)
        return AtResponse::cmsError(CmsError::InvalidMemoryIndex);
    const auto *submit = std::get_if<SmsSubmit>(&stored->content);
    if (!submit || (submit->destination.isEmpty() && !destination))
        return AtResponse::cmsError(CmsError::OperationNotAllowed);
    if (!m_network.isRegistered())
        return AtResponse::cmsError(CmsError::NoNetworkService);
    SmsSubmit sent = *submit;
    if (destination) {
        sent.destination = destination->first;
        sent.destinationType = destination->second;
    }
    if (const auto refused = refusal(sent))
        return *refused;
    stored->status = MessageStatus::StoredSent;
    // The PDU as stored names another destination than the one it went to.
    return accept(sent, destination ? QByteArray() : stored->pdu, "+CMSS");
}

AtResponse MessageCommands::write(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const MessageFormat format(m_parameters, m_equipment.characterSet);
    // Said before the prompt, so that nobody types a message there is no room for.
    const QByteArray &storage = m_settings.writeStorage;
    if (m_store.used(storage) >= m_store.capacity(storage))
        return AtResponse::cmsError(CmsError::MemoryFull);
    if (!m_parameters.textMode) {
        const auto length = AtParameter::required(arguments.value(0), 1, MaxTpduLength);
        const auto status = format.status(arguments.value(1).isEmpty() ? "2" : arguments.at(1));
        if (arguments.size() > 2 || !length || !status)
            return AtResponse::error();
        // Only what the terminal sends can be written: SMS-SUBMITs, unsent or sent.
        if (*status < int(MessageStatus::StoredUnsent) || *status == AllStatuses)
            return AtResponse::cmsError(CmsError::OperationNotSupported);
        return AtResponse::prompt(false, [this, length = *length,
                                          status = MessageStatus(*status)](const QByteArray &body) {
            return store(body, length, status);
        });
    }
    std::optional<std::pair<QString, int>> destination =
        std::make_pair(QString(), PduEncoding::NationalType);
    if (!arguments.value(0).isEmpty())
        destination = address(arguments.at(0), arguments.value(1));
    const auto status =
        format.status(arguments.value(2).isEmpty() ? "\"STO UNSENT\"" : arguments.at(2));
    if (arguments.size() > 3 || !destination || !status)
        return AtResponse::error();
    if (*status < int(MessageStatus::StoredUnsent) || *status == AllStatuses)
        return AtResponse::cmsError(CmsError::OperationNotSupported);
    return AtResponse::prompt(true, [this, destination = *destination,
                                     status = MessageStatus(*status)](const QByteArray &body) {
        const auto pdu = textModePdu(destination.first, destination.second, body);
        if (!pdu)
            return AtResponse::cmsError(CmsError::InvalidTextParameter);
        return store(*pdu, StoredMessage::tpduLength(*pdu), status);
    });
}

AtResponse MessageCommands::list(const AtCommand &command) {
    const MessageFormat format(m_parameters, m_equipment.characterSet);
    const QByteArray fallback = m_parameters.textMode ? "\"REC UNREAD\"" : "0";
    const auto wanted = format.status(command.value.isEmpty() ? fallback : command.value);
    if (!wanted)
        return AtResponse::error();
    QByteArrayList lines;
    for (const int index : m_store.indexes(m_settings.readStorage)) {
        StoredMessage *message = m_store.find(m_settings.readStorage, index);
        if (*wanted != AllStatuses && int(message->status) != *wanted)
            continue;
        lines += format.listed(index, *message);
        if (message->status == MessageStatus::ReceivedUnread)
            message->status = MessageStatus::ReceivedRead;
    }
    AtResponse response;
    if (!lines.isEmpty())
        response.information.append(lines);
    return response;
}

AtResponse MessageCommands::read(const AtCommand &command) {
    const auto index = AtParameter::required(command.value, 0, 99999);
    if (!index)
        return AtResponse::error();
    StoredMessage *message = m_store.find(m_settings.readStorage, *index);
    if (!message)
        return AtResponse::cmsError(CmsError::InvalidMemoryIndex);
    AtResponse response;
    response.information.append(
        MessageFormat(m_parameters, m_equipment.characterSet).read(*message));
    if (message->status == MessageStatus::ReceivedUnread)
        message->status = MessageStatus::ReceivedRead;
    return response;
}

AtResponse MessageCommands::remove(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto index = AtParameter::required(arguments.value(0), 0, 99999);
    const auto flag = AtParameter::number(arguments.value(1), 0, 4);
    if (arguments.size() > 2 || !index || !flag)
        return AtResponse::error();
    const QByteArray &storage = m_settings.readStorage;
    if (*flag == 0) {
        if (*index < 1 || *index > MessageStore::slotCount(storage))
            return AtResponse::cmsError(CmsError::InvalidMemoryIndex);
        m_store.remove(storage, *index);
        deliverWaiting();
        return AtResponse::ok();
    }
    // <delflag> 1 deletes the read messages; 2 the sent ones too; 3 the unsent ones too; 4 all.
    for (const int stored : m_store.indexes(storage)) {
        const MessageStatus status = m_store.find(storage, stored)->status;
        const bool goes = *flag == 4 || status == MessageStatus::ReceivedRead ||
                          (*flag >= 2 && status == MessageStatus::StoredSent) ||
                          (*flag >= 3 && status == MessageStatus::StoredUnsent);
        if (goes)
            m_store.remove(storage, stored);
    }
    deliverWaiting();
    return AtResponse::ok();
}

std::optional<std::pair<QString, int>> MessageCommands::address(const QByteArray &number,
                                                                const QByteArray &type) const {
    const auto raw = AtParameter::string(number);
    const auto decoded = raw ? m_equipment.characterSet.decode(*raw) : std::nullopt;
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
std::optional<QByteArray> MessageCommands::textModePdu(const QString &destination, int type,
                                                       const QByteArray &body) const {
    const SmsParameters &p = m_parameters;
    const SmsCoding coding = DataCodingScheme::fromOctet(p.dataCodingScheme).coding;
    QByteArray userData;
    if (coding == SmsCoding::Gsm7Bit) {
        const auto text = m_equipment.characterSet.decode(body);
        const auto septets = text ? GsmAlphabet::fromString(*text) : std::nullopt;
        if (!septets || septets->size() > MaxSeptets)
            return std::nullopt;
        userData = PduEncoding::userData(coding, {}, *text);
    } else {
        const QByteArray octets = QByteArray::fromHex(body);
        if (!isHex(body) || octets.size() > MaxOctets ||
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

AtResponse MessageCommands::store(const QByteArray &pdu, int tpduLength, MessageStatus status) {
    const SmsSubmitDecoding decoding = decodeSmsSubmit(pdu, tpduLength);
    if (decoding.error)
        return AtResponse::cmsError(*decoding.error);
    const auto index = m_store.add(m_settings.writeStorage, {status, pdu, decoding.message});
    if (!index)
        return AtResponse::cmsError(CmsError::MemoryFull);
    return AtResponse::text("+CMGW: " + QByteArray::number(*index));
}

AtResponse MessageCommands::sendPdu(const QByteArray &pdu, int tpduLength,
                                    const QByteArray &received) {
    const SmsSubmitDecoding decoding = decodeSmsSubmit(pdu, tpduLength);
    if (decoding.error)
        return AtResponse::cmsError(*decoding.error);
    if (const auto refused = refusal(decoding.message))
        return *refused;
    return accept(decoding.message, received, "+CMGS");
}

std::optional<AtResponse> MessageCommands::refusal(const SmsSubmit &submit) {
    if (m_rejectCount == 0)
        return std::nullopt;
    --m_rejectCount;
    emit noted(QStringLiteral("message to %1 refused by the network: +CMS ERROR: %2, %3 more to "
                              "refuse")
                   .arg(submit.destination)
                   .arg(m_rejectCause)
                   .arg(m_rejectCount));
    return AtResponse::cmsError(CmsError(m_rejectCause));
}

AtResponse MessageCommands::accept(const SmsSubmit &submit, const QByteArray &pdu,
                                   const QByteArray &command) {
    AcceptedMessage message{m_nextReference, submit, pdu, {}};
    m_nextReference = (m_nextReference + 1) % 256;
    // The message's own service centre, or the one +CSCA names, delivers it and reports on it.
    const bool ownCentre = !submit.serviceCentre.isEmpty();
    const QString centre = ownCentre ? submit.serviceCentre : m_parameters.serviceCentre;
    const int centreType =
        ownCentre ? PduEncoding::addressType(centre) : m_parameters.serviceCentreType;
    const bool toSelf = submit.destination == m_identity.number;
    // The router delivers later, so the report below waits already when the outcome is known.
    if (!toSelf && m_router) {
        RoutedMessage routed{submit.destination, delivery(submit, centre, centreType),
                             message.reference, submit.statusReportRequest, std::nullopt};
        if (submit.validityFormat == SmsSubmit::ValidityFormat::Absolute)
            routed.validUntil = submit.validUntil;
        else if (submit.validityFormat != SmsSubmit::ValidityFormat::None)
            routed.validUntil = routed.message.timestamp.addSecs(submit.validityPeriod.count());
        if (m_router(routed))
            message.routedFrom = m_identity.number;
    }
    m_accepted.append(message);
    if (m_accepted.size() > MaxAccepted)
        m_accepted.removeFirst();
    emit messageAccepted(message);
    if (m_settings.moreMessages == 1)
        m_link.start();
    if (submit.statusReportRequest) {
        SmsStatusReport report;
        report.serviceCentre = centre;
        report.serviceCentreType = centreType;
        report.messageReference = message.reference;
        report.recipient = submit.destination;
        report.recipientType = submit.destinationType;
        report.serviceCentreTime = QDateTime::currentDateTime();
        m_reports.add(report, message.routedFrom.isEmpty());
    }
    if (toSelf) {
        const SmsDeliver returned = delivery(submit, centre, centreType);
        if (!receive(returned))
            waitInNetwork(returned);
    }
    return AtResponse::text(command + ": " + QByteArray::number(message.reference));
}

SmsDeliver MessageCommands::delivery(const SmsSubmit &submit, const QString &centre,
                                     int centreType) const {
    SmsDeliver message;
    message.serviceCentre = centre;
    message.serviceCentreType = centreType;
    message.originator = m_identity.number;
    message.originatorType = PduEncoding::addressType(m_identity.number);
    message.protocolIdentifier = submit.protocolIdentifier;
    message.dataCodingScheme = submit.dataCodingScheme;
    message.timestamp = QDateTime::currentDateTime();
    message.userDataHeader = submit.userDataHeader;
    message.text = submit.text;
    message.data = submit.data;
    return message;
}

bool MessageCommands::receiveRouted(const SmsDeliver &message) {
    // What waits already goes first.
    return m_waitingInNetwork.isEmpty() && receive(message);
}

// +CNMA (TS 27.005 3.4.4), under +CSMS=1: the terminal acknowledges what was routed to it, in
// PDU mode positively (<n> 0 or 1) or not (2), with an optional TPDU of the given length.
AtResponse MessageCommands::acknowledge(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto reply = AtParameter::number(arguments.value(0), 0, 2);
    const auto length = AtParameter::number(arguments.value(1), 0, MaxTpduLength);
    const bool textMode = m_parameters.textMode;
    if ((textMode && command.form != AtCommand::Form::Action) || arguments.size() > 2 || !reply ||
        !length)
        return AtResponse::error();
    if (!m_acknowledgement.isActive())
        return AtResponse::cmsError(CmsError::NoAcknowledgementExpected);
    m_acknowledgement.stop();
    emit noted(*reply == 2
                   ? QStringLiteral("the terminal refused what it was sent (+CNMA, RP-ERROR)")
                   : QStringLiteral("the terminal acknowledged what it was sent (+CNMA)"));
    if (*length == 0)
        return AtResponse::ok();
    return AtResponse::prompt(false, [](const QByteArray &body) {
        return isHex(body) ? AtResponse::ok() : AtResponse::cmsError(CmsError::InvalidPduParameter);
    });
}

void MessageCommands::acknowledgementMissed() {
    m_settings.indications[1] = 0;
    m_settings.indications[3] = 0;
    emit noted(QStringLiteral("no +CNMA within %1 s: messages and status reports are no longer "
                              "routed to the terminal, +CNMI's <mt> and <ds> are 0")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(
                            m_acknowledgement.intervalAsDuration())
                            .count()));
}

// +CNMI's <mt>: 0 stores quietly, 1 stores and sends +CMTI; 2 sends every message but those of
// class 2 (for the SIM) to the terminal with +CMT instead; 3 does that for class 3 only.
bool MessageCommands::receive(const SmsDeliver &message) {
    const QString from = QStringLiteral("message from %1").arg(message.originator);
    const QString text = forLog(message.coding(), message.text, message.data);
    if (!m_network.isRegistered()) {
        emit noted(QStringLiteral("%1 waits in the network for the modem to register: %2")
                       .arg(from, text));
        return false;
    }
    const QByteArray pdu = encodeSmsDeliver(message);
    const auto messageClass = DataCodingScheme::fromOctet(message.dataCodingScheme).messageClass;
    const int mt = m_settings.indications.at(1);
    if ((mt == 2 && messageClass != 2) || (mt == 3 && messageClass == 3)) {
        emit noted(QStringLiteral("%1 sent to the terminal (+CMT): %2").arg(from, text));
        route(MessageFormat(m_parameters, m_equipment.characterSet).routed(message, pdu));
        return true;
    }
    const QByteArray storage = m_settings.receiveStorage;
    const auto index = m_store.add(storage, {MessageStatus::ReceivedUnread, pdu, message});
    if (!index) {
        emit noted(QStringLiteral("%1 waits in the network, \"%2\" is full: %3")
                       .arg(from, QString::fromLatin1(storage), text));
        return false;
    }
    emit noted(QStringLiteral("%1 stored in \"%2\" at %3: %4")
                   .arg(from, QString::fromLatin1(storage))
                   .arg(*index)
                   .arg(text));
    if (mt != 0)
        indicate({"+CMTI: \"" + storage + "\"," + QByteArray::number(*index)});
    return true;
}

// +CNMI's <ds>: 0 passes no status report on, 1 sends it to the terminal with +CDS, 2 stores it
// and sends +CDSI.
bool MessageCommands::receiveReport(const SmsStatusReport &report) {
    const QString about =
        QStringLiteral("status report on message %1 to %2, %3")
            .arg(report.messageReference)
            .arg(report.recipient,
                 report.status == 0
                     ? QStringLiteral("delivered")
                     : QStringLiteral("failed with TP-Status %1").arg(report.status));
    if (!m_network.isRegistered()) {
        emit noted(about + QStringLiteral(", waits in the network for the modem to register"));
        return false;
    }
    const QByteArray pdu = encodeSmsStatusReport(report);
    switch (m_settings.indications.at(3)) {
    case 0:
        emit noted(about + QStringLiteral(", not passed on: +CNMI's <ds> is 0"));
        return true;
    case 1:
        emit noted(about + QStringLiteral(", sent to the terminal (+CDS)"));
        route(MessageFormat(m_parameters, m_equipment.characterSet).routed(report, pdu));
        return true;
    }
    const QByteArray storage = m_settings.receiveStorage;
    const auto index = m_store.add(storage, {MessageStatus::ReceivedUnread, pdu, report});
    if (!index) {
        emit noted(about + QStringLiteral(", waits in the network: \"%1\" is full")
                               .arg(QString::fromLatin1(storage)));
        return false;
    }
    emit noted(
        about +
        QStringLiteral(", stored in \"%1\" at %2").arg(QString::fromLatin1(storage)).arg(*index));
    indicate({"+CDSI: \"" + storage + "\"," + QByteArray::number(*index)});
    return true;
}

void MessageCommands::waitInNetwork(const std::variant<SmsDeliver, SmsStatusReport> &waiting) {
    m_waitingInNetwork.append(waiting);
    if (m_waitingInNetwork.size() <= MaxWaitingInNetwork)
        return;
    const bool report = std::holds_alternative<SmsStatusReport>(m_waitingInNetwork.takeFirst());
    emit noted(QStringLiteral("the oldest %1 waiting in the network for the modem is dropped: "
                              "the network keeps %2")
                   .arg(report ? QStringLiteral("status report") : QStringLiteral("message"))
                   .arg(MaxWaitingInNetwork));
}

void MessageCommands::deliverWaiting() {
    while (!m_waitingInNetwork.isEmpty()) {
        const bool arrived = std::visit(
            [this](const auto &waiting) {
                if constexpr (std::is_same_v<std::decay_t<decltype(waiting)>, SmsDeliver>)
                    return receive(waiting);
                else
                    return receiveReport(waiting);
            },
            m_waitingInNetwork.constFirst());
        if (!arrived)
            return;
        m_waitingInNetwork.removeFirst();
    }
    emit readyToReceive();
}

void MessageCommands::route(const QByteArrayList &lines) {
    indicate(lines);
    if (m_parameters.service == 1)
        m_acknowledgement.start();
}

void MessageCommands::indicate(const QByteArrayList &lines) {
    if (m_settings.indications.at(0) != 0) {
        emit unsolicited(lines);
        return;
    }
    m_heldIndications.append(lines);
    if (m_heldIndications.size() > MaxHeldIndications)
        m_heldIndications.removeFirst();
}
