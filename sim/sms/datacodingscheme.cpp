// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datacodingscheme.h"

DataCodingScheme DataCodingScheme::fromOctet(int octet) {
    DataCodingScheme scheme;
    const int group = octet >> 4;
    if (group <= 0x07) {
        scheme.compressed = octet & 0x20;
        if (octet & 0x10)
            scheme.messageClass = octet & 0x03;
        const int alphabet = (octet >> 2) & 0x03;
        if (alphabet == 1)
            scheme.coding = SmsCoding::EightBit;
        else if (alphabet == 2)
            scheme.coding = SmsCoding::Ucs2;
    } else if (group == 0x0E) {
        scheme.coding = SmsCoding::Ucs2;
    } else if (group == 0x0F) {
        scheme.messageClass = octet & 0x03;
        if (octet & 0x04)
            scheme.coding = SmsCoding::EightBit;
    }
    return scheme;
}
