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
    : QObject(parent)
    , m_modem(modem) {
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
        const ControlLine::Parsed parsed = ControlLine::parse(m_waiting.takeFirst());
        if (!parsed.error.isEmpty())
            emit told(parsed.error);
        if (!parsed.command)
            continue;
        if (const auto *wait = std::get_if<Control::Wait>(&*parsed.command)) {
            m_wait.start(wait->duration);
            return;
        }
        apply(*parsed.command);
    }
    emit finished();
}

void ControlPlayer::apply(const Control::Command &command) {
    using namespace Control;
    std::visit(
        [this](const auto &c) {
            using Line = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<Line, Sms>) {
                if (!m_modem->deliver(c.number, c.text))
                    emit told(QStringLiteral("too long for a message in 255 parts"));
            } else if constexpr (std::is_same_v<Line, Pin>) {
                m_modem->lockSim(c.code);
            } else if constexpr (std::is_same_v<Line, Report>) {
                if (!m_modem->decideReport(c.reference, c.status))
                    emit told(
                        QStringLiteral("no status report waits on message %1").arg(c.reference));
            } else if constexpr (std::is_same_v<Line, Network>) {
                m_modem->setNetworkState(c.state);
            } else if constexpr (std::is_same_v<Line, Signal>) {
                m_modem->setSignal(c.quality);
            } else if constexpr (std::is_same_v<Line, Reject>) {
                m_modem->rejectSends(c.cause, c.count);
            } else if constexpr (std::is_same_v<Line, Storage>) {
                m_modem->setStorageFull(c.full);
            } else if constexpr (std::is_same_v<Line, Delay>) {
                m_modem->setAnswerDelay(c.duration);
            } else if constexpr (std::is_same_v<Line, Restart>) {
                m_modem->restart(c.quiet);
            } else if constexpr (std::is_same_v<Line, Ussd>) {
                m_modem->setUssdAnswer(c.code, c.text);
            } else if constexpr (std::is_same_v<Line, Help>) {
                emit told(ControlLine::help());
            }
        },
        command);
}
