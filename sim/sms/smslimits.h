// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What one message holds (3GPP TS 23.040 9.2.3.16 and 23.038): 140 octets of user data, which is
// 160 septets in the GSM 7-bit alphabet, or 70 UTF-16 code units in UCS2.
namespace SmsLimits {

inline constexpr int Octets = 140;
inline constexpr int Septets = Octets * 8 / 7;
inline constexpr int Ucs2Units = Octets / 2;
// The longest SMS-SUBMIT, in octets: its fixed fields, a full address, a validity period of
// seven octets and the user data.
inline constexpr int TpduOctets = 164;

} // namespace SmsLimits
