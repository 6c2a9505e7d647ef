// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "concatenation.h"

#include "gsmalphabet.h"
#include "smslimits.h"

#include <algorithm>
#include <numeric>

namespace {

// What is left once a part's six-octet header is in: 153 septets, or 67 UCS2 characters.
constexpr int PartSeptets = 153;
constexpr int PartUnits = 67;
constexpr int MaxParts = 255;

constexpr quint8 EightBitReference = 0x00;
constexpr quint8 SixteenBitReference = 0x08;

// Cuts the text where the next character would not fit, so that no escape sequence of the GSM
// alphabet and no UTF-16 surrogate pair is split between parts.
QStringList cut(const QString &text, int limit, SmsCoding coding) {
    QStringList pieces{QString()};
    int used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString character(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            character += text.at(++i);
        const int size = coding == SmsCoding::Gsm7Bit
                             ? int(GsmAlphabet::fromString(character)->size())
                             : int(character.size());
        if (used + size > limit) {
            pieces.append(QString());
            used = 0;
        }
        pieces.last() += character;
        used += size;
    }
    return pieces;
}

} // namespace

QList<Concatenation::Segment> Concatenation::split(const QString &text, int reference) {
    const auto septets = GsmAlphabet::fromString(text);
    const SmsCoding coding = septets ? SmsCoding::Gsm7Bit : SmsCoding::Ucs2;
    if (septets ? septets->size() <= SmsLimits::Septets : text.size() <= SmsLimits::Ucs2Units)
        return {{coding, {}, text}};

    const QStringList pieces = cut(text, septets ? PartSeptets : PartUnits, coding);
    if (pieces.size() > MaxParts)
        return {};
    QList<Segment> parts;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QByteArray header;
        header.append(char(EightBitReference)).append(char(3)).append(char(reference));
        header.append(char(pieces.size())).append(char(i + 1));
        parts.append({coding, header, pieces.at(i)});
    }
    return parts;
}

std::optional<QString> Concatenation::add(const QString &address, const QByteArray &header,
                                          const QString &text, Clock::time_point now) {
    for (qsizetype at = 0; at + 2 <= header.size(); at += 2 + quint8(header.at(at + 1))) {
        const quint8 identifier = header.at(at);
        const QByteArray element = header.mid(at + 2, quint8(header.at(at + 1)));
        int reference = 0;
        if (identifier == EightBitReference && element.size() == 3)
            reference = quint8(element.at(0));
        else if (identifier == SixteenBitReference && element.size() == 4)
            reference = quint8(element.at(0)) << 8 | quint8(element.at(1));
        else
            continue;
        const int count = quint8(element.at(element.size() - 2));
        const int number = quint8(element.at(element.size() - 1));
        if (number < 1 || number > count)
            return std::nullopt;
        const auto key = std::make_tuple(address, reference, count);
        Pending &message = m_pending[key];
        message.parts.insert(number, text);
        message.lastPart = now;
        if (message.parts.size() < count)
            return std::nullopt;
        const QString whole = message.parts.values().join(QString());
        m_pending.erase(key);
        return whole;
    }
    return std::nullopt;
}

QList<Concatenation::Unfinished> Concatenation::expire(Clock::time_point now) {
    QList<Unfinished> dropped;
    while (!m_pending.empty()) {
        const auto oldest = longestWaiting();
        const bool stale = now - oldest->second.lastPart >= m_wait;
        if (!stale && waitingParts() <= MaxWaitingParts)
            break;
        dropped.append(drop(oldest, !stale));
    }
    return dropped;
}

std::optional<Concatenation::Clock::time_point> Concatenation::nextExpiry() const {
    if (m_pending.empty())
        return std::nullopt;
    return longestWaiting()->second.lastPart + m_wait;
}

Concatenation::Unfinished Concatenation::drop(std::map<Key, Pending>::const_iterator message,
                                              bool crowdedOut) {
    const auto &[address, reference, count] = message->first;
    Unfinished unfinished{address, reference, count, message->second.parts.keys(), crowdedOut};
    m_pending.erase(message);
    return unfinished;
}

qsizetype Concatenation::waitingParts() const {
    return std::accumulate(
        m_pending.begin(), m_pending.end(), qsizetype(0),
        [](qsizetype sum, const auto &entry) { return sum + entry.second.parts.size(); });
}

// A few messages wait at a time, so a search costs less than keeping a second order.
std::map<Concatenation::Key, Concatenation::Pending>::const_iterator
Concatenation::longestWaiting() const {
    return std::min_element(m_pending.begin(), m_pending.end(), [](const auto &a, const auto &b) {
        return a.second.lastPart < b.second.lastPart;
    });
}
