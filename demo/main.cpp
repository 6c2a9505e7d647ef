// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"
#include "commcontrol.h"
#include "form1.h"
#include "modemcommands.h"
#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "outputqueue.h"
#include "simulatedmodem.h"
#include "startoptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <csignal>
#include <cstdio>

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
            usageError(QStringLiteral("--port takes N=PATH with N from 1 to 32767, as in "
                                      "--port 7=/dev/pts/4; got \"%1\"")
                           .arg(value),
                       parser);
        }
        if (!QFileInfo::exists(match.captured(2))) {
            usageError(QStringLiteral("--port %1: there is no %2; start what makes it first, "
                                      "such as socat, or give a device that is there")
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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "ModemPad with a simulated GSM modem behind port 5. Prints the modem's side of the "
        "dialogue. With no display it runs the autopilot. Reads lines such as \"sms "
        "+447700900456 Hello there\" from standard input: a message from that number arrives."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption autopilot(
        QStringLiteral("autopilot"),
        QStringLiteral("Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 "
                       "only if the modem accepted the message intact."));
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("The modem answers at 2400 baud."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Map port number N to the device PATH; "
                                                 "repeatable."),
                                  QStringLiteral("N=PATH"));
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
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));
        if (parser.isSet(version))
            parser.showVersion();
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const bool autopilotOn = (parsed && parser.isSet(autopilot)) || !hasDisplay();
    if (autopilotOn)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
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
        usageError(QStringLiteral("unexpected argument \"%1\"")
                       .arg(parser.positionalArguments().constFirst()),
                   parser);
    const QMap<qint16, QString> mappings = portMappings(parser.values(port), parser);
    if (parser.isSet(autopilot) && mappings.contains(SimulatedPort))
        usageError(QStringLiteral("--autopilot checks the message on the simulated modem behind "
                                  "port %1; --port %1=... would take it away")
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

#ifdef Q_OS_UNIX
    // A reader that has gone stops the log, not the window (see OutputQueue).
    std::signal(SIGPIPE, SIG_IGN);
#endif
    OutputQueue output(fileno(stdout));
    OutputQueue errors(fileno(stderr));
    errors.takeMessages();

    SimulatedModem modem;
    ModemLog log(&modem, &output);
    ModemLine line(&modem);
    line.setPaced(parser.isSet(paced));
    if (!line.openPseudoTerminal()) {
        qCritical("modempad-demo: no pseudo-terminal for the simulated modem: %s",
                  qPrintable(line.errorString()));
        return 1;
    }
    log.writeLine(QStringLiteral("simulated modem on port %1 = %2")
                      .arg(SimulatedPort)
                      .arg(line.devicePath()));
    log.writeLine(QStringLiteral("the second and third buttons send the message %1: %2")
                      .arg(ModemCommands::describeMessage(settings.to, settings.text),
                           ModemLog::printable(settings.text)));
    ModemConsole console(&modem);
    if (!console.start())
        log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                      console.errorString());

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
            log.writeLine(QStringLiteral("no display: the autopilot runs the window offscreen"));
        pilot.start();
    }
    return app.exec();
}
