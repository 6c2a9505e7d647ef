// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QProcess>
#include <QTest>

namespace {
constexpr int TimeoutMs = 60'000;
}

class TestDemo : public QObject {
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
};

void TestDemo::exitStatus_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("saying");

    const QByteArray mapping = "--port takes N=PATH";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QByteArray("bogus");
    QTest::newRow("mapping without path") << QStringList{"--port", "7"} << 2 << mapping;
    QTest::newRow("mapping with empty path") << QStringList{"--port", "7="} << 2 << mapping;
    QTest::newRow("port 0") << QStringList{"--port", "0=/dev/null"} << 2 << mapping;
    QTest::newRow("port past 32767") << QStringList{"--port", "32768=/dev/null"} << 2 << mapping;
    QTest::newRow("port not a number") << QStringList{"--port", "x=/dev/null"} << 2 << mapping;
    QTest::newRow("mapping to a missing device")
        << QStringList{"--port", "7=/dev/modempad-no-such-device"} << 2
        << QByteArray("there is no /dev/modempad-no-such-device");
    QTest::newRow("stray argument") << QStringList{"5"} << 2 << QByteArray("unexpected argument");
    QTest::newRow("autopilot") << QStringList{"--autopilot"} << 0
                               << QByteArray("\"modempad test\" to +447700900123 arrived intact");
    QTest::newRow("autopilot, paced")
        << QStringList{"--autopilot", "--paced"} << 0 << QByteArray("arrived intact");
    QTest::newRow("autopilot with more ports")
        << QStringList{"--autopilot", "--port", "7=/dev/null", "--port", "8=/dev/null"} << 0
        << QByteArray("arrived intact");
    QTest::newRow("autopilot, a message in UCS2 to the modem's own number comes back")
        << QStringList{"--autopilot", "--to", "+447700900999", "--text", "Привет, мир"} << 0
        << QByteArray("came back to the modem");
    QTest::newRow("autopilot with port 5 taken away")
        << QStringList{"--autopilot", "--port", "5=/dev/null"} << 2 << QByteArray("--autopilot");
}

void TestDemo::exitStatus() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, saying);
    if (arguments.contains(QStringLiteral("--autopilot")) && !PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");

    QProcess demo;
    demo.start(QStringLiteral(MODEMPAD_DEMO), arguments);
    QVERIFY(demo.waitForFinished(TimeoutMs));
    const QByteArray output = demo.readAllStandardOutput() + demo.readAllStandardError();
    QVERIFY2(output.contains(saying), output.constData());
    QTEST(demo.exitCode(), "status");
}

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
