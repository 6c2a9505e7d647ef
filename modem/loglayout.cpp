// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loglayout.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
// About 20 times a second: smooth enough to watch text arrive, and rare enough that a flood of
// small reads is not spent repainting.
constexpr int FrameMilliseconds = 50;
} // namespace

LogLayout &LogLayout::of(QPlainTextEdit &box) {
    if (auto *layout = qobject_cast<LogLayout *>(box.document()->documentLayout()))
        return *layout;
    const int anchor = box.textCursor().anchor();
    const int position = box.textCursor().position();
    const int scrolled = box.verticalScrollBar()->value();
    auto *document = new QTextDocument(&box);
    auto *layout = new LogLayout(document, box);
    document->setDocumentLayout(layout);
    document->setDefaultFont(box.document()->defaultFont());
    // The log grows for as long as the window is open; an undo history would double it.
    document->setUndoRedoEnabled(false);
    document->setPlainText(box.toPlainText());
    box.setDocument(document);
    QTextCursor kept(document);
    kept.setPosition(anchor);
    kept.setPosition(position, QTextCursor::KeepAnchor);
    box.setTextCursor(kept);
    box.verticalScrollBar()->setValue(scrolled);
    return *layout;
}

LogLayout::LogLayout(QTextDocument *document, QPlainTextEdit &box)
    : QPlainTextDocumentLayout(document)
    , m_box(box)
    , m_frameInterval(FrameMilliseconds) {
    box.viewport()->installEventFilter(this);
}

void LogLayout::append(QString text) {
    // One block per piece, not per line: a block costs the document about as much memory as the
    // line's text and a tree insertion of its own. The piece's earlier line breaks become line
    // separators, which the box shows and hands out as line breaks all the same; its last one
    // ends the block, so that no block grows beyond a piece and the lines after it.
    const qsizetype last = std::max<qsizetype>(text.lastIndexOf(QLatin1Char('\n')), 0);
    std::replace(text.begin(), text.begin() + last, QChar(u'\n'), QChar(QChar::LineSeparator));
    // A cursor of our own: the user's cursor and selection in the box stay where they are.
    QTextCursor end(document());
    m_appending = true;
    // Inside an edit block, and set rather than moved, the cursor never lays a line out to learn
    // its x position.
    end.beginEditBlock();
    end.setPosition(document()->characterCount() - 1);
    end.insertText(text);
    end.endEditBlock();
    m_appending = false;
}

void LogLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    if (m_appending) {
        if (!m_frame.isActive()) {
            if (isFollowing())
                m_endOfView = m_box.verticalScrollBar()->value();
            m_pendingFrom = from;
            m_frame.start(m_frameInterval, this);
        }
        return;
    }
    if (m_frame.isActive()) {
        // Someone else changed the text while appended text waited: lay out both now, as one
        // change from the first of them to the end.
        catchUp(std::min(from, m_pendingFrom));
        return;
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

void LogLayout::timerEvent(QTimerEvent *event) {
    if (event->timerId() == m_frame.timerId())
        catchUp(m_pendingFrom);
    else
        QPlainTextDocumentLayout::timerEvent(event);
}

void LogLayout::catchUp(int from) {
    m_frame.stop();
    QElapsedTimer took;
    took.start();
    const bool following = isFollowing();
    QPlainTextDocumentLayout::documentChanged(from, 0, document()->characterCount() - from);
    if (following)
        followEnd();
    else
        m_endOfView = -1;
    // A frame that takes long (a line of a megabyte is laid out in about a quarter of a second)
    // waits twice as long for the next, so that the window spends at most a third of its time
    // catching up and goes on answering the user.
    m_frameInterval = std::max(FrameMilliseconds, int(2 * took.elapsed()));
}

bool LogLayout::eventFilter(QObject *watched, QEvent *event) {
    // A resized box wraps its lines again and keeps its top line where it was; a view that
    // followed the end goes on following it once the box has done so.
    // Installed on the viewport only; the box is asked nothing for other events, which also
    // come while the box is being destroyed.
    if (event->type() == QEvent::Resize && isFollowing())
        QMetaObject::invokeMethod(this, &LogLayout::followEnd, Qt::QueuedConnection);
    return QPlainTextDocumentLayout::eventFilter(watched, event);
}

bool LogLayout::isFollowing() const {
    // The box may have grown its scroll range since the view was last at the end, when it laid
    // out a line for its own needs; a view still where it was then is at the end all the same.
    const QScrollBar *bar = m_box.verticalScrollBar();
    return bar->value() == bar->maximum() || bar->value() == m_endOfView;
}

void LogLayout::followEnd() {
    QScrollBar *bar = m_box.verticalScrollBar();
    bar->setValue(bar->maximum());
    m_endOfView = bar->value();
}
