// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logpieces.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>

LogPieces::LogPieces(QPlainTextEdit &log)
    : m_log(log) {
    connect(log.document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) {
                m_pieces.append({position, added});
                m_added += added;
            });
}

QString LogPieces::shown(unsigned char byte) {
    if (byte == '\r' || byte == '\n')
        return QStringLiteral("\n");
    if (byte < 0x20)
        return QChar(0x2400 + byte);
    if (byte < 0x7F)
        return QChar(byte);
    if (byte == 0x7F)
        return QChar(0x2421);
    return QChar(0x27E8) + QString::asprintf("%02X", byte) + QChar(0x27E9);
}

qsizetype LogPieces::shownLength(QByteArrayView sent) {
    qsizetype length = 0;
    for (qsizetype i = 0; i < sent.size(); ++i) {
        length += shown(static_cast<unsigned char>(sent[i])).size();
        if (sent[i] == '\r' && i + 1 < sent.size() && sent[i + 1] == '\n')
            ++i;
    }
    return length;
}

qsizetype LogPieces::firstMismatch(QByteArrayView sent) const {
    const QString text = m_log.document()->toPlainText();
    // Where in `sent` the next piece may start: a CR LF pair split between two pieces shows as
    // two line breaks, so a piece that ends in a CR's line break leaves two possibilities.
    QList<qsizetype> starts{0};
    qsizetype furthest = 0;
    for (const Piece &piece : m_pieces) {
        const QStringView view = QStringView(text).mid(piece.position, piece.length);
        QList<qsizetype> ends;
        for (qsizetype at : std::as_const(starts)) {
            if (!view.startsWith(u' '))
                continue;
            qsizetype pos = 1;
            bool matched = true;
            while (pos < view.size() && matched) {
                const auto byte = at < sent.size() ? static_cast<unsigned char>(sent[at]) : 0;
                const QString expected = shown(byte);
                matched = at < sent.size() && view.mid(pos).startsWith(expected);
                if (!matched)
                    break;
                pos += expected.size();
                ++at;
                if (byte == '\r' && at < sent.size() && sent[at] == '\n') {
                    if (pos < view.size())
                        ++at;
                    else
                        ends << at + 1;
                }
            }
            furthest = std::max(furthest, at);
            if (matched)
                ends << at;
        }
        if (ends.isEmpty())
            return furthest;
        std::sort(ends.begin(), ends.end());
        ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
        starts = ends;
    }
    return starts.contains(sent.size()) ? -1 : furthest;
}
