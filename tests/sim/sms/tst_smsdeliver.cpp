// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "concatenation.h"
#include "smsdeliver.h"

#include <QTest>

Q_DECLARE_METATYPE(SmsCoding)

class TestSmsDeliver : public QObject {
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void splits_data();
    void splits();
};

void TestSmsDeliver::encodes_data() {
    QTest::addColumn<QString>("originator");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("pdu");

    // The SMS-DELIVER that public tutorials quote from TS 23.040: from 8 digits, "hellohello".
    QTest::newRow("tutorial example")
        << "27838890001" << 0xC8 << QByteArray() << "hellohello"
        << QByteArray("07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37");
    // The user data of the decoder's SMS-SUBMIT example, one fill bit after the header.
    QTest::newRow("text after a header")
        << "27838890001" << 0xC8 << QByteArray::fromHex("0003CC0201") << "hello"
        << QByteArray(
               "07917283010010F5440BC87238880900F10000993092516195800C050003CC0201D06536FB0D");
}

void TestSmsDeliver::encodes() {
    QFETCH(QString, originator);
    QFETCH(int, type);
    QFETCH(QByteArray, header);
    QFETCH(QString, text);

    SmsDeliver message;
    message.serviceCentre = QStringLiteral("+27381000015");
    message.originator = originator;
    message.originatorType = type;
    message.timestamp = QDateTime(QDate(1999, 3, 29), QTime(15, 16, 59), Qt::OffsetFromUTC, 7200);
    message.userDataHeader = header;
    message.text = text;
    QTEST(encodeSmsDeliver(message), "pdu");
}

void TestSmsDeliver::splits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<SmsCoding>("coding");
    QTest::addColumn<QList<int>>("partSizes");

    const QString grin = QString::fromUtf16(u"\U0001F600");
    QTest::newRow("160 GSM characters")
        << QString(160, u'a') << SmsCoding::Gsm7Bit << QList<int>{160};
    QTest::newRow("161 GSM characters")
        << QString(161, u'a') << SmsCoding::Gsm7Bit << QList<int>{153, 8};
    QTest::newRow("an escape pair is not split")
        << QString(152, u'a') + QString(9, u'€') << SmsCoding::Gsm7Bit << QList<int>{152, 9};
    QTest::newRow("70 UCS2 characters") << QString(70, u'ж') << SmsCoding::Ucs2 << QList<int>{70};
    QTest::newRow("71 UCS2 characters")
        << QString(71, u'ж') << SmsCoding::Ucs2 << QList<int>{67, 4};
    QTest::newRow("a surrogate pair is not split")
        << QString(66, u'ж') + grin + grin + grin << SmsCoding::Ucs2 << QList<int>{66, 6};
}

// Each part but a message's only one carries a concatenation header, and the parts rejoin.
void TestSmsDeliver::splits() {
    QFETCH(QString, text);
    QFETCH(QList<int>, partSizes);

    const QList<Concatenation::Segment> parts = Concatenation::split(text, 7);
    QList<int> sizes;
    QString joined;
    Concatenation reassembly;
    std::optional<QString> whole;
    for (const Concatenation::Segment &part : parts) {
        QTEST(part.coding, "coding");
        sizes.append(int(part.text.size()));
        joined += part.text;
        whole = reassembly.add(QStringLiteral("+447700900456"), part.header, part.text);
    }
    QCOMPARE(sizes, partSizes);
    QCOMPARE(joined, text);
    QCOMPARE(whole, parts.size() > 1 ? std::optional(text) : std::nullopt);
}

QTEST_APPLESS_MAIN(TestSmsDeliver)
#include "tst_smsdeliver.moc"
