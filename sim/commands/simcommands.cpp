// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simcommands.h"

#include <QRegularExpression>

namespace {

constexpr int PinTries = 3;
constexpr int PukTries = 10;

bool isPin(const QByteArray &code) {
    static const QRegularExpression Pattern(QStringLiteral("^[0-9]{4,8}$"));
    return Pattern.match(QString::fromLatin1(code)).hasMatch();
}

} // namespace

SimCommands::SimCommands(QObject *parent)
    : QObject(parent) {}

void SimCommands::addTo(CommandTable &table) {
    using Self = SimCommands;
    constexpr auto NeedsSim = CommandTable::Sim::Equipment;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CPIN",
         .test = CommandTable::exists(),
         .read = &Self::readPin,
         .set = &Self::enterPin},
        {.name = "+CLCK",
         .test = CommandTable::answer("+CLCK: (\"SC\")"),
         .set = &Self::facilityLock,
         .sim = NeedsSim},
        // The longest PIN a SIM takes.
        {.name = "+CPWD",
         .test = CommandTable::answer("+CPWD: (\"SC\",8)"),
         .set = &Self::changePin,
         .sim = NeedsSim},
    };
    table.add(this, rows);
}

void SimCommands::lock(const QString &pin) {
    m_pinEnabled = !pin.isEmpty();
    if (m_pinEnabled)
        m_pin = pin;
    m_pinTries = PinTries;
    m_pukTries = PukTries;
    emit noted(m_pinEnabled ? QStringLiteral("the SIM asks for PIN %1").arg(pin)
                            : QStringLiteral("the SIM asks for no PIN"));
    setState(m_pinEnabled ? State::PinRequired : State::Ready);
}

void SimCommands::restart() {
    if (m_pinEnabled && m_state == State::Ready)
        setState(State::PinRequired);
}

QByteArray SimCommands::code() const {
    switch (m_state) {
    case State::Ready:
        return "READY";
    case State::PinRequired:
        return "SIM PIN";
    case State::PukRequired:
    case State::Blocked:
        return "SIM PUK";
    }
    return {};
}

std::optional<AtResponse> SimCommands::refusal(CommandTable::Sim family) const {
    struct Refusal {
        State state;
        CmeError equipment;
        CmsError message;
    };
    static constexpr Refusal Refusals[] = {
        {State::PinRequired, CmeError::SimPinRequired, CmsError::SimPinRequired},
        {State::PukRequired, CmeError::SimPukRequired, CmsError::SimPukRequired},
        {State::Blocked, CmeError::SimFailure, CmsError::SimFailure},
    };
    for (const Refusal &refusal : Refusals) {
        if (refusal.state == m_state) {
            return family == CommandTable::Sim::Message ? AtResponse::cmsError(refusal.message)
                                                        : AtResponse::cmeError(refusal.equipment);
        }
    }
    return std::nullopt;
}

AtResponse SimCommands::readPin(const AtCommand &) const {
    if (m_state == State::Blocked)
        return AtResponse::cmeError(CmeError::SimFailure);
    return AtResponse::text("+CPIN: " + code());
}

// +CPIN=<pin>[,<newpin>]: the PIN the SIM asks for, or its PUK and the PIN that replaces the
// old one. Nothing waits for a code while the SIM is ready.
AtResponse SimCommands::enterPin(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto code = AtParameter::string(arguments.value(0));
    const auto newPin = AtParameter::string(arguments.value(1));
    if (arguments.size() > 2 || !code || !newPin)
        return AtResponse::error();
    switch (m_state) {
    case State::Ready:
        return AtResponse::cmeError(CmeError::OperationNotAllowed);
    case State::Blocked:
        return AtResponse::cmeError(CmeError::SimFailure);
    case State::PinRequired:
        if (const auto refusal = verifyPin(*code))
            return *refusal;
        emit noted(QStringLiteral("the SIM took its PIN"));
        setState(State::Ready);
        return AtResponse::ok();
    case State::PukRequired:
        break;
    }
    if (!isPin(*newPin))
        return AtResponse::cmeError(CmeError::SimPukRequired);
    if (*code != m_puk.toLatin1()) {
        if (--m_pukTries == 0) {
            emit noted(QStringLiteral("a wrong PUK, the last try: the SIM is blocked for good"));
            setState(State::Blocked);
        } else {
            emit noted(QStringLiteral("a wrong PUK, %1 tries left").arg(m_pukTries));
        }
        return AtResponse::cmeError(CmeError::IncorrectPassword);
    }
    m_pin = QString::fromLatin1(*newPin);
    m_pinTries = PinTries;
    m_pukTries = PukTries;
    emit noted(QStringLiteral("the SIM took its PUK, and %1 as its PIN").arg(m_pin));
    setState(State::Ready);
    return AtResponse::ok();
}

// +CLCK="SC",<mode>[,<passwd>]: 0 turns the PIN off and 1 on, each with the PIN; 2 asks.
AtResponse SimCommands::facilityLock(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto facility = AtParameter::string(arguments.value(0));
    const auto mode = AtParameter::required(arguments.value(1), 0, 2);
    const auto password = AtParameter::string(arguments.value(2));
    if (arguments.size() > 4 || !facility || !mode || !password)
        return AtResponse::error();
    if (facility->toUpper() != "SC")
        return AtResponse::cmeError(CmeError::OperationNotSupported);
    if (*mode == 2)
        return AtResponse::text("+CLCK: " + QByteArray::number(m_pinEnabled));
    if (const auto refusal = verifyPin(*password))
        return *refusal;
    m_pinEnabled = *mode == 1;
    emit noted(m_pinEnabled ? QStringLiteral("the SIM's PIN is on")
                            : QStringLiteral("the SIM's PIN is off"));
    return AtResponse::ok();
}

// +CPWD="SC",<oldpwd>,<newpwd>: a SIM changes only a PIN that is on.
AtResponse SimCommands::changePin(const AtCommand &command) {
    const QList<QByteArray> arguments = command.arguments();
    const auto facility = AtParameter::string(arguments.value(0));
    const auto oldPin = AtParameter::string(arguments.value(1));
    const auto newPin = AtParameter::string(arguments.value(2));
    if (arguments.size() != 3 || !facility || !oldPin || !newPin)
        return AtResponse::error();
    if (facility->toUpper() != "SC")
        return AtResponse::cmeError(CmeError::OperationNotSupported);
    if (!m_pinEnabled || !isPin(*newPin))
        return AtResponse::cmeError(CmeError::OperationNotAllowed);
    if (const auto refusal = verifyPin(*oldPin))
        return *refusal;
    m_pin = QString::fromLatin1(*newPin);
    emit noted(QStringLiteral("the SIM's PIN is now %1").arg(m_pin));
    return AtResponse::ok();
}

std::optional<AtResponse> SimCommands::verifyPin(const QByteArray &code) {
    if (code == m_pin.toLatin1()) {
        m_pinTries = PinTries;
        return std::nullopt;
    }
    if (--m_pinTries > 0) {
        emit noted(QStringLiteral("a wrong PIN, %1 tries left").arg(m_pinTries));
        return AtResponse::cmeError(CmeError::IncorrectPassword);
    }
    emit noted(QStringLiteral("a wrong PIN, the last try: the SIM asks for its PUK"));
    setState(State::PukRequired);
    return AtResponse::cmeError(CmeError::IncorrectPassword);
}

void SimCommands::setState(State state) {
    const bool wasReady = isReady();
    m_state = state;
    if (isReady() != wasReady)
        emit readinessChanged();
}
