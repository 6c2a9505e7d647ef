// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drivenwindow.h"
#include "linetest.h"
#include "portlock.h"
#include "pseudoterminal.h"

#include <QTest>

#include <csignal>

// Two ModemPads, one port: the second is told the port is in use and ends by the failure
// policy; the first keeps its port and every byte the modem sends.
class TestPortInUse : public QObject {
    Q_OBJECT

private slots:
    void secondWindowRefused();
    void lockGoesWithASignal_data();
    void lockGoesWithASignal();
};

void TestPortInUse::secondWindowRefused() {
    PseudoTerminal line;
    QVERIFY2(line.isOpen(), qPrintable(line.errorString()));
    DrivenWindow first(5, line.devicePath());
    QVERIFY(first.isReady());
    first.command("click Connect", "clicked");
    QCOMPARE(first.command("open", "open "), "open 1");

    DrivenWindow second(5, line.devicePath());
    QVERIFY(second.isReady());
    second.command("click Connect", "box ");
    QVERIFY2(second.boxText().startsWith(QLatin1String("Error 5")), qPrintable(second.boxText()));
    QVERIFY(second.boxText().contains(QLatin1String("in use")));
    QVERIFY(second.boxText().contains(line.devicePath()));
    QCOMPARE(second.exitStatus(), 1);

    // The second one, leaving, must not have taken the first one's lock with it.
    QCOMPARE(PortLock::holder(line.devicePath()), first.processId());
    QCOMPARE(first.command("open", "open "), "open 1");
    QVERIFY(line.write("\r\n+CMTI: \"SM\",3\r\n"));
    QTRY_VERIFY(first.logText().endsWith(QLatin1String(" \n+CMTI: \"SM\",3\n")));
    first.command("click Command1", "clicked");
    QCOMPARE(LineTest::readBytes(line, 11), QByteArray("AT+cmgf=0\r\n"));

    first.send("quit");
    const qint64 firstProcess = first.processId();
    QCOMPARE(first.exitStatus(), 0);
    QVERIFY(PortLock::holder(line.devicePath()) != firstProcess);
}

void TestPortInUse::lockGoesWithASignal_data() {
    QTest::addColumn<int>("signal");

    QTest::newRow("SIGTERM, a kill") << int(SIGTERM);
    QTest::newRow("SIGHUP, a logout") << int(SIGHUP);
    QTest::newRow("SIGINT, Ctrl-C") << int(SIGINT);
}

// Killed, the window closes as a user closes it: the lock goes with it, and no other user is
// shut out by a lock nobody holds.
void TestPortInUse::lockGoesWithASignal() {
    QFETCH(int, signal);
    PseudoTerminal line;
    DrivenWindow window(5, line.devicePath());
    QVERIFY(window.isReady());
    window.command("click Connect", "clicked");
    const qint64 process = window.processId();
    QCOMPARE(PortLock::holder(line.devicePath()), process);

    QCOMPARE(::kill(pid_t(process), signal), 0);
    QCOMPARE(window.exitStatus(), 0);
    QVERIFY(PortLock::holder(line.devicePath()) != process);
}

QTEST_GUILESS_MAIN(TestPortInUse)
#include "tst_portinuse.moc"
