// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "simulatedmodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int stopPipe[2] = {-1, -1};

void noteStop(int) {
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = saved;
}
#endif

// Ctrl-C, a kill or a closed terminal end the event loop like any other way out, so that the
// device is closed and its lock file removed: a lock left behind keeps other programs out for
// as long as its process number belongs to someone else.
void quitOnStopSignals() {
#ifdef Q_OS_UNIX
    if (::pipe(stopPipe) != 0)
        return;
    for (const int end : stopPipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
#endif
}

} // namespace

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

    quitOnStopSignals();
    QObject::connect(&line, &ModemLine::lost, &app, [](const QString &reason) {
        qCritical("modemsim: line lost: %s", qPrintable(reason));
        QCoreApplication::exit(1);
    });
    return app.exec();
}
