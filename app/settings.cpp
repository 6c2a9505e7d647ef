// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

#include "smspdu.h"
#include "testmessage.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

std::string_view view(const QByteArray &bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

QString setTo(Settings &settings, const QString &value) {
    const QByteArray number = value.toUtf8();
    switch (SmsPdu::numberFault(view(number))) {
    case SmsPdu::NumberFault::NotDialString:
        //: A rule broken, put after the option or the line of the settings file.
        return QCoreApplication::translate("Setting",
                                           "\"%1\" is not a dial string: an optional + and then "
                                           "1 to %2 digits 0-9, with no blanks or dashes")
            .arg(value, QString::number(SmsPdu::MaxAddressDigits));
    case SmsPdu::NumberFault::OverMaxDigits: {
        const auto digits = qsizetype(value.size() - value.startsWith(u'+'));
        //: A rule broken, put after the option or the line of the settings file.
        return QCoreApplication::translate("Setting",
                                           "\"%1\" has %n digit(s), %2 more than the %3 a "
                                           "message's destination holds",
                                           nullptr, int(digits))
            .arg(value, QString::number(digits - qsizetype(SmsPdu::MaxAddressDigits)),
                 QString::number(SmsPdu::MaxAddressDigits));
    }
    case SmsPdu::NumberFault::None:
        break;
    }
    settings.to = value;
    return {};
}

QString setText(Settings &settings, const QString &value) {
    const SmsPdu::TextSize size = SmsPdu::measure(view(value.toUtf8()));
    if (!size.fits()) {
        const int length = int(size.length);
        //: A rule broken, put after the option or the line of the settings file.
        const QString rule =
            size.coding == SmsPdu::Coding::Gsm7
                ? QCoreApplication::translate(
                      "Setting",
                      "the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the "
                      "%2 one message holds (each of ^ { } [ ] ~ \\ | \u20AC takes two)",
                      nullptr, length)
                //: As above, for a text that must go in UCS2, the 16-bit coding.
                : QCoreApplication::translate(
                      "Setting",
                      "the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one "
                      "message holds (a character outside the GSM 7-bit alphabet makes it UCS2, "
                      "where a character beyond U+FFFF, such as an emoji, takes two)",
                      nullptr, length);
        return rule.arg(QString::number(size.length - size.limit()), QString::number(size.limit()));
    }
    settings.text = value;
    return {};
}

QString setBaud(Settings &settings, const QString &value) {
    const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    bool fits = false;
    const qint32 baud = value.toInt(&fits);
    if (!digits || !fits || baud == 0) {
        //: A rule broken, put after the option or the line of the settings file.
        return QCoreApplication::translate("Setting",
                                           "\"%1\" is not a line speed: a whole number of bits "
                                           "per second, such as 9600 or 115200")
            .arg(value);
    }
    settings.baud = baud;
    return {};
}

// The box takes any text, as the user may type any; Connect checks it.
QString setPort(Settings &settings, const QString &value) {
    settings.port = value;
    return {};
}

const std::array<Setting, 4> Table = {{
    //: What --help shows after --to for its value.
    {QLatin1String("to"), QT_TRANSLATE_NOOP("Setting", "NUMBER"),
     QT_TRANSLATE_NOOP("Setting", "Where the message goes: + and the country code for an "
                                  "international number, or a national number; then digits "
                                  "0-9 only, at most 20."),
     setTo, [](const Settings &settings) { return settings.to; }},
    //: What --help shows after --text for its value.
    {QLatin1String("text"), QT_TRANSLATE_NOOP("Setting", "TEXT"),
     QT_TRANSLATE_NOOP("Setting", "The message: at most 160 septets in the GSM 7-bit alphabet "
                                  "(each of ^ { } [ ] ~ \\ | and the euro sign takes two), or, "
                                  "with any other character, at most 70 UTF-16 units in UCS2 (a "
                                  "character beyond U+FFFF, such as an emoji, takes two)."),
     setText, [](const Settings &settings) { return settings.text; }},
    //: What --help shows after --baud for its value.
    {QLatin1String("baud"), QT_TRANSLATE_NOOP("Setting", "RATE"),
     //: Connect is the caption of the button, which stays in English.
     QT_TRANSLATE_NOOP("Setting", "The line speed Connect sets, in bits per second: 300 to "
                                  "4000000, or any other rate the port takes."),
     setBaud, [](const Settings &settings) { return QString::number(settings.baud); }},
    //: What --help shows after --port for its value.
    {QLatin1String("port"), QT_TRANSLATE_NOOP("Setting", "PORT"),
     //: The port box is the box where the port's number or device is typed.
     QT_TRANSLATE_NOOP("Setting", "The port box's initial text: a port number, or a device's "
                                  "path such as /dev/ttyUSB0."),
     setPort, [](const Settings &settings) { return settings.port; }},
}};

} // namespace

Settings::Settings()
    : to(QString::fromUtf8(TestMessage::number.data(), qsizetype(TestMessage::number.size())))
    , text(QString::fromUtf8(TestMessage::text.data(), qsizetype(TestMessage::text.size()))) {}

const Setting *Setting::named(QStringView name) {
    const auto found = std::find_if(Table.begin(), Table.end(),
                                    [&](const Setting &setting) { return setting.name == name; });
    return found == Table.end() ? nullptr : &*found;
}

QStringList Setting::names() {
    QStringList names;
    for (const Setting &setting : Table)
        names << setting.name;
    return names;
}
