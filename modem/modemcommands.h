// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smspdu.h"
#include "testmessage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

// One fixed string for the modem: its text and the characters that end it.
struct ModemCommand {
    std::string_view text;
    std::string_view terminator;
    std::string_view terminatorName;

    // What goes on the line, in one piece.
    QByteArray bytes() const;
    // Says exactly what the command writes, for a tooltip or a screen reader.
    QString description() const;
};

namespace ModemCommands {

inline constexpr std::string_view crlf = "\r\n";
inline constexpr std::string_view ctrlZ = "\x1A";

// The test message goes to the number and carries the text that the build was configured with,
// MODEMPAD_TEST_NUMBER and MODEMPAD_TEST_TEXT; the number is checked when CMake configures.
static_assert(SmsPdu::textFault(TestMessage::text) != SmsPdu::TextFault::OutsideAlphabet,
              "MODEMPAD_TEST_TEXT may hold only characters of the GSM 7-bit default alphabet "
              "(3GPP TS 23.038), in UTF-8");
static_assert(SmsPdu::textFault(TestMessage::text) != SmsPdu::TextFault::OverMaxSeptets,
              "MODEMPAD_TEST_TEXT is over 160 septets, the most one message holds; each of "
              "^ { } [ ] ~ \\ | and the euro sign takes two");
inline constexpr SmsPdu::Octets testMessage =
    SmsPdu::submit(TestMessage::number, TestMessage::text);

// A command and a decimal number after it, spelled out at compile time.
struct NumberedCommand {
    std::array<char, 16> chars{};
    std::size_t size = 0;

    constexpr NumberedCommand(std::string_view command, std::size_t number) {
        for (char c : command)
            chars[size++] = c;
        std::size_t power = 1;
        while (power * 10 <= number)
            power *= 10;
        for (; power > 0; power /= 10)
            chars[size++] = char('0' + number / power % 10);
    }
    constexpr std::string_view text() const { return {chars.data(), size}; }
};
// AT+CMGS announces the TPDU, the octets after the service-centre part.
inline constexpr NumberedCommand announceLength{"AT+CMGS=", SmsPdu::tpduLength(testMessage)};

// Lower-case "cmgf" is what modems have always been sent from this button; they take either.
inline constexpr ModemCommand selectPduMode{"AT+cmgf=0", crlf, "CR LF"};
inline constexpr ModemCommand announcePdu{announceLength.text(), crlf, "CR LF"};
inline constexpr ModemCommand sendTestMessage{testMessage.hex(), ctrlZ, "Ctrl-Z"};
inline constexpr ModemCommand textBody{"This is a testing message ", ctrlZ, "Ctrl-Z"};

} // namespace ModemCommands
