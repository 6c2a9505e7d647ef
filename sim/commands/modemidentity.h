// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Who the simulated modem says it is. Every number is one that reaches nobody: the IMEI is a
// textbook example with a valid check digit, the SIM belongs to the ITU test network 001 01, and
// the phone numbers come from the range Ofcom keeps for drama, +44 7700 900000 to 900999.
namespace ModemIdentity {

inline constexpr char Identification[] = "ModemPad simulated GSM modem";
inline constexpr char Manufacturer[] = "ModemPad";
inline constexpr char Model[] = "Simulated GSM modem";
inline constexpr char Revision[] = "1.0";
inline constexpr char SerialNumber[] = "490154203237518";
inline constexpr char SubscriberIdentity[] = "001010123456789";
// The SIM's serial number (ICCID): 89 for telecommunications, then the test network's 001 01.
inline constexpr char CardIdentity[] = "8900101012345678904";
// The SIM's own number (+CNUM): a message sent to it comes back as an incoming one.
inline constexpr char OwnNumber[] = "+447700900999";
// The service centre stored on the SIM (+CSCA).
inline constexpr char ServiceCentre[] = "+447700900000";

} // namespace ModemIdentity
