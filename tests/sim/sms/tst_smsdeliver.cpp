// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "concatenation.h"
#include "smsdeliver.h"

#include <QTest>

namespace {

// A part of message `message` (its reference), `second`s after the first part of all.
struct Part {
    int message = 0;
    int number = 0;
    int count = 0;
    int second = 0;
};

} // namespace

Q_DECLARE_METATYPE(SmsCoding)
Q_DECLARE_METATYPE(QList<Part>)

class TestSmsDeliver : public QObject {
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void splits_data();
    void splits();
    void reassembles_data();
    void reassembles();
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

void TestSmsDeliver::reassembles_data() {
    QTest::addColumn<QList<Part>>("parts");
    QTest::addColumn<int>("end");
    QTest::addColumn<QStringList>("completed");
    QTest::addColumn<QStringList>("dropped");
    // When the next message runs out of time, -1 if none waits.
    QTest::addColumn<int>("next");

    QTest::newRow("parts 4 minutes apart")
        << QList<Part>{{1, 1, 3, 0}, {1, 3, 3, 240}, {1, 2, 3, 480}} << 3600
        << QStringList{"1: 1 2 3"} << QStringList() << -1;
    QTest::newRow("a part 5 minutes late")
        << QList<Part>{{1, 1, 2, 0}, {1, 2, 2, 300}} << 3600 << QStringList()
        << QStringList{"1: 1 of 2, late", "1: 2 of 2, late"} << -1;
    QTest::newRow("one message late, another on time")
        << QList<Part>{{1, 1, 2, 0}, {2, 1, 2, 100}, {2, 2, 2, 200}} << 300 << QStringList{"2: 1 2"}
        << QStringList{"1: 1 of 2, late"} << -1;
    QList<Part> crowd;
    for (int message = 1; message <= 5; ++message) {
        for (int number = 1; number < 255; ++number)
            crowd.append({message, number, 255, message});
    }
    QTest::newRow("over 1020 parts waiting")
        << crowd << 5 << QStringList() << QStringList{"1: 254 of 255, crowded out"} << 302;
}

// Parts as a log takes them: what ran out of time is dropped first, then the part goes in.
void TestSmsDeliver::reassembles() {
    QFETCH(QList<Part>, parts);
    QFETCH(int, end);

    const Concatenation::Clock::time_point start;
    Concatenation reassembly;
    QStringList completed;
    QStringList dropped;
    const auto expire = [&](int second) {
        for (const Concatenation::Unfinished &message :
             reassembly.expire(start + std::chrono::seconds(second))) {
            const QString received = message.received.size() == 1
                                         ? QString::number(message.received.constFirst())
                                         : QString::number(message.received.size());
            dropped.append(QStringLiteral("%1: %2 of %3, %4")
                               .arg(message.reference)
                               .arg(received)
                               .arg(message.count)
                               .arg(message.crowdedOut ? "crowded out" : "late"));
        }
    };
    for (const Part &part : parts) {
        expire(part.second);
        const QByteArray header =
            QByteArray::fromHex("0003") + char(part.message) + char(part.count) + char(part.number);
        const auto whole = reassembly.add(QStringLiteral("+447700900456"), header,
                                          QString::number(part.number) + u' ',
                                          start + std::chrono::seconds(part.second));
        if (whole)
            completed.append(QStringLiteral("%1: %2").arg(part.message).arg(whole->trimmed()));
    }
    expire(end);
    QTEST(completed, "completed");
    QTEST(dropped, "dropped");
    const auto next = reassembly.nextExpiry();
    QTEST(next ? int(std::chrono::duration_cast<std::chrono::seconds>(*next - start).count()) : -1,
          "next");
}

QTEST_APPLESS_MAIN(TestSmsDeliver)
#include "tst_smsdeliver.moc"
