// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"
#include "modemidentity.h"
#include "pduencoding.h"

#include <QString>

struct EquipmentSettings;

// What the message service's settings commands set.
struct SmsParameters {
    // +CSMS: phase 2 (0), or phase 2+ (1), in which the terminal acknowledges with +CNMA what
    // is routed to it.
    int service = 0;
    bool textMode = false; // +CMGF
    // +CSCA: kept on the SIM, so that ATZ leaves it.
    QString serviceCentre = QString::fromLatin1(ModemIdentity::ServiceCentre);
    int serviceCentreType = PduEncoding::InternationalType;
    // +CSMP, for text mode: an SMS-SUBMIT with a relative validity period of one day, protocol
    // identifier 0 and the GSM 7-bit alphabet.
    int firstOctet = 0x11;
    int validityPeriod = 167;
    int protocolIdentifier = 0;
    int dataCodingScheme = 0;
    bool showHeaders = false; // +CSDH
    // +CSCB: the cell broadcast message identifiers and coding schemes accepted (mode 0) or
    // refused (1); none arrive, as the network broadcasts none.
    int broadcastMode = 0;
    QByteArray broadcastIdentifiers;
    QByteArray broadcastCodings;
};

// The settings commands of 3GPP TS 27.005: the service, message format, service centre and the
// fields of text mode messages.
class SmsParameterCommands {
public:
    explicit SmsParameterCommands(const EquipmentSettings &equipment);
    // The table's handlers refer to the parameters in place.
    Q_DISABLE_COPY_MOVE(SmsParameterCommands)

    void addTo(CommandTable &table);
    const SmsParameters &parameters() const { return m_parameters; }
    void restoreDefaults();

private:
    AtResponse selectService(const AtCommand &command);
    AtResponse readService(const AtCommand &command) const;
    AtResponse readTextMode(const AtCommand &command) const;
    AtResponse readShowHeaders(const AtCommand &command) const;
    AtResponse setServiceCentre(const AtCommand &command);
    AtResponse readServiceCentre(const AtCommand &command) const;
    AtResponse setTextParameters(const AtCommand &command);
    AtResponse readTextParameters(const AtCommand &command) const;
    AtResponse selectBroadcasts(const AtCommand &command);
    AtResponse readBroadcasts(const AtCommand &command) const;

    const EquipmentSettings &m_equipment;
    SmsParameters m_parameters;
};
