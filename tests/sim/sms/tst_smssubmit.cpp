// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smssubmit.h"

#include <QTest>

using namespace std::chrono_literals;
using Coding = SmsSubmit::Coding;
using ValidityFormat = SmsSubmit::ValidityFormat;

Q_DECLARE_METATYPE(Coding)
Q_DECLARE_METATYPE(ValidityFormat)
Q_DECLARE_METATYPE(CmsError)

class TestSmsSubmit : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void readsValidityPeriod_data();
    void readsValidityPeriod();
    void refuses_data();
    void refuses();
    void refusesEveryTruncation_data();
    void refusesEveryTruncation();
};

void TestSmsSubmit::decodes_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("type");
    QTest::addColumn<Coding>("coding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("header");

    QTest::newRow("hellohello") << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC37")
                                << 22 << "+46708251358" << 145 << Coding::Gsm7Bit << "hellohello"
                                << QByteArray() << QByteArray();
    QTest::newRow("five capital deltas")
        << QByteArray("0001000B915155661632F400001954747A0E4ACF41F27298CDCE83C6EF371B0481402010")
        << 35 << "+15556661234" << 145 << Coding::Gsm7Bit
        << QString::fromUtf16(u"This is really cool \u0394\u0394\u0394\u0394\u0394") << QByteArray()
        << QByteArray();
    QTest::newRow("relative validity period")
        << QByteArray("0011000B916407281553F80000AA0AE8329BFD4697D9EC37") << 23 << "+46708251358"
        << 145 << Coding::Gsm7Bit << "hellohello" << QByteArray() << QByteArray();
    QTest::newRow("ModemPad's test message")
        << QByteArray("0001000C9144770009103200000DED37B9DC8687C9207A794E07") << 25
        << "+447700900123" << 145 << Coding::Gsm7Bit << "modempad test" << QByteArray()
        << QByteArray();
    QTest::newRow("extension table")
        << QByteArray("0001000B916407281553F80000041BDEC607") << 17 << "+46708251358" << 145
        << Coding::Gsm7Bit << "[]" << QByteArray() << QByteArray();
    QTest::newRow("seven digits fill the last octet")
        << QByteArray("0001000B916407281553F800000731D98C56B3DD00") << 20 << "+46708251358" << 145
        << Coding::Gsm7Bit << "1234567" << QByteArray() << QByteArray();
    QTest::newRow("service centre given")
        << QByteArray("07919107739667F901000B916407281553F800000AE8329BFD4697D9EC37") << 22
        << "+46708251358" << 145 << Coding::Gsm7Bit << "hellohello" << QByteArray() << QByteArray();
    QTest::newRow("national number, odd digits")
        << QByteArray("00010005811032F40004054869207468") << 15 << "01234" << 129
        << Coding::EightBit << QString() << QByteArray::fromHex("4869207468") << QByteArray();
    QTest::newRow("8-bit") << QByteArray("0001000B916407281553F80004054869206869") << 18
                           << "+46708251358" << 145 << Coding::EightBit << QString()
                           << QByteArray("Hi hi") << QByteArray();
    QTest::newRow("UCS2") << QByteArray("0001000B916407281553F80008060048006920AC") << 19
                          << "+46708251358" << 145 << Coding::Ucs2
                          << QString::fromUtf16(u"Hi\u20AC") << QByteArray() << QByteArray();
    QTest::newRow("UCS2 by message waiting group")
        << QByteArray("0001000B916407281553F800E8020048") << 15 << "+46708251358" << 145
        << Coding::Ucs2 << "H" << QByteArray() << QByteArray();
    QTest::newRow("7-bit after a header, with fill bit")
        << QByteArray("0041000B916407281553F800000C050003CC0201D06536FB0D") << 24 << "+46708251358"
        << 145 << Coding::Gsm7Bit << "hello" << QByteArray() << QByteArray::fromHex("0003CC0201");
    QTest::newRow("8-bit after a header")
        << QByteArray("0041000B916407281553F8000408050003CC02024869") << 21 << "+46708251358" << 145
        << Coding::EightBit << QString() << QByteArray("Hi") << QByteArray::fromHex("0003CC0202");
    QTest::newRow("alphanumeric destination")
        << QByteArray("0001000AD0C8329BFD0600000141") << 13 << "Hello" << 0xD0 << Coding::Gsm7Bit
        << "A" << QByteArray() << QByteArray();
}

void TestSmsSubmit::decodes() {
    QFETCH(QByteArray, hex);
    QFETCH(int, length);

    const SmsSubmitDecoding decoding = decodeSmsSubmit(hex, length);
    QVERIFY2(!decoding.error, QByteArray::number(int(decoding.error.value_or(CmsError{}))));
    const SmsSubmit &message = decoding.message;
    QTEST(message.destination, "destination");
    QTEST(message.destinationType, "type");
    QTEST(message.coding, "coding");
    QTEST(message.text, "text");
    QTEST(message.data, "data");
    QTEST(message.userDataHeader, "header");
}

void TestSmsSubmit::readsValidityPeriod_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("length");
    QTest::addColumn<ValidityFormat>("format");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QDateTime>("until");

    const auto minutes = [](qint64 count) { return count * 60; };
    QTest::newRow("none") << QByteArray("0001000B916407281553F800000141") << 14
                          << ValidityFormat::None << qint64(0) << QDateTime();
    QTest::newRow("relative, 4 days")
        << QByteArray("0011000B916407281553F80000AA0141") << 15 << ValidityFormat::Relative
        << qint64(4 * 24 * 3600) << QDateTime();
    QTest::newRow("relative, 5 minutes") << QByteArray("0011000B916407281553F80000000141") << 15
                                         << ValidityFormat::Relative << minutes(5) << QDateTime();
    QTest::newRow("relative, 12 hours 30 minutes")
        << QByteArray("0011000B916407281553F80000900141") << 15 << ValidityFormat::Relative
        << minutes(12 * 60 + 30) << QDateTime();
    QTest::newRow("relative, 63 weeks")
        << QByteArray("0011000B916407281553F80000FF0141") << 15 << ValidityFormat::Relative
        << qint64(63 * 7 * 24 * 3600) << QDateTime();
    QTest::newRow("enhanced, relative octet")
        << QByteArray("0009000B916407281553F8000001A700000000000141") << 21
        << ValidityFormat::Enhanced << minutes(24 * 60) << QDateTime();
    QTest::newRow("enhanced, seconds")
        << QByteArray("0009000B916407281553F80000023C00000000000141") << 21
        << ValidityFormat::Enhanced << qint64(60) << QDateTime();
    QTest::newRow("enhanced, saying there is none")
        << QByteArray("0009000B916407281553F80000000000000000000141") << 21 << ValidityFormat::None
        << qint64(0) << QDateTime();
    QTest::newRow("enhanced, hh mm ss")
        << QByteArray("0009000B916407281553F80000031032540000000141") << 21
        << ValidityFormat::Enhanced << qint64(3600 + 23 * 60 + 45) << QDateTime();
    QTest::newRow("absolute, ahead of UTC")
        << QByteArray("0019000B916407281553F80000622180510300400141") << 21
        << ValidityFormat::Absolute << qint64(0)
        << QDateTime(QDate(2026, 12, 8), QTime(15, 30), Qt::OffsetFromUTC, 3600);
    QTest::newRow("absolute, behind UTC")
        << QByteArray("0019000B916407281553F800006221805103000A0141") << 21
        << ValidityFormat::Absolute << qint64(0)
        << QDateTime(QDate(2026, 12, 8), QTime(15, 30), Qt::OffsetFromUTC, -5 * 3600);
}

void TestSmsSubmit::readsValidityPeriod() {
    QFETCH(QByteArray, hex);
    QFETCH(int, length);
    QFETCH(QDateTime, until);

    const SmsSubmitDecoding decoding = decodeSmsSubmit(hex, length);
    QVERIFY(!decoding.error);
    QTEST(decoding.message.validityFormat, "format");
    QTEST(qint64(decoding.message.validityPeriod.count()), "seconds");
    QCOMPARE(decoding.message.validUntil, until);
    if (until.isValid())
        QCOMPARE(decoding.message.validUntil.offsetFromUtc(), until.offsetFromUtc());
    QCOMPARE(decoding.message.text, QStringLiteral("A"));
}

void TestSmsSubmit::refuses_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("length");
    QTest::addColumn<CmsError>("error");

    const CmsError invalid = CmsError::InvalidPduParameter;
    QTest::newRow("nothing") << QByteArray() << 0 << invalid;
    QTest::newRow("odd hex digit count")
        << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC3") << 22 << invalid;
    QTest::newRow("non-hex digit")
        << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC3G") << 22 << invalid;
    QTest::newRow("blank between octets")
        << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC 37") << 22 << invalid;
    QTest::newRow("length one short")
        << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC37") << 21 << invalid;
    QTest::newRow("length one long")
        << QByteArray("0001000B916407281553F800000AE8329BFD4697D9EC37") << 23 << invalid;
    QTest::newRow("truncated address") << QByteArray("0001000B91640728") << 7 << invalid;
    QTest::newRow("truncated service centre") << QByteArray("07919107") << 0 << invalid;
    QTest::newRow("address over 20 digits")
        << QByteArray("000100159164072815536407281553640728155300000141") << 23 << invalid;
    QTest::newRow("user data longer than its length")
        << QByteArray("0001000B916407281553F80000014141") << 15 << invalid;
    QTest::newRow("user data shorter than its length")
        << QByteArray("0001000B916407281553F80000034141") << 15 << invalid;
    QTest::newRow("161 septets") << "0001000B916407281553F80000A1" + QByteArray(2 * 141, 'A')
                                 << 13 + 141 << invalid;
    QTest::newRow("141 octets of 8-bit data")
        << "0001000B916407281553F800048D" + QByteArray(2 * 141, 'A') << 13 + 141 << invalid;
    QTest::newRow("header longer than the user data")
        << QByteArray("0041000B916407281553F800040205AA") << 15 << invalid;
    QTest::newRow("header element overruns the header")
        << QByteArray("0041000B916407281553F8000405040005CC02") << 18 << invalid;
    QTest::newRow("UCS2 with an odd octet")
        << QByteArray("0001000B916407281553F8000803004800") << 16 << invalid;
    QTest::newRow("an SMS-DELIVER")
        << QByteArray("07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37")
        << 28 << CmsError::TpduNotSupported;
    QTest::newRow("compressed text") << QByteArray("0001000B916407281553F800200141") << 14
                                     << CmsError::DataCodingSchemeNotSupported;
    QTest::newRow("absolute period in month 13")
        << QByteArray("0019000B916407281553F80000623180510300400141") << 21
        << CmsError::ValidityPeriodNotSupported;
    QTest::newRow("enhanced period of a reserved form")
        << QByteArray("0009000B916407281553F80000070000000000000141") << 21
        << CmsError::ValidityPeriodNotSupported;
}

void TestSmsSubmit::refuses() {
    QFETCH(QByteArray, hex);
    QFETCH(int, length);

    QTEST(decodeSmsSubmit(hex, length).error.value_or(CmsError{}), "error");
}

void TestSmsSubmit::refusesEveryTruncation_data() {
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("header and 7-bit")
        << QByteArray("0041000B916407281553F800000C050003CC0201D06536FB0D");
    QTest::newRow("service centre and relative period")
        << QByteArray("07919107739667F911000B916407281553F80000AA0AE8329BFD4697D9EC37");
    QTest::newRow("absolute period and UCS2")
        << QByteArray("0019000B916407281553F8000862218051030040060048006920AC");
}

// Every cut of a good PDU, announced with the length it has: decoding must refuse it, not
// read past the end.
void TestSmsSubmit::refusesEveryTruncation() {
    QFETCH(QByteArray, hex);

    const int centre = hex.left(2).toInt(nullptr, 16);
    QVERIFY(!decodeSmsSubmit(hex, hex.size() / 2 - 1 - centre).error);
    for (qsizetype cut = 2 + 2 * centre; cut < hex.size(); cut += 2) {
        const QByteArray cutPdu = hex.left(cut);
        QVERIFY2(decodeSmsSubmit(cutPdu, int(cutPdu.size() / 2 - 1 - centre)).error, cutPdu);
    }
}

QTEST_APPLESS_MAIN(TestSmsSubmit)
#include "tst_smssubmit.moc"
