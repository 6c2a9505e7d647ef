// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statuscommands.h"

#include "networkcommands.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <utility>

namespace {

constexpr char ClockFormat[] = "yy/MM/dd,HH:mm:ss";
// +CSQ's "not known or not detectable", and +CESQ's for the measures of UTRAN and E-UTRAN, which
// a GSM modem has not.
constexpr int NoSignal = 99;
constexpr char NoOtherMeasures[] = ",255,255,255,255";

} // namespace

StatusCommands::StatusCommands(const NetworkCommands &network, std::function<bool()> storageFull,
                               QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_storageFull(std::move(storageFull)) {
    m_told = indicators();
}

void StatusCommands::addTo(CommandTable &table) {
    using Self = StatusCommands;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CIND",
         .test = CommandTable::answer(R"(+CIND: ("signal",(0-5)),("service",(0,1)),)"
                                      R"(("message",(0,1)),("call",(0,1)),("roam",(0,1)),)"
                                      R"(("smsfull",(0,1)))"),
         .read = &Self::readIndicators},
        {.name = "+CMER",
         .test = CommandTable::answer("+CMER: (0-3),(0),(0),(0-2),(0,1)"),
         .read = &Self::readEventReporting,
         .set = &Self::setEventReporting},
        {.name = "+CCLK",
         .test = CommandTable::exists(),
         .read = &Self::readClock,
         .set = &Self::setClock},
        {.name = "+CTZU",
         .test = CommandTable::answer("+CTZU: (0,1)"),
         .read = &Self::readTimeZoneUpdate,
         .set = CommandTable::value(m_settings.timeZoneUpdate, 0, 1)},
        {.name = "+CTZR",
         .test = CommandTable::answer("+CTZR: (0-3)"),
         .read = &Self::readTimeZoneReporting,
         .set = CommandTable::value(m_settings.timeZoneReporting, 0, 3)},
        {.name = "+CESQ",
         .test = CommandTable::answer(
             "+CESQ: (0-63,99),(0-7,99),(0-96,255),(0-49,255),(0-34,255),(0-97,255)"),
         .action = &Self::extendedSignalQuality},
    };
    table.add(this, rows);
}

void StatusCommands::refresh() {
    const std::array<int, 6> before = std::exchange(m_told, indicators());
    if (m_settings.eventMode == 0 || m_settings.indicatorEvents == 0)
        return;
    // Each change an unsolicited code of its own, numbered as +CIND lists the indicators.
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (m_told[i] != before[i])
            emit unsolicited(
                {"+CIEV: " + QByteArray::number(i + 1) + ',' + QByteArray::number(m_told[i])});
    }
}

std::array<int, 6> StatusCommands::indicators() const {
    const int signal = m_network.signal();
    // +CSQ's 0 to 31 in six steps, 31 the strongest.
    const int bars = signal == NoSignal ? 0 : std::min(5, signal / 6);
    return {bars,
            m_network.isRegistered(),
            0,
            0,
            m_network.isRegistered() && m_network.isRoaming(),
            m_storageFull()};
}

AtResponse StatusCommands::readIndicators(const AtCommand &) const {
    QByteArrayList values;
    for (const int value : indicators())
        values += QByteArray::number(value);
    return AtResponse::text("+CIND: " + values.join(','));
}

// +CMER=[<mode>[,<keyp>[,<disp>[,<ind>[,<bfr>]]]]]: there are no keypad or display events.
AtResponse StatusCommands::setEventReporting(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto mode = AtParameter::number(arguments.value(0), 0, 3);
    const auto keypad = AtParameter::number(arguments.value(1), 0, 0);
    const auto display = AtParameter::number(arguments.value(2), 0, 0);
    const auto indicator = AtParameter::number(arguments.value(3), 0, 2);
    const auto buffer = AtParameter::number(arguments.value(4), 0, 1);
    if (arguments.size() > 5 || !mode || !keypad || !display || !indicator || !buffer)
        return AtResponse::error();
    m_settings.eventMode = *mode;
    m_settings.indicatorEvents = *indicator;
    m_told = indicators();
    return AtResponse::ok();
}

AtResponse StatusCommands::readEventReporting(const AtCommand &) const {
    return AtResponse::text("+CMER: " + QByteArray::number(m_settings.eventMode) + ",0,0," +
                            QByteArray::number(m_settings.indicatorEvents) + ",0");
}

// "yy/MM/dd,hh:mm:ss±zz", the zone in quarters of an hour.
AtResponse StatusCommands::readClock(const AtCommand &) const {
    const QDateTime now = QDateTime::currentDateTime().addSecs(m_clockOffset);
    const int quarters = now.offsetFromUtc() / (15 * 60);
    return AtResponse::text("+CCLK: \"" + now.toString(QLatin1String(ClockFormat)).toLatin1() +
                            (quarters < 0 ? '-' : '+') +
                            QByteArray::number(std::abs(quarters)).rightJustified(2, '0') + '"');
}

AtResponse StatusCommands::setClock(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto text = AtParameter::string(arguments.value(0));
    if (arguments.size() != 1 || !text || text->size() != 20)
        return AtResponse::error();
    QDateTime time =
        QDateTime::fromString(QString::fromLatin1(text->left(17)), QLatin1String(ClockFormat));
    bool zoned = false;
    const int quarters = text->mid(17).toInt(&zoned);
    if (!time.isValid() || !zoned || (text->at(17) != '+' && text->at(17) != '-'))
        return AtResponse::error();
    // Two-digit years are of this century.
    time = time.addYears(100);
    time.setTimeZone(QTimeZone(quarters * 15 * 60));
    m_clockOffset = QDateTime::currentDateTime().secsTo(time);
    return AtResponse::ok();
}

AtResponse StatusCommands::readTimeZoneUpdate(const AtCommand &) const {
    return AtResponse::text("+CTZU: " + QByteArray::number(m_settings.timeZoneUpdate));
}

AtResponse StatusCommands::readTimeZoneReporting(const AtCommand &) const {
    return AtResponse::text("+CTZR: " + QByteArray::number(m_settings.timeZoneReporting));
}

// GSM's received level, 0 to 63 for -110 to -48 dBm, from +CSQ's 0 to 31 for -113 to -51.
AtResponse StatusCommands::extendedSignalQuality(const AtCommand &) const {
    const int signal = m_network.signal();
    const int level = signal == NoSignal ? NoSignal : std::clamp(2 * signal - 2, 0, 63);
    return AtResponse::text("+CESQ: " + QByteArray::number(level) + ",99" + NoOtherMeasures);
}
