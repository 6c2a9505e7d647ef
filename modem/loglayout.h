// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QString>

class QPlainTextEdit;

// The layout of the log box's document. Text appended through it waits for the next frame and
// then goes into the document in one insertion, which the box lays out, scrolls to and repaints
// once: a modem that answers in many small reads costs a string append per read, and the
// document's insertion, its signals and the repaint once a frame.
class LogLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    // The box's layout, given to it on first use with the box's text, cursor and view kept.
    static LogLayout &of(QPlainTextEdit &box);

    // Adds the text after everything the log holds, waiting text included. It reaches the box
    // at the next frame, or before anything the user does to the box, so that each append
    // builds on what the box would hold had every piece reached it on arrival. The view
    // follows the end unless the user has scrolled back.
    void append(QString text);

    // Puts the waiting text into the box now.
    void flush();

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LogLayout(QTextDocument *document, QPlainTextEdit &box);
    void insertWaiting();
    bool isFollowing() const;
    void followEnd();

    QPlainTextEdit &m_box;
    QBasicTimer m_frame;
    // How long appended text waits for the box: a frame, longer while text streams in.
    int m_frameInterval;
    // Since the last frame ended, and how long that frame took.
    QElapsedTimer m_sinceFrame;
    int m_lastFrameTook = 0;
    QString m_waiting;
    // While a flood's text goes in between frames, the box is not told of it; it lays out all
    // from m_unlaidFrom to the end at the next frame, or at once should anything else change
    // the text first. -1 when nothing waits to be laid out.
    bool m_layoutWaits = false;
    int m_unlaidFrom = -1;
    // Where the view last was at the end of the text, or -1 if the user has scrolled back since.
    int m_endOfView = 0;
};
