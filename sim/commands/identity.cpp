// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identity.h"

#include "modemidentity.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The digits from..from+length of digits, as a number, with step added, wrapping within them.
QString counted(QString digits, qsizetype from, qsizetype length, qint64 step) {
    qint64 modulus = 1;
    for (qsizetype i = 0; i < length; ++i)
        modulus *= 10;
    const qint64 value = digits.mid(from, length).toLongLong();
    const qint64 next = ((value + step) % modulus + modulus) % modulus;
    digits.replace(from, length, QStringLiteral("%1").arg(next, int(length), 10, QChar(u'0')));
    return digits;
}

// With its last digit, the check digit, worked out anew.
QString checked(QString digits) {
    digits.chop(1);
    return digits + QString::number(Identity::luhnDigit(digits));
}

bool isDigits(const QString &text, qsizetype minimum, qsizetype maximum) {
    static const QRegularExpression Digits(QStringLiteral("^[0-9]+$"));
    return text.size() >= minimum && text.size() <= maximum && Digits.match(text).hasMatch();
}

bool isLuhnValid(const QString &digits) {
    return Identity::luhnDigit(QStringView(digits).chopped(1)) == digits.back().digitValue();
}

} // namespace

Identity Identity::first() {
    return {QString::fromLatin1(ModemIdentity::OwnNumber),
            QString::fromLatin1(ModemIdentity::SerialNumber),
            QString::fromLatin1(ModemIdentity::SubscriberIdentity),
            QString::fromLatin1(ModemIdentity::CardIdentity)};
}

Identity Identity::derived(int k) const {
    const qint64 step = k - 1;
    return {counted(number, number.size() - 3, 3, -step), checked(counted(imei, 8, 6, step)),
            counted(imsi, imsi.size() - 6, 6, step),
            checked(counted(iccid, iccid.size() - 7, 6, step))};
}

int Identity::luhnDigit(QStringView digits) {
    int sum = 0;
    // From the right, every other digit starting with the one next to the check digit doubles.
    bool doubled = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i, doubled = !doubled) {
        const int digit = digits.at(i).digitValue();
        sum += doubled ? (digit * 2) / 10 + (digit * 2) % 10 : digit;
    }
    return (10 - sum % 10) % 10;
}

std::optional<QString> Identity::numberFault(const QString &number) {
    // At least three digits to count in, at most the 15 of an E.164 number.
    static const QRegularExpression Number(QStringLiteral("^\\+?[0-9]{3,15}$"));
    if (!Number.match(number).hasMatch())
        return QCoreApplication::translate(
            "modemsim", "3 to 15 digits, with a + before an international number");
    return std::nullopt;
}

std::optional<QString> Identity::imeiFault(const QString &imei) {
    if (!isDigits(imei, 15, 15) || !isLuhnValid(imei))
        return QCoreApplication::translate("modemsim", "15 digits, the last a Luhn check digit");
    return std::nullopt;
}

std::optional<QString> Identity::imsiFault(const QString &imsi) {
    if (!isDigits(imsi, 6, 15))
        return QCoreApplication::translate("modemsim", "6 to 15 digits");
    return std::nullopt;
}

// ITU-T E.118: 89 for telecommunications, as clients that check an ICCID expect.
std::optional<QString> Identity::iccidFault(const QString &iccid) {
    if (!isDigits(iccid, 19, 20) || !iccid.startsWith(QLatin1String("89")) || !isLuhnValid(iccid))
        return QCoreApplication::translate(
            "modemsim", "89 and 17 or 18 more digits, the last a Luhn check digit");
    return std::nullopt;
}
