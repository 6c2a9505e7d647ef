// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linewriter.h"
#include "logpieces.h"
#include "windowonline.h"

#include <QTest>

#include <algorithm>

// Whatever the line carries reaches the log through the whole window, each byte as docs/design.md
// says it is shown, none lost, reordered or merged.
class TestReceivedBytes : public QObject {
    Q_OBJECT

private slots:
    void shownInFull_data();
    void shownInFull();
};

void TestReceivedBytes::shownInFull_data() {
    QTest::addColumn<QByteArray>("sent");

    QByteArray ascending;
    for (int byte = 0; byte < 256; ++byte)
        ascending.append(char(byte));
    QByteArray descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QTest::newRow("all 256 values, ascending") << ascending;
    QTest::newRow("all 256 values, descending") << descending;
    QTest::newRow("NUL runs") << QByteArray(4096, '\0') + "OK" + QByteArray(3, '\0') + "\r\n" +
                                     QByteArray(1, '\0');
    QTest::newRow("invalid UTF-8")
        << QByteArray("\xC0\x80 \xED\xA0\x80 \xF8\x88\x80\x80\x80 \x80\xBF \xE2\x82 \xFF\xFE\r\n");
    QTest::newRow("line ends of every kind") << QByteArray("a\r\nb\rc\nd\n\re\r\r\n\nf\r\n\r\n");

    // A megabyte with no break: every other byte value, over and over.
    QByteArray noBreak;
    noBreak.reserve(1 << 20);
    for (int i = 0; noBreak.size() < (1 << 20); ++i) {
        const char byte = char(i % 256);
        if (byte != '\r' && byte != '\n')
            noBreak.append(byte);
    }
    QTest::newRow("a megabyte with no line break") << noBreak;
}

void TestReceivedBytes::shownInFull() {
    QFETCH(QByteArray, sent);

    WindowOnLine window;
    QVERIFY2(window.modem.isOpen(), qPrintable(window.modem.errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    window.press(QStringLiteral("Connect"));
    LogPieces pieces(*window.log, *window.comm);
    const qsizetype expected = pieces.shownLength(sent);
    const LineWriter writer(window.modem, sent);
    QTRY_VERIFY_WITH_TIMEOUT(pieces.shownLength() >= expected, 60000);
    QTRY_VERIFY(writer.isDone());
    QVERIFY(writer.succeeded());
    // Anything more than was sent would be a fault too.
    QTest::qWait(100);

    QVERIFY(window.log->toPlainText().startsWith(QLatin1String("Text1 ")));
    // The length can be reached with a piece still on its way, when a CR LF split between two
    // pieces shows as two line breaks.
    QTRY_COMPARE(pieces.firstMismatch(sent), -1);
}

QTEST_MAIN(TestReceivedBytes)
#include "tst_receivedbytes.moc"
