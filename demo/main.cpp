// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"
#include "commcontrol.h"
#include "form1.h"
#include "modemcommands.h"
#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "simulatedmodem.h"
#include "startoptions.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

// The port box's initial text, so that Connect reaches the simulated modem untouched.
constexpr qint16 SimulatedPort = 5;

[[noreturn]] void usageError(const QString &message, const QCommandLineParser &parser) {
    std::fprintf(stderr, "modempad-demo: %s\n\n%s", qPrintable(message),
                 qPrintable(parser.helpText()));
    std::exit(2);
}

// "N=PATH" from --port; the same number given twice maps to the last path.
QMap<qint16, QString> portMappings(const QStringList &values, const QCommandLineParser &parser) {
    static const QRegularExpression Mapping(QStringLiteral("^([0-9]{1,5})=(.+)$"));
    QMap<qint16, QString> mappings;
    for (const QString &value : values) {
        const QRegularExpressionMatch match = Mapping.match(value);
        const int number = match.captured(1).toInt();
        if (!match.hasMatch() || number < 1 || number > 32767) {
            usageError(QCoreApplication::translate(
                           "modempad-demo", "--port takes N=PATH with N from 1 to 32767, as in "
                                            "--port 7=/dev/pts/4; got \"%1\"")
                           .arg(value),
                       parser);
        }
        if (!QFileInfo::exists(match.captured(2))) {
            usageError(QCoreApplication::translate("modempad-demo",
                                                   "--port %1: there is no %2; start what makes it "
                                                   "first, such as socat, or give a device that is "
                                                   "there")
                           .arg(value, match.captured(2)),
                       parser);
        }
        mappings.insert(qint16(number), match.captured(2));
    }
    return mappings;
}

bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[]) {
    // The options are described and read in the user's language, which takes an application to
    // install the translators on, before the one with a window exists.
    std::optional<QCoreApplication> reading(std::in_place, argc, argv);
    Translations::install();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "modempad-demo",
        "ModemPad with a simulated GSM modem behind port 5. Prints the modem's side of the "
        "dialogue. With no display it runs the autopilot. Reads lines such as \"sms "
        "+447700900456 Hello there\" from standard input: a message from that number arrives."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption autopilot(
        QStringLiteral("autopilot"),
        //: The button captions stay in English.
        QCoreApplication::translate("modempad-demo",
                                    "Run offscreen, press Connect, Command1, Command2 and "
                                    "Command3, and exit 0 only if the modem accepted the message "
                                    "intact."));
    const QCommandLineOption paced(
        QStringLiteral("paced"),
        QCoreApplication::translate("modempad-demo", "The modem answers at 2400 baud."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QCoreApplication::translate("modempad-demo",
                                    "Map port number N to the device PATH; repeatable."),
        //: Keep N and the = sign; PATH is what follows it.
        QCoreApplication::translate("modempad-demo", "N=PATH"));
    parser.addOptions({autopilot, paced, port});
    // The message and the line speed as modempad takes them; the port box keeps the simulated
    // modem's number.
    const StartOptions startOptions(
        parser, {QStringLiteral("to"), QStringLiteral("text"), QStringLiteral("baud")});

    // Whether there is a display decides the platform, which must be set before QApplication
    // exists; everything else is checked on the arguments QApplication leaves.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const bool parsed = parser.parse(rawArguments);
    // Help and version need no window system, whose start on Linux asks for the session's
    // runtime folder and warns where there is none (no login session, as under su -).
    if (parsed && (parser.isSet(help) || parser.isSet(version))) {
        QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));
        if (parser.isSet(version))
            parser.showVersion();
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const bool autopilotOn = (parsed && parser.isSet(autopilot)) || !hasDisplay();
    if (autopilotOn)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    reading.reset();
    QApplication app(argc, argv);
    Translations::install();
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));
    if (!parser.parse(QApplication::arguments()))
        usageError(parser.errorText(), parser);
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version))
        parser.showVersion();
    // Only process() lists Qt's own options; it exits once it has.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        usageError(QCoreApplication::translate("modempad-demo", "unexpected argument \"%1\"")
                       .arg(parser.positionalArguments().constFirst()),
                   parser);
    const QMap<qint16, QString> mappings = portMappings(parser.values(port), parser);
    if (parser.isSet(autopilot) && mappings.contains(SimulatedPort))
        usageError(QCoreApplication::translate(
                       "modempad-demo", "--autopilot checks the message on the simulated modem "
                                        "behind port %1; --port %1=... would take it away")
                       .arg(SimulatedPort),
                   parser);
    if (const QString fault = startOptions.commandLineFault(); !fault.isEmpty())
        usageError(fault, parser);
    // Started from a terminal, the demo tells of a bad settings file there, as of a bad option.
    if (const QString fault = startOptions.fileFault(); !fault.isEmpty()) {
        std::fprintf(stderr, "modempad-demo: %s\n", qPrintable(fault));
        return 2;
    }
    // Neither has a fault, so this throws nothing.
    const Settings settings = startOptions.settings();

    QFile output;
    output.open(stdout, QIODevice::WriteOnly);

    SimulatedModem modem;
    ModemLog log(&modem, &output);
    ModemLine line(&modem);
    line.setPaced(parser.isSet(paced));
    if (!line.openPseudoTerminal()) {
        qCritical("%s",
                  qPrintable(QCoreApplication::translate(
                                 "modempad-demo",
                                 "modempad-demo: no pseudo-terminal for the simulated modem: %1")
                                 .arg(line.errorString())));
        return 1;
    }
    log.writeLine(QCoreApplication::translate("modempad-demo", "simulated modem on port %1 = %2")
                      .arg(SimulatedPort)
                      .arg(line.devicePath()));
    //: %1 says where the message goes and how; %2 is its text.
    log.writeLine(QCoreApplication::translate(
                      "modempad-demo", "the second and third buttons send the message %1: %2")
                      .arg(ModemCommands::describeMessage(settings.to, settings.text),
                           ModemLog::printable(settings.text)));
    ModemConsole console(&modem);
    if (!console.start())
        log.writeLine(QCoreApplication::translate(
                          "modempad-demo", "-- messages cannot arrive from standard input: %1")
                          .arg(console.errorString()));

    Form1 form(settings);
    auto *comm = form.findChild<CommControl *>(QStringLiteral("Comm1"));
    comm->mapPort(SimulatedPort, line.devicePath());
    for (auto it = mappings.begin(); it != mappings.end(); ++it)
        comm->mapPort(it.key(), it.value());
    form.show();

    Autopilot pilot(&form, &modem, &log);
    pilot.setMessage(settings.to, settings.text);
    if (autopilotOn) {
        if (!parser.isSet(autopilot))
            log.writeLine(QCoreApplication::translate(
                "modempad-demo", "no display: the autopilot runs the window offscreen"));
        pilot.start();
    }
    return app.exec();
}
