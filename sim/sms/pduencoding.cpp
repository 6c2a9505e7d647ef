// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pduencoding.h"

#include "gsmalphabet.h"

#include <cstdlib>

namespace {

// Low nibble first, F filling an odd count.
QByteArray semiOctets(const QByteArray &digits) {
    static const QByteArray Digits = "0123456789*#abc";
    QByteArray octets;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const int low = int(Digits.indexOf(digits.at(i)));
        const int high = i + 1 < digits.size() ? int(Digits.indexOf(digits.at(i + 1))) : 0x0F;
        octets.append(char(high << 4 | low));
    }
    return octets;
}

QByteArray digitsOf(const QString &number) {
    return (number.startsWith(u'+') ? number.mid(1) : number).toLatin1();
}

// Two decimal digits, swapped into one octet as semi-octets are.
char swappedDigits(int value) {
    return char((value % 10) << 4 | value / 10);
}

} // namespace

namespace PduEncoding {

int addressType(const QString &number) {
    return number.startsWith(u'+') ? InternationalType : NationalType;
}

QByteArray address(const QString &number, int type) {
    const QByteArray digits = digitsOf(number);
    return char(digits.size()) + QByteArray(1, char(type)) + semiOctets(digits);
}

QByteArray serviceCentre(const QString &number, int type) {
    if (number.isEmpty())
        return QByteArray(1, 0);
    const QByteArray octets = semiOctets(digitsOf(number));
    return char(octets.size() + 1) + QByteArray(1, char(type)) + octets;
}

QByteArray timestamp(const QDateTime &time) {
    const QDate date = time.date();
    const QTime clock = time.time();
    QByteArray octets;
    for (const int field : {date.year() % 100, date.month(), date.day(), clock.hour(),
                            clock.minute(), clock.second()})
        octets.append(swappedDigits(field));
    const int quarters = time.offsetFromUtc() / (15 * 60);
    octets.append(char(swappedDigits(std::abs(quarters)) | (quarters < 0 ? 0x08 : 0)));
    return octets;
}

QByteArray userData(SmsCoding coding, const QByteArray &header, const QString &text,
                    const QByteArray &data) {
    const QByteArray headerOctets = header.isEmpty() ? QByteArray() : char(header.size()) + header;
    switch (coding) {
    case SmsCoding::Gsm7Bit: {
        // The text starts on a septet boundary after the header (TS 23.040 9.2.3.24).
        const int headerSeptets = int(headerOctets.size() * 8 + 6) / 7;
        const QByteArray septets = GsmAlphabet::fromString(text).value_or(QByteArray());
        const int fillBits = headerSeptets * 7 - int(headerOctets.size()) * 8;
        return char(headerSeptets + septets.size()) + headerOctets +
               GsmAlphabet::pack(septets, fillBits);
    }
    case SmsCoding::EightBit:
        return char(headerOctets.size() + data.size()) + headerOctets + data;
    case SmsCoding::Ucs2: {
        QByteArray octets;
        for (const QChar character : text)
            octets += char(character.unicode() >> 8) + QByteArray(1, char(character.unicode()));
        return char(headerOctets.size() + octets.size()) + headerOctets + octets;
    }
    }
    return {};
}

} // namespace PduEncoding
