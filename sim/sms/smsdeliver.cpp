// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smsdeliver.h"

#include "pduencoding.h"

QByteArray encodeSmsDeliver(const SmsDeliver &message) {
    const QByteArray pdu =
        PduEncoding::serviceCentre(message.serviceCentre, message.serviceCentreType) +
        char(message.firstOctet()) +
        PduEncoding::address(message.originator, message.originatorType) +
        char(message.protocolIdentifier) + char(message.dataCodingScheme) +
        PduEncoding::timestamp(message.timestamp) +
        PduEncoding::userData(message.coding(), message.userDataHeader, message.text, message.data);
    return pdu.toHex().toUpper();
}
