// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "datacodingscheme.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <map>
#include <optional>
#include <tuple>

// Long messages sent in parts, each part with a concatenation header (3GPP TS 23.040,
// 9.2.3.24.1 and 9.2.3.24.8): splitting a text into parts, and putting parts back together.
class Concatenation {
public:
    struct Segment {
        SmsCoding coding = SmsCoding::Gsm7Bit;
        // Without its length octet; empty for a text that fits one message.
        QByteArray header;
        QString text;
    };

    // The text as one message if it fits, else as parts with the given reference: GSM 7-bit if
    // every character is in the alphabet, UCS2 otherwise. Nothing when it needs over 255 parts.
    static QList<Segment> split(const QString &text, int reference);

    // Takes a part as it arrives; once every part of its message is in, gives the whole text.
    std::optional<QString> add(const QString &address, const QByteArray &header,
                               const QString &text);

private:
    // Address, reference and number of parts; then the parts so far by their number.
    std::map<std::tuple<QString, int, int>, QMap<int, QString>> m_pending;
};
