// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "datacodingscheme.h"
#include "pduencoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// An SMS-DELIVER, a message as the network hands it to the modem (3GPP TS 23.040, 9.2.2.1).
struct SmsDeliver {
    // The service centre that delivered it.
    QString serviceCentre;
    int serviceCentreType = PduEncoding::InternationalType;
    // Starts with "+" for an international number.
    QString originator;
    int originatorType = PduEncoding::InternationalType;
    int protocolIdentifier = 0;
    int dataCodingScheme = 0;
    // When the service centre took the message, in its time zone.
    QDateTime timestamp;
    // Without the header's length octet; empty when the message has none.
    QByteArray userDataHeader;
    // GSM 7-bit and UCS2 user data.
    QString text;
    // 8-bit user data.
    QByteArray data;

    SmsCoding coding() const { return DataCodingScheme::fromOctet(dataCodingScheme).coding; }
    // The first octet: a deliver, no more messages waiting, and whether there is a header.
    int firstOctet() const { return userDataHeader.isEmpty() ? 0x04 : 0x44; }
};

// The service centre address and TPDU as hex digits, as +CMGR and +CMT show them in PDU mode.
QByteArray encodeSmsDeliver(const SmsDeliver &message);
