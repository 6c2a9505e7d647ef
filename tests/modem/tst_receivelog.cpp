// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loglayout.h"
#include "receivelog.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

class TestReceiveLog : public QObject {
    Q_OBJECT

private slots:
    void bytesAsText_data();
    void bytesAsText();
    void everyByteValueIsVisibleAndDistinct();
    void appendAddsABlankAndTheData_data();
    void appendAddsABlankAndTheData();
    void appendLeavesTheUsersCursorAlone();
    void linesShowAndCopyAsTheyCame_data();
    void linesShowAndCopyAsTheyCame();
    void viewFollowsTheEndUnlessScrolledBack();
    void viewCatchesUpWithTheText_data();
    void viewCatchesUpWithTheText();
};

void TestReceiveLog::bytesAsText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("modem answer") << QByteArray("\r\nOK\r\n") << "\nOK\n";
    QTest::newRow("PDU prompt") << QByteArray("\r\n> ") << "\n> ";
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\nb";
    QTest::newRow("lone LF") << QByteArray("a\nb") << "a\nb";
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << "a\n\nb";
    QTest::newRow("NUL run") << QByteArray(3, '\0') << QString(3, QChar(0x2400));
    QTest::newRow("Ctrl-Z") << QByteArray("\x1A") << QString(QChar(0x241A));
    QTest::newRow("tab") << QByteArray("\t") << QString(QChar(0x2409));
    QTest::newRow("escape") << QByteArray("\x1B") << QString(QChar(0x241B));
    QTest::newRow("DEL") << QByteArray("\x7F") << QString(QChar(0x2421));
    QTest::newRow("high byte") << QByteArray("\xE9") << QStringLiteral("\u27E8E9\u27E9");
    QTest::newRow("UTF-8 stays bytes")
        << QByteArray("\xC3\xA9") << QStringLiteral("\u27E8C3\u27E9\u27E8A9\u27E9");
    QTest::newRow("split UTF-8") << QByteArray("\xE2\x82")
                                 << QStringLiteral("\u27E8E2\u27E9\u27E882\u27E9");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestReceiveLog::bytesAsText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ReceiveLog::toText(bytes), text);
}

void TestReceiveLog::everyByteValueIsVisibleAndDistinct() {
    // As the box shows them with the fonts this system has: glyphs its font, or one Qt falls
    // back on, draws, not the empty box a missing glyph draws as for every character alike.
    QSet<QString> seen;
    for (int value = 0; value < 256; ++value) {
        QPlainTextEdit log;
        ReceiveLog::append(log, QByteArray(1, char(value)));
        LogLayout::of(log).flush();
        const QString shown = log.toPlainText().mid(1);
        const QFontMetrics font(log.font());
        QVERIFY2(!shown.isEmpty(), qPrintable(QString::number(value)));
        if (value != '\r' && value != '\n') {
            for (QChar c : shown)
                QVERIFY2(value == ' ' || (c.isPrint() && c != u' ' && font.inFontUcs4(c.unicode())),
                         qPrintable(QString::number(value)));
            seen.insert(shown);
        }
    }
    QCOMPARE(seen.size(), 254);
}

void TestReceiveLog::appendAddsABlankAndTheData_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QString>("after");

    QTest::newRow("first reply") << "Text1" << QByteArrayList{"\r\nOK\r\n"} << "Text1 \nOK\n";
    QTest::newRow("reply in two pieces")
        << "Text1" << QByteArrayList{"\r\nO", "K\r\n"} << "Text1 \nO K\n";
    QTest::newRow("nothing read") << "Text1" << QByteArrayList{""} << "Text1 ";
    QTest::newRow("after the user's edits") << "mine" << QByteArrayList{"OK"} << "mine OK";
    QTest::newRow("into an empty box") << "" << QByteArrayList{"OK"} << " OK";
}

void TestReceiveLog::appendAddsABlankAndTheData() {
    QFETCH(QString, before);
    QFETCH(QByteArrayList, pieces);
    QFETCH(QString, after);

    QPlainTextEdit log(before);
    for (const QByteArray &piece : pieces)
        ReceiveLog::append(log, piece);
    QTRY_COMPARE(log.toPlainText(), after);
}

void TestReceiveLog::appendLeavesTheUsersCursorAlone() {
    QPlainTextEdit log(QStringLiteral("Text1"));
    QTextCursor cursor = log.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    log.setTextCursor(cursor);

    ReceiveLog::append(log, "OK");
    QTRY_COMPARE(log.toPlainText(), QStringLiteral("Text1 OK"));
    QCOMPARE(log.textCursor().selectedText(), QStringLiteral("ex"));
}

void TestReceiveLog::linesShowAndCopyAsTheyCame_data() {
    QTest::addColumn<QByteArrayList>("pieces");

    QTest::newRow("modem answers") << QByteArrayList{"\r\nOK\r\n", "\r\n+CMGS: 12\r\n\r\nOK\r\n"};
    QTest::newRow("lines split across pieces")
        << QByteArrayList{"AT+CMGF=0\r", "\nOK\r\n> ", "0001\r", "\n\r\nOK"};
    QTest::newRow("many lines in one piece")
        << QByteArrayList{QByteArray("line\r\n").repeated(100)};
    QTest::newRow("no break at all") << QByteArrayList{"abc", "def"};
}

// However the box keeps the pieces, it shows one line for each line of the log's text, and
// copying it all gives that text.
void TestReceiveLog::linesShowAndCopyAsTheyCame() {
    QFETCH(QByteArrayList, pieces);

    QPlainTextEdit log(QStringLiteral("Text1"));
    log.setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const QByteArray &piece : pieces)
        ReceiveLog::append(log, piece);
    LogLayout::of(log).flush();

    const auto shownLines = [&log] {
        int lines = 0;
        for (QTextBlock block = log.document()->begin(); block.isValid(); block = block.next()) {
            log.document()->documentLayout()->blockBoundingRect(block);
            lines += block.layout()->lineCount();
        }
        return lines;
    };
    const QString text = log.toPlainText();
    QTRY_COMPARE(shownLines(), text.count(QLatin1Char('\n')) + 1);

    log.selectAll();
    log.copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestReceiveLog::viewFollowsTheEndUnlessScrolledBack() {
    QPlainTextEdit log(QStringLiteral("Text1"));
    log.resize(200, 100);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    QScrollBar *bar = log.verticalScrollBar();

    for (int line = 0; line < 50; ++line)
        ReceiveLog::append(log, "\r\nOK");
    QTRY_VERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    // Narrower, the box wraps the lines again; the view still shows the end.
    ReceiveLog::append(log, QByteArray(60, 'x'));
    QTRY_VERIFY(log.toPlainText().endsWith(u'x') && bar->value() == bar->maximum());
    log.resize(120, 100);
    QTextCursor end(log.document());
    end.movePosition(QTextCursor::End);
    QTRY_VERIFY(bar->value() == bar->maximum() &&
                log.viewport()->rect().contains(log.cursorRect(end)));

    bar->setValue(0);
    const int maximum = bar->maximum();
    ReceiveLog::append(log, "\r\nOK");
    QTRY_VERIFY(bar->maximum() > maximum);
    QCOMPARE(bar->value(), 0);

    // A resize follows the end a turn of the event loop later; the user may scroll back first.
    bar->setValue(bar->maximum());
    log.resize(200, 100);
    bar->setValue(0);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), 0);
}

void TestReceiveLog::viewCatchesUpWithTheText_data() {
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QList<QKeySequence>>("keys");
    QTest::addColumn<QByteArrayList>("after");
    QTest::addColumn<QString>("text");

    const QByteArray line = QByteArray("+CMGS: 12").repeated(8) + "\r\n";
    const QByteArrayList lines(60, line);
    const QString shownLines =
        QString(QLatin1String(" ") + QString::fromLatin1(line.chopped(2)) + QLatin1Char('\n'))
            .repeated(60);
    const QByteArrayList longLine(60, QByteArray("0123456789ABCDEF").repeated(8));
    const QString shownLongLine =
        QString(QLatin1String(" ") + QStringLiteral("0123456789ABCDEF").repeated(8)).repeated(60);
    const QKeySequence toEnd(Qt::CTRL | Qt::Key_End);

    QTest::newRow("lines in one piece")
        << QByteArrayList{line.repeated(60)} << QList<QKeySequence>{} << QByteArrayList{}
        << QLatin1String("Text1 ") + QString::fromLatin1(line.chopped(2) + '\n').repeated(60);
    QTest::newRow("a long line, more than the box holds back")
        << QByteArrayList(300, longLine.first()) << QList<QKeySequence>{} << QByteArrayList{}
        << QLatin1String("Text1") + shownLongLine.repeated(5);
    QTest::newRow("a long line in pieces") << longLine << QList<QKeySequence>{} << QByteArrayList{}
                                           << QLatin1String("Text1") + shownLongLine;
    // What the user does to the box, they do to all that has arrived, waiting or not.
    QTest::newRow("user types at the end")
        << lines << QList<QKeySequence>{toEnd, QKeySequence(Qt::Key_X)} << lines
        << QLatin1String("Text1") + shownLines + QLatin1Char('x') + shownLines;
    QTest::newRow("user clears the box")
        << lines << QList<QKeySequence>{QKeySequence::SelectAll, QKeySequence(Qt::Key_Delete)}
        << lines << shownLines;
}

// Whatever the user did to the text between two frames, the box catches up with all of it: the
// text is as if every piece had reached the box on arrival, the end is in view, and no line
// keeps the line count of text it no longer holds.
void TestReceiveLog::viewCatchesUpWithTheText() {
    QFETCH(QByteArrayList, before);
    QFETCH(QList<QKeySequence>, keys);
    QFETCH(QByteArrayList, after);
    QFETCH(QString, text);

    QPlainTextEdit log(QStringLiteral("Text1"));
    log.resize(300, 200);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    for (const QByteArray &piece : before)
        ReceiveLog::append(log, piece);
    for (const QKeySequence &key : keys)
        QTest::keySequence(&log, key);
    for (const QByteArray &piece : after)
        ReceiveLog::append(log, piece);

    QTRY_COMPARE(log.toPlainText(), text);
    QTextCursor end(log.document());
    end.movePosition(QTextCursor::End);
    QScrollBar *bar = log.verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0 && bar->value() == bar->maximum() &&
                log.viewport()->rect().contains(log.cursorRect(end)));
    for (QTextBlock block = log.document()->begin(); block.isValid(); block = block.next()) {
        if (block.layout()->lineCount() > 0)
            QCOMPARE(block.lineCount(), block.layout()->lineCount());
    }
}

QTEST_MAIN(TestReceiveLog)
#include "tst_receivelog.moc"
