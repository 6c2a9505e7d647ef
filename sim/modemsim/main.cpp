// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "simulatedmodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("modemsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated GSM modem that takes AT commands and SMS in PDU and text "
                       "mode. Prints the device to open, then the dialogue. Reads lines such as "
                       "\"sms +447700900456 Hello there\" from standard input: a message from "
                       "that number arrives."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("Answer at 2400 baud, as a real line does."));
    parser.addOption(paced);
    parser.addPositionalArgument(
        QStringLiteral("device"),
        QStringLiteral("A device to answer on instead of a new pseudo-terminal."),
        QStringLiteral("[device]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        qCritical("modemsim: one device at most\n\n%s", qPrintable(parser.helpText()));
        return 2;
    }

    QFile output;
    output.open(stdout, QIODevice::WriteOnly);

    SimulatedModem modem;
    ModemLine line(&modem);
    line.setPaced(parser.isSet(paced));
    const QString device = parser.positionalArguments().value(0);
    if (!(device.isEmpty() ? line.openPseudoTerminal() : line.openDevice(device))) {
        qCritical("modemsim: cannot open %s: %s",
                  qPrintable(device.isEmpty() ? QStringLiteral("a pseudo-terminal") : device),
                  qPrintable(line.errorString()));
        return 1;
    }
    ModemLog log(&modem, &output);
    log.writeLine(line.devicePath());
    ModemConsole console(&modem);
    if (!console.start())
        log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                      console.errorString());

    QObject::connect(&line, &ModemLine::lost, &app, [](const QString &reason) {
        qCritical("modemsim: line lost: %s", qPrintable(reason));
        QCoreApplication::exit(1);
    });
    return app.exec();
}
