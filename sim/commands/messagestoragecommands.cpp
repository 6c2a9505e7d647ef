// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagestoragecommands.h"

#include "equipmentcommands.h"
#include "messageformat.h"
#include "pduencoding.h"
#include "smslimits.h"
#include "smsparametercommands.h"

namespace {

constexpr int AllStatuses = 4;
constexpr char DefaultStorage[] = "SM";

} // namespace

MessageStorageCommands::MessageStorageCommands(const EquipmentSettings &equipment,
                                               const SmsParameters &parameters, QObject *parent)
    : QObject(parent)
    , m_equipment(equipment)
    , m_parameters(parameters) {
    restoreDefaults();
}

void MessageStorageCommands::addTo(CommandTable &table) {
    using Self = MessageStorageCommands;
    constexpr auto NeedsSim = CommandTable::Sim::Message;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CPMS",
         .test = &Self::listStorages,
         .read = &Self::readStorages,
         .set = &Self::selectStorages,
         .sim = NeedsSim},
        {.name = "+CMGW",
         .test = CommandTable::exists(),
         .set = &Self::write,
         .action = &Self::write,
         .sim = NeedsSim},
        {.name = "+CMGL",
         .test = &Self::listTest,
         .set = &Self::list,
         .action = &Self::list,
         .sim = NeedsSim},
        {.name = "+CMGR", .test = CommandTable::exists(), .set = &Self::read, .sim = NeedsSim},
        {.name = "+CMGD", .test = &Self::removeTest, .set = &Self::remove, .sim = NeedsSim},
    };
    table.add(this, rows);
}

void MessageStorageCommands::restoreDefaults() {
    m_readStorage = m_writeStorage = m_receiveStorage = DefaultStorage;
}

void MessageStorageCommands::setFull(bool full) {
    m_store.setFull(full);
    emit noted(full ? QStringLiteral("the message storages are full")
                    : QStringLiteral("the message storages have room again"));
    emit roomMade();
}

std::optional<int> MessageStorageCommands::addReceived(const StoredMessage &message) {
    return m_store.add(m_receiveStorage, message);
}

AtResponse MessageStorageCommands::listStorages(const AtCommand &) const {
    const QByteArray names = "(\"" + MessageStore::storages().join("\",\"") + "\")";
    return AtResponse::text("+CPMS: " + names + ',' + names + ',' + names);
}

AtResponse MessageStorageCommands::readStorages(const AtCommand &) const {
    QByteArrayList entries;
    for (const QByteArray &storage : {m_readStorage, m_writeStorage, m_receiveStorage}) {
        entries.append('"' + storage + "\"," + QByteArray::number(m_store.used(storage)) + ',' +
                       QByteArray::number(m_store.capacity(storage)));
    }
    return AtResponse::text("+CPMS: " + entries.join(','));
}

AtResponse MessageStorageCommands::selectStorages(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    QByteArray *const settings[] = {&m_readStorage, &m_writeStorage, &m_receiveStorage};
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

// PDU mode: +CMGW=<length>[,<stat>], the message as hex digits after the prompt. Text mode:
// +CMGW[=<da>[,<toda>[,<stat>]]], its text after the prompt.
AtResponse MessageStorageCommands::write(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const MessageFormat format(m_parameters, m_equipment.characterSet);
    // Said before the prompt, so that nobody types a message there is no room for.
    if (m_store.used(m_writeStorage) >= m_store.capacity(m_writeStorage))
        return AtResponse::cmsError(CmsError::MemoryFull);
    const bool textMode = m_parameters.textMode;
    const qsizetype statusAt = textMode ? 2 : 1;
    const QByteArray fallback = textMode ? "\"STO UNSENT\"" : "2";
    const auto status =
        format.status(arguments.value(statusAt).isEmpty() ? fallback : arguments.at(statusAt));
    std::optional<int> length;
    std::optional<std::pair<QString, int>> destination =
        std::make_pair(QString(), PduEncoding::NationalType);
    if (!textMode)
        length = AtParameter::required(arguments.value(0), 1, SmsLimits::TpduOctets);
    else if (!arguments.value(0).isEmpty())
        destination = format.destination(arguments.at(0), arguments.value(1));
    if (arguments.size() > statusAt + 1 || !status || !destination || (!textMode && !length))
        return AtResponse::error();
    // Only what the terminal sends can be written: SMS-SUBMITs, unsent or sent.
    if (*status < int(MessageStatus::StoredUnsent) || *status == AllStatuses)
        return AtResponse::cmsError(CmsError::OperationNotSupported);
    const auto written = MessageStatus(*status);
    if (!textMode) {
        return AtResponse::prompt(false, [this, length = *length, written](const QByteArray &body) {
            return store(body, length, written);
        });
    }
    return AtResponse::prompt(
        true, [this, destination = *destination, written](const QByteArray &body) {
            const auto pdu = MessageFormat(m_parameters, m_equipment.characterSet)
                                 .submitPdu(destination.first, destination.second, body);
            if (!pdu)
                return AtResponse::cmsError(CmsError::InvalidTextParameter);
            return store(*pdu, StoredMessage::tpduLength(*pdu), written);
        });
}

AtResponse MessageStorageCommands::listTest(const AtCommand &) const {
    if (!m_parameters.textMode)
        return AtResponse::text("+CMGL: (0-4)");
    return AtResponse::text(R"(+CMGL: ("REC UNREAD","REC READ","STO UNSENT","STO SENT","ALL"))");
}

AtResponse MessageStorageCommands::list(const AtCommand &command) {
    const MessageFormat format(m_parameters, m_equipment.characterSet);
    const QByteArray fallback = m_parameters.textMode ? "\"REC UNREAD\"" : "0";
    const auto wanted = format.status(command.value.isEmpty() ? fallback : command.value);
    if (!wanted)
        return AtResponse::error();
    QByteArrayList lines;
    for (const int index : m_store.indexes(m_readStorage)) {
        StoredMessage *message = m_store.find(m_readStorage, index);
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

AtResponse MessageStorageCommands::read(const AtCommand &command) {
    const auto index = AtParameter::required(command.value, 0, 99999);
    if (!index)
        return AtResponse::error();
    StoredMessage *message = m_store.find(m_readStorage, *index);
    if (!message)
        return AtResponse::cmsError(CmsError::InvalidMemoryIndex);
    AtResponse response;
    response.information.append(
        MessageFormat(m_parameters, m_equipment.characterSet).read(*message));
    if (message->status == MessageStatus::ReceivedUnread)
        message->status = MessageStatus::ReceivedRead;
    return response;
}

AtResponse MessageStorageCommands::removeTest(const AtCommand &) const {
    QByteArrayList indexes;
    for (const int index : m_store.indexes(m_readStorage))
        indexes.append(QByteArray::number(index));
    return AtResponse::text("+CMGD: (" + indexes.join(',') + "),(0-4)");
}

AtResponse MessageStorageCommands::remove(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto index = AtParameter::required(arguments.value(0), 0, 99999);
    const auto flag = AtParameter::number(arguments.value(1), 0, 4);
    if (arguments.size() > 2 || !index || !flag)
        return AtResponse::error();
    const QByteArray &storage = m_readStorage;
    if (*flag == 0) {
        if (*index < 1 || *index > MessageStore::slotCount(storage))
            return AtResponse::cmsError(CmsError::InvalidMemoryIndex);
        m_store.remove(storage, *index);
        emit roomMade();
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
    emit roomMade();
    return AtResponse::ok();
}

AtResponse MessageStorageCommands::store(const QByteArray &pdu, int tpduLength,
                                         MessageStatus status) {
    const SmsSubmitDecoding decoding = decodeSmsSubmit(pdu, tpduLength);
    if (decoding.error)
        return AtResponse::cmsError(*decoding.error);
    const auto index = m_store.add(m_writeStorage, {status, pdu, decoding.message});
    if (!index)
        return AtResponse::cmsError(CmsError::MemoryFull);
    return AtResponse::text("+CMGW: " + QByteArray::number(*index));
}
