// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "datacodingscheme.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The fields that SMS-SUBMIT and SMS-DELIVER share, as octets (3GPP TS 23.040, 9.1.2 and 9.2.3).
namespace PduEncoding {

// Types of address (TS 23.040, 9.1.2.5): ISDN/telephone numbering, international or unknown.
inline constexpr int InternationalType = 145;
inline constexpr int NationalType = 129;

// The type a number takes unless it is given one: international after a "+".
int addressType(const QString &number);

// An address field: digit count, type of address, digits as semi-octets. The number is digits,
// "*" and "#", after a "+" for an international one.
QByteArray address(const QString &number, int type);

// The service centre address a PDU starts with, its length counted in octets; a lone zero octet
// for none.
QByteArray serviceCentre(const QString &number, int type);

// A time stamp: year to second in semi-octets, then the offset from UTC in quarter hours.
QByteArray timestamp(const QDateTime &time);

// TP-User-Data-Length and TP-User-Data: the header (without its length octet) if there is one,
// then the text in the given coding, or the octets of 8-bit data.
QByteArray userData(SmsCoding coding, const QByteArray &header, const QString &text,
                    const QByteArray &data = {});

} // namespace PduEncoding
