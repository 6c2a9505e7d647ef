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

// One string for the modem: its text and the characters that end it.
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
// Their names, which a tooltip puts after what a button writes, as modem manuals write them in
// every language: not translated.
inline constexpr std::string_view crlfName = "CR LF";
inline constexpr std::string_view ctrlZName = "Ctrl-Z";

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

// What the second and third buttons write for one message: AT+CMGS with the length of its TPDU,
// the octets after the service-centre part; then the PDU in hexadecimal and Ctrl-Z. Built at
// compile time for the build's test message, and at run time for one given as the program
// starts; the number and text must be ones that SmsPdu::submit() takes.
class MessageCommands {
public:
    constexpr MessageCommands(std::string_view number, std::string_view text)
        : m_pdu(SmsPdu::submit(number, text))
        , m_announceLength("AT+CMGS=", SmsPdu::tpduLength(m_pdu)) {}

    // Both refer to this object's own text.
    constexpr ModemCommand announce() const { return {m_announceLength.text(), crlf, crlfName}; }
    constexpr ModemCommand send() const { return {m_pdu.hex(), ctrlZ, ctrlZName}; }

private:
    SmsPdu::Octets m_pdu;
    NumberedCommand m_announceLength;
};

// SmsPdu reads its number and text as UTF-8 in a std::string_view: this one views a
// QByteArray's bytes, which must outlive it, without copying them.
inline std::string_view view(const QByteArray &utf8) {
    return {utf8.constData(), std::size_t(utf8.size())};
}

// Says where a message goes and how its text is sent, for the tooltips of the buttons that send
// it and for a log: "to +447700900123 in the GSM 7-bit alphabet, 13 septets".
QString describeMessage(const QString &number, const QString &text);

// The test message goes to the number and carries the text that the build was configured with,
// MODEMPAD_TEST_NUMBER and MODEMPAD_TEST_TEXT; the number is checked when CMake configures.
inline constexpr SmsPdu::TextSize testTextSize = SmsPdu::measure(TestMessage::text);
static_assert(testTextSize.utf8, "MODEMPAD_TEST_TEXT must be given in UTF-8");
static_assert(testTextSize.coding != SmsPdu::Coding::Gsm7 || testTextSize.fits(),
              "MODEMPAD_TEST_TEXT is over 160 septets, the most one message holds in the GSM "
              "7-bit default alphabet; each of ^ { } [ ] ~ \\ | and the euro sign takes two");
static_assert(testTextSize.coding != SmsPdu::Coding::Ucs2 || testTextSize.fits(),
              "MODEMPAD_TEST_TEXT is over 70 UTF-16 code units, the most one message holds in "
              "UCS2, which a character outside the GSM 7-bit default alphabet needs; a character "
              "beyond U+FFFF, such as an emoji, takes two");
inline constexpr MessageCommands testMessage{TestMessage::number, TestMessage::text};
// The test message's number and text as the window's settings and the demo hold them.
QString testNumber();
QString testText();

// Lower-case "cmgf" is what modems have always been sent from this button; they take either.
inline constexpr ModemCommand selectPduMode{"AT+cmgf=0", crlf, crlfName};
inline constexpr ModemCommand announcePdu = testMessage.announce();
inline constexpr ModemCommand sendTestMessage = testMessage.send();
// Bytes for the modem, the same in every language: not translated.
inline constexpr ModemCommand textBody{"This is a testing message ", ctrlZ, ctrlZName};

} // namespace ModemCommands
