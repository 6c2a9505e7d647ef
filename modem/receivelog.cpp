// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivelog.h"

#include "loglayout.h"

#include <utility>

namespace {

// Writes the text of the bytes from `out` on, at most four characters a byte, and returns where
// it ended; through a pointer, as this runs for every byte that arrives.
QChar *writeText(QChar *out, QByteArrayView data) {
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte == '\r' || byte == '\n') {
            *out++ = QLatin1Char('\n');
            if (byte == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
        } else if (byte < 0x20) {
            *out++ = QChar(0x2400 + byte);
        } else if (byte < 0x7F) {
            *out++ = QLatin1Char(char(byte));
        } else if (byte == 0x7F) {
            *out++ = QChar(0x2421);
        } else {
            *out++ = QChar(0x27E8);
            *out++ = QLatin1Char("0123456789ABCDEF"[byte >> 4]);
            *out++ = QLatin1Char("0123456789ABCDEF"[byte & 0xF]);
            *out++ = QChar(0x27E9);
        }
    }
    return out;
}

} // namespace

namespace ReceiveLog {

QString toText(QByteArrayView data) {
    QString text(data.size() * 4, Qt::Uninitialized);
    text.truncate(writeText(text.data(), data) - text.constData());
    return text;
}

void append(QPlainTextEdit &log, QByteArrayView data) {
    // The blank and the text in one string, written once.
    QString piece(1 + data.size() * 4, Qt::Uninitialized);
    piece[0] = QLatin1Char(' ');
    piece.truncate(writeText(piece.data() + 1, data) - piece.constData());
    LogLayout::of(log).append(std::move(piece));
}

} // namespace ReceiveLog
