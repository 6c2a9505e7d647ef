// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "characterset.h"

#include "gsmalphabet.h"

#include <algorithm>
#include <cctype>

std::optional<CharacterSet> CharacterSet::fromName(const QByteArray &name) {
    const QByteArray upper = name.toUpper();
    if (upper == "GSM")
        return CharacterSet(Gsm);
    if (upper == "IRA")
        return CharacterSet(Ira);
    if (upper == "UCS2")
        return CharacterSet(Ucs2);
    return std::nullopt;
}

QByteArray CharacterSet::supported() {
    return R"(("GSM","IRA","UCS2"))";
}

QByteArray CharacterSet::name() const {
    switch (m_name) {
    case Gsm:
        return "GSM";
    case Ira:
        return "IRA";
    case Ucs2:
        return "UCS2";
    }
    return {};
}

QByteArray CharacterSet::encode(const QString &text) const {
    QByteArray bytes;
    for (const QChar character : text) {
        switch (m_name) {
        case Gsm:
            bytes += GsmAlphabet::fromString(QString(character)).value_or("?");
            break;
        case Ira:
            bytes += character.unicode() < 0x80 ? char(character.unicode()) : '?';
            break;
        case Ucs2:
            bytes += QByteArray::number(character.unicode(), 16).rightJustified(4, '0').toUpper();
            break;
        }
    }
    return bytes;
}

std::optional<QString> CharacterSet::decode(const QByteArray &bytes) const {
    switch (m_name) {
    case Gsm:
        return GsmAlphabet::toString(bytes);
    case Ira:
        // Taken as Latin-1, as many modems do, so that an accented letter typed in a terminal
        // program still reaches the GSM alphabet.
        return QString::fromLatin1(bytes);
    case Ucs2:
        break;
    }
    const bool isHex = std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c));
    });
    if (!isHex || bytes.size() % 4 != 0)
        return std::nullopt;
    QString text;
    for (qsizetype at = 0; at < bytes.size(); at += 4)
        text.append(QChar(bytes.mid(at, 4).toUShort(nullptr, 16)));
    return text;
}
