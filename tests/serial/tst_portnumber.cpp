// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commerror.h"
#include "portnumber.h"
#include "thrownby.h"

#include <QTest>

class TestPortNumber : public QObject {
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
};

void TestPortNumber::conversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("error");

    QTest::newRow("plain") << "5" << 5 << 0;
    QTest::newRow("blanks around") << " \t3 " << 3 << 0;
    QTest::newRow("plus sign") << "+7" << 7 << 0;
    QTest::newRow("minus sign") << "-1" << -1 << 0;
    QTest::newRow("leading zeros") << "007" << 7 << 0;
    QTest::newRow("largest") << "32767" << 32767 << 0;
    QTest::newRow("smallest") << "-32768" << -32768 << 0;
    QTest::newRow("one past largest") << "32768" << 0 << int(CommError::PortNumberOutOfRange);
    QTest::newRow("one past smallest") << "-32769" << 0 << int(CommError::PortNumberOutOfRange);
    QTest::newRow("huge") << QString(400, u'9') << 0 << int(CommError::PortNumberOutOfRange);
    QTest::newRow("empty") << "" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("only blanks") << "   " << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("letters") << "abc" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("device name") << "COM3" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("fraction") << "5.5" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("whole fraction") << "5.0" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("exponent") << "1e1" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("hex") << "0x5" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("group separator") << "1,000" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("inner blank") << "1 2" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("two signs") << "+-1" << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("arabic-indic digit")
        << QString(QChar(0x0665)) << 0 << int(CommError::PortNumberNotNumeric);
    QTest::newRow("fullwidth digit")
        << QString(QChar(0xFF15)) << 0 << int(CommError::PortNumberNotNumeric);
}

void TestPortNumber::conversion() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(int, error);

    qint16 converted = 0;
    const LineTest::Thrown thrown =
        LineTest::thrownBy([&] { converted = portNumberFromText(text); });
    QCOMPARE(thrown.number, error);
    QCOMPARE(int(converted), number);
    if (error != 0)
        QVERIFY(thrown.description.size() < 200);
}

QTEST_GUILESS_MAIN(TestPortNumber)
#include "tst_portnumber.moc"
