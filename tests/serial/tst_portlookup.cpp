// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portlookup.h"

#include <QTest>

class TestPortLookup : public QObject {
    Q_OBJECT

private slots:
    void naturalOrder_data();
    void naturalOrder();
};

void TestPortLookup::naturalOrder_data() {
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("numbered");

    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("numbers compare as numbers")
        << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB0"}
        << QStringList{"/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10"};
    QTest::newRow("kinds in name order")
        << QStringList{"/dev/ttyUSB0", "/dev/ttyS1", "/dev/ttyACM1", "/dev/ttyS0", "/dev/ttyACM0"}
        << QStringList{"/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"};
    QTest::newRow("by name, not by folder") << QStringList{"/dev/ttyUSB1", "/dev/serial/ttyACM0"}
                                            << QStringList{"/dev/serial/ttyACM0", "/dev/ttyUSB1"};
}

void TestPortLookup::naturalOrder() {
    QFETCH(QStringList, devices);
    QFETCH(QStringList, numbered);

    const QMap<qint16, QString> numbering = PortLookup::numbered(devices);
    QCOMPARE(numbering.values(), numbered);
    if (!numbering.isEmpty())
        QCOMPARE(numbering.firstKey(), qint16(1));
}

QTEST_GUILESS_MAIN(TestPortLookup)
#include "tst_portlookup.moc"
