// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemcommands.h"
#include "smspdu.h"

#include <QTest>

namespace {

QString hex(const SmsPdu::Octets &octets) {
    return QString::fromLatin1(octets.hex().data(), qsizetype(octets.hex().size()));
}

// Reads septets back out of packed user data the long way, bit by bit, so that the check does
// not share the encoder's arithmetic.
QString unpackGsm7(const QByteArray &octets, int septets) {
    QString text;
    for (int s = 0; s < septets; ++s) {
        int value = 0;
        for (int bit = 0; bit < 7; ++bit) {
            const int at = s * 7 + bit;
            if (octets[at / 8] & (1 << (at % 8)))
                value |= 1 << bit;
        }
        text += QChar(value);
    }
    return text;
}

} // namespace

class TestSmsPdu : public QObject {
    Q_OBJECT

private slots:
    void packing_data();
    void packing();
    void semiOctets_data();
    void semiOctets();
    void submit_data();
    void submit();
    void measure_data();
    void measure();
    void testMessageFields();
};

void TestSmsPdu::packing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("septets");
    QTest::addColumn<QString>("packed");

    QTest::newRow("hellohello") << "hellohello" << 10 << "E8329BFD4697D9EC37";
    QTest::newRow("hello") << "hello" << 5 << "E8329BFD06";
    QTest::newRow("seven fill whole octets") << "1234567" << 7 << "31D98C56B3DD00";
    QTest::newRow("eight fill seven octets") << "12345678" << 8 << "31D98C56B3DD70";
    QTest::newRow("extension table") << "[]" << 4 << "1BDEC607";
    QTest::newRow("euro sign, extension table beyond ASCII")
        << QStringLiteral("\u20AC") << 2 << "9B32";
    QTest::newRow("beyond ASCII") << QStringLiteral("\u00E9\u00A3\u0394") << 3 << "850004";
    QTest::newRow("empty") << "" << 0 << "";
}

void TestSmsPdu::packing() {
    QFETCH(QString, text);
    QFETCH(int, septets);
    QFETCH(QString, packed);

    const std::string utf8 = text.toStdString();
    QCOMPARE(int(SmsPdu::septetCount(utf8)), septets);
    QCOMPARE(hex(SmsPdu::packGsm7(utf8)), packed);
}

void TestSmsPdu::semiOctets_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("octets");

    QTest::newRow("odd count padded with F") << "19037029920"
                                             << "9130079229F0";
    QTest::newRow("even count") << "46708251358"
                                << "6407281553F8";
    QTest::newRow("twelve digits") << "447700900123"
                                   << "447700091032";
}

void TestSmsPdu::semiOctets() {
    QFETCH(QString, digits);
    QFETCH(QString, octets);
    QCOMPARE(hex(SmsPdu::semiOctets(digits.toStdString())), octets);
}

void TestSmsPdu::submit_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pdu");
    QTest::addColumn<int>("tpduLength");

    QTest::newRow("published vector") << "+46708251358"
                                      << "hellohello"
                                      << "0001000B916407281553F800000AE8329BFD4697D9EC37" << 22;
    QTest::newRow("national number, type 129")
        << "46708251358"
        << "hellohello"
        << "0001000B816407281553F800000AE8329BFD4697D9EC37" << 22;
}

void TestSmsPdu::submit() {
    QFETCH(QString, number);
    QFETCH(QString, text);
    QFETCH(QString, pdu);
    QFETCH(int, tpduLength);

    const SmsPdu::Octets octets = SmsPdu::submit(number.toStdString(), text.toStdString());
    QCOMPARE(hex(octets), pdu);
    QCOMPARE(int(SmsPdu::tpduLength(octets)), tpduLength);
}

void TestSmsPdu::measure_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<SmsPdu::Coding>("coding");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("fits");

    using enum SmsPdu::Coding;
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("Gr\u00FC\u00DFe \u00C4\u0394\u00A3").toUtf8() << Gsm7 << 9 << true;
    QTest::newRow("backquote") << QByteArray("`") << Ucs2 << 1 << true;
    QTest::newRow("c cedilla, only the capital is in")
        << QStringLiteral("\u00E7").toUtf8() << Ucs2 << 1 << true;
    QTest::newRow("cut-off UTF-8") << QByteArray("a\xC3") << Ucs2 << 1 << false;
    QTest::newRow("overlong UTF-8 for A") << QByteArray("\xC1\x81") << Ucs2 << 0 << false;
    QTest::newRow("UTF-8 of a lone surrogate") << QByteArray("\xED\xA0\x80") << Ucs2 << 0 << false;
    QTest::newRow("160 septets") << QByteArray(160, 'a') << Gsm7 << 160 << true;
    QTest::newRow("161 septets") << QByteArray(161, 'a') << Gsm7 << 161 << false;
    QTest::newRow("159 and a euro sign")
        << QByteArray(159, 'a') + "\xE2\x82\xAC" << Gsm7 << 161 << false;
    QTest::newRow("70 units in UCS2") << QByteArray(69, 'a') + "`" << Ucs2 << 70 << true;
    QTest::newRow("69 and an emoji, two units")
        << QByteArray(68, 'a') + "`\xF0\x9F\x98\x80" << Ucs2 << 71 << false;
}

void TestSmsPdu::measure() {
    QFETCH(QByteArray, utf8);
    const SmsPdu::TextSize size = SmsPdu::measure(std::string_view(utf8.constData(), utf8.size()));
    QTEST(size.coding, "coding");
    QTEST(int(size.length), "length");
    QTEST(size.fits(), "fits");
}

void TestSmsPdu::testMessageFields() {
    const QByteArray written = ModemCommands::sendTestMessage.bytes();
    QCOMPARE(written.size(), 53);
    QCOMPARE(written.back(), '\x1A');
    const QByteArray digits = written.chopped(1);
    for (char c : digits)
        QVERIFY2(QByteArrayView("0123456789ABCDEF").contains(c), digits.constData());
    const QByteArray pdu = QByteArray::fromHex(digits);
    QCOMPARE(pdu.size(), 26);

    QCOMPARE(quint8(pdu[0]), quint8(0x00)); // the modem's own service centre
    QCOMPARE(quint8(pdu[1]), quint8(0x01)); // SMS-SUBMIT, no validity period, nothing else
    QCOMPARE(quint8(pdu[2]), quint8(0x00)); // message reference
    QCOMPARE(quint8(pdu[3]), quint8(12));   // destination digits
    QCOMPARE(quint8(pdu[4]), quint8(0x91)); // international, telephone numbering plan
    QString destination;
    for (int i = 5; i < 11; ++i)
        destination += QString::number(pdu[i] & 0x0F) + QString::number((pdu[i] >> 4) & 0x0F);
    QCOMPARE(destination, QStringLiteral("447700900123"));
    QCOMPARE(quint8(pdu[11]), quint8(0x00)); // protocol identifier
    QCOMPARE(quint8(pdu[12]), quint8(0x00)); // GSM 7-bit default alphabet
    QCOMPARE(quint8(pdu[13]), quint8(13));   // characters
    const QString text = unpackGsm7(pdu.mid(14), 13);
    QCOMPARE(text, QStringLiteral("modempad test"));
    // AT+CMGS announces the octets after the service-centre part.
    QCOMPARE(ModemCommands::announcePdu.bytes(),
             "AT+CMGS=" + QByteArray::number(pdu.size() - 1) + "\r\n");
}

QTEST_GUILESS_MAIN(TestSmsPdu)
#include "tst_smspdu.moc"
