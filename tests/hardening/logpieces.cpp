// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logpieces.h"

#include "commcontrol.h"
#include "receivelog.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <utility>

LogPieces::LogPieces(QPlainTextEdit &log, CommControl &port)
    : m_log(log)
    , m_start(log.document()->characterCount() - 1)
    , m_pictures(ReceiveLog::controlsIn(log.font()) == ReceiveLog::Controls::Pictures) {
    connect(log.document(), &QTextDocument::contentsChange, this,
            [this](int, int, int added) { m_added += added; });
    connect(&port, &CommControl::OnComm, this, [this, &port] {
        if (port.commEvent() == CommControl::comEvReceive)
            ++m_pieces;
    });
}

QString LogPieces::shown(unsigned char byte) const {
    if (byte == '\r' || byte == '\n')
        return QStringLiteral("\n");
    if (byte >= 0x20 && byte < 0x7F)
        return QChar(byte);
    if (m_pictures && byte < 0x20)
        return QChar(0x2400 + byte);
    if (m_pictures && byte == 0x7F)
        return QChar(0x2421);
    return QChar(0x27E8) + QString::asprintf("%02X", byte) + QChar(0x27E9);
}

qsizetype LogPieces::shownLength(QByteArrayView sent) const {
    qsizetype length = 0;
    for (qsizetype i = 0; i < sent.size(); ++i) {
        length += shown(static_cast<unsigned char>(sent[i])).size();
        if (sent[i] == '\r' && i + 1 < sent.size() && sent[i + 1] == '\n')
            ++i;
    }
    return length;
}

qsizetype LogPieces::firstMismatch(QByteArrayView sent) const {
    // Pieces reach the log several to a frame, so where one ends shows only as a blank, and a
    // blank may as well be a byte sent. Every reading of the text is followed at once: a state
    // is the offset in `sent` of the next byte to show, and whether the piece must end first
    // (after a CR whose LF the next piece shows), kept by where in the text it stands.
    struct State {
        qsizetype at;
        bool pieceEnds;
        bool operator==(const State &) const = default;
    };
    const QString text = m_log.document()->toPlainText().mid(m_start);
    // A byte takes at most four characters; states further on wait in this ring.
    constexpr qsizetype Ring = 5;
    std::array<QList<State>, Ring> states;
    const auto reach = [&](qsizetype position, State state) {
        QList<State> &there = states[position % Ring];
        if (!there.contains(state))
            there.append(state);
    };
    reach(0, {0, true});
    qsizetype furthest = 0;
    for (qsizetype position = 0; position < text.size(); ++position) {
        const QList<State> here = std::exchange(states[position % Ring], {});
        for (const State &state : here) {
            furthest = std::max(furthest, state.at);
            if (text.at(position) == u' ')
                reach(position + 1, {state.at, false});
            if (state.pieceEnds || state.at == sent.size())
                continue;
            const auto byte = static_cast<unsigned char>(sent[state.at]);
            const QString expected = shown(byte);
            if (!QStringView(text).mid(position).startsWith(expected))
                continue;
            const qsizetype next = position + expected.size();
            const bool crlf =
                byte == '\r' && state.at + 1 < sent.size() && sent[state.at + 1] == '\n';
            // In one piece a CR LF is one line break; a CR that ends a piece leaves its LF a
            // line break of its own in the next.
            if (crlf)
                reach(next, {state.at + 2, false});
            reach(next, {state.at + 1, crlf});
        }
    }
    for (const State &state : std::as_const(states[text.size() % Ring])) {
        if (state.at == sent.size())
            return -1;
        furthest = std::max(furthest, state.at);
    }
    return furthest;
}
