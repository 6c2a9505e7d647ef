// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

#include "modemcommands.h"
#include "smspdu.h"

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
        return QStringLiteral("\"%1\" is not a dial string: an optional + and then 1 to %2 digits "
                              "0-9, with no blanks or dashes")
            .arg(value)
            .arg(SmsPdu::MaxAddressDigits);
    case SmsPdu::NumberFault::OverMaxDigits: {
        const auto digits = qsizetype(value.size() - value.startsWith(u'+'));
        return QStringLiteral("\"%1\" has %2 digits, %3 more than the %4 a message's "
                              "destination holds")
            .arg(value)
            .arg(digits)
            .arg(digits - qsizetype(SmsPdu::MaxAddressDigits))
            .arg(SmsPdu::MaxAddressDigits);
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
        return QStringLiteral("the text has %1 characters, far more than the 160 one message "
                              "holds")
            .arg(value.size());
    }
    const SmsPdu::TextSize size = SmsPdu::measure(ModemCommands::view(value.toUtf8()));
    if (!size.fits()) {
        const QString form = size.coding == SmsPdu::Coding::Gsm7
                                 ? QStringLiteral("%1 septets in the GSM 7-bit alphabet, %2 more "
                                                  "than the %3 one message holds (each of "
                                                  "^ { } [ ] ~ \\ | \u20AC takes two)")
                                 : QStringLiteral("%1 UTF-16 units in UCS2, %2 more than the %3 "
                                                  "one message holds (a character outside the "
                                                  "GSM 7-bit alphabet makes it UCS2, where a "
                                                  "character beyond U+FFFF, such as an emoji, "
                                                  "takes two)");
        return QStringLiteral("the text takes ") +
               form.arg(size.length).arg(size.length - size.limit()).arg(size.limit());
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
        return QStringLiteral("\"%1\" is not a line speed: a whole number of bits per second, "
                              "such as 9600 or 115200")
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
        return QStringLiteral("the port has %1 bytes, more than the %2 a device's path may have")
            .arg(bytes)
            .arg(LongestPath - 1);
    }
    settings.port = value;
    return {};
}

const std::array<Setting, 4> Table = {{
    {QLatin1String("to"), QLatin1String("NUMBER"),
     QLatin1String("Where the message goes: + and the country code for an international "
                   "number, or a national number; then digits 0-9 only, at most 20."),
     setTo, [](const Settings &settings) { return settings.to; }},
    {QLatin1String("text"), QLatin1String("TEXT"),
     QLatin1String("The message: at most 160 septets in the GSM 7-bit alphabet (each of "
                   "^ { } [ ] ~ \\ | and the euro sign takes two), or, with any other "
                   "character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, "
                   "such as an emoji, takes two)."),
     setText, [](const Settings &settings) { return settings.text; }},
    {QLatin1String("baud"), QLatin1String("RATE"),
     QLatin1String("The line speed Connect sets, in bits per second: 300 to 4000000, or any "
                   "other rate the port takes."),
     setBaud, [](const Settings &settings) { return QString::number(settings.baud); }},
    {QLatin1String("port"), QLatin1String("PORT"),
     QLatin1String("The port box's initial text: a port number, or a device's path such as "
                   "/dev/ttyUSB0."),
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
