// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Anything a user can get into the port box, converted: either a number that the text spells
// (give or take blanks, a plus sign and leading zeros), or one of the two conversion errors with
// a description that fits a message box. Nothing else, and no crash.

#include "commerror.h"
#include "portnumber.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

// The first byte chooses how the rest becomes text: as UTF-8, or as raw UTF-16 code units,
// which a text box can hold too (lone surrogates included).
QString textFrom(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return {};
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    if (data[0] & 1)
        return QString::fromUtf8(rest, qsizetype(size - 1));
    return QString(reinterpret_cast<const QChar *>(rest), qsizetype((size - 1) / 2));
}

QString canonical(const QString &text) {
    QString digits = text.trimmed();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return negative && digits != QLatin1String("0") ? QLatin1Char('-') + digits : digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = textFrom(data, size);
    try {
        const qint16 number = portNumberFromText(text);
        if (QString::number(number) != canonical(text))
            std::abort();
    } catch (const CommError &error) {
        if (error.number() != CommError::PortNumberNotNumeric &&
            error.number() != CommError::PortNumberOutOfRange)
            std::abort();
        if (error.description().size() > 200)
            std::abort();
    }
    return 0;
}
