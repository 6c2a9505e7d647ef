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

QString validity(const SmsSubmit &submit) {
    switch (submit.validityFormat) {
    case SmsSubmit::ValidityFormat::None:
        return {};
    case SmsSubmit::ValidityFormat::Relative:
    case SmsSubmit::ValidityFormat::Enhanced:
        return QStringLiteral(", valid for %1 s%2")
            .arg(submit.validityPeriod.count())
            .arg(submit.singleShot ? QStringLiteral(", single shot") : QString());
    case SmsSubmit::ValidityFormat::Absolute:
        return QStringLiteral(", valid until %1").arg(submit.validUntil.toString(Qt::ISODate));
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
    connect(modem, &SimulatedModem::messageAccepted, this, [this](const AcceptedMessage &message) {
        writeLine(QStringLiteral("== ") + describe(message));
    });
}

QString ModemLog::describe(const AcceptedMessage &message) {
    const SmsSubmit &submit = message.submit;
    QString line = QStringLiteral("message %1 to %2 (type %3), %4")
                       .arg(message.reference)
                       .arg(submit.destination)
                       .arg(submit.destinationType)
                       .arg(codingName(submit.coding));
    if (submit.messageClass)
        line += QStringLiteral(", class %1").arg(*submit.messageClass);
    line += validity(submit);
    if (!submit.userDataHeader.isEmpty())
        line +=
            QStringLiteral(", header %1").arg(QString::fromLatin1(submit.userDataHeader.toHex()));
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

void ModemLog::writeLine(const QString &line) {
    // Flushed per line, so that a program reading a pipe sees each line as soon as it is complete.
    m_output->write((line + u'\n').toUtf8());
    if (auto *file = qobject_cast<QFileDevice *>(m_output))
        file->flush();
}
