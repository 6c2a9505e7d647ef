// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulatedmodem.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray TestPdu = "0001000C9144770009103200000DED37B9DC8687C9207A794E07";

// Everything the modem sends back for the given pieces of input.
QByteArray answer(SimulatedModem &modem, const QByteArrayList &pieces) {
    QByteArray output;
    QObject::connect(&modem, &SimulatedModem::transmit,
                     [&output](const QByteArray &bytes) { output += bytes; });
    for (const QByteArray &piece : pieces)
        modem.receive(piece);
    return output;
}

} // namespace

class TestSimulatedModem : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void sendsPdu_data();
    void sendsPdu();
    void sendsText_data();
    void sendsText();
    void countsReferences();
    void staysSaneOnEveryByte();
};

void TestSimulatedModem::answers_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("AT echoed") << QByteArrayList{"AT\r"} << QByteArray("AT\r\r\nOK\r\n");
    QTest::newRow("lower case") << QByteArrayList{"at\r"} << QByteArray("at\r\r\nOK\r\n");
    QTest::newRow("one byte at a time")
        << QByteArrayList{"A", "T", "\r"} << QByteArray("AT\r\r\nOK\r\n");
    QTest::newRow("LF after CR echoed after the answer")
        << QByteArrayList{"AT\r\n"} << QByteArray("AT\r\r\nOK\r\n\n");
    QTest::newRow("noise before AT") << QByteArrayList{"xx\x1A"
                                                       "AT\r"}
                                     << QByteArray("xx\x1A"
                                                   "AT\r\r\nOK\r\n");
    QTest::newRow("backspace") << QByteArrayList{"ATI\b\r"} << QByteArray("ATI\b\r\r\nOK\r\n");
    QTest::newRow("ATE0 stops echo")
        << QByteArrayList{"ATE0\r", "AT\r"} << QByteArray("ATE0\r\r\nOK\r\n\r\nOK\r\n");
    QTest::newRow("ATE1 restarts echo") << QByteArrayList{"ATE0\r", "ATE1\r", "AT\r"}
                                        << QByteArray("ATE0\r\r\nOK\r\n\r\nOK\r\nAT\r\r\nOK\r\n");
    QTest::newRow("ATZ restores echo") << QByteArrayList{"ATE0\r", "ATZ\r", "AT\r"}
                                       << QByteArray("ATE0\r\r\nOK\r\n\r\nOK\r\nAT\r\r\nOK\r\n");
    QTest::newRow("line noise ended by Ctrl-Z gets no result code")
        << QByteArrayList{"ATE0\r", "This is a testing message \x1A"}
        << QByteArray("ATE0\r\r\nOK\r\n");

    // From here on without echo, so that each row shows only the answer.
    const auto quiet = [](const char *line) { return QByteArrayList{"ATE0\r", line}; };
    const QByteArray ok = "ATE0\r\r\nOK\r\n";
    QTest::newRow("ATI") << quiet("ATI\r") << ok + "\r\nModemPad simulated GSM modem\r\n\r\nOK\r\n";
    QTest::newRow("identity in one line")
        << quiet("AT+CGMI;+CGMM;+CGMR;+CGSN;+CIMI\r")
        << ok + "\r\nModemPad\r\n\r\nSimulated GSM modem\r\n\r\n1.0\r\n\r\n490154203237518\r\n"
                "\r\n001010123456789\r\n\r\nOK\r\n";
    QTest::newRow("spaces between commands")
        << quiet("AT +CMGF = 1 ; +CMGF?\r") << ok + "\r\n+CMGF: 1\r\n\r\nOK\r\n";
    QTest::newRow("+CPIN?") << quiet("AT+CPIN?\r") << ok + "\r\n+CPIN: READY\r\n\r\nOK\r\n";
    QTest::newRow("+CSQ") << quiet("AT+CSQ\r") << ok + "\r\n+CSQ: 21,99\r\n\r\nOK\r\n";
    QTest::newRow("+CREG?") << quiet("AT+CREG?\r") << ok + "\r\n+CREG: 0,1\r\n\r\nOK\r\n";
    QTest::newRow("+CREG=2 adds the location")
        << quiet("AT+CREG=2;+CREG?\r") << ok + "\r\n+CREG: 2,1,\"1A2B\",\"00C3D4E5\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSCA?") << quiet("AT+CSCA?\r")
                            << ok + "\r\n+CSCA: \"+447700900000\",145\r\n\r\nOK\r\n";
    QTest::newRow("+CSCA set") << quiet("AT+CSCA=\"0123\";+CSCA?\r")
                               << ok + "\r\n+CSCA: \"0123\",129\r\n\r\nOK\r\n";
    QTest::newRow("+CSCS set") << quiet("AT+CSCS=\"UCS2\";+CSCS?\r")
                               << ok + "\r\n+CSCS: \"UCS2\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSCS=?") << quiet("AT+CSCS=?\r")
                             << ok + "\r\n+CSCS: (\"GSM\",\"IRA\",\"UCS2\")\r\n\r\nOK\r\n";
    QTest::newRow("+CPMS set") << quiet("AT+CPMS=\"SM\",\"SM\"\r")
                               << ok + "\r\n+CPMS: 0,20,0,20,0,20\r\n\r\nOK\r\n";
    QTest::newRow("+CPMS?") << quiet("AT+CPMS?\r")
                            << ok + "\r\n+CPMS: \"ME\",0,20,\"ME\",0,20,\"ME\",0,20\r\n\r\nOK\r\n";
    QTest::newRow("+CNMI set") << quiet("AT+CNMI=2,1,0,0,0;+CNMI?\r")
                               << ok + "\r\n+CNMI: 2,1,0,0,0\r\n\r\nOK\r\n";
    QTest::newRow("+CMGF?") << quiet("AT+CMGF?\r") << ok + "\r\n+CMGF: 0\r\n\r\nOK\r\n";
    QTest::newRow("+CMGF=?") << quiet("AT+CMGF=?\r") << ok + "\r\n+CMGF: (0,1)\r\n\r\nOK\r\n";
    QTest::newRow("+CMGS=?") << quiet("AT+CMGS=?\r") << ok + "\r\nOK\r\n";
    QTest::newRow("+CMEE=1 numbers +CME ERROR")
        << quiet("AT+CMEE=1;+CPIN=\"1234\"\r") << ok + "\r\n+CME ERROR: 3\r\n";
    QTest::newRow("+CMEE=2 words +CME ERROR")
        << quiet("AT+CMEE=2;+CPIN=\"1234\"\r") << ok + "\r\n+CME ERROR: operation not allowed\r\n";
    QTest::newRow("+CMEE=0 hides +CME ERROR")
        << quiet("AT+CPIN=\"1234\"\r") << ok + "\r\nERROR\r\n";

    const QByteArray error = ok + "\r\nERROR\r\n";
    QTest::newRow("unknown command") << quiet("AT+CFUN=1\r") << error;
    QTest::newRow("unknown basic command") << quiet("ATD123;\r") << error;
    QTest::newRow("ATE2") << quiet("ATE2\r") << error;
    QTest::newRow("+CMGF=2") << quiet("AT+CMGF=2\r") << error;
    QTest::newRow("+CMGF=-1") << quiet("AT+CMGF=-1\r") << error;
    QTest::newRow("+CMEE=3") << quiet("AT+CMEE=3\r") << error;
    QTest::newRow("+CSCS unknown") << quiet("AT+CSCS=\"LATIN9\"\r") << error;
    QTest::newRow("+CSCA unterminated string") << quiet("AT+CSCA=\"+44\r") << error;
    QTest::newRow("+CPMS unknown storage") << quiet("AT+CPMS=\"XX\"\r") << error;
    QTest::newRow("+CNMI out of range") << quiet("AT+CNMI=4\r") << error;
    QTest::newRow("+CNMI too many") << quiet("AT+CNMI=0,0,0,0,0,0\r") << error;
    QTest::newRow("+CMGS without length") << quiet("AT+CMGS\r") << error;
    QTest::newRow("+CMGS=0") << quiet("AT+CMGS=0\r") << error;
    QTest::newRow("+CMGS=165") << quiet("AT+CMGS=165\r") << error;
    QTest::newRow("+CMGS=abc") << quiet("AT+CMGS=abc\r") << error;
    QTest::newRow("an error stops the line") << quiet("AT+CMGF=9;+CMGF?\r") << error;
    QTest::newRow("overlong line") << quiet("AT" + QByteArray(2000, 'E') + '\r') << error;
}

void TestSimulatedModem::answers() {
    QFETCH(QByteArrayList, input);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
    QVERIFY(modem.acceptedMessages().isEmpty());
}

void TestSimulatedModem::sendsPdu_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("accepted");

    const QByteArray prompt = "ATE0\r\r\nOK\r\n\r\n> ";
    QTest::newRow("ModemPad's message")
        << QByteArrayList{"ATE0\r", "AT+CMGS=25\r\n", TestPdu + '\x1A'}
        << prompt + "\r\n+CMGS: 1\r\n\r\nOK\r\n"
        << true;
    QTest::newRow("PDU in pieces")
        << QByteArrayList{"ATE0\r", "AT+CMGS=25\r", "\n", TestPdu.left(7), TestPdu.mid(7), "\x1A"}
        << prompt + "\r\n+CMGS: 1\r\n\r\nOK\r\n"
        << true;
    QTest::newRow("echo shows the hex")
        << QByteArrayList{"AT+CMGS=25\r", TestPdu + '\x1A'}
        << "AT+CMGS=25\r\r\n> " + TestPdu + "\r\n+CMGS: 1\r\n\r\nOK\r\n"
        << true;
    QTest::newRow("ESC cancels") << QByteArrayList{"ATE0\r", "AT+CMGS=25\r", TestPdu + '\x1B'}
                                 << prompt + "\r\nOK\r\n"
                                 << false;
    QTest::newRow("wrong length") << QByteArrayList{"ATE0\r", "AT+CMGS=24\r", TestPdu + '\x1A'}
                                  << prompt + "\r\n+CMS ERROR: 304\r\n"
                                  << false;
    QTest::newRow("text body at the PDU prompt")
        << QByteArrayList{"ATE0\r", "AT+CMGS=25\r\n", "This is a testing message \x1A"}
        << prompt + "\r\n+CMS ERROR: 304\r\n"
        << false;
    QTest::newRow("an SMS-DELIVER")
        << QByteArrayList{"ATE0\r", "AT+CMGS=28\r",
                          "07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37"
                          "\x1A"}
        << prompt + "\r\n+CMS ERROR: 176\r\n"
        << false;
    QTest::newRow("endless hex") << QByteArrayList{"ATE0\r", "AT+CMGS=25\r",
                                                   QByteArray(100000, 'A') + '\x1A'}
                                 << prompt + "\r\n+CMS ERROR: 304\r\n"
                                 << false;
}

void TestSimulatedModem::sendsPdu() {
    QFETCH(QByteArrayList, input);
    QFETCH(bool, accepted);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
    QCOMPARE(modem.acceptedMessages().size(), accepted ? 1 : 0);
    if (accepted) {
        const AcceptedMessage message = modem.acceptedMessages().constFirst();
        QCOMPARE(message.submit.destination, QStringLiteral("+447700900123"));
        QCOMPARE(message.submit.text, QStringLiteral("modempad test"));
        QCOMPARE(message.pdu, TestPdu);
    }
}

void TestSimulatedModem::sendsText_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");

    const QByteArray setup = "ATE0\r";
    const QByteArray prompt = "ATE0\r\r\nOK\r\n\r\nOK\r\n\r\n> ";
    const QByteArray sent = "\r\n+CMGS: 1\r\n\r\nOK\r\n";
    QTest::newRow("one line") << QByteArrayList{setup, "AT+CMGF=1\r",
                                                "AT+CMGS=\"+447700900123\"\r\n",
                                                "This is a testing message \x1A"}
                              << prompt + sent << "+447700900123" << 145
                              << "This is a testing message ";
    QTest::newRow("two lines, each prompted")
        << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"0123\"\r", "one\rtwo\x1A"}
        << prompt + "\r\n> " + sent << "0123" << 129 << "one\ntwo";
    QTest::newRow("type given") << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"0123\",145\r",
                                                  "x\x1A"}
                                << prompt + sent << "0123" << 145 << "x";
    QTest::newRow("extension characters")
        << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"123\"\r", "[{x}]\x1A"} << prompt + sent
        << "123" << 129 << "[{x}]";
    QTest::newRow("UCS2 character set")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r", "AT+CMGS=\"123\"\r", "004820AC\x1A"}
        << prompt + sent << "123" << 129 << QString::fromUtf16(u"H\u20AC");
    QTest::newRow("GSM character set")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"GSM\"\r", "AT+CMGS=\"123\"\r", "\x10\x1A"}
        << prompt + sent << "123" << 129 << QString::fromUtf16(u"\u0394");

    const QByteArray refused = "\r\n+CMS ERROR: 305\r\n";
    QTest::newRow("161 characters")
        << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"123\"\r", QByteArray(161, 'a') + '\x1A'}
        << prompt + refused << QString() << 0 << QString();
    QTest::newRow("not in the GSM alphabet")
        << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"123\"\r", "`\x1A"} << prompt + refused
        << QString() << 0 << QString();
    QTest::newRow("UCS2 hex cut short")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r", "AT+CMGS=\"123\"\r", "004\x1A"}
        << prompt + refused << QString() << 0 << QString();
}

void TestSimulatedModem::sendsText() {
    QFETCH(QByteArrayList, input);
    QFETCH(QString, destination);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
    QCOMPARE(modem.acceptedMessages().size(), destination.isEmpty() ? 0 : 1);
    if (destination.isEmpty())
        return;
    const AcceptedMessage message = modem.acceptedMessages().constFirst();
    QCOMPARE(message.submit.destination, destination);
    QTEST(message.submit.destinationType, "type");
    QTEST(message.submit.text, "text");
    QVERIFY(message.pdu.isEmpty());
}

void TestSimulatedModem::countsReferences() {
    SimulatedModem modem;
    QSignalSpy accepted(&modem, &SimulatedModem::messageAccepted);
    QByteArray output;
    for (int i = 0; i < 257; ++i)
        output = answer(modem, {"ATE0\r", "AT+CMGS=25\r", TestPdu + '\x1A'});

    QCOMPARE(accepted.size(), 257);
    QCOMPARE(accepted.at(0).at(0).value<AcceptedMessage>().reference, 1);
    QCOMPARE(accepted.at(1).at(0).value<AcceptedMessage>().reference, 2);
    // <mr> is an integer 0...255 (TS 27.005 3.1): it wraps.
    QCOMPARE(accepted.at(255).at(0).value<AcceptedMessage>().reference, 0);
    QCOMPARE(accepted.at(256).at(0).value<AcceptedMessage>().reference, 1);
    QCOMPARE(modem.acceptedMessages().size(), 257);
}

// Every byte value in every state: the modem must answer each line and never stop doing so.
void TestSimulatedModem::staysSaneOnEveryByte() {
    for (const QByteArray &state :
         {QByteArray(), QByteArray("AT+CMGS=25\r"), QByteArray("AT+CMGF=1\rAT+CMGS=\"1\"\r")}) {
        for (int byte = 0; byte < 256; ++byte) {
            SimulatedModem modem;
            const QByteArray output =
                answer(modem, {state, QByteArray(1, char(byte)), "\x1B\r", "ATE0\r", "AT\r"});
            QVERIFY2(output.endsWith("\r\nOK\r\n\r\nOK\r\n"), output.toHex());
        }
    }
}

QTEST_APPLESS_MAIN(TestSimulatedModem)
#include "tst_simulatedmodem.moc"
