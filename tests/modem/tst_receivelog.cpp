#include "receivelog.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

class TestReceiveLog : public QObject {
    Q_OBJECT

private slots:
    void bytesAsText_data();
    void bytesAsText();
    void everyByteValueIsVisibleAndDistinct();
    void appendAddsABlankAndTheData_data();
    void appendAddsABlankAndTheData();
    void appendLeavesTheUsersCursorAlone();
    void viewFollowsTheEndUnlessScrolledBack();
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

    bar->setValue(0);
    ReceiveLog::append(log, "\r\nOK");
    QCOMPARE(bar->value(), 0);
}

QTEST_MAIN(TestReceiveLog)
#include "tst_receivelog.moc"
