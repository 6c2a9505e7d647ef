// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The character set of the strings a terminal and the modem exchange: numbers, operator names
// and the text of messages in text mode (+CSCS, 3GPP TS 27.007 5.5).
class CharacterSet {
public:
    enum Name { Gsm, Ira, Ucs2 };

    CharacterSet(Name name = Ira)
        : m_name(name) {}

    // "GSM", "IRA" or "UCS2", in any case; nothing for a set this modem lacks.
    static std::optional<CharacterSet> fromName(const QByteArray &name);
    // The sets as +CSCS=? lists them.
    static QByteArray supported();

    QByteArray name() const;

    // Text as the terminal is sent it; a character the set lacks becomes "?".
    QByteArray encode(const QString &text) const;
    // Text the terminal sent; nothing when it is not valid in the set, such as UCS2 that is not
    // hex digits, four to a character.
    std::optional<QString> decode(const QByteArray &bytes) const;

private:
    Name m_name;
};
