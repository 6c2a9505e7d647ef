// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagedelivery.h"

#include "identity.h"

#include "concatenation.h"
#include "equipmentcommands.h"
#include "messageformat.h"
#include "messagestoragecommands.h"
#include "modemidentity.h"
#include "networkcommands.h"
#include "pduencoding.h"
#include "smslimits.h"
#include "smsparametercommands.h"

#include <utility>

namespace {

// Indications go to the terminal, held while it is busy with a command; each received message
// and status report is stored and announced with +CMTI and +CDSI. A program that never sends
// +CNMI, as ModemPad does not, still learns of each message, and one that asks for status
// reports finds them among its messages.
const QList<int> DefaultIndications{2, 1, 0, 2, 0};
// How many indications the modem holds while +CNMI's <mode> is 0; past it the oldest goes.
constexpr qsizetype MaxHeldIndications = 16;
// How long a message routed to the terminal waits for +CNMA: the network's own wait for the
// acknowledgement is of this order (TS 24.011's TR2M).
constexpr std::chrono::seconds AcknowledgementTimeout{15};
// What the network keeps for a modem that cannot take it, full or not registered: a service
// centre keeps messages for days, but a simulation told "storage full" and fed for a day
// should not grow all day. Ten times the modem's largest storage; past it the oldest goes.
constexpr qsizetype MaxWaitingInNetwork = 1000;

QString forLog(SmsCoding coding, const QString &text, const QByteArray &data) {
    return coding == SmsCoding::EightBit ? QString::fromLatin1(data.toHex()) : u'"' + text + u'"';
}

} // namespace

MessageDelivery::MessageDelivery(const EquipmentSettings &equipment,
                                 const SmsParameters &parameters, const NetworkCommands &network,
                                 MessageStorageCommands &storage, const Identity &identity,
                                 QObject *parent)
    : QObject(parent)
    , m_equipment(equipment)
    , m_parameters(parameters)
    , m_network(network)
    , m_storage(storage)
    , m_identity(identity)
    , m_indications(DefaultIndications) {
    connect(&m_reports, &StatusReportQueue::due, this, &MessageDelivery::bring);
    connect(&m_reports, &StatusReportQueue::dropped, this, [this](const SmsStatusReport &report) {
        emit noted(QStringLiteral("the status report for message %1 is dropped: 256 newer "
                                  "messages wait for theirs")
                       .arg(report.messageReference));
    });
    m_acknowledgement.setSingleShot(true);
    m_acknowledgement.setInterval(AcknowledgementTimeout);
    connect(&m_acknowledgement, &QTimer::timeout, this, &MessageDelivery::acknowledgementMissed);
}

void MessageDelivery::addTo(CommandTable &table) {
    using Self = MessageDelivery;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CNMI",
         .test = CommandTable::answer("+CNMI: (0-3),(0-3),(0-3),(0-2),(0,1)"),
         .read = &Self::readIndications,
         .set = &Self::setIndications},
        {.name = "+CNMA",
         .test = &Self::acknowledgeTest,
         .set = &Self::acknowledge,
         .action = &Self::acknowledge},
    };
    table.add(this, rows);
}

void MessageDelivery::restoreDefaults() {
    m_indications = DefaultIndications;
    // Indications held for the +CNMI that is gone; the new one starts with none.
    m_heldIndications.clear();
    m_acknowledgement.stop();
}

bool MessageDelivery::receiveText(const QString &originator, const QString &text,
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
        bring(message);
    }
    return true;
}

SmsDeliver MessageDelivery::delivery(const SmsSubmit &submit) const {
    // The message's own service centre, or the one +CSCA names, delivers it and reports on it.
    const bool ownCentre = !submit.serviceCentre.isEmpty();
    SmsDeliver message;
    message.serviceCentre = ownCentre ? submit.serviceCentre : m_parameters.serviceCentre;
    message.serviceCentreType = ownCentre ? PduEncoding::addressType(message.serviceCentre)
                                          : m_parameters.serviceCentreType;
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

bool MessageDelivery::route(const SmsSubmit &submit, int reference) {
    if (submit.destination == m_identity.number || !m_router)
        return false;
    RoutedMessage routed{submit.destination, delivery(submit), reference,
                         submit.statusReportRequest, std::nullopt};
    if (submit.validityFormat == SmsSubmit::ValidityFormat::Absolute)
        routed.validUntil = submit.validUntil;
    else if (submit.validityFormat != SmsSubmit::ValidityFormat::None)
        routed.validUntil = routed.message.timestamp.addSecs(submit.validityPeriod.count());
    // The router delivers later, so the sender's report waits already when the outcome is known.
    return m_router(routed);
}

void MessageDelivery::carry(const SmsSubmit &submit, int reference, bool routed) {
    const SmsDeliver message = delivery(submit);
    if (submit.statusReportRequest) {
        SmsStatusReport report;
        report.serviceCentre = message.serviceCentre;
        report.serviceCentreType = message.serviceCentreType;
        report.messageReference = reference;
        report.recipient = submit.destination;
        report.recipientType = submit.destinationType;
        report.serviceCentreTime = QDateTime::currentDateTime();
        m_reports.add(report, !routed);
    }
    if (submit.destination == m_identity.number)
        bring(message);
}

QString MessageDelivery::ownNumber() const {
    return m_identity.number;
}

bool MessageDelivery::receiveRouted(const SmsDeliver &message) {
    // What waits already goes first.
    return m_waitingInNetwork.isEmpty() && receive(message);
}

std::optional<AtResponse> MessageDelivery::refusal(const SmsSubmit &submit) {
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

void MessageDelivery::rejectSends(int cause, int count) {
    m_rejectCause = cause;
    m_rejectCount = count;
    emit noted(count == 0 ? QStringLiteral("the network takes every message again")
                          : QStringLiteral("the network refuses the next %1 with +CMS ERROR: %2")
                                .arg(count == 1 ? QStringLiteral("message")
                                                : QStringLiteral("%1 messages").arg(count))
                                .arg(cause));
}

void MessageDelivery::deliverWaiting() {
    while (!m_waitingInNetwork.isEmpty()) {
        const bool arrived = std::visit([this](const auto &waiting) { return receive(waiting); },
                                        m_waitingInNetwork.constFirst());
        if (!arrived)
            return;
        m_waitingInNetwork.removeFirst();
    }
    emit readyToReceive();
}

AtResponse MessageDelivery::readIndications(const AtCommand &) const {
    QByteArrayList values;
    for (const int value : m_indications)
        values.append(QByteArray::number(value));
    return AtResponse::text("+CNMI: " + values.join(','));
}

AtResponse MessageDelivery::setIndications(const AtCommand &command) {
    static const int Maximum[] = {3, 3, 3, 2, 1};
    const QList<QByteArray> arguments = command.arguments();
    if (arguments.size() > 5)
        return AtResponse::error();
    QList<int> chosen = m_indications;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const auto value = AtParameter::number(arguments.at(i), 0, Maximum[i], chosen.at(i));
        if (!value)
            return AtResponse::error();
        chosen[i] = *value;
    }
    m_indications = chosen;
    // Leaving <mode> 0 sends what was held (<bfr> 0) or drops it (<bfr> 1).
    if (chosen.at(0) != 0) {
        for (const QByteArrayList &lines : std::exchange(m_heldIndications, {})) {
            if (chosen.at(4) == 0)
                emit unsolicited(lines);
        }
    }
    return AtResponse::ok();
}

AtResponse MessageDelivery::acknowledgeTest(const AtCommand &) const {
    return m_parameters.textMode ? AtResponse::ok() : AtResponse::text("+CNMA: (0-2)");
}

// +CNMA (TS 27.005 3.4.4), under +CSMS=1: the terminal acknowledges what was routed to it, in
// PDU mode positively (<n> 0 or 1) or not (2), with an optional TPDU of the given length.
AtResponse MessageDelivery::acknowledge(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto reply = AtParameter::number(arguments.value(0), 0, 2);
    const auto length = AtParameter::number(arguments.value(1), 0, SmsLimits::TpduOctets);
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
        return MessageFormat::isHex(body) ? AtResponse::ok()
                                          : AtResponse::cmsError(CmsError::InvalidPduParameter);
    });
}

void MessageDelivery::acknowledgementMissed() {
    m_indications[1] = 0;
    m_indications[3] = 0;
    emit noted(QStringLiteral("no +CNMA within %1 s: messages and status reports are no longer "
                              "routed to the terminal, +CNMI's <mt> and <ds> are 0")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(
                            m_acknowledgement.intervalAsDuration())
                            .count()));
}

void MessageDelivery::bring(const Arrival &arrival) {
    if (!std::visit([this](const auto &brought) { return receive(brought); }, arrival))
        waitInNetwork(arrival);
}

// +CNMI's <mt>: 0 stores quietly, 1 stores and sends +CMTI; 2 sends every message but those of
// class 2 (for the SIM) to the terminal with +CMT instead; 3 does that for class 3 only.
bool MessageDelivery::receive(const SmsDeliver &message) {
    const auto messageClass = DataCodingScheme::fromOctet(message.dataCodingScheme).messageClass;
    const int mt = m_indications.at(1);
    const Routing routing = (mt == 2 && messageClass != 2) || (mt == 3 && messageClass == 3)
                                ? Routing::ToTerminal
                            : mt == 0 ? Routing::Store
                                      : Routing::StoreAndIndicate;
    return takeIn(message, routing, QStringLiteral("message from %1").arg(message.originator),
                  QStringLiteral(": ") + forLog(message.coding(), message.text, message.data));
}

// +CNMI's <ds>: 0 passes no status report on, 1 sends it to the terminal with +CDS, 2 stores it
// and sends +CDSI.
bool MessageDelivery::receive(const SmsStatusReport &report) {
    static const Routing ByDs[] = {Routing::Discard, Routing::ToTerminal,
                                   Routing::StoreAndIndicate};
    const QString subject =
        QStringLiteral("status report on message %1 to %2, %3,")
            .arg(report.messageReference)
            .arg(report.recipient,
                 report.status == 0
                     ? QStringLiteral("delivered")
                     : QStringLiteral("failed with TP-Status %1").arg(report.status));
    return takeIn(report, ByDs[m_indications.at(3)], subject, {});
}

bool MessageDelivery::takeIn(const Arrival &arrival, Routing routing, const QString &subject,
                             const QString &detail) {
    if (!m_network.isRegistered()) {
        emit noted(subject + QStringLiteral(" waits in the network for the modem to register") +
                   detail);
        return false;
    }
    const bool report = std::holds_alternative<SmsStatusReport>(arrival);
    const QByteArray pdu = report ? encodeSmsStatusReport(std::get<SmsStatusReport>(arrival))
                                  : encodeSmsDeliver(std::get<SmsDeliver>(arrival));
    switch (routing) {
    case Routing::Discard:
        emit noted(subject + QStringLiteral(" not passed on: +CNMI's <ds> is 0"));
        return true;
    case Routing::ToTerminal: {
        emit noted(subject +
                   (report ? QStringLiteral(" sent to the terminal (+CDS)")
                           : QStringLiteral(" sent to the terminal (+CMT)")) +
                   detail);
        const MessageFormat format(m_parameters, m_equipment.characterSet);
        route(std::visit([&](const auto &routed) { return format.routed(routed, pdu); }, arrival));
        return true;
    }
    case Routing::Store:
    case Routing::StoreAndIndicate:
        break;
    }
    const QByteArray storage = m_storage.receiveStorage();
    const auto content = std::visit(
        [](const auto &stored) -> decltype(StoredMessage::content) { return stored; }, arrival);
    const auto index = m_storage.addReceived({MessageStatus::ReceivedUnread, pdu, content});
    if (!index) {
        emit noted(subject +
                   QStringLiteral(" waits in the network, \"%1\" is full")
                       .arg(QString::fromLatin1(storage)) +
                   detail);
        return false;
    }
    emit noted(
        subject +
        QStringLiteral(" stored in \"%1\" at %2").arg(QString::fromLatin1(storage)).arg(*index) +
        detail);
    if (routing == Routing::StoreAndIndicate)
        indicate(
            {(report ? "+CDSI: \"" : "+CMTI: \"") + storage + "\"," + QByteArray::number(*index)});
    return true;
}

void MessageDelivery::waitInNetwork(const Arrival &arrival) {
    m_waitingInNetwork.append(arrival);
    if (m_waitingInNetwork.size() <= MaxWaitingInNetwork)
        return;
    const bool report = std::holds_alternative<SmsStatusReport>(m_waitingInNetwork.takeFirst());
    emit noted(QStringLiteral("the oldest %1 waiting in the network for the modem is dropped: "
                              "the network keeps %2")
                   .arg(report ? QStringLiteral("status report") : QStringLiteral("message"))
                   .arg(MaxWaitingInNetwork));
}

void MessageDelivery::route(const QByteArrayList &lines) {
    indicate(lines);
    if (m_parameters.service == 1)
        m_acknowledgement.start();
}

void MessageDelivery::indicate(const QByteArrayList &lines) {
    if (m_indications.at(0) != 0) {
        emit unsolicited(lines);
        return;
    }
    m_heldIndications.append(lines);
    if (m_heldIndications.size() > MaxHeldIndications) {
        emit noted(QStringLiteral("more indications are held under +CNMI mode 0 than the modem "
                                  "keeps; the oldest is dropped: ") +
                   QString::fromLatin1(m_heldIndications.takeFirst().join(' ')));
    }
}
