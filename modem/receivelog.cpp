// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivelog.h"

#include "loglayout.h"

namespace ReceiveLog {

QString toText(QByteArrayView data) {
    // At most four characters a byte; written through a pointer, as this runs for every byte
    // that arrives.
    QString text(data.size() * 4, Qt::Uninitialized);
    QChar *out = text.data();
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
    text.truncate(out - text.constData());
    return text;
}

void append(QPlainTextEdit &log, QByteArrayView data) {
    LogLayout::of(log).append(QLatin1Char(' ') + toText(data));
}

} // namespace ReceiveLog
