// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemsimoptions.h"

#include "controlline.h"
#include "controlscript.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

namespace {

// An ICCID (ITU-T E.118): 89 for telecommunications, 17 or 18 more digits, the last a Luhn check
// digit, as clients that check it expect.
bool isIccid(const QString &iccid) {
    static const QRegularExpression Iccid(QRegularExpression::anchoredPattern(u"89[0-9]{17,18}"));
    if (!Iccid.match(iccid).hasMatch())
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < iccid.size(); ++i) {
        const int digit = iccid.at(iccid.size() - 1 - i).digitValue();
        const int weighted = i % 2 ? digit * 2 : digit;
        sum += weighted > 9 ? weighted - 9 : weighted;
    }
    return sum % 10 == 0;
}

} // namespace

std::variant<ModemSimOptions, QString> ModemSimOptions::parse(const QCoreApplication &app) {
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
    const QCommandLineOption iccid(
        QStringLiteral("iccid"),
        QStringLiteral("The SIM's serial number that +CCID, +ICCID and +CRSM give: 89 and 17 or "
                       "18 more digits, the last a Luhn check digit; 8900101012345678904 unless "
                       "given."),
        QStringLiteral("NUMBER"));
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
    parser.addOptions({paced, pin, puk, iccid, network, signal, delay, reportDelay, script});
    parser.addPositionalArgument(
        QStringLiteral("device"),
        QStringLiteral("A device to answer on instead of a new pseudo-terminal."),
        QStringLiteral("[device]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        return QStringLiteral("one device at most\n\n") + parser.helpText();

    ModemSimOptions options;
    options.paced = parser.isSet(paced);
    options.device = parser.positionalArguments().value(0);
    for (const auto &[option, line] : {std::pair(&pin, "pin"), std::pair(&network, "network"),
                                       std::pair(&signal, "signal"), std::pair(&delay, "delay")}) {
        if (!parser.isSet(*option))
            continue;
        const QString text = QLatin1String(line) + u' ' + parser.value(*option);
        const QString error = ControlLine::parse(text).error;
        if (!error.isEmpty())
            return QStringLiteral("--%1: %2").arg(option->names().constFirst(), error);
        options.startLines.append(text);
    }
    // Anchored whole: "$" alone would also take a PUK with a line feed after it, which no
    // AT+CPIN could ever match.
    static const QRegularExpression Puk(QRegularExpression::anchoredPattern(u"[0-9]{8}"));
    options.puk = parser.value(puk);
    if (parser.isSet(puk) && !Puk.match(options.puk).hasMatch())
        return QStringLiteral("--puk takes 8 digits, not \"%1\"").arg(options.puk);
    options.iccid = parser.value(iccid);
    if (parser.isSet(iccid) && !isIccid(options.iccid))
        return QStringLiteral("--iccid takes 89 and 17 or 18 more digits, the last a Luhn check "
                              "digit; not \"%1\"")
            .arg(options.iccid);
    if (parser.isSet(reportDelay)) {
        const QString value = parser.value(reportDelay);
        options.reportDelay = ControlLine::duration(value, false);
        if (!options.reportDelay && value.compare(QLatin1String("never"), Qt::CaseInsensitive) != 0)
            return QStringLiteral("--report-delay takes a duration such as 500ms or 10s, a day "
                                  "at most, or never; not \"%1\"")
                .arg(value);
    }
    options.scriptPath = parser.value(script);
    if (parser.isSet(script)) {
        ControlScript::Script scenario = ControlScript::read(options.scriptPath);
        if (!scenario.error.isEmpty())
            return scenario.error;
        options.script = std::move(scenario.lines);
    }
    return options;
}
