// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "messagestore.h"

#include <QByteArray>
#include <QByteArrayList>

#include <optional>
#include <utility>

class CharacterSet;
struct SmsParameters;

// How +CMGR, +CMGL, +CMT and +CDS show a message (3GPP TS 27.005, 3.4): in PDU mode a header
// with its status and length, then the hex digits; in text mode a header of its fields, the
// fuller one with +CSDH=1, then its text in the terminal's character set, or hex digits for
// 8-bit data, UCS2 and messages with a user data header. A status report is its fields alone,
// all of them whatever +CSDH says, which governs only messages' headers. Text mode's +CMGS and
// +CMGW go the other way: from an address and a body to the SMS-SUBMIT they stand for.
class MessageFormat {
public:
    MessageFormat(const SmsParameters &parameters, const CharacterSet &characterSet);

    QByteArrayList read(const StoredMessage &message) const;
    QByteArrayList listed(int index, const StoredMessage &message) const;
    QByteArrayList routed(const SmsDeliver &message, const QByteArray &pdu) const;
    QByteArrayList routed(const SmsStatusReport &report, const QByteArray &pdu) const;

    // "REC UNREAD", "REC READ", "STO UNSENT" or "STO SENT".
    static QByteArray statusName(MessageStatus status);
    // The status a name or number stands for, as +CMGL and +CMGW take it in the current mode;
    // 4 or "ALL" is every status.
    std::optional<int> status(const QByteArray &argument) const;

    // The address a text mode command names, in the terminal's character set, and its type.
    std::optional<std::pair<QString, int>> destination(const QByteArray &number,
                                                       const QByteArray &type) const;
    // The service centre address and SMS-SUBMIT that text mode makes of a body, in hex.
    std::optional<QByteArray> submitPdu(const QString &destination, int type,
                                        const QByteArray &body) const;
    // An even number of hex digits, as PDU mode takes a message.
    static bool isHex(const QByteArray &digits);

private:
    QByteArray status(MessageStatus status) const;
    QByteArray address(const QString &number) const;
    QByteArray deliverHeader(const SmsDeliver &message, bool full) const;
    QByteArray submitHeader(const SmsSubmit &message, bool full) const;
    QByteArray reportFields(const SmsStatusReport &report) const;
    QByteArray body(const StoredMessage &message) const;
    QByteArray text(SmsCoding coding, const QByteArray &header, const QString &text,
                    const QByteArray &data) const;

    const SmsParameters &m_parameters;
    const CharacterSet &m_characterSet;
};
