// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivelog.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
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

namespace {
// The user's own change to the box: `removed` characters at `at` (-1: all to the end) replaced
// by `typed`.
struct Edit {
    int at = 0;
    int removed = 0;
    QString typed;
};
} // namespace
Q_DECLARE_METATYPE(Edit)

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
    QSet<QString> seen;
    for (int value = 0; value < 256; ++value) {
        const QString shown = ReceiveLog::toText(QByteArray(1, char(value)));
        QVERIFY2(!shown.isEmpty(), qPrintable(QString::number(value)));
        if (value != '\r' && value != '\n') {
            for (QChar c : shown)
                QVERIFY2(value == ' ' || (c.isPrint() && c != u' '),
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
    QCOMPARE(log.toPlainText(), after);
}

void TestReceiveLog::appendLeavesTheUsersCursorAlone() {
    QPlainTextEdit log(QStringLiteral("Text1"));
    QTextCursor cursor = log.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    log.setTextCursor(cursor);

    ReceiveLog::append(log, "OK");
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
    QTRY_COMPARE(bar->value(), bar->maximum());
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
}

void TestReceiveLog::viewCatchesUpWithTheText_data() {
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArrayList>("after");

    const QByteArray line = QByteArray("+CMGS: 12").repeated(8) + "\r\n";
    const QByteArrayList lines(60, line);
    const QByteArrayList longLine(60, QByteArray("0123456789ABCDEF").repeated(8));

    QTest::newRow("lines in one piece") << QByteArrayList{line.repeated(60)} << Edit{} << lines;
    QTest::newRow("a long line in pieces") << longLine << Edit{} << longLine;
    QTest::newRow("user clears the box") << lines << Edit{0, -1, {}} << lines;
    QTest::newRow("user deletes the start") << lines << Edit{0, 40, {}} << lines;
    QTest::newRow("user types into waiting text") << lines << Edit{2000, 0, "typed"} << lines;
    QTest::newRow("user breaks a waiting line") << lines << Edit{2000, 0, "\n"} << lines;
    QTest::newRow("user joins waiting lines") << lines << Edit{2000, 200, {}} << lines;
    QTest::newRow("user breaks a long line") << longLine << Edit{3000, 0, "\n"} << longLine;
}

// Whatever happened to the text between two frames, the box catches up with all of it: the end of
// the text is in view, and no line keeps the line count of text it no longer holds.
void TestReceiveLog::viewCatchesUpWithTheText() {
    QFETCH(QByteArrayList, before);
    QFETCH(Edit, edit);
    QFETCH(QByteArrayList, after);

    QPlainTextEdit log(QStringLiteral("Text1"));
    log.resize(300, 200);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    for (const QByteArray &piece : before)
        ReceiveLog::append(log, piece);
    QTextCursor user(log.document());
    user.setPosition(edit.at);
    if (edit.removed < 0)
        user.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    else
        user.setPosition(edit.at + edit.removed, QTextCursor::KeepAnchor);
    user.insertText(edit.typed);
    for (const QByteArray &piece : after)
        ReceiveLog::append(log, piece);

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
