// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smsstatusreport.h"

QByteArray encodeSmsStatusReport(const SmsStatusReport &report) {
    const QByteArray pdu =
        PduEncoding::serviceCentre(report.serviceCentre, report.serviceCentreType) +
        char(SmsStatusReport::FirstOctet) + char(report.messageReference) +
        PduEncoding::address(report.recipient, report.recipientType) +
        PduEncoding::timestamp(report.serviceCentreTime) +
        PduEncoding::timestamp(report.dischargeTime) + char(report.status);
    return pdu.toHex().toUpper();
}
