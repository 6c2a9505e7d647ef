// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demooptions.h"

#include "qtoptions.h"
#include "startoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The message and the line speed as modempad takes them; the port box keeps the simulated
// modem's number.
const QStringList SettingNames{QStringLiteral("to"), QStringLiteral("text"),
                               QStringLiteral("baud")};

// The options and what --help says; --help-all shows Qt's as well.
void describe(QCommandLineParser &parser, bool qtOptionsShown) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "modempad-demo",
        "ModemPad with a simulated GSM modem behind port 5. Prints the modem's side of the "
        "dialogue. With no display it runs the autopilot. Reads lines such as \"sms "
        "+447700900456 Hello there\" from standard input: a message from that number arrives."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("autopilot"),
         //: The button captions stay in English.
         QCoreApplication::translate("modempad-demo",
                                     "Run offscreen, press Connect, Command1, Command2 and "
                                     "Command3, and exit 0 only if the modem accepted the "
                                     "message intact.")},
        {QStringLiteral("paced"),
         QCoreApplication::translate("modempad-demo", "The modem answers at 2400 baud.")},
        {QStringLiteral("port"),
         //: A port here is a serial port, named by a number, and PATH its device.
         QCoreApplication::translate("modempad-demo",
                                     "Map port number N to the device PATH; repeatable."),
         //: Keep N and the = sign; PATH is what follows it.
         QCoreApplication::translate("modempad-demo", "N=PATH")},
    });
    QtOptions::addTo(parser, qtOptionsShown);
}

// "N=PATH" from --port into `ports`, the same number given twice mapping to the last path; the
// mistake, if any.
QString mapPorts(const QStringList &values, QMap<qint16, QString> &ports) {
    static const QRegularExpression Mapping(QStringLiteral("^([0-9]{1,5})=(.+)$"));
    for (const QString &value : values) {
        const QRegularExpressionMatch match = Mapping.match(value);
        const int number = match.captured(1).toInt();
        if (!match.hasMatch() || number < 1 || number > 32767) {
            return QCoreApplication::translate("modempad-demo",
                                               "--port takes N=PATH with N from 1 to 32767, as "
                                               "in --port 7=/dev/pts/4; got \"%1\"")
                .arg(value);
        }
        if (!QFileInfo::exists(match.captured(2))) {
            return QCoreApplication::translate("modempad-demo",
                                               "--port %1: there is no %2; start what makes it "
                                               "first, such as socat, or give a device that is "
                                               "there")
                .arg(value, match.captured(2));
        }
        ports.insert(qint16(number), match.captured(2));
    }
    return {};
}

} // namespace

std::variant<DemoOptions, DemoOptions::Exit> DemoOptions::parse(const QStringList &arguments) {
    QCommandLineParser parser;
    describe(parser, false);
    const StartOptions startOptions(parser, SettingNames);
    const auto help = [](const QCommandLineParser &shown) { return shown.helpText(); };
    const auto mistake = [&](const QString &message) {
        return Exit{2, QStringLiteral("modempad-demo: %1\n\n%2").arg(message, help(parser))};
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return Exit{0, help(parser)};
    if (parser.isSet(QStringLiteral("version")))
        return Exit{0, QStringLiteral("modempad-demo %1\n").arg(MODEMPAD_VERSION)};
    if (parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser all;
        describe(all, true);
        const StartOptions shown(all, SettingNames);
        return Exit{0, help(all)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(QCoreApplication::translate("modempad-demo", "unexpected argument \"%1\"")
                           .arg(parser.positionalArguments().constFirst()));
    }

    DemoOptions options;
    options.autopilot = parser.isSet(QStringLiteral("autopilot"));
    options.paced = parser.isSet(QStringLiteral("paced"));
    if (const QString fault = mapPorts(parser.values(QStringLiteral("port")), options.ports);
        !fault.isEmpty())
        return mistake(fault);
    if (options.autopilot && options.ports.contains(SimulatedPort)) {
        return mistake(
            QCoreApplication::translate("modempad-demo",
                                        "--autopilot checks the message on the simulated "
                                        "modem behind port %1; --port %1=... would take it away")
                .arg(SimulatedPort));
    }
    if (const QString fault = startOptions.commandLineFault(); !fault.isEmpty())
        return mistake(fault);
    // Started from a terminal, the demo tells of a bad settings file there, as of a bad option.
    if (const QString fault = startOptions.fileFault(); !fault.isEmpty())
        return Exit{2, QStringLiteral("modempad-demo: %1\n").arg(fault)};
    // Neither has a fault, so this throws nothing.
    options.settings = startOptions.settings();
    return options;
}
