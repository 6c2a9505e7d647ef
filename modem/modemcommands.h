// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smspdu.h"

#include <QByteArray>
#include <QString>

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

// A number from a range set aside for drama and fiction (+44 7700 900xxx), so that trying the
// tool never texts a real person.
inline constexpr std::string_view testDestination = "447700900123";
inline constexpr std::string_view testText = "modempad test";
inline constexpr SmsPdu::Octets testMessage = SmsPdu::submit(testDestination, testText);
static_assert(testMessage.size() == 26 && testMessage.hex().size() == 52);
static_assert(SmsPdu::tpduLength(testMessage) == 25, "the length AT+CMGS=25 announces");

// Lower-case "cmgf" is what modems have always been sent from this button; they take either.
inline constexpr ModemCommand selectPduMode{"AT+cmgf=0", crlf, "CR LF"};
inline constexpr ModemCommand announcePdu{"AT+CMGS=25", crlf, "CR LF"};
inline constexpr ModemCommand sendTestMessage{testMessage.hex(), ctrlZ, "Ctrl-Z"};
inline constexpr ModemCommand textBody{"This is a testing message ", ctrlZ, "Ctrl-Z"};

} // namespace ModemCommands
