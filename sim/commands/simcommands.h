// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

// The SIM's lock, and the commands of 3GPP TS 27.007 that work it: +CPIN (8.3), +CLCK "SC" (7.4)
// and +CPWD "SC" (7.5). With its PIN on, the SIM asks for it after each restart; three wrong
// PINs in a row block it until the PUK and a new PIN are given, and ten wrong PUKs block it for
// good.
class SimCommands : public QObject {
    Q_OBJECT

public:
    enum class State { Ready, PinRequired, PukRequired, Blocked };

    explicit SimCommands(QObject *parent = nullptr);

    void addTo(CommandTable &table);

    bool isReady() const { return m_state == State::Ready; }
    // The wrong PINs and PUKs the SIM takes before it blocks.
    int pinTries() const { return m_pinTries; }
    int pukTries() const { return m_pukTries; }

    // From now on the SIM has this PIN, and asks for it as after a restart; an empty code turns
    // the PIN off. Either way it is a fresh SIM, with every try left.
    void lock(const QString &pin);
    void setPuk(const QString &puk) { m_puk = puk; }
    // The modem started again: a SIM with its PIN on asks for it.
    void restart();

    // "READY", "SIM PIN" or "SIM PUK", as +CPIN? reads.
    QByteArray code() const;

    // What a command that needs the SIM answers while it is not ready, in its family of errors;
    // nothing once the SIM is ready.
    std::optional<AtResponse> refusal(CommandTable::Sim family) const;

signals:
    // The SIM became ready, or stopped being so.
    void readinessChanged();
    void noted(const QString &event);

private:
    AtResponse readPin(const AtCommand &command) const;
    AtResponse enterPin(const AtCommand &command);
    AtResponse facilityLock(const AtCommand &command);
    AtResponse changePin(const AtCommand &command);
    // Compares a code with the PIN, counting a wrong one: nothing when it is right, else the
    // error to answer.
    std::optional<AtResponse> verifyPin(const QByteArray &code);
    void setState(State state);

    QString m_pin = QStringLiteral("0000");
    QString m_puk = QStringLiteral("12345678");
    bool m_pinEnabled = false;
    int m_pinTries = 3;
    int m_pukTries = 10;
    State m_state = State::Ready;
};
