// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemcommands.h"
#include "smssubmit.h"

#include <QTest>

// The buttons' strings in a build configured to text a phone of one's own (the number and text
// are in CMakeLists.txt beside this file), read back by the simulated modem's decoder.
class TestOwnMessage : public QObject {
    Q_OBJECT

private slots:
    void readsBackAsConfigured();
};

void TestOwnMessage::readsBackAsConfigured() {
    const QByteArray announce = ModemCommands::announcePdu.bytes();
    QVERIFY2(announce.startsWith("AT+CMGS=") && announce.endsWith("\r\n"), announce.constData());
    bool ok = false;
    const int length = announce.mid(8).chopped(2).toInt(&ok);
    QVERIFY(ok);
    const QByteArray pdu = ModemCommands::sendTestMessage.bytes();
    QVERIFY(pdu.endsWith('\x1A'));

    // The decoder refuses a PDU whose TPDU is not as long as AT+CMGS announced.
    const SmsSubmitDecoding decoded = decodeSmsSubmit(pdu.chopped(1), length);
    QVERIFY2(!decoded.error, pdu.constData());
    QCOMPARE(decoded.message.destination, QStringLiteral("07700900456"));
    QCOMPARE(decoded.message.destinationType, 129);
    QCOMPARE(decoded.message.coding, SmsSubmit::Coding::Gsm7Bit);
    QCOMPARE(decoded.message.text,
             QStringLiteral("Gr\u00FC\u00DFe aus K\u00F6ln: 5\u20AC f\u00FCr {alle}; \"\u0394\" "
                            "#1 @ ~\\|"));
}

QTEST_GUILESS_MAIN(TestOwnMessage)
#include "tst_ownmessage.moc"
