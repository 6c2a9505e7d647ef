// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemlog.h"

#include "simulatedmodem.h"

#include <QFileDevice>

namespace {

QString codingName(SmsSubmit::Coding coding) {
    switch (coding) {
    case SmsSubmit::Coding::Gsm7Bit:
        return QStringLiteral("GSM 7-bit");
    case SmsSubmit::Coding::EightBit:
        return QStringLiteral("8-bit");
    case SmsSubmit::Coding::Ucs2:
        return QStringLiteral("UCS2");
    }
    return {};
}

// In the largest unit that measures it whole: "63 weeks", "750 minutes", "7 s".
QString duration(std::chrono::seconds period) {
    static const std::pair<qint64, const char *> Units[] = {
        {7 * 24 * 3600, "week"}, {24 * 3600, "day"}, {3600, "hour"}, {60, "minute"}};
    const qint64 seconds = period.count();
    for (const auto &[size, name] : Units) {
        if (seconds >= size && seconds % size == 0) {
            const qint64 count = seconds / size;
            return QStringLiteral("%1 %2%3").arg(count).arg(
                QLatin1String(name), count == 1 ? QString() : QStringLiteral("s"));
        }
    }
    return QStringLiteral("%1 s").arg(seconds);
}

QString validity(const SmsSubmit &submit) {
    const QString singleShot = submit.singleShot ? QStringLiteral(", single shot") : QString();
    switch (submit.validityFormat) {
    case SmsSubmit::ValidityFormat::None:
        return QStringLiteral("no validity period") + singleShot;
    case SmsSubmit::ValidityFormat::Relative:
    case SmsSubmit::ValidityFormat::Enhanced:
        return QStringLiteral("valid for ") + duration(submit.validityPeriod) + singleShot;
    case SmsSubmit::ValidityFormat::Absolute:
        return QStringLiteral("valid until %1").arg(submit.validUntil.toString(Qt::ISODate));
    }
    return {};
}

} // namespace

ModemLog::ModemLog(SimulatedModem *modem, QIODevice *output, QObject *parent)
    : QObject(parent)
    , m_output(output) {
    connect(modem, &SimulatedModem::commandReceived, this, [this](const QByteArray &command) {
        writeLine(QStringLiteral("<- ") + printable(QString::fromLatin1(command)));
    });
    connect(modem, &SimulatedModem::responded, this, [this](const QByteArray &response) {
        writeLine(QStringLiteral("-> ") + printable(QString::fromLatin1(response)));
    });
    connect(modem, &SimulatedModem::messageAccepted, this, &ModemLog::logAccepted);
    connect(modem, &SimulatedModem::noted, this,
            [this](const QString &event) { writeLine(QStringLiteral("-- ") + printable(event)); });
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &ModemLog::dropUnfinished);
}

QString ModemLog::describe(const AcceptedMessage &message) {
    const SmsSubmit &submit = message.submit;
    const QString from = message.routedFrom.isEmpty()
                             ? QString()
                             : QStringLiteral(" from %1").arg(message.routedFrom);
    QStringList fields{QStringLiteral("message %1%2 to %3 (type %4)")
                           .arg(message.reference)
                           .arg(from, submit.destination)
                           .arg(submit.destinationType)};
    fields << (submit.serviceCentre.isEmpty()
                   ? QStringLiteral("service centre as stored")
                   : QStringLiteral("service centre %1").arg(submit.serviceCentre));
    if (submit.rejectDuplicates)
        fields << QStringLiteral("reject duplicates");
    if (submit.statusReportRequest)
        fields << QStringLiteral("status report requested");
    if (submit.replyPath)
        fields << QStringLiteral("reply path");
    fields << QStringLiteral("PID %1").arg(submit.protocolIdentifier);
    fields << codingName(submit.coding) +
                  (submit.messageClass ? QStringLiteral(" class %1").arg(*submit.messageClass)
                                       : QString());
    fields << validity(submit);
    if (!submit.userDataHeader.isEmpty())
        fields
            << QStringLiteral("header %1").arg(QString::fromLatin1(submit.userDataHeader.toHex()));
    const QString line = fields.join(QStringLiteral(", "));
    if (submit.coding == SmsSubmit::Coding::EightBit)
        return line + QStringLiteral(": %1").arg(QString::fromLatin1(submit.data.toHex()));
    return line + QStringLiteral(": \"%1\"").arg(printable(submit.text));
}

QString ModemLog::printable(const QString &text) {
    QString result;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < 0x20)
            result += u'^' + QChar(code + 0x40);
        else if (code == 0x7F)
            result += QStringLiteral("^?");
        else
            result += character;
    }
    return result;
}

void ModemLog::logAccepted(const AcceptedMessage &message) {
    // Accepted and left with the service centre, unless another modem of the network has the
    // number.
    writeLine((message.routedFrom.isEmpty() ? QStringLiteral("== accepted ")
                                            : QStringLiteral("== routed ")) +
              describe(message));
    const SmsSubmit &submit = message.submit;
    // First what ran out of time, should the event loop have been too busy to say so yet.
    dropUnfinished();
    if (const auto whole = m_parts.add(submit.destination, submit.userDataHeader, submit.text)) {
        writeLine(QStringLiteral("== all parts of a long message to %1 are in: \"%2\"")
                      .arg(submit.destination, printable(*whole)));
    }
    dropUnfinished();
}

void ModemLog::dropUnfinished() {
    for (const Concatenation::Unfinished &message : m_parts.expire()) {
        QStringList received;
        for (const int part : message.received)
            received.append(QString::number(part));
        const QString why =
            message.crowdedOut
                ? QStringLiteral("more parts of newer messages wait than are kept")
                : QStringLiteral("no part came for ") +
                      duration(std::chrono::duration_cast<std::chrono::seconds>(m_parts.wait()));
        writeLine(QStringLiteral("-- long message %1 to %2 dropped with parts %3 of %4: %5")
                      .arg(message.reference)
                      .arg(message.address, received.join(u','))
                      .arg(message.count)
                      .arg(why));
    }
    if (const auto next = m_parts.nextExpiry())
        m_expiry.start(
            std::chrono::ceil<std::chrono::milliseconds>(*next - Concatenation::Clock::now()));
}

void ModemLog::writeLine(const QString &line) {
    // Flushed per line, so that a program reading a pipe sees each line as soon as it is complete.
    m_output->write((m_prefix + line + u'\n').toUtf8());
    if (auto *file = qobject_cast<QFileDevice *>(m_output))
        file->flush();
}
