// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlline.h"
#include "controlplayer.h"
#include "controlscript.h"
#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "outputqueue.h"
#include "simulatedmodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
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

[[noreturn]] void usageError(const QString &message) {
    qCritical("modemsim: %s", qPrintable(message));
    std::exit(2);
}

void tell(const QString &text) {
    qWarning().noquote() << text.trimmed();
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("modemsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the "
        "device to open, then the dialogue. Reads lines of its control language from standard "
        "input and a script, such as \"sms +447700900456 Hello there\" (a message from that "
        "number arrives) or \"network off\"; \"help\" lists them."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("Answer at 2400 baud, as a real line does."));
    const QCommandLineOption pin(QStringLiteral("pin"),
                                 QStringLiteral("The SIM asks for this PIN, 4 to 8 digits."),
                                 QStringLiteral("CODE"));
    const QCommandLineOption puk(
        QStringLiteral("puk"),
        QStringLiteral("The PUK that unblocks the SIM after three wrong PINs, 8 digits; "
                       "12345678 unless given."),
        QStringLiteral("CODE"));
    const QCommandLineOption network(
        QStringLiteral("network"),
        QStringLiteral("How the network starts: off, home (unless given), roaming, denied or "
                       "searching."),
        QStringLiteral("STATE"));
    const QCommandLineOption signal(
        QStringLiteral("signal"),
        QStringLiteral("The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99."),
        QStringLiteral("N"));
    const QCommandLineOption delay(
        QStringLiteral("delay"),
        QStringLiteral("Every answer waits this long first, such as 300ms or 2s."),
        QStringLiteral("DURATION"));
    const QCommandLineOption reportDelay(
        QStringLiteral("report-delay"),
        QStringLiteral("How long after a message that asks for one its status report comes, "
                       "saying delivered, such as 500ms or 10s (1s unless given); never: only "
                       "when a \"report\" line decides it."),
        QStringLiteral("DURATION"));
    const QCommandLineOption script(
        QStringLiteral("script"),
        QStringLiteral("Play the lines of FILE, the control language with its waits, from the "
                       "start; standard input works alongside."),
        QStringLiteral("FILE"));
    parser.addOptions({paced, pin, puk, network, signal, delay, reportDelay, script});
    parser.addPositionalArgument(
        QStringLiteral("device"),
        QStringLiteral("A device to answer on instead of a new pseudo-terminal."),
        QStringLiteral("[device]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        qCritical("modemsim: one device at most\n\n%s", qPrintable(parser.helpText()));
        return 2;
    }

    // Checked before anything starts, each as the line of the control language it stands for.
    QStringList startLines;
    for (const auto &[option, line] : {std::pair(&pin, "pin"), std::pair(&network, "network"),
                                       std::pair(&signal, "signal"), std::pair(&delay, "delay")}) {
        if (!parser.isSet(*option))
            continue;
        const QString text = QLatin1String(line) + u' ' + parser.value(*option);
        const QString error = ControlLine::parse(text).error;
        if (!error.isEmpty())
            usageError(QStringLiteral("--%1: %2").arg(option->names().constFirst(), error));
        startLines.append(text);
    }
    // Anchored whole: "$" alone would also take a PUK with a line feed after it, which no
    // AT+CPIN could ever match.
    static const QRegularExpression Puk(QRegularExpression::anchoredPattern(u"[0-9]{8}"));
    if (parser.isSet(puk) && !Puk.match(parser.value(puk)).hasMatch())
        usageError(QStringLiteral("--puk takes 8 digits, not \"%1\"").arg(parser.value(puk)));
    std::optional<std::chrono::milliseconds> reportAfter = std::chrono::seconds(1);
    if (parser.isSet(reportDelay)) {
        const QString value = parser.value(reportDelay);
        reportAfter = ControlLine::duration(value, false);
        if (!reportAfter && value.compare(QLatin1String("never"), Qt::CaseInsensitive) != 0)
            usageError(QStringLiteral("--report-delay takes a duration such as 500ms or 10s, a "
                                      "day at most, or never; not \"%1\"")
                           .arg(value));
    }
    ControlScript::Script scenario;
    if (parser.isSet(script)) {
        scenario = ControlScript::read(parser.value(script));
        if (!scenario.error.isEmpty())
            usageError(scenario.error);
    }

#ifdef Q_OS_UNIX
    // A reader that has gone stops the output, not the modem (see OutputQueue).
    std::signal(SIGPIPE, SIG_IGN);
#endif
    OutputQueue output(fileno(stdout));
    OutputQueue errors(fileno(stderr));
    errors.takeMessages();

    // Before the device is opened and locked: a signal that came between would leave the lock.
    quitOnStopSignals();
    SimulatedModem modem;
    if (parser.isSet(puk))
        modem.setPuk(parser.value(puk));
    modem.setReportDelay(reportAfter);
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
    ControlPlayer(&modem).play(startLines);
    ControlPlayer scriptPlayer(&modem);
    QObject::connect(&scriptPlayer, &ControlPlayer::told, &tell);
    if (parser.isSet(script)) {
        QObject::connect(&scriptPlayer, &ControlPlayer::finished, &log, [&log, &parser, &script] {
            log.writeLine(
                QStringLiteral("-- the script %1 has played to its end").arg(parser.value(script)));
        });
        scriptPlayer.play(scenario.lines);
    }
    ModemConsole console(&modem);
    if (!console.start())
        log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                      console.errorString());

    QObject::connect(&line, &ModemLine::lost, &app, [](const QString &reason) {
        qCritical().noquote() << "modemsim: line lost:" << reason;
        QCoreApplication::exit(1);
    });
    const int status = app.exec();
    output.drain();
    errors.drain();
    return status;
}
