// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loglayout.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {
// About 20 times a second: smooth enough to watch text arrive, and rare enough that a flood of
// small reads is not spent repainting.
constexpr int FrameMilliseconds = 50;
// While text streams in, four times a second: a box that scrolls by a screenful or more between
// frames cannot be read as it goes anyway, and each repaint costs about as much as a hundred
// reads.
constexpr int StreamFrameMilliseconds = 250;
// Text waits in a buffer of at most this many characters (64 KiB): beyond it, a flood goes into
// the document a frame early, to be laid out at the frame. A buffer of megabytes, freed and
// allocated again a frame, would leave the heap as fragments that stay resident.
constexpr qsizetype MaxWaiting = 32 * 1024;
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
    box.installEventFilter(this);
    box.viewport()->installEventFilter(this);
}

void LogLayout::append(QString text) {
    // One block per piece, not per line: a block costs the document about as much memory as the
    // line's text and a tree insertion of its own. The piece's earlier line breaks become line
    // separators, which the box shows and hands out as line breaks all the same; its last one
    // ends the block, so that no block grows beyond a piece and the lines after it.
    const qsizetype last = std::max<qsizetype>(text.lastIndexOf(QLatin1Char('\n')), 0);
    std::replace(text.begin(), text.begin() + last, QChar(u'\n'), QChar(QChar::LineSeparator));
    m_waiting += text;
    if (m_waiting.size() >= MaxWaiting) {
        m_layoutWaits = true;
        insertWaiting();
        m_layoutWaits = false;
    }
    if (m_frame.isActive())
        return;
    if (isFollowing())
        m_endOfView = m_box.verticalScrollBar()->value();
    // Text that comes within a frame's interval of the last frame is a stream: each such frame
    // waits twice as long as the one before, up to a stream's frame, and a pause as long as
    // the interval brings the frames back to their usual pace. A frame that took long waits
    // twice as long whatever comes (a line of a megabyte is laid out in about a quarter of a
    // second), so that the window spends at most a third of its time catching up and goes on
    // answering the user.
    const bool streaming = m_sinceFrame.isValid() && m_sinceFrame.elapsed() < m_frameInterval;
    m_frameInterval =
        streaming ? std::min(2 * m_frameInterval, StreamFrameMilliseconds) : FrameMilliseconds;
    m_frame.start(std::max(m_frameInterval, 2 * m_lastFrameTook), this);
}

void LogLayout::flush() {
    m_frame.stop();
    if (m_waiting.isEmpty() && m_unlaidFrom < 0)
        return;
    m_sinceFrame.start();
    const bool following = isFollowing();
    if (!m_waiting.isEmpty())
        insertWaiting();
    else
        documentChanged(m_unlaidFrom, 0, 0);
    if (following)
        followEnd();
    else
        m_endOfView = -1;
    m_lastFrameTook = int(m_sinceFrame.restart());
}

void LogLayout::insertWaiting() {
    // A cursor of our own: the user's cursor and selection in the box stay where they are.
    QTextCursor end(document());
    // Inside an edit block, and set rather than moved, the cursor never lays a line out to learn
    // its x position.
    end.beginEditBlock();
    end.setPosition(document()->characterCount() - 1);
    end.insertText(m_waiting);
    end.endEditBlock();
    // Emptied, and kept for the next frame's text.
    m_waiting.resize(0);
}

void LogLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    if (m_layoutWaits) {
        if (m_unlaidFrom < 0 || from < m_unlaidFrom)
            m_unlaidFrom = from;
        return;
    }
    if (m_unlaidFrom >= 0) {
        // Text a flood put in waits to be laid out: lay it out with this change, as one change
        // from the first of them to the end.
        from = std::min(from, std::exchange(m_unlaidFrom, -1));
        charsRemoved = 0;
        charsAdded = document()->characterCount() - from;
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

void LogLayout::timerEvent(QTimerEvent *event) {
    if (event->timerId() == m_frame.timerId())
        flush();
    else
        QPlainTextDocumentLayout::timerEvent(event);
}

bool LogLayout::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        // Whatever the user is about to do to the text, they do it to all that has arrived.
        flush();
        break;
    case QEvent::Resize:
        // A resized box wraps its lines again and keeps its top line where it was; a view that
        // followed the end goes on following it once the box has done so. The box is asked
        // nothing for other events, which also come while it is being destroyed.
        if (watched == m_box.viewport() && isFollowing()) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    // Unless the user has scrolled away meanwhile.
                    if (isFollowing())
                        followEnd();
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
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
    if (bar->value() != bar->maximum()) {
        // A box that scrolls with its viewport updating lays out every line it passes, to move
        // the pixels already shown; lines that arrived and scrolled out within one frame were
        // never shown. With updates off it only sets its top line, and repaints what is then in
        // view.
        QWidget *viewport = m_box.viewport();
        viewport->setUpdatesEnabled(false);
        bar->setValue(bar->maximum());
        viewport->setUpdatesEnabled(true);
    }
    m_endOfView = bar->value();
}
