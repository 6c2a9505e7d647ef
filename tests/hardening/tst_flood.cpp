// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linewriter.h"
#include "logpieces.h"
#include "windowonline.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>

// 8 MiB of modem lines pushed through the line as fast as it carries them, while the window is
// up: the log keeps every byte in order, and the window keeps answering.
class TestFlood : public QObject {
    Q_OBJECT

private slots:
    void everyByteKept();
};

namespace {

// 64-byte lines, each numbered, as a chatty modem would send them.
QByteArray modemLines(qsizetype size) {
    QByteArray lines;
    lines.reserve(size);
    for (int n = 0; lines.size() < size; ++n)
        lines += QByteArray::number(n).rightJustified(10, '0') + " +CSQ: 31,99 " +
                 QByteArray(39, char('a' + n % 26)) + "\r\n";
    lines.truncate(size);
    return lines;
}

} // namespace

void TestFlood::everyByteKept() {
    const QByteArray sent = modemLines(8 << 20);
    WindowOnLine window;
    QVERIFY2(window.modem.isOpen(), qPrintable(window.modem.errorString()));
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    window.press(QStringLiteral("Connect"));
    LogPieces pieces(*window.log, *window.comm);

    // Every 10 ms a zero-delay timer is queued; how long the longest of them waits is how long
    // the window could not have answered a click.
    qint64 longestWait = 0;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        QElapsedTimer queued;
        queued.start();
        QTimer::singleShot(0, this, [&longestWait, queued] {
            longestWait = std::max(longestWait, queued.elapsed());
        });
    });
    probe.start(10);

    QElapsedTimer flood;
    flood.start();
    const LineWriter writer(window.modem, sent);
    const qsizetype expected = pieces.shownLength(sent);
    QTRY_VERIFY_WITH_TIMEOUT(pieces.shownLength() >= expected, 240000);
    probe.stop();
    qInfo("8 MiB in %lld ms in %lld pieces; the longest a zero-delay timer waited: %lld ms",
          flood.elapsed(), pieces.count(), longestWait);

    QTRY_VERIFY(writer.isDone());
    QVERIFY(writer.succeeded());
    // The length above can be reached with the last piece still on its way: a CR LF that two
    // pieces split shows as two line breaks, some 40 in a flood this size. Only the text itself
    // says that the last piece is in.
    QTRY_COMPARE(pieces.firstMismatch(sent), -1);
    // Not a timing goal: only that the window never stopped answering for long.
    QVERIFY2(longestWait < 2000, qPrintable(QString::number(longestWait)));
}

QTEST_MAIN(TestFlood)
#include "tst_flood.moc"
