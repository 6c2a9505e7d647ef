// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drivenwindow.h"
#include "portlock.h"
#include "pseudoterminal.h"

#include <QElapsedTimer>
#include <QTest>

// The modem goes away while the window holds its port (on a pseudo-terminal: the far end hangs
// up), quietly or in the middle of a flood. The window must neither crash nor keep the lost port
// open, and the next button press must end it by the failure policy, the port released.
class TestDeviceLost : public QObject {
    Q_OBJECT

private slots:
    void farEndHangsUp_data();
    void farEndHangsUp();
};

void TestDeviceLost::farEndHangsUp_data() {
    QTest::addColumn<bool>("flooding");
    QTest::newRow("mid-session") << false;
    QTest::newRow("mid-flood") << true;
}

void TestDeviceLost::farEndHangsUp() {
    QFETCH(bool, flooding);

    PseudoTerminal line;
    QVERIFY2(line.isOpen(), qPrintable(line.errorString()));
    DrivenWindow window(5, line.devicePath());
    QVERIFY(window.isReady());
    QVERIFY(!window.command("click Connect", "clicked").isEmpty());
    QCOMPARE(window.command("open", "open "), "open 1");
    const qint64 windowProcess = window.processId();
    QCOMPARE(PortLock::holder(line.devicePath()), windowProcess);

    if (flooding) {
        const QByteArray lines = QByteArray("+CSQ: 31,99\r\n").repeated(315);
        QElapsedTimer flood;
        flood.start();
        while (flood.elapsed() < 1000)
            QVERIFY(line.write(lines));
    } else {
        QVERIFY(line.write("\r\nOK\r\n"));
        QTRY_VERIFY(window.logText().contains(QLatin1String("OK")));
    }
    line.close();
    // Qt reports a vanished device again and again for as long as the port stays open, so a
    // window that kept it open would spin on the reports: it must close the port by itself.
    QTRY_COMPARE(window.command("open", "open "), QByteArray("open 0"));
    // The window shows nothing when the device goes: the next use of the port tells of it.
    QCOMPARE(window.boxText(), QString());

    window.command("click Command1", "box ");
    QVERIFY2(window.boxText().startsWith(QLatin1String("Error 11")), qPrintable(window.boxText()));
    QVERIFY(window.boxText().contains(QLatin1String("went away")));
    QVERIFY(window.boxText().contains(line.devicePath()));
    QCOMPARE(window.exitStatus(), 1);
    QVERIFY(PortLock::holder(line.devicePath()) != windowProcess);
}

QTEST_GUILESS_MAIN(TestDeviceLost)
#include "tst_devicelost.moc"
