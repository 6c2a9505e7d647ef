// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

enum class SmsCoding { Gsm7Bit, EightBit, Ucs2 };

// What a TP-Data-Coding-Scheme octet says of a message (3GPP TS 23.038, 4).
struct DataCodingScheme {
    SmsCoding coding = SmsCoding::Gsm7Bit;
    std::optional<int> messageClass;
    bool compressed = false;

    // Reserved codings count as the default alphabet, as the standard tells a receiver.
    static DataCodingScheme fromOctet(int octet);
};
