// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlline.h"

#include "atcommand.h"
#include "concatenation.h"
#include "gsmalphabet.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

using namespace Control;
using namespace std::chrono_literals;

constexpr Duration LongestDuration = 24h;
constexpr Duration DefaultQuiet = 1s;
// One USSD string holds 182 characters of the GSM alphabet, or 80 in UCS2 (TS 23.038, 6.1.2.3).
constexpr int MaxUssdSeptets = 182;
constexpr int MaxUssdUcs2 = 80;

// What follows a line's name: its words, and for the lines that end in text, the first word and
// all after the space that follows it, spaces kept.
struct Arguments {
    QStringList words;
    QString first;
    QString text;
};

std::optional<int> integer(const QString &word, int minimum, int maximum) {
    static const QRegularExpression Digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!Digits.match(word).hasMatch())
        return std::nullopt;
    const int value = word.toInt();
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// A keyword out of a list, in any case; its position in the list.
std::optional<int> keyword(const QString &word, const QStringList &keywords) {
    const qsizetype at = keywords.indexOf(word.toLower());
    return at < 0 ? std::nullopt : std::optional<int>(int(at));
}

std::optional<Command> sms(const Arguments &a) {
    if (a.words.isEmpty() || !AtParameter::isDialString(a.first))
        return std::nullopt;
    return Sms{a.first, a.text};
}

std::optional<Command> pin(const Arguments &a) {
    static const QRegularExpression Code(QStringLiteral("^[0-9]{4,8}$"));
    if (a.words.size() != 1)
        return std::nullopt;
    if (keyword(a.words.at(0), {"off"}))
        return Pin{};
    if (!Code.match(a.words.at(0)).hasMatch())
        return std::nullopt;
    return Pin{a.words.at(0)};
}

std::optional<Command> report(const Arguments &a) {
    const auto reference = integer(a.words.value(0), 0, 255);
    const auto outcome = keyword(a.words.value(1), {"delivered", "failed"});
    if (!reference || !outcome)
        return std::nullopt;
    if (*outcome == 0)
        return a.words.size() == 2 ? std::optional<Command>(Report{*reference, 0}) : std::nullopt;
    // TS 23.040 9.2.3.15: 64 to 127 are the failures after which the service centre gives up.
    const auto status = integer(a.words.value(2), 64, 127);
    if (a.words.size() != 3 || !status)
        return std::nullopt;
    return Report{*reference, *status};
}

std::optional<Command> network(const Arguments &a) {
    if (a.words.size() != 1)
        return std::nullopt;
    for (const auto &[state, name] : NetworkStateNames) {
        if (a.words.at(0).toLower() == QLatin1String(name))
            return Network{state};
    }
    return std::nullopt;
}

std::optional<Command> signal(const Arguments &a) {
    const auto quality = integer(a.words.value(0), 0, 99);
    if (a.words.size() != 1 || !quality || (*quality > 31 && *quality != 99))
        return std::nullopt;
    return Signal{*quality};
}

std::optional<Command> reject(const Arguments &a) {
    const auto cause = integer(a.words.value(0), 1, 511);
    const auto count = a.words.size() > 1 ? integer(a.words.at(1), 0, 1'000'000) : 1;
    if (a.words.isEmpty() || a.words.size() > 2 || !cause || !count)
        return std::nullopt;
    return Reject{*cause, *count};
}

std::optional<Command> storage(const Arguments &a) {
    const auto state = keyword(a.words.value(0), {"full", "free"});
    if (a.words.size() != 1 || !state)
        return std::nullopt;
    return Storage{*state == 0};
}

std::optional<Command> delay(const Arguments &a) {
    const auto duration = ControlLine::duration(a.words.value(0), true);
    if (a.words.size() != 1 || !duration)
        return std::nullopt;
    return Delay{*duration};
}

std::optional<Command> restart(const Arguments &a) {
    const auto quiet =
        a.words.isEmpty() ? DefaultQuiet : ControlLine::duration(a.words.at(0), false);
    if (a.words.size() > 1 || !quiet)
        return std::nullopt;
    return Restart{*quiet};
}

std::optional<Command> ussd(const Arguments &a) {
    static const QRegularExpression Code(QStringLiteral("^[0-9*#+]{1,40}$"));
    if (!Code.match(a.first).hasMatch() || a.text.isEmpty())
        return std::nullopt;
    const auto septets = GsmAlphabet::fromString(a.text);
    if (septets ? septets->size() > MaxUssdSeptets : a.text.size() > MaxUssdUcs2)
        return std::nullopt;
    return Ussd{a.first, a.text};
}

std::optional<Command> wait(const Arguments &a) {
    const auto duration = ControlLine::duration(a.words.value(0), false);
    if (a.words.size() != 1 || !duration)
        return std::nullopt;
    return Wait{*duration};
}

std::optional<Command> help(const Arguments &a) {
    if (!a.words.isEmpty())
        return std::nullopt;
    return Help{};
}

struct Syntax {
    const char *name;
    const char *arguments;
    const char *description;
    std::optional<Command> (*parse)(const Arguments &);
};

// The language: each line's name, its arguments, what it does, and how it is read.
const Syntax Lines[] = {
    {"sms", "NUMBER TEXT", "a message from NUMBER arrives, in parts if it is long", sms},
    {"pin", "CODE|off",
     "the SIM asks for PIN CODE (4 to 8 digits), as after a restart; off: it asks for none", pin},
    {"report", "REF delivered|failed STATUS",
     "the status report message REF asked for comes now: delivered, or failed with "
     "TP-Status STATUS, 64 to 127",
     report},
    {"network", "off|home|roaming|denied|searching",
     "what the network lets the modem do; messages go out only at home or roaming", network},
    {"signal", "0-31|99", "the signal strength +CSQ reports; 99: none measured", signal},
    {"reject", "CAUSE [COUNT]",
     "the next COUNT sends (1 unless given; 0 ends it) fail with +CMS ERROR: CAUSE (1 to 511)",
     reject},
    {"storage", "full|free",
     "full: the message storages take no more than they hold now; free: their room is back",
     storage},
    {"delay", "DURATION",
     "every answer waits DURATION first, a bare number counting milliseconds; 0 ends it", delay},
    {"restart", "[DURATION]",
     "the modem drops what it was doing, is quiet for DURATION (1s unless given), and "
     "starts again",
     restart},
    {"ussd", "CODE TEXT", "the network answers the USSD code CODE, such as *100#, with TEXT", ussd},
    {"wait", "DURATION", "the next line waits DURATION", wait},
    {"help", "", "lists these lines", help},
};

QString usage(const Syntax &syntax) {
    return (QLatin1String(syntax.name) + u' ' + QLatin1String(syntax.arguments)).trimmed();
}

} // namespace

ControlLine::Parsed ControlLine::parse(const QString &line, int modems) {
    // Blanks are Unicode's throughout, so that a line starts where its name does whatever
    // blank comes first (a no-break space, say), and the line quoted in a message is that line.
    constexpr auto Options = QRegularExpression::DotMatchesEverythingOption |
                             QRegularExpression::UseUnicodePropertiesOption;
    static const QRegularExpression Head(QStringLiteral("^\\s*(\\S+)\\s*(.*)$"), Options);
    static const QRegularExpression TextAfter(QStringLiteral("^(\\S+)\\s?(.*)$"), Options);
    static const QRegularExpression Space(QStringLiteral("\\s+"), Options);
    static const QRegularExpression Ends(QStringLiteral("^\\s+|\\s+$"), Options);
    static const QRegularExpression Addressed(QStringLiteral("^\\s*@(\\S*)\\s*(.*)$"), Options);
    const QString shown = QString(line).remove(Ends);
    if (shown.isEmpty() || shown.startsWith(u'#'))
        return {};
    if (const QRegularExpressionMatch to = Addressed.match(line); to.hasMatch()) {
        const QString name = to.captured(1).toLower();
        const auto modem = name == QLatin1String("all") ? AllModems : integer(name, 1, modems);
        if (!modem || to.captured(2).startsWith(u'@')) {
            const QString range = modems == 1
                                      ? QStringLiteral("there is only modem 1")
                                      : QStringLiteral("the modems are 1 to %1").arg(modems);
            return {std::nullopt, QStringLiteral("\"%1\" names no modem: %2, or @all for every one")
                                      .arg(shown, range)};
        }
        Parsed parsed = parse(to.captured(2), modems);
        parsed.modem = *modem;
        if (!parsed.command && parsed.error.isEmpty())
            parsed.error = QStringLiteral("\"%1\" says nothing to the modem").arg(shown);
        return parsed;
    }
    const QRegularExpressionMatch head = Head.match(line);
    const QString name = head.captured(1).toLower();
    const auto syntax = std::find_if(std::begin(Lines), std::end(Lines), [&](const Syntax &s) {
        return name == QLatin1String(s.name);
    });
    if (syntax == std::end(Lines)) {
        QStringList names;
        for (const Syntax &s : Lines)
            names.append(QLatin1String(s.name));
        return {std::nullopt,
                QStringLiteral("\"%1\" is not a line here; the lines are %2 (\"help\" "
                               "says what each does)")
                    .arg(shown, names.join(QStringLiteral(", ")))};
    }
    Arguments arguments;
    const QString rest = head.captured(2);
    arguments.words = rest.split(Space, Qt::SkipEmptyParts);
    const QRegularExpressionMatch text = TextAfter.match(rest);
    arguments.first = text.captured(1);
    arguments.text = text.captured(2);
    if (const auto command = syntax->parse(arguments)) {
        // Found here rather than when it plays, so that a script's line is named with its number.
        const auto *message = std::get_if<Sms>(&*command);
        if (message && Concatenation::split(message->text, 0).isEmpty()) {
            return {std::nullopt, QStringLiteral("\"%1...\" is too long for a message in 255 "
                                                 "parts")
                                      .arg(shown.left(40))};
        }
        return {command, {}};
    }
    return {std::nullopt,
            QStringLiteral("\"%1\" is not understood; it takes: %2").arg(shown, usage(*syntax))};
}

QString ControlLine::help() {
    QString text;
    for (const Syntax &s : Lines)
        text += usage(s) + QStringLiteral("\n    ") + QLatin1String(s.description) + u'\n';
    return text + QStringLiteral("A DURATION is a whole number of ms or s, such as 500ms or 2s, a "
                                 "day at most.\nA line that starts with # is a comment.\n"
                                 "@N before a line is for modem N, @all for every modem, such as "
                                 "\"@2 network off\"; a line with neither is for modem 1.\n");
}

std::optional<Duration> ControlLine::duration(const QString &text, bool bareMilliseconds) {
    static const QRegularExpression Pattern(QStringLiteral("^([0-9]{1,9})(ms|s)?$"));
    const QRegularExpressionMatch match = Pattern.match(text.toLower());
    if (!match.hasMatch() || (match.captured(2).isEmpty() && !bareMilliseconds))
        return std::nullopt;
    const qint64 count = match.captured(1).toLongLong();
    const Duration duration =
        match.captured(2) == QLatin1String("s") ? Duration(count * 1000) : Duration(count);
    if (duration > LongestDuration)
        return std::nullopt;
    return duration;
}
