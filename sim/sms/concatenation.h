// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "datacodingscheme.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <chrono>
#include <map>
#include <optional>
#include <tuple>

// Long messages sent in parts, each part with a concatenation header (3GPP TS 23.040,
// 9.2.3.24.1 and 9.2.3.24.8): splitting a text into parts, and putting parts back together.
// Parts wait for the rest of their message for a while and in a bounded number, as a network
// drops a long message whose parts stop coming.
class Concatenation {
public:
    using Clock = std::chrono::steady_clock;

    struct Segment {
        SmsCoding coding = SmsCoding::Gsm7Bit;
        // Without its length octet; empty for a text that fits one message.
        QByteArray header;
        QString text;
    };

    // A long message dropped before all its parts came.
    struct Unfinished {
        QString address;
        int reference = 0;
        int count = 0;
        // The numbers of the parts that came, in order.
        QList<int> received;
        // Dropped for the parts of newer messages, rather than for its own parts' not coming.
        bool crowdedOut = false;
    };

    // How long a long message waits for its next part before it is dropped; five minutes lets a
    // program that sends one part at a time, retrying a part that failed, finish its message.
    static constexpr std::chrono::minutes DefaultWait{5};
    // Parts waiting in all, four of the longest messages: past it the message that has waited
    // longest for a part is dropped.
    static constexpr qsizetype MaxWaitingParts = 4 * 255;

    // The text as one message if it fits, else as parts with the given reference: GSM 7-bit if
    // every character is in the alphabet, UCS2 otherwise. Nothing when it needs over 255 parts.
    static QList<Segment> split(const QString &text, int reference);

    // Takes a part as it arrives; once every part of its message is in, gives the whole text.
    std::optional<QString> add(const QString &address, const QByteArray &header,
                               const QString &text, Clock::time_point now = Clock::now());

    // Drops the messages that waited too long for a part by now, and the ones that waited
    // longest while more parts wait than MaxWaitingParts.
    QList<Unfinished> expire(Clock::time_point now = Clock::now());
    // When the message that has waited longest runs out of time; nothing when none waits.
    std::optional<Clock::time_point> nextExpiry() const;

    void setWait(std::chrono::milliseconds wait) { m_wait = wait; }
    std::chrono::milliseconds wait() const { return m_wait; }

private:
    // Address, reference and number of parts.
    using Key = std::tuple<QString, int, int>;
    struct Pending {
        // The parts so far by their number.
        QMap<int, QString> parts;
        Clock::time_point lastPart;
    };

    Unfinished drop(std::map<Key, Pending>::const_iterator message, bool crowdedOut);
    std::map<Key, Pending>::const_iterator longestWaiting() const;
    qsizetype waitingParts() const;

    std::map<Key, Pending> m_pending;
    std::chrono::milliseconds m_wait = DefaultWait;
};
