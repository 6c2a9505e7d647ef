// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pduencoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// An SMS-STATUS-REPORT, what a service centre sends back about a message that asked for one
// (3GPP TS 23.040, 9.2.2.3).
struct SmsStatusReport {
    // A report on a message the terminal submitted, with no more messages waiting: TP-MTI 10,
    // TP-MMS set, TP-SRQ clear.
    static constexpr int FirstOctet = 0x06;

    // The service centre that sends it.
    QString serviceCentre;
    int serviceCentreType = PduEncoding::InternationalType;
    // The TP-MR that +CMGS or +CMSS answered with.
    int messageReference = 0;
    // Where the message went.
    QString recipient;
    int recipientType = PduEncoding::InternationalType;
    // When the service centre took the message, and when it delivered it or gave up.
    QDateTime serviceCentreTime;
    QDateTime dischargeTime;
    // TP-ST (9.2.3.15): 0 received by the recipient; 64 to 127 failed for good.
    int status = 0;
};

// The service centre address and TPDU as hex digits, as +CDS and +CMGR show them in PDU mode.
QByteArray encodeSmsStatusReport(const SmsStatusReport &report);
