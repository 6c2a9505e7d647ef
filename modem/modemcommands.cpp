// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemcommands.h"

QByteArray ModemCommand::bytes() const {
    QByteArray line(text.data(), qsizetype(text.size()));
    line.append(terminator.data(), qsizetype(terminator.size()));
    return line;
}

QString ModemCommand::description() const {
    return QStringLiteral("Writes \"%1\" followed by %2")
        .arg(QLatin1String(text.data(), qsizetype(text.size())),
             QLatin1String(terminatorName.data(), qsizetype(terminatorName.size())));
}

QString ModemCommands::describeMessage(const QString &number, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    const SmsPdu::TextSize size = SmsPdu::measure(std::string_view(utf8.data(), utf8.size()));
    const QString coding = size.coding == SmsPdu::Coding::Gsm7
                               ? QStringLiteral("in the GSM 7-bit alphabet, %1 septets")
                               : QStringLiteral("in UCS2, %1 UTF-16 units");
    return QStringLiteral("to %1 %2").arg(number, coding.arg(size.length));
}

QString ModemCommands::testNumber() {
    return QString::fromUtf8(TestMessage::number.data(), qsizetype(TestMessage::number.size()));
}

QString ModemCommands::testText() {
    return QString::fromUtf8(TestMessage::text.data(), qsizetype(TestMessage::text.size()));
}
