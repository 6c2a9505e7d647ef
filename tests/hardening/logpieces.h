// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>

class QPlainTextEdit;

// The receive log as its appends built it: where each piece of text went, so that what it shows
// can be held against the bytes that were sent.
class LogPieces : public QObject {
public:
    // Records every append to `log` from now on.
    explicit LogPieces(QPlainTextEdit &log);

    qsizetype count() const { return m_pieces.size(); }
    // Characters appended so far, less the one blank in front of each piece.
    qsizetype shownLength() const { return m_added - m_pieces.size(); }

    // How the log shows a byte: printable ASCII as itself, CR and LF as a line break, other
    // control bytes as their control pictures (DEL as U+2421), the rest as <XX> in angle brackets.
    static QString shown(unsigned char byte);
    // The characters `sent` takes in the log when it arrives in one piece.
    static qsizetype shownLength(QByteArrayView sent);

    // The offset of the first byte of `sent` that the pieces do not show where and as they
    // should (one blank, then the piece's bytes each as shown()); -1 when they show every byte
    // in order and nothing else.
    qsizetype firstMismatch(QByteArrayView sent) const;

private:
    struct Piece {
        int position;
        int length;
    };
    QPlainTextEdit &m_log;
    QList<Piece> m_pieces;
    qsizetype m_added = 0;
};
