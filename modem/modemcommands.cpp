// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemcommands.h"

#include <QCoreApplication>

QByteArray ModemCommand::bytes() const {
    QByteArray line(text.data(), qsizetype(text.size()));
    line.append(terminator.data(), qsizetype(terminator.size()));
    return line;
}

QString ModemCommand::description() const {
    //: A button's tooltip: %1 is what it writes to the modem, %2 the control characters after
    //: that, "CR LF" or "Ctrl-Z", which keep their names.
    return QCoreApplication::translate("ModemCommands", "Writes \"%1\" followed by %2")
        .arg(QLatin1String(text.data(), qsizetype(text.size())),
             QLatin1String(terminatorName.data(), qsizetype(terminatorName.size())));
}

QString ModemCommands::describeMessage(const QString &number, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    const SmsPdu::TextSize size = SmsPdu::measure(std::string_view(utf8.data(), utf8.size()));
    const int length = int(size.length);
    //: Where a message goes and how its text is sent, put into "The message %1:"; %1 is the
    //: phone number.
    return size.coding == SmsPdu::Coding::Gsm7
               ? QCoreApplication::translate("ModemCommands",
                                             "to %1 in the GSM 7-bit alphabet, %n septet(s)",
                                             nullptr, length)
                     .arg(number)
               //: As above, for a text sent in UCS2, the 16-bit coding.
               : QCoreApplication::translate("ModemCommands", "to %1 in UCS2, %n UTF-16 unit(s)",
                                             nullptr, length)
                     .arg(number);
}

QString ModemCommands::testNumber() {
    return QString::fromUtf8(TestMessage::number.data(), qsizetype(TestMessage::number.size()));
}

QString ModemCommands::testText() {
    return QString::fromUtf8(TestMessage::text.data(), qsizetype(TestMessage::text.size()));
}
