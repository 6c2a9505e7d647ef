// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "commerror.h"
#include "linetest.h"
#include "pseudoterminal.h"
#include "thrownby.h"

#include <QSignalSpy>
#include <QTest>

using LineTest::thrownBy;

namespace {

// The far end of port 1, as the modem sees the line.
struct Line {
    PseudoTerminal far;
    CommControl comm;

    Line() { comm.mapPort(1, far.devicePath()); }

    void open(const QString &settings = QStringLiteral("2400,n,8,1")) {
        comm.setCommPort(1);
        comm.setSettings(settings);
        comm.setHandshaking(CommControl::comRTS);
        comm.setRTSEnable(true);
        comm.setDTREnable(true);
        comm.setRThreshold(1);
        comm.setSThreshold(1);
        comm.setInputMode(CommControl::comInputModeBinary);
        comm.setPortOpen(true);
    }
};

QByteArray allByteValues() {
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class TestCommControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lineSettings_data();
    void lineSettings();
    void badSettings_data();
    void badSettings();
    void portNumbers_data();
    void portNumbers();
    void misuse_data();
    void misuse();
    void openIsExclusive();
    void closingAClosedPortDoesNothing();
    void bytesPassUnaltered();
    void inputLenLimitsARead();
    void notificationsTellTheirKind();
    void lostDeviceClosesThePort();
};

void TestCommControl::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("Every case here needs a pseudo-terminal at the far end of the line, and this "
              "system has none.");
}

void TestCommControl::lineSettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("handshaking");
    QTest::addColumn<bool>("setBeforeOpen");
    QTest::addColumn<int>("baud");
    QTest::addColumn<bool>("twoStopBits");
    QTest::addColumn<bool>("rtsCts");

    const int rts = CommControl::comRTS;
    const int none = CommControl::comNone;
    QTest::newRow("modem line") << "2400,n,8,1" << rts << true << 2400 << false << true;
    QTest::newRow("set while open") << "2400,N,8,1" << rts << false << 2400 << false << true;
    QTest::newRow("no flow control") << "2400,n,8,1" << none << true << 2400 << false << false;
    QTest::newRow("faster, two stop bits") << "9600,n,8,2" << rts << true << 9600 << true << true;
    QTest::newRow("blanks in the string")
        << " 4800 , n , 8 , 1 " << none << false << 4800 << false << false;
}

void TestCommControl::lineSettings() {
    QFETCH(QString, settings);
    QFETCH(int, handshaking);
    QFETCH(bool, setBeforeOpen);
    QFETCH(int, baud);
    QFETCH(bool, twoStopBits);
    QFETCH(bool, rtsCts);

    Line line;
    line.comm.setCommPort(1);
    if (setBeforeOpen) {
        line.comm.setSettings(settings);
        line.comm.setHandshaking(CommControl::Handshaking(handshaking));
    }
    line.comm.setPortOpen(true);
    if (!setBeforeOpen) {
        line.comm.setSettings(settings);
        line.comm.setHandshaking(CommControl::Handshaking(handshaking));
    }

    const PseudoTerminal::LineSettings seen = line.far.lineSettings();
    QCOMPARE(seen.baudRate, baud);
    QCOMPARE(seen.dataBits, 8);
    QCOMPARE(seen.parity, false);
    QCOMPARE(seen.twoStopBits, twoStopBits);
    QCOMPARE(seen.rtsCts, rtsCts);
}

void TestCommControl::badSettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("error");

    const int invalid = CommError::InvalidSettings;
    QTest::newRow("empty") << "" << false << invalid;
    QTest::newRow("baud only") << "2400" << false << invalid;
    QTest::newRow("five fields") << "2400,n,8,1,1" << false << invalid;
    QTest::newRow("baud not a number") << "fast,n,8,1" << false << invalid;
    QTest::newRow("zero baud") << "0,n,8,1" << false << invalid;
    QTest::newRow("unknown parity") << "2400,x,8,1" << false << invalid;
    QTest::newRow("nine data bits") << "2400,n,9,1" << false << invalid;
    QTest::newRow("three stop bits") << "2400,n,8,3" << false << invalid;
    // A pseudo-terminal only carries 8 data bits without parity, as a device may refuse a mode.
    QTest::newRow("refused by the device")
        << "2400,e,7,1" << true << int(CommError::SettingRefused);
}

void TestCommControl::badSettings() {
    QFETCH(QString, settings);
    QFETCH(bool, open);
    QFETCH(int, error);

    Line line;
    if (open)
        line.open();
    const LineTest::Thrown thrown = thrownBy([&] { line.comm.setSettings(settings); });
    QCOMPARE(thrown.number, error);
    QVERIFY(thrown.description.contains(settings));
}

void TestCommControl::portNumbers_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("error");

    QTest::newRow("zero") << 0 << QString() << int(CommError::InvalidPortNumber);
    QTest::newRow("negative") << -3 << QString() << int(CommError::InvalidPortNumber);
    QTest::newRow("nothing behind it") << 32000 << QString() << int(CommError::NoSuchPort);
    QTest::newRow("device gone") << 2 << "/dev/modempad-no-such-device"
                                 << int(CommError::NoSuchPort);
}

void TestCommControl::portNumbers() {
    QFETCH(int, number);
    QFETCH(QString, device);
    QFETCH(int, error);

    Line line;
    if (!device.isEmpty())
        line.comm.mapPort(qint16(number), device);
    const LineTest::Thrown thrown = thrownBy([&] {
        line.comm.setCommPort(qint16(number));
        line.comm.setPortOpen(true);
    });
    QCOMPARE(thrown.number, error);
    QVERIFY(!line.comm.portOpen());
    // Whoever mistyped the number is told which ones there are.
    QVERIFY2(thrown.description.contains(QStringLiteral("1 = ") + line.far.devicePath()),
             qPrintable(thrown.description));
}

void TestCommControl::misuse_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("error");
    QTest::addColumn<std::function<void(CommControl &)>>("call");

    const int notOpen = CommError::PortNotOpen;
    const int alreadyOpen = CommError::PortAlreadyOpen;
    using Call = std::function<void(CommControl &)>;
    QTest::newRow("write before open")
        << false << notOpen << Call([](CommControl &c) { c.setOutput("AT\r"); });
    QTest::newRow("read before open")
        << false << notOpen << Call([](CommControl &c) { c.input(); });
    QTest::newRow("open twice") << true << alreadyOpen
                                << Call([](CommControl &c) { c.setPortOpen(true); });
    QTest::newRow("change port while open")
        << true << alreadyOpen << Call([](CommControl &c) { c.setCommPort(2); });
}

void TestCommControl::misuse() {
    QFETCH(bool, open);
    QFETCH(int, error);
    QFETCH(std::function<void(CommControl &)>, call);

    Line line;
    if (open)
        line.open();
    QCOMPARE(thrownBy([&] { call(line.comm); }).number, error);
    QCOMPARE(line.comm.portOpen(), open);
}

void TestCommControl::openIsExclusive() {
    Line line;
    line.open();
    CommControl other;
    other.mapPort(1, line.far.devicePath());
    const LineTest::Thrown thrown = thrownBy([&] { other.setPortOpen(true); });
    QCOMPARE(thrown.number, int(CommError::PortInUse));
    QVERIFY(thrown.description.contains(line.far.devicePath()));

    // The first holder keeps its line.
    line.comm.setOutput("AT\r");
    QCOMPARE(LineTest::readBytes(line.far, 3), QByteArray("AT\r"));

    line.comm.setPortOpen(false);
    other.setPortOpen(true);
    QVERIFY(other.portOpen());
}

void TestCommControl::closingAClosedPortDoesNothing() {
    Line line;
    QCOMPARE(thrownBy([&] { line.comm.setPortOpen(false); }).number, 0);
    line.open();
    line.comm.setPortOpen(false);
    QCOMPARE(thrownBy([&] { line.comm.setPortOpen(false); }).number, 0);
    QVERIFY(!line.comm.portOpen());
}

void TestCommControl::bytesPassUnaltered() {
    Line line;
    line.open();
    const QByteArray bytes = allByteValues();

    line.comm.setOutput(bytes);
    QCOMPARE(LineTest::readBytes(line.far, bytes.size()), bytes);

    QVERIFY(line.far.write(bytes));
    QByteArray received;
    QTRY_VERIFY((received += line.comm.input()).size() >= bytes.size());
    QCOMPARE(received, bytes);
    QCOMPARE(line.comm.input(), QByteArray());
}

void TestCommControl::inputLenLimitsARead() {
    Line line;
    line.open();
    line.comm.setInputLen(4);
    QSignalSpy arrived(&line.comm, &CommControl::OnComm);
    QVERIFY(line.far.write("0123456789"));
    QTRY_VERIFY(!arrived.isEmpty());
    QCOMPARE(line.comm.input(), QByteArray("0123"));
    QCOMPARE(line.comm.input(), QByteArray("4567"));
    line.comm.setInputLen(0);
    QCOMPARE(line.comm.input(), QByteArray("89"));
}

void TestCommControl::notificationsTellTheirKind() {
    Line line;
    line.open();
    QList<qint16> kinds;
    connect(&line.comm, &CommControl::OnComm, this, [&] { kinds << line.comm.commEvent(); });

    line.comm.setOutput("AT\r");
    QTRY_COMPARE(kinds, QList<qint16>{CommControl::comEvSend});
    QVERIFY(line.far.write("OK"));
    QTRY_COMPARE(kinds.size(), 2);
    QCOMPARE(kinds.last(), qint16(CommControl::comEvReceive));

    // Below the thresholds, or with them at 0, nothing is reported.
    line.comm.input();
    line.comm.setRThreshold(0);
    line.comm.setSThreshold(0);
    line.comm.setOutput("AT\r");
    QVERIFY(line.far.write("OK"));
    QTest::qWait(200);
    QCOMPARE(kinds.size(), 2);
    QCOMPARE(line.comm.commEvent(), qint16(0));
}

void TestCommControl::lostDeviceClosesThePort() {
    Line line;
    line.open();
    QList<qint16> kinds;
    connect(&line.comm, &CommControl::OnComm, this, [&] { kinds << line.comm.commEvent(); });

    line.far.close();
    QTRY_VERIFY(!line.comm.portOpen());
    QCOMPARE(kinds, QList<qint16>{CommControl::comEventDeviceLost});
    QTest::qWait(100);
    QCOMPARE(kinds.size(), 1);

    const LineTest::Thrown thrown = thrownBy([&] { line.comm.setOutput("AT\r"); });
    QCOMPARE(thrown.number, int(CommError::DeviceLost));
    QVERIFY(thrown.description.contains(line.far.devicePath()));
}

QTEST_GUILESS_MAIN(TestCommControl)
#include "tst_commcontrol.moc"
