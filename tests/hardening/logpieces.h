// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QObject>
#include <QString>

class CommControl;
class QPlainTextEdit;

// The receive log as the pieces built it: what the log gained from now on, held against the
// bytes that were sent, and how many pieces the port handed it.
class LogPieces : public QObject {
public:
    // Records what reaches `log` from now on, and each receive notification of `port`.
    LogPieces(QPlainTextEdit &log, CommControl &port);

    qsizetype count() const { return m_pieces; }
    // Characters appended so far, less the one blank in front of each piece.
    qsizetype shownLength() const { return m_added - m_pieces; }

    // How the log shows a byte: printable ASCII as itself, CR and LF as a line break, other
    // control bytes as their control pictures (DEL as U+2421) where the log's font draws them,
    // the rest as <XX> in angle brackets.
    QString shown(unsigned char byte) const;
    // The characters `sent` takes in the log when it arrives in one piece.
    qsizetype shownLength(QByteArrayView sent) const;

    // The offset of the first byte of `sent` that the log does not show where and as it should
    // (pieces of one blank, then the piece's bytes each as shown()); -1 when it shows every
    // byte in order and nothing else.
    qsizetype firstMismatch(QByteArrayView sent) const;

private:
    QPlainTextEdit &m_log;
    qsizetype m_start;
    bool m_pictures;
    qsizetype m_added = 0;
    qsizetype m_pieces = 0;
};
