// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemsimoptions.h"

#include "controlline.h"
#include "controlscript.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <map>
#include <utility>

namespace {

constexpr int MaxModems = 256;

// An option: its name, the name of its value (none for a switch) and what it does. The names
// stay English: they are what a person types, and the descriptions refer to them.
struct Declared {
    const char *name;
    const char *value;
    const char *description;
};

constexpr Declared Declarations[] = {
    //: A line: the serial connection to a modem.
    {"paced", nullptr, QT_TRANSLATE_NOOP("modemsim", "Answer at 2400 baud, as a real line does.")},
    {"pin", "CODE", QT_TRANSLATE_NOOP("modemsim", "The SIM asks for this PIN, 4 to 8 digits.")},
    {"puk", "CODE",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.")},
    {"network", "STATE",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "How the network starts: off, home (unless given), roaming, denied or searching.")},
    {"signal", "N",
     QT_TRANSLATE_NOOP("modemsim",
                       "The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.")},
    {"delay", "DURATION",
     QT_TRANSLATE_NOOP("modemsim", "Every answer waits this long first, such as 300ms or 2s.")},
    {"report-delay", "DURATION",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "How long after a message that asks for one its status report comes, saying delivered, "
         "such as 500ms or 10s (1s unless given); never: only when a \"report\" line decides it.")},
    {"script", "FILE",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "Play the lines of FILE, the control language with its waits, from the start; standard "
         "input works alongside.")},
    {"modems", "N",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, "
         "with its own number and identity; a message to one's number reaches it.")},
    {"listen", "[HOST:]PORT",
     //: TCP ports; PORT and HOST are the option's value as typed, not translated.
     QT_TRANSLATE_NOOP("modemsim",
                       "Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, "
                       "one client at a time. HOST is 127.0.0.1 unless given; the port has no "
                       "authentication. Port 0: ports the system chooses.")},
    {"number", "[K:]NUMBER",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "The SIM's number of modem K, or of modem 1, from which the others' are derived; may be "
         "repeated.")},
    {"imei", "[K:]IMEI",
     QT_TRANSLATE_NOOP("modemsim", "The IMEI of modem K, or of modem 1, as --number.")},
    {"imsi", "[K:]IMSI",
     QT_TRANSLATE_NOOP("modemsim", "The IMSI of modem K, or of modem 1, as --number.")},
    {"iccid", "[K:]ICCID",
     QT_TRANSLATE_NOOP(
         "modemsim",
         "The SIM's serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as "
         "--number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 "
         "unless given.")},
};

// Each reads what it needs into the options and returns what is wrong, or nothing; in the
// order of the table of readers, as the later ones rely on the number of modems.
using Reader = QString (*)(const QCommandLineParser &, ModemSimOptions &);

QString readModems(const QCommandLineParser &parser, ModemSimOptions &options) {
    static const QRegularExpression Count(QRegularExpression::anchoredPattern(u"[0-9]{1,3}"));
    const QString value = parser.value(QStringLiteral("modems"));
    const int count = !parser.isSet(QStringLiteral("modems")) ? 1
                      : Count.match(value).hasMatch()         ? value.toInt()
                                                              : 0;
    if (count < 1 || count > MaxModems)
        return QCoreApplication::translate("modemsim", "--modems takes 1 to %1, not \"%2\".")
            .arg(QString::number(MaxModems), value);
    if (count > 1 && !options.device.isEmpty())
        return QCoreApplication::translate(
            "modemsim", "A device takes one modem: leave out --modems or the device.");
    options.identities.resize(count);
    return {};
}

QString readListen(const QCommandLineParser &parser, ModemSimOptions &options) {
    if (!parser.isSet(QStringLiteral("listen")))
        return {};
    static const QRegularExpression Listen(
        QRegularExpression::anchoredPattern(u"(?:\\[?([^\\]]*?)\\]?:)?([0-9]{1,5})"));
    const QString value = parser.value(QStringLiteral("listen"));
    const QRegularExpressionMatch match = Listen.match(value);
    const int port = match.hasMatch() ? match.captured(2).toInt() : -1;
    const bool hostTaken =
        match.captured(1).isEmpty() || options.listenHost.setAddress(match.captured(1));
    const qsizetype last = port + options.identities.size() - 1;
    if (port < 0 || !hostTaken || (port > 0 && last > 65535))
        return QCoreApplication::translate(
                   "modemsim", "--listen takes [HOST:]PORT, HOST an IP address, with a port for "
                               "every modem up to 65535; not \"%1\".")
            .arg(value);
    options.listenPort = quint16(port);
    return {};
}

// Modem k's identity is derived from the first's, unless an option gives it as "K:VALUE", or
// as VALUE alone for modem 1.
QString readIdentities(const QCommandLineParser &parser, ModemSimOptions &options) {
    using Fault = std::optional<QString> (*)(const QString &);
    struct Field {
        const char *option;
        Fault fault;
        QString Identity::*value;
    };
    static const Field Fields[] = {
        {"number", &Identity::numberFault, &Identity::number},
        {"imei", &Identity::imeiFault, &Identity::imei},
        {"imsi", &Identity::imsiFault, &Identity::imsi},
        {"iccid", &Identity::iccidFault, &Identity::iccid},
    };
    static const QRegularExpression Given(QStringLiteral("^(?:([0-9]+):)?(.*)$"));
    const qsizetype modems = options.identities.size();
    // For each field, the values given, by modem.
    std::map<int, QString> given[std::size(Fields)];
    for (std::size_t f = 0; f < std::size(Fields); ++f) {
        for (const QString &value : parser.values(QLatin1String(Fields[f].option))) {
            const QRegularExpressionMatch match = Given.match(value);
            const int k = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
            if (k < 1 || k > modems)
                return QCoreApplication::translate("modemsim", "--%1 %2: there is no modem %3.")
                    .arg(QLatin1String(Fields[f].option), value, QString::number(k));
            if (const auto fault = Fields[f].fault(match.captured(2)))
                return QCoreApplication::translate("modemsim", "--%1 takes %2; not \"%3\".")
                    .arg(QLatin1String(Fields[f].option), *fault, value);
            given[f][k] = match.captured(2);
        }
    }
    const auto overridden = [&given](Identity identity, int k) {
        for (std::size_t f = 0; f < std::size(Fields); ++f) {
            if (const auto value = given[f].find(k); value != given[f].end())
                identity.*Fields[f].value = value->second;
        }
        return identity;
    };
    const Identity first = overridden(Identity::first(), 1);
    QHash<QString, int> numbers;
    for (int k = 1; k <= modems; ++k) {
        const Identity identity = overridden(first.derived(k), k);
        if (const int other = numbers.value(identity.number); other != 0)
            return QCoreApplication::translate(
                       "modemsim", "Modems %1 and %2 would both have the number %3: give one "
                                   "another with --number %2:NUMBER.")
                .arg(other)
                .arg(k)
                .arg(identity.number);
        numbers.insert(identity.number, k);
        options.identities[k - 1] = identity;
    }
    return {};
}

// For every modem, as --puk and --report-delay are.
QString readStartLines(const QCommandLineParser &parser, ModemSimOptions &options) {
    for (const char *name : {"pin", "network", "signal", "delay"}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        const QString text = QStringLiteral("@all %1 %2")
                                 .arg(QLatin1String(name), parser.value(QLatin1String(name)));
        const QString error = ControlLine::parse(text, int(options.identities.size())).error;
        if (!error.isEmpty())
            return QStringLiteral("--%1: %2").arg(QLatin1String(name), error);
        options.startLines.append(text);
    }
    return {};
}

QString readPuk(const QCommandLineParser &parser, ModemSimOptions &options) {
    // Anchored whole: "$" alone would also take a PUK with a line feed after it, which no
    // AT+CPIN could ever match.
    static const QRegularExpression Puk(QRegularExpression::anchoredPattern(u"[0-9]{8}"));
    options.puk = parser.value(QStringLiteral("puk"));
    if (parser.isSet(QStringLiteral("puk")) && !Puk.match(options.puk).hasMatch())
        return QCoreApplication::translate("modemsim", "--puk takes 8 digits, not \"%1\".")
            .arg(options.puk);
    return {};
}

QString readReportDelay(const QCommandLineParser &parser, ModemSimOptions &options) {
    if (!parser.isSet(QStringLiteral("report-delay")))
        return {};
    const QString value = parser.value(QStringLiteral("report-delay"));
    options.reportDelay = ControlLine::duration(value, false);
    if (!options.reportDelay && value.compare(QLatin1String("never"), Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate(
                   "modemsim", "--report-delay takes a duration such as 500ms or 10s, a day "
                               "at most, or never; not \"%1\".")
            .arg(value);
    return {};
}

QString readScript(const QCommandLineParser &parser, ModemSimOptions &options) {
    options.scriptPath = parser.value(QStringLiteral("script"));
    if (!parser.isSet(QStringLiteral("script")))
        return {};
    ControlScript::Script scenario =
        ControlScript::read(options.scriptPath, int(options.identities.size()));
    options.script = std::move(scenario.lines);
    return scenario.error;
}

constexpr Reader Readers[] = {&readModems, &readListen,      &readIdentities, &readStartLines,
                              &readPuk,    &readReportDelay, &readScript};

} // namespace

std::variant<ModemSimOptions, QString> ModemSimOptions::parse(const QCoreApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "modemsim",
        "A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the "
        "device to open, then the dialogue. Reads lines of its control language from standard "
        "input and a script, such as \"sms +447700900456 Hello there\" (a message from that "
        "number arrives) or \"network off\"; \"help\" lists them."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const Declared &option : Declarations) {
        const QString name = QLatin1String(option.name);
        const QString description = QCoreApplication::translate("modemsim", option.description);
        parser.addOption(option.value
                             ? QCommandLineOption(name, description, QLatin1String(option.value))
                             : QCommandLineOption(name, description));
    }
    parser.addPositionalArgument(
        QStringLiteral("device"),
        QCoreApplication::translate("modemsim",
                                    "A device to answer on instead of a new pseudo-terminal."),
        QStringLiteral("[device]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        return QCoreApplication::translate("modemsim", "Give one device at most.") +
               QStringLiteral("\n\n") + parser.helpText();

    ModemSimOptions options;
    options.paced = parser.isSet(QStringLiteral("paced"));
    options.device = parser.positionalArguments().value(0);
    for (const Reader read : Readers) {
        if (QString mistake = read(parser, options); !mistake.isEmpty())
            return mistake;
    }
    return options;
}
