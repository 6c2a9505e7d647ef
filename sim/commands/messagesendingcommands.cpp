// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagesendingcommands.h"

#include "equipmentcommands.h"
#include "messagedelivery.h"
#include "messageformat.h"
#include "messagestoragecommands.h"
#include "networkcommands.h"
#include "smslimits.h"
#include "smsparametercommands.h"

namespace {

// A message reference is one octet, so a message is told apart by it among the last 256 at
// most; older ones are forgotten, as a network forgets them.
constexpr qsizetype MaxAccepted = 256;
// How long +CMMS=1 keeps the link open after a message: TS 27.005 says 1 to 5 seconds.
constexpr std::chrono::seconds LinkTimeout{5};

} // namespace

MessageSendingCommands::MessageSendingCommands(const EquipmentSettings &equipment,
                                               const SmsParameters &parameters,
                                               const NetworkCommands &network,
                                               MessageStorageCommands &storage,
                                               MessageDelivery &delivery, QObject *parent)
    : QObject(parent)
    , m_equipment(equipment)
    , m_parameters(parameters)
    , m_network(network)
    , m_storage(storage)
    , m_delivery(delivery) {
    m_link.setSingleShot(true);
    m_link.setInterval(LinkTimeout);
    connect(&m_link, &QTimer::timeout, this, &MessageSendingCommands::linkClosed);
}

void MessageSendingCommands::addTo(CommandTable &table) {
    using Self = MessageSendingCommands;
    constexpr auto NeedsSim = CommandTable::Sim::Message;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CMGS", .test = CommandTable::exists(), .set = &Self::send, .sim = NeedsSim},
        {.name = "+CMSS",
         .test = CommandTable::exists(),
         .set = &Self::sendStored,
         .sim = NeedsSim},
        {.name = "+CMMS",
         .test = CommandTable::answer("+CMMS: (0-2)"),
         .read = &Self::readMoreMessages,
         .set = &Self::setMoreMessages},
    };
    table.add(this, rows);
}

void MessageSendingCommands::restoreDefaults() {
    m_moreMessages = 0;
    m_link.stop();
}

AtResponse MessageSendingCommands::send(const AtCommand &command) {
    if (!m_network.isRegistered())
        return AtResponse::cmsError(CmsError::NoNetworkService);
    if (!m_parameters.textMode) {
        const auto length = AtParameter::required(command.value, 1, SmsLimits::TpduOctets);
        if (!length)
            return AtResponse::error();
        return AtResponse::prompt(false, [this, length = *length](const QByteArray &body) {
            return sendPdu(body, length, body);
        });
    }
    const QList<QByteArray> arguments = command.arguments();
    const auto destination = MessageFormat(m_parameters, m_equipment.characterSet)
                                 .destination(arguments.value(0), arguments.value(1));
    if (arguments.size() > 2 || !destination)
        return AtResponse::error();
    return AtResponse::prompt(true, [this, destination = *destination](const QByteArray &body) {
        const auto pdu = MessageFormat(m_parameters, m_equipment.characterSet)
                             .submitPdu(destination.first, destination.second, body);
        if (!pdu)
            return AtResponse::cmsError(CmsError::InvalidTextParameter);
        return sendPdu(*pdu, StoredMessage::tpduLength(*pdu), {});
    });
}

AtResponse MessageSendingCommands::sendStored(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto index = AtParameter::required(arguments.value(0), 0, 99999);
    std::optional<std::pair<QString, int>> destination;
    if (arguments.size() > 1) {
        destination = MessageFormat(m_parameters, m_equipment.characterSet)
                          .destination(arguments.at(1), arguments.value(2));
    }
    if (arguments.size() > 3 || !index || (arguments.size() > 1 && !destination))
        return AtResponse::error();
    StoredMessage *stored = m_storage.findWritten(*index);
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
    if (const auto refused = m_delivery.refusal(sent))
        return *refused;
    stored->status = MessageStatus::StoredSent;
    // The PDU as stored names another destination than the one it went to.
    return accept(sent, destination ? QByteArray() : stored->pdu, "+CMSS");
}

AtResponse MessageSendingCommands::readMoreMessages(const AtCommand &) const {
    return AtResponse::text("+CMMS: " + QByteArray::number(m_moreMessages));
}

AtResponse MessageSendingCommands::setMoreMessages(const AtCommand &command) {
    const auto value = AtParameter::number(command.value, 0, 2);
    if (!value)
        return AtResponse::error();
    m_moreMessages = *value;
    if (*value == 1)
        m_link.start();
    return AtResponse::ok();
}

void MessageSendingCommands::linkClosed() {
    if (m_moreMessages != 1)
        return;
    m_moreMessages = 0;
    emit noted(QStringLiteral("no message for %1 s: the link to the network closes, and +CMMS is "
                              "0 again")
                   .arg(LinkTimeout.count()));
}

AtResponse MessageSendingCommands::sendPdu(const QByteArray &pdu, int tpduLength,
                                           const QByteArray &received) {
    const SmsSubmitDecoding decoding = decodeSmsSubmit(pdu, tpduLength);
    if (decoding.error)
        return AtResponse::cmsError(*decoding.error);
    if (const auto refused = m_delivery.refusal(decoding.message))
        return *refused;
    return accept(decoding.message, received, "+CMGS");
}

AtResponse MessageSendingCommands::accept(const SmsSubmit &submit, const QByteArray &pdu,
                                          const QByteArray &command) {
    AcceptedMessage message{m_nextReference, submit, pdu, {}};
    m_nextReference = (m_nextReference + 1) % 256;
    const bool routed = m_delivery.route(submit, message.reference);
    if (routed)
        message.routedFrom = m_delivery.ownNumber();
    m_accepted.append(message);
    if (m_accepted.size() > MaxAccepted) {
        emit noted(QStringLiteral("accepted message %1 is dropped from those kept: the modem keeps "
                                  "the last %2")
                       .arg(m_accepted.takeFirst().reference)
                       .arg(MaxAccepted));
    }
    emit messageAccepted(message);
    if (m_moreMessages == 1)
        m_link.start();
    m_delivery.carry(submit, message.reference, routed);
    return AtResponse::text(command + ": " + QByteArray::number(message.reference));
}
