// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QPlainTextDocumentLayout>

class QPlainTextEdit;

// The layout of the log box's document. Text appended through it is in the document at once,
// but the box lays it out, sizes its scroll bar and repaints once a frame rather than once an
// append: a modem that answers in many small reads then costs a repaint per frame, and a line
// that never ends is laid out again per frame, not per read.
class LogLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    // The box's layout, given to it on first use with the box's text, cursor and view kept.
    static LogLayout &of(QPlainTextEdit &box);

    // Adds the text at the end of the document. The view follows the end unless the user has
    // scrolled back.
    void append(QString text);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LogLayout(QTextDocument *document, QPlainTextEdit &box);
    void catchUp(int from);
    bool isFollowing() const;
    void followEnd();

    QPlainTextEdit &m_box;
    QBasicTimer m_frame;
    // How long appended text waits for the box: a frame, or longer after a slow one.
    int m_frameInterval;
    bool m_appending = false;
    // Where the text not yet laid out starts; it runs to the end of the document.
    int m_pendingFrom = 0;
    // Where the view last was at the end of the text, or -1 if the user has scrolled back since.
    int m_endOfView = 0;
};
