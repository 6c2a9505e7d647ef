// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlline.h"
#include "controlplayer.h"
#include "modemconsole.h"
#include "modemline.h"
#include "modemlog.h"
#include "modemnetwork.h"
#include "simulatedmodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
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
    qWarning("%s", qPrintable(text.trimmed()));
}

// The lines of a script, each checked before any is played, so that a mistake shows at once
// rather than halfway through a scenario.
QStringList scriptLines(const QString &path, int modems) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        usageError(QStringLiteral("cannot read the script %1: %2").arg(path, file.errorString()));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QStringList errors;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString error = ControlLine::parse(lines.at(i), modems).error;
        if (!error.isEmpty())
            errors.append(QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(error));
    }
    if (!errors.isEmpty())
        usageError(errors.join(u'\n'));
    return lines;
}

// Every modem's identity: modem k's derived from the first's, unless an option gives it as
// "K:VALUE", or as VALUE alone for modem 1.
QList<Identity> identities(const QCommandLineParser &parser,
                           const QList<QCommandLineOption> &options, int modems) {
    using Fault = std::optional<QString> (*)(const QString &);
    using Field = QString Identity::*;
    static const std::pair<Fault, Field> Fields[] = {
        {&Identity::numberFault, &Identity::number},
        {&Identity::imeiFault, &Identity::imei},
        {&Identity::imsiFault, &Identity::imsi},
        {&Identity::iccidFault, &Identity::iccid},
    };
    static const QRegularExpression Given(QStringLiteral("^(?:([0-9]+):)?(.*)$"));
    QList<std::map<int, QString>> given(std::size(Fields));
    for (qsizetype f = 0; f < options.size(); ++f) {
        const QString name = options.at(f).names().constFirst();
        for (const QString &value : parser.values(options.at(f))) {
            const QRegularExpressionMatch match = Given.match(value);
            const int k = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
            if (k < 1 || k > modems)
                usageError(QStringLiteral("--%1 %2: there is no modem %3").arg(name, value).arg(k));
            if (const auto fault = Fields[f].first(match.captured(2)))
                usageError(QStringLiteral("--%1 %2: %3").arg(name, value, *fault));
            given[f][k] = match.captured(2);
        }
    }
    Identity first = Identity::first();
    for (qsizetype f = 0; f < given.size(); ++f) {
        if (given.at(f).count(1))
            first.*Fields[f].second = given.at(f).at(1);
    }
    QList<Identity> result;
    QHash<QString, int> numbers;
    for (int k = 1; k <= modems; ++k) {
        Identity identity = first.derived(k);
        for (qsizetype f = 0; f < given.size(); ++f) {
            if (given.at(f).count(k))
                identity.*Fields[f].second = given.at(f).at(k);
        }
        if (const int other = numbers.value(identity.number); other != 0)
            usageError(QStringLiteral("modems %1 and %2 would both have the number %3: give one "
                                      "another with --number %2:NUMBER")
                           .arg(other)
                           .arg(k)
                           .arg(identity.number));
        numbers.insert(identity.number, k);
        result.append(identity);
    }
    return result;
}

// One modem of the simulation, on its own line, logged to the shared output.
struct Modem {
    explicit Modem(QIODevice *output)
        : line(&modem)
        , log(&modem, output) {}
    SimulatedModem modem;
    ModemLine line;
    ModemLog log;
};

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
    const QCommandLineOption modems(
        QStringLiteral("modems"),
        QStringLiteral("Start N modems on one network, 1 (unless given) to 256, each on its own "
                       "pseudo-terminal, with its own number and identity; a message to one's "
                       "number reaches it."),
        QStringLiteral("N"));
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral("Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, "
                       "one client at a time. HOST is 127.0.0.1 unless given; the port has no "
                       "authentication. Port 0: ports the system chooses."),
        QStringLiteral("[HOST:]PORT"));
    const QCommandLineOption number(
        QStringLiteral("number"),
        QStringLiteral("The SIM's number of modem K, or of modem 1, from which the others' are "
                       "derived; may be repeated."),
        QStringLiteral("[K:]NUMBER"));
    const QCommandLineOption imei(
        QStringLiteral("imei"), QStringLiteral("The IMEI of modem K, or of modem 1, as --number."),
        QStringLiteral("[K:]IMEI"));
    const QCommandLineOption imsi(
        QStringLiteral("imsi"), QStringLiteral("The IMSI of modem K, or of modem 1, as --number."),
        QStringLiteral("[K:]IMSI"));
    const QCommandLineOption iccid(
        QStringLiteral("iccid"),
        QStringLiteral("The ICCID of modem K, or of modem 1, as --number."),
        QStringLiteral("[K:]ICCID"));
    parser.addOptions({paced, pin, puk, network, signal, delay, reportDelay, script, modems, listen,
                       number, imei, imsi, iccid});
    parser.addPositionalArgument(
        QStringLiteral("device"),
        QStringLiteral("A device to answer on instead of a new pseudo-terminal."),
        QStringLiteral("[device]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        qCritical("modemsim: one device at most\n\n%s", qPrintable(parser.helpText()));
        return 2;
    }
    static const QRegularExpression Count(QRegularExpression::anchoredPattern(u"[0-9]{1,3}"));
    const int count = parser.isSet(modems) && Count.match(parser.value(modems)).hasMatch()
                          ? parser.value(modems).toInt()
                      : parser.isSet(modems) ? 0
                                             : 1;
    if (count < 1 || count > 256)
        usageError(QStringLiteral("--modems takes 1 to 256, not \"%1\"").arg(parser.value(modems)));
    if (count > 1 && !parser.positionalArguments().isEmpty())
        usageError(QStringLiteral("a device takes one modem: leave out --modems or the device"));
    QHostAddress host(QHostAddress::LocalHost);
    int port = -1;
    if (parser.isSet(listen)) {
        static const QRegularExpression Listen(
            QRegularExpression::anchoredPattern(u"(?:\\[?([^\\]]*?)\\]?:)?([0-9]{1,5})"));
        const QRegularExpressionMatch match = Listen.match(parser.value(listen));
        port = match.hasMatch() ? match.captured(2).toInt() : -1;
        if (match.hasMatch() && !match.captured(1).isEmpty() && !host.setAddress(match.captured(1)))
            port = -1;
        if (port < 0 || (port > 0 && port + count - 1 > 65535))
            usageError(QStringLiteral("--listen takes [HOST:]PORT, HOST an IP address, with a "
                                      "port for every modem up to 65535; not \"%1\"")
                           .arg(parser.value(listen)));
    }
    const QList<Identity> identity = identities(parser, {number, imei, imsi, iccid}, count);

    // Checked before anything starts, each as the line of the control language it stands for.
    QStringList startLines;
    for (const auto &[option, line] : {std::pair(&pin, "pin"), std::pair(&network, "network"),
                                       std::pair(&signal, "signal"), std::pair(&delay, "delay")}) {
        if (!parser.isSet(*option))
            continue;
        const QString text = QLatin1String(line) + u' ' + parser.value(*option);
        const QString error = ControlLine::parse(text, count).error;
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
        if (!reportAfter && value != QLatin1String("never"))
            usageError(QStringLiteral("--report-delay takes a duration such as 500ms or 10s, a "
                                      "day at most, or never; not \"%1\"")
                           .arg(value));
    }
    const QStringList scenario =
        parser.isSet(script) ? scriptLines(parser.value(script), count) : QStringList();

    QFile output;
    output.open(stdout, QIODevice::WriteOnly);

    std::deque<Modem> simulation;
    QList<SimulatedModem *> all;
    ModemNetwork carrier;
    const QString device = parser.positionalArguments().value(0);
    for (int k = 1; k <= count; ++k) {
        Modem &m = simulation.emplace_back(&output);
        all.append(&m.modem);
        m.modem.setIdentity(identity.at(k - 1));
        if (parser.isSet(puk))
            m.modem.setPuk(parser.value(puk));
        m.modem.setReportDelay(reportAfter);
        m.line.setPaced(parser.isSet(paced));
        if (!(device.isEmpty() ? m.line.openPseudoTerminal() : m.line.openDevice(device))) {
            qCritical("modemsim: cannot open %s: %s",
                      qPrintable(device.isEmpty() ? QStringLiteral("a pseudo-terminal") : device),
                      qPrintable(m.line.errorString()));
            return 1;
        }
        if (port >= 0 && !m.line.listen(host, port == 0 ? 0 : quint16(port + k - 1))) {
            qCritical("modemsim: cannot listen on %s port %d: %s", qPrintable(host.toString()),
                      port == 0 ? 0 : port + k - 1, qPrintable(m.line.errorString()));
            return 1;
        }
        QObject::connect(&m.line, &ModemLine::noted, &m.log, [&m](const QString &event) {
            m.log.writeLine(QStringLiteral("-- ") + event);
        });
        // One modem alone is the island it always was, every log line as it was.
        if (count > 1) {
            m.log.setPrefix(QStringLiteral("@%1 ").arg(k));
            carrier.add(&m.modem);
        }
    }
    QObject::connect(
        &carrier, &ModemNetwork::noted, &app,
        [&simulation, &all](SimulatedModem *sender, const QString &event) {
            simulation.at(all.indexOf(sender)).log.writeLine(QStringLiteral("-- ") + event);
        });
    // What a program needs to reach each modem: its device, then its number, IMEI and port.
    for (Modem &m : simulation) {
        const QString tcp = m.line.listenAddress();
        if (count == 1) {
            m.log.writeLine(m.line.devicePath());
            if (!tcp.isEmpty())
                m.log.writeLine(
                    QStringLiteral("-- also on TCP %1, with no authentication").arg(tcp));
            continue;
        }
        m.log.writeLine(QStringList{m.line.devicePath(), m.modem.identity().number,
                                    m.modem.identity().imei, tcp}
                            .join(u' ')
                            .trimmed());
    }
    ControlPlayer(all).play(startLines);
    ControlPlayer scriptPlayer(all);
    QObject::connect(&scriptPlayer, &ControlPlayer::told, &tell);
    ModemLog &log = simulation.front().log;
    if (parser.isSet(script)) {
        QObject::connect(&scriptPlayer, &ControlPlayer::finished, &log, [&log, &parser, &script] {
            log.writeLine(
                QStringLiteral("-- the script %1 has played to its end").arg(parser.value(script)));
        });
        scriptPlayer.play(scenario);
    }
    ModemConsole console(all);
    if (!console.start())
        log.writeLine(QStringLiteral("-- messages cannot arrive from standard input: ") +
                      console.errorString());

    quitOnStopSignals();
    for (Modem &m : simulation) {
        QObject::connect(&m.line, &ModemLine::lost, &app, [](const QString &reason) {
            qCritical("modemsim: line lost: %s", qPrintable(reason));
            QCoreApplication::exit(1);
        });
    }
    return app.exec();
}
