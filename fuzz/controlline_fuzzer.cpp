// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as standard input or a script gives them to the simulated modem: lines of the control
// language, read as UTF-8. Each line is a blank or a comment, or a command, or an error that
// quotes it; never two of these. Blanks before a command's name do not matter, nor the case of
// its name, and its values lie within what the language allows. The lines are played to a
// modem as standard input plays them, and a client then asks it about its SIM, network,
// messages and USSD.

#include "controlline.h"
#include "controlplayer.h"
#include "simulatedmodem.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace Control;
using namespace std::chrono_literals;

void check(bool condition) {
    if (!condition)
        std::abort();
}

template<typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template<typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

bool withinBounds(const Command &command) {
    const auto duration = [](Duration d) { return d >= 0ms && d <= 24h; };
    return std::visit(
        Overloaded{
            [](const Sms &c) { return AtParameter::isDialString(c.number); },
            [](const Pin &c) {
                return c.code.isEmpty() || (c.code.size() >= 4 && c.code.size() <= 8);
            },
            [](const Report &c) {
                return c.reference >= 0 && c.reference <= 255 &&
                       (c.status == 0 || (c.status >= 64 && c.status <= 127));
            },
            [](const Network &) { return true; },
            [](const Signal &c) { return (c.quality >= 0 && c.quality <= 31) || c.quality == 99; },
            [](const Reject &c) {
                return c.cause >= 1 && c.cause <= 511 && c.count >= 0 && c.count <= 1'000'000;
            },
            [](const Storage &) { return true; },
            [&](const Delay &c) { return duration(c.duration); },
            [&](const Restart &c) { return duration(c.quiet); },
            [](const Ussd &c) { return !c.code.isEmpty() && !c.text.isEmpty(); },
            [&](const Wait &c) { return duration(c.duration); },
            [](const Help &) { return true; },
        },
        command);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The modem's timers need an event dispatcher, though they never run here.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    SimulatedModem modem;
    ControlPlayer player(&modem);
    modem.receive("ATE0;+CMGF=1;+CNMI=2,1,0,1,0;+CSMP=49\r");
    // Blanks as Unicode has them.
    constexpr auto Unicode = QRegularExpression::UseUnicodePropertiesOption;
    static const QRegularExpression Ends(QStringLiteral("^\\s+|\\s+$"), Unicode);
    static const QRegularExpression Leading(QStringLiteral("^\\s+"), Unicode);
    static const QRegularExpression Blank(QStringLiteral("\\s"), Unicode);
    for (QByteArray bytes : input.split('\n')) {
        // As standard input is read: a line ends at LF, a CR before it goes.
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = QString::fromUtf8(bytes);
        const ControlLine::Parsed parsed = ControlLine::parse(line);
        const QString shown = QString(line).remove(Ends);
        player.play(line);
        if (shown.isEmpty() || shown.startsWith(u'#')) {
            check(!parsed.command && parsed.error.isEmpty());
            continue;
        }
        check(parsed.command.has_value() != !parsed.error.isEmpty());
        check(parsed.command || parsed.error.contains(shown));
        // Blanks before the name do not matter, nor the case of a name in ASCII.
        const QString stripped = QString(line).remove(Leading);
        check(ControlLine::parse(stripped).command == parsed.command);
        const qsizetype nameEnd = std::max<qsizetype>(stripped.indexOf(Blank), 0);
        const QString name = nameEnd > 0 ? stripped.left(nameEnd) : stripped;
        if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
            check(ControlLine::parse(name.toUpper() + stripped.mid(name.size())).command ==
                  parsed.command);
        check(!parsed.command || withinBounds(*parsed.command));
    }
    modem.receive("AT+CPIN?;+CREG?;+CSQ;+CPMS?\rAT+CMGL=\"ALL\"\rAT+CUSD=1,\"*100#\"\r"
                  "AT+CMGS=\"+447700900999\"\rback\x1A");
    return 0;
}
