// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The GSM 7-bit default alphabet and its extension table (3GPP TS 23.038, 6.2.1).
namespace GsmAlphabet {

// Unpacks count septets from packed octets, skipping fillBits leading bits (the padding that
// aligns text after a user data header). Returns one septet per byte.
QByteArray unpack(const QByteArray &octets, int count, int fillBits = 0);

// Packs septets into octets, fillBits zero bits first; the inverse of unpack.
QByteArray pack(const QByteArray &septets, int fillBits = 0);

// Septets to text; an escape introduces a character of the extension table.
QString toString(const QByteArray &septets);

// Text to septets, escapes included; nothing when a character is not in the alphabet.
std::optional<QByteArray> fromString(const QString &text);

} // namespace GsmAlphabet
