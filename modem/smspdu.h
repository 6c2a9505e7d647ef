// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

// Encoding of short messages as the octets of 3GPP TS 23.040 and the GSM 7-bit default alphabet
// of TS 23.038, usable at compile time so that a fixed message is checked as it is built.
namespace SmsPdu {

// Octets with their upper-case hexadecimal digits, as written to a modem in PDU mode.
class Octets {
public:
    // A service-centre address of 12 octets and the longest TPDU of 164.
    static constexpr std::size_t Capacity = 176;

    constexpr void append(std::uint8_t octet) {
        if (m_size == Capacity)
            throw std::length_error("PDU longer than 176 octets");
        constexpr std::string_view digits = "0123456789ABCDEF";
        m_hex[2 * m_size] = digits[octet >> 4];
        m_hex[2 * m_size + 1] = digits[octet & 0x0F];
        m_octets[m_size++] = octet;
    }

    constexpr std::size_t size() const { return m_size; }
    constexpr std::uint8_t operator[](std::size_t i) const { return m_octets[i]; }
    constexpr std::string_view hex() const { return {m_hex.data(), 2 * m_size}; }

private:
    std::array<std::uint8_t, Capacity> m_octets{};
    std::array<char, 2 * Capacity> m_hex{};
    std::size_t m_size = 0;
};

// The GSM code of an ASCII character, with 0x1B in front for those in the extension table.
// Characters the alphabet lacks (` and controls other than CR and LF) cannot be sent.
constexpr std::array<std::uint8_t, 2> gsmCode(char c) {
    constexpr std::uint8_t none = 0xFF;
    constexpr std::uint8_t escape = 0x1B;
    switch (c) {
    case '@':
        return {0x00, none};
    case '$':
        return {0x02, none};
    case '_':
        return {0x11, none};
    case '^':
        return {escape, 0x14};
    case '{':
        return {escape, 0x28};
    case '}':
        return {escape, 0x29};
    case '\\':
        return {escape, 0x2F};
    case '[':
        return {escape, 0x3C};
    case '~':
        return {escape, 0x3D};
    case ']':
        return {escape, 0x3E};
    case '|':
        return {escape, 0x40};
    case '\n':
    case '\r':
        return {static_cast<std::uint8_t>(c), none};
    }
    // Everywhere else in printable ASCII the alphabet agrees with it, except at ` and DEL.
    if (c < ' ' || c >= '\x7F' || c == '`')
        throw std::invalid_argument("character not in the GSM 7-bit default alphabet");
    return {static_cast<std::uint8_t>(c), none};
}

// How many septets the text takes: TP-UDL for the default alphabet.
constexpr std::size_t septetCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += gsmCode(c)[0] == 0x1B ? 2 : 1;
    return count;
}

// The text's septets packed seven bits each, the first in the low bits of the first octet.
constexpr Octets packGsm7(std::string_view text) {
    Octets packed;
    unsigned bits = 0;
    unsigned pending = 0;
    for (char c : text) {
        for (std::uint8_t septet : gsmCode(c)) {
            if (septet == 0xFF)
                break;
            bits |= unsigned(septet) << pending;
            pending += 7;
            if (pending >= 8) {
                packed.append(bits & 0xFF);
                bits >>= 8;
                pending -= 8;
            }
        }
    }
    if (pending > 0)
        packed.append(bits & 0xFF);
    return packed;
}

// Decimal digits two to an octet, the first of each pair in the low half; an odd count is
// padded with F.
constexpr Octets semiOctets(std::string_view digits) {
    Octets octets;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const auto digit = [&](std::size_t at) -> unsigned {
            if (at == digits.size())
                return 0xF;
            if (digits[at] < '0' || digits[at] > '9')
                throw std::invalid_argument("address digits must be 0-9");
            return unsigned(digits[at] - '0');
        };
        octets.append(std::uint8_t(digit(i) | digit(i + 1) << 4));
    }
    return octets;
}

// An SMS-SUBMIT to an international number (digits only, no +) in the default alphabet, with
// no validity period and message reference 0, behind an empty service-centre address so that
// the modem uses the one it has stored.
constexpr Octets submit(std::string_view internationalNumber, std::string_view text) {
    Octets pdu;
    pdu.append(0x00); // service-centre address length
    pdu.append(0x01); // TP-MTI submit; TP-VPF none; TP-RD, TP-SRR, TP-UDHI, TP-RP off
    pdu.append(0x00); // TP-MR
    pdu.append(std::uint8_t(internationalNumber.size()));
    pdu.append(0x91); // international number, ISDN/telephone numbering plan
    const Octets address = semiOctets(internationalNumber);
    for (std::size_t i = 0; i < address.size(); ++i)
        pdu.append(address[i]);
    pdu.append(0x00); // TP-PID
    pdu.append(0x00); // TP-DCS: default alphabet
    pdu.append(std::uint8_t(septetCount(text)));
    const Octets userData = packGsm7(text);
    for (std::size_t i = 0; i < userData.size(); ++i)
        pdu.append(userData[i]);
    return pdu;
}

// The length AT+CMGS announces: the TPDU only, without the service-centre part.
constexpr std::size_t tpduLength(const Octets &pdu) {
    return pdu.size() - 1 - pdu[0];
}

} // namespace SmsPdu
