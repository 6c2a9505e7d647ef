// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"
#include "networkstate.h"

#include <QByteArrayList>
#include <QHash>
#include <QObject>
#include <QString>

struct EquipmentSettings;
struct Identity;
class SimCommands;

// What the network commands set.
struct NetworkSettings {
    // +COPS=3,<format>: operator names long (0), short (1) or numeric (2).
    int operatorFormat = 0;
    // +CREG and +CGREG: no unsolicited codes (0), the status (1), also the location (2).
    int registrationReporting = 0;
    int gprsRegistrationReporting = 0;
    bool callingLineIdentity = false; // +CLIP
    bool ussdPresentation = false;    // +CUSD: whether the network's answers are shown
    // +WS46: the radio access the modem uses, 25 being GSM and UMTS together.
    int wirelessNetwork = 25;
    // +CPLS: which of the SIM's lists of preferred networks +CPOL works on.
    int preferredList = 0;
    int preferredFormat = 2; // +CPOL's <format>
};

// The network commands of 3GPP TS 27.007 against a fictional operator, at home or, roaming, a
// second one. The modem is registered while it has full functionality (+CFUN=1), its SIM is
// ready and the network lets it; otherwise it is not, and says so with the unsolicited codes
// asked for.
class NetworkCommands : public QObject {
    Q_OBJECT

public:
    NetworkCommands(const EquipmentSettings &equipment, const SimCommands &sim,
                    const Identity &identity, QObject *parent = nullptr);

    void addTo(CommandTable &table);
    void restoreDefaults() { m_settings = {}; }
    // The modem started again, at full functionality and attached, with its settings reset.
    void restart();
    // Switched off, it leaves the network.
    void powerOff() { changeService(0, m_attachWanted); }

    // What the network lets the modem do, and the signal strength +CSQ shows while there is one.
    void setState(NetworkState state);
    void setSignal(int quality);
    // What the network answers a USSD code with.
    void setUssdAnswer(const QString &code, const QString &text);
    // Tells of a change of registration, such as the SIM becoming ready, with the unsolicited
    // codes asked for.
    void refresh();

    bool isRegistered() const;
    bool isRoaming() const { return m_state == NetworkState::Roaming; }
    // +CSQ's signal strength, 99 when there is none to measure.
    int signal() const;
    // The home network's long name, which the SIM's service provider name follows.
    static QString homeOperatorName();

signals:
    void unsolicited(const QByteArrayList &lines);
    void noted(const QString &event);
    // The modem has just registered, at home or roaming.
    void registered();

private:
    // +CREG's and +CGREG's <stat>.
    int registrationStatus() const;
    int gprsStatus() const;
    bool isAttached() const { return isRegistered() && m_attachWanted; }
    QByteArray registration(const QByteArray &name, int reporting, int status,
                            bool unsolicited) const;
    void changeService(int functionality, bool attachWanted);
    QByteArray operatorName(int format) const;
    AtResponse setFunctionality(const AtCommand &command);
    AtResponse readFunctionality(const AtCommand &command) const;
    AtResponse setOperator(const AtCommand &command);
    AtResponse readOperator(const AtCommand &command) const;
    AtResponse listOperators(const AtCommand &command) const;
    AtResponse readRegistration(const AtCommand &command) const;
    AtResponse readGprsRegistration(const AtCommand &command) const;
    AtResponse setAttach(const AtCommand &command);
    AtResponse readAttach(const AtCommand &command) const;
    AtResponse signalQuality(const AtCommand &command) const;
    AtResponse ownNumber(const AtCommand &command) const;
    AtResponse setCallingLine(const AtCommand &command);
    AtResponse readCallingLine(const AtCommand &command) const;
    AtResponse readUssdPresentation(const AtCommand &command) const;
    AtResponse ussd(const AtCommand &command);
    AtResponse readWirelessNetwork(const AtCommand &command) const;
    AtResponse setWirelessNetwork(const AtCommand &command);
    AtResponse readPreferredList(const AtCommand &command) const;
    AtResponse setPreferredOperator(const AtCommand &command);

    const EquipmentSettings &m_equipment;
    const SimCommands &m_sim;
    const Identity &m_identity;
    NetworkSettings m_settings;
    // The modem's state, not its settings: ATZ leaves them.
    int m_functionality = 1;
    bool m_attachWanted = true;
    NetworkState m_state = NetworkState::Home;
    // About -71 dBm.
    int m_signal = 21;
    // The statuses last told, so that only changes are.
    int m_toldRegistration = 1;
    int m_toldGprs = 1;
    QHash<QString, QString> m_ussdAnswers;
};
