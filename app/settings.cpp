// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

#include "modemcommands.h"
#include "smspdu.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <climits>

namespace {

#ifdef PATH_MAX
constexpr qsizetype LongestPath = PATH_MAX;
#else
constexpr qsizetype LongestPath = 32767;
#endif

QString setTo(Settings &settings, const QString &value) {
    const QByteArray number = value.toUtf8();
    switch (SmsPdu::numberFault(ModemCommands::view(number))) {
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
    // Every character takes a septet at least, and no message holds more than 160 of them: a
    // text far longer is not measured, whatever its size.
    constexpr qsizetype Hopeless = 4 * 160;
    if (value.size() > Hopeless) {
        //: A rule broken, put after the option or the line of the settings file.
        return QCoreApplication::translate(
            "Setting", "the text has %n character(s), far more than the 160 one message holds",
            nullptr, int(value.size()));
    }
    const SmsPdu::TextSize size = SmsPdu::measure(ModemCommands::view(value.toUtf8()));
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

// The box takes any text, as the user may type any; Connect checks it. A text longer than any
// path can be is neither a number nor a device, and is refused before the window holds it.
QString setPort(Settings &settings, const QString &value) {
    const qsizetype bytes = value.toUtf8().size();
    if (bytes >= LongestPath) {
        //: A rule broken, put after the option or the line of the settings file. The port is
        //: what is typed in the port box: a port number or a device's path.
        return QCoreApplication::translate(
                   "Setting", "the port has %n byte(s), more than the %1 a device's path may have",
                   nullptr, int(bytes))
            .arg(LongestPath - 1);
    }
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
    : to(ModemCommands::testNumber())
    , text(ModemCommands::testText()) {}

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
