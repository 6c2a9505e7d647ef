// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smssubmit.h"

#include <QByteArray>

// A message the modem took for sending, as tests and the tools built on the modem look at it.
struct AcceptedMessage {
    // The <mr> the modem answered with +CMGS or +CMSS.
    int reference = 0;
    // Destination, coding and text, whether it came as a PDU or in text mode.
    SmsSubmit submit;
    // The hex digits as received or stored in PDU mode; empty for a text mode message, and for
    // a stored one that +CMSS sent to another destination.
    QByteArray pdu;
    // The sender's own number when the message went to another modem of its network; empty
    // when it went nowhere beyond the service centre.
    QString routedFrom;
};
