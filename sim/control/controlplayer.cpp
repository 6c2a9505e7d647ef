// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlplayer.h"

#include "simulatedmodem.h"

#include <type_traits>

namespace {
// Lines played in one turn of the event loop: between turns the modem answers its line, however
// long the script.
constexpr int LinesPerTurn = 64;
} // namespace

ControlPlayer::ControlPlayer(SimulatedModem *modem, QObject *parent)
    : ControlPlayer(QList<SimulatedModem *>{modem}, parent) {}

ControlPlayer::ControlPlayer(const QList<SimulatedModem *> &modems, QObject *parent)
    : QObject(parent)
    , m_modems(modems) {
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &ControlPlayer::playWaiting);
}

void ControlPlayer::play(const QStringList &lines) {
    m_waiting.append(lines);
    if (!isWaiting())
        playWaiting();
}

void ControlPlayer::playWaiting() {
    for (int played = 0; !m_waiting.isEmpty(); ++played) {
        if (played == LinesPerTurn) {
            m_wait.start(0);
            return;
        }
        const ControlLine::Parsed parsed =
            ControlLine::parse(m_waiting.takeFirst(), int(m_modems.size()));
        if (!parsed.error.isEmpty())
            emit told(parsed.error);
        if (!parsed.command)
            continue;
        if (const auto *wait = std::get_if<Control::Wait>(&*parsed.command)) {
            m_wait.start(wait->duration);
            return;
        }
        if (std::holds_alternative<Control::Help>(*parsed.command)) {
            emit told(ControlLine::help());
            continue;
        }
        if (parsed.modem != ControlLine::AllModems) {
            apply(m_modems.at(parsed.modem - 1), *parsed.command);
            continue;
        }
        for (SimulatedModem *modem : std::as_const(m_modems))
            apply(modem, *parsed.command);
    }
    emit finished();
}

void ControlPlayer::apply(SimulatedModem *modem, const Control::Command &command) {
    using namespace Control;
    std::visit(
        [this, modem](const auto &c) {
            using Line = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<Line, Sms>) {
                if (!modem->deliver(c.number, c.text))
                    emit told(QStringLiteral("too long for a message in 255 parts"));
            } else if constexpr (std::is_same_v<Line, Pin>) {
                modem->lockSim(c.code);
            } else if constexpr (std::is_same_v<Line, Report>) {
                if (!modem->decideReport(c.reference, c.status))
                    emit told(
                        QStringLiteral("no status report waits on message %1").arg(c.reference));
            } else if constexpr (std::is_same_v<Line, Network>) {
                modem->setNetworkState(c.state);
            } else if constexpr (std::is_same_v<Line, Signal>) {
                modem->setSignal(c.quality);
            } else if constexpr (std::is_same_v<Line, Reject>) {
                modem->rejectSends(c.cause, c.count);
            } else if constexpr (std::is_same_v<Line, Storage>) {
                modem->setStorageFull(c.full);
            } else if constexpr (std::is_same_v<Line, Delay>) {
                modem->setAnswerDelay(c.duration);
            } else if constexpr (std::is_same_v<Line, Restart>) {
                modem->restart(c.quiet);
            } else if constexpr (std::is_same_v<Line, Ussd>) {
                modem->setUssdAnswer(c.code, c.text);
            }
        },
        command);
}
