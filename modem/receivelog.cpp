// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivelog.h"

#include "loglayout.h"

#include <QFontMetrics>
#include <QPlainTextEdit>

#include <utility>

namespace {

QChar picture(unsigned char control) {
    return QChar(control == 0x7F ? 0x2421 : 0x2400 + control);
}

// Writes the text of the bytes from `out` on, at most four characters a byte, and returns where
// it ended; through a pointer, as this runs for every byte that arrives.
QChar *writeText(QChar *out, QByteArrayView data, ReceiveLog::Controls controls) {
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte == '\r' || byte == '\n') {
            *out++ = QLatin1Char('\n');
            if (byte == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
        } else if (byte >= 0x20 && byte < 0x7F) {
            *out++ = QLatin1Char(char(byte));
        } else if (byte < 0x80 && controls == ReceiveLog::Controls::Pictures) {
            *out++ = picture(byte);
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

Controls controlsIn(const QFont &font) {
    const QFontMetrics metrics(font);
    for (char32_t picture = 0x2400; picture <= 0x2421; ++picture) {
        if (!metrics.inFontUcs4(picture))
            return Controls::Hexadecimal;
    }
    return Controls::Pictures;
}

QString toText(QByteArrayView data, Controls controls) {
    QString text(data.size() * 4, Qt::Uninitialized);
    text.truncate(writeText(text.data(), data, controls) - text.constData());
    return text;
}

void append(QPlainTextEdit &log, QByteArrayView data) {
    // Asking the font takes longer than mapping a piece: ask once a font.
    static QFont asked;
    static Controls controls = controlsIn(asked);
    if (log.font() != asked) {
        asked = log.font();
        controls = controlsIn(asked);
    }
    // The blank and the text in one string, written once.
    QString piece(1 + data.size() * 4, Qt::Uninitialized);
    piece[0] = QLatin1Char(' ');
    piece.truncate(writeText(piece.data() + 1, data, controls) - piece.constData());
    LogLayout::of(log).append(std::move(piece));
}

} // namespace ReceiveLog
