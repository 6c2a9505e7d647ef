// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What tells one modem of a network from the others: its SIM's number, the IMEI of the modem
// and the IMSI and ICCID of its SIM. The first modem has the ones ModemIdentity names; modem k
// has the first's counted on by k - 1 (see derived()), so that a pool of modems never shows one
// modem twice and every number still reaches nobody.
struct Identity {
    // +CNUM, and the number messages reach the modem at.
    QString number;
    // +CGSN and +GSN: 15 digits, the last a Luhn check digit.
    QString imei;
    // +CIMI.
    QString imsi;
    // The SIM's serial number, its last digit a Luhn check digit.
    QString iccid;

    static Identity first();

    // Modem k's, from 1, derived from this one, the first's: the number counted down in its
    // last three digits, so that it stays in its block of a thousand (the first's, +44 7700
    // 900999, has 900936 as modem 64's); the IMEI's serial number (digits 9 to 14), the IMSI's
    // last six digits and the ICCID's last six before its check digit counted up, each
    // wrapping within its digits, with the check digits worked out anew.
    Identity derived(int k) const;

    // The Luhn check digit (ISO/IEC 7812-1) that follows these digits.
    static int luhnDigit(QStringView digits);

    // What a value given for each must be, when it is not; nothing when it is good.
    static std::optional<QString> numberFault(const QString &number);
    static std::optional<QString> imeiFault(const QString &imei);
    static std::optional<QString> imsiFault(const QString &imsi);
    static std::optional<QString> iccidFault(const QString &iccid);

    bool operator==(const Identity &) const = default;
};
