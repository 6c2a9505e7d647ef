// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulatedmodem.h"

#include <QHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const QByteArray TestPdu = "0001000C9144770009103200000DED37B9DC8687C9207A794E07";

// Pieces of input that stand for something other than bytes from the terminal.
const QByteArray Incoming = "<message arrives>";
const QByteArray Closed = "<terminal closes the line>";
const QHash<QByteArray, std::function<void(SimulatedModem &)>> Events = {
    {Incoming,
     [](SimulatedModem &modem) {
         modem.deliver(QStringLiteral("+447700900456"), QStringLiteral("Hello"),
                       QDateTime(QDate(2026, 12, 8), QTime(15, 30), Qt::OffsetFromUTC, 3600));
     }},
    {"<Unicode message arrives>",
     [](SimulatedModem &modem) {
         modem.deliver(QStringLiteral("+447700900456"), QStringLiteral("Привет"),
                       QDateTime(QDate(2026, 12, 8), QTime(15, 30), Qt::OffsetFromUTC, 3600));
     }},
    {Closed, [](SimulatedModem &modem) { modem.terminalClosed(); }},
    {"<PIN 1234>", [](SimulatedModem &modem) { modem.lockSim(QStringLiteral("1234")); }},
    {"<network off>", [](SimulatedModem &modem) { modem.setNetworkState(NetworkState::Off); }},
    {"<network roaming>",
     [](SimulatedModem &modem) { modem.setNetworkState(NetworkState::Roaming); }},
    {"<network denied>",
     [](SimulatedModem &modem) { modem.setNetworkState(NetworkState::Denied); }},
    {"<network searching>",
     [](SimulatedModem &modem) { modem.setNetworkState(NetworkState::Searching); }},
    {"<signal 5>", [](SimulatedModem &modem) { modem.setSignal(5); }},
    {"<reports by hand>", [](SimulatedModem &modem) { modem.setReportDelay(std::nullopt); }},
    {"<report 1 delivered>", [](SimulatedModem &modem) { modem.decideReport(1, 0); }},
    {"<report 1 failed 65>", [](SimulatedModem &modem) { modem.decideReport(1, 65); }},
    {"<reject 38>", [](SimulatedModem &modem) { modem.rejectSends(38, 1); }},
    {"<storage full>", [](SimulatedModem &modem) { modem.setStorageFull(true); }},
    {"<storage free>", [](SimulatedModem &modem) { modem.setStorageFull(false); }},
    {"<USSD *100# answers in Cyrillic>",
     [](SimulatedModem &modem) {
         modem.setUssdAnswer(QStringLiteral("*100#"), QStringLiteral("Баланс 5"));
     }},
};

// Everything the modem sends back while it takes the given pieces of input.
QByteArray answer(SimulatedModem &modem, const QByteArrayList &pieces) {
    QByteArray output;
    const QObject listening;
    QObject::connect(&modem, &SimulatedModem::transmit, &listening,
                     [&output](const QByteArray &bytes) { output += bytes; });
    for (const QByteArray &piece : pieces) {
        if (const auto event = Events.constFind(piece); event != Events.constEnd())
            (*event)(modem);
        else
            modem.receive(piece);
    }
    return output;
}

} // namespace

class TestSimulatedModem : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void playsTheSimAndTheNetwork_data();
    void playsTheSimAndTheNetwork();
    void reportsAndRefuses_data();
    void reportsAndRefuses();
    void boundsWhatWaits_data();
    void boundsWhatWaits();
    void stopsRoutingWithoutAcknowledgement();
    void answersLate();
    void restarts();
    void sendsPdu_data();
    void sendsPdu();
    void sendsText_data();
    void sendsText();
    void receives_data();
    void receives();
    void returnsMessagesToItsOwnNumber();
    void forgetsATerminalThatLeft_data();
    void forgetsATerminalThatLeft();
    void cancelsAPromptLeftWaiting();
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
    const auto quiet = [](const char *line, const char *second = nullptr,
                          const char *third = nullptr) {
        QByteArrayList pieces{"ATE0\r", line};
        for (const char *piece : {second, third}) {
            if (piece)
                pieces.append(piece);
        }
        return pieces;
    };
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
        << quiet("AT+CREG=2;+CREG?\r") << ok + "\r\n+CREG: 2,1,\"1A2B\",\"3C4D\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSCA?") << quiet("AT+CSCA?\r")
                            << ok + "\r\n+CSCA: \"+447700900000\",145\r\n\r\nOK\r\n";
    QTest::newRow("+CSCA set") << quiet("AT+CSCA=\"0123\";+CSCA?\r")
                               << ok + "\r\n+CSCA: \"0123\",129\r\n\r\nOK\r\n";
    QTest::newRow("+CSCS set") << quiet("AT+CSCS=\"UCS2\";+CSCS?\r")
                               << ok + "\r\n+CSCS: \"UCS2\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSCS=?") << quiet("AT+CSCS=?\r")
                             << ok + "\r\n+CSCS: (\"GSM\",\"IRA\",\"UCS2\")\r\n\r\nOK\r\n";
    QTest::newRow("+CPMS set") << quiet("AT+CPMS=\"ME\",\"SM\"\r")
                               << ok + "\r\n+CPMS: 0,100,0,20,0,20\r\n\r\nOK\r\n";
    QTest::newRow("+CPMS?") << quiet("AT+CPMS?\r")
                            << ok + "\r\n+CPMS: \"SM\",0,20,\"SM\",0,20,\"SM\",0,20\r\n\r\nOK\r\n";
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

    // ITU-T V.250
    QTest::newRow("set-up line") << quiet("AT&F&C1&D2V1Q0S0=0\r") << QByteArray(ok + "\r\nOK\r\n");
    QTest::newRow("V0: numbers, and info text without a leading line break")
        << quiet("ATV0\r", "ATI\r", "AT+CMGF=9\r")
        << ok + "0\rModemPad simulated GSM modem\r\n0\r4\r";
    QTest::newRow("Q1: information text, no result codes")
        << quiet("ATQ1\r", "AT+CMGF?\r", "AT+CMGF=9\r") << ok + "\r\n+CMGF: 0\r\n";
    QTest::newRow("S3 and S4 frame the answers")
        << quiet("ATS3=33S4=35\r", "AT+CMGF?!") << ok + "!#OK!#!#+CMGF: 0!#!#OK!#";
    QTest::newRow("S-parameters read as three digits")
        << quiet("ATS0=2S0?;S3?\r") << ok + "\r\n002\r\n\r\n013\r\n\r\nOK\r\n";
    QTest::newRow("&V") << quiet("AT&V\r")
                        << ok + "\r\nE0 Q0 V1 &C1 &D2 S0:000 S3:013 S4:010 S5:008 S7:060\r\n"
                                "\r\nOK\r\n";
    QTest::newRow("&F restores what was set")
        << quiet("ATV0S3=33\r", "AT&F!", "AT\r") << ok + "0!\r\nOK\r\nAT\r\r\nOK\r\n";
    QTest::newRow("V.250 identification") << quiet("AT+GMI;+GMR;+GCAP\r")
                                          << ok + "\r\nModemPad\r\n\r\n1.0\r\n\r\n+GCAP: +CGSM\r\n"
                                                  "\r\nOK\r\n";

    // 3GPP TS 27.007
    QTest::newRow("+CFUN?") << quiet("AT+CFUN?\r") << ok + "\r\n+CFUN: 1\r\n\r\nOK\r\n";
    QTest::newRow("deregistered in minimum functionality")
        << quiet("AT+CFUN=4;+CREG?;+CGREG?;+COPS?;+CSQ;+CGATT?\r")
        << ok + "\r\n+CREG: 0,0\r\n\r\n+CGREG: 0,0\r\n\r\n+COPS: 0\r\n\r\n+CSQ: 99,99\r\n"
                "\r\n+CGATT: 0\r\n\r\nOK\r\n";
    QTest::newRow("+CREG=1 reports the change after the line")
        << quiet("AT+CREG=1;+CFUN=0\r", "AT+CFUN=1\r")
        << ok + "\r\nOK\r\n\r\n+CREG: 0\r\n\r\nOK\r\n\r\n+CREG: 1\r\n";
    QTest::newRow("+CREG=1 reports the change before the next line")
        << quiet("AT+CREG=1;+CFUN=0\rAT\r") << ok + "\r\nOK\r\n\r\n+CREG: 0\r\n\r\nOK\r\n";
    QTest::newRow("+CGREG=2 reports with the location")
        << quiet("AT+CGREG=2;+CGATT=0;+CGATT=1\r")
        << ok + "\r\nOK\r\n\r\n+CGREG: 0\r\n\r\n+CGREG: 1,\"1A2B\",\"3C4D\"\r\n";
    QTest::newRow("Q1 suppresses unsolicited codes too") << quiet("ATQ1+CREG=1;+CFUN=0\r") << ok;
    QTest::newRow("+COPS?") << quiet("AT+COPS?\r")
                            << ok + "\r\n+COPS: 0,0,\"ModemPad Test\",0\r\n\r\nOK\r\n";
    QTest::newRow("+COPS=3,2 numeric")
        << quiet("AT+COPS=3,2;+COPS?\r") << ok + "\r\n+COPS: 0,2,\"00101\",0\r\n\r\nOK\r\n";
    QTest::newRow("+COPS=?") << quiet("AT+COPS=?\r")
                             << ok + "\r\n+COPS: (2,\"ModemPad Test\",\"ModemPad\",\"00101\",0),,"
                                     "(0,3),(0-2)\r\n\r\nOK\r\n";
    QTest::newRow("+COPS=1 manual selection")
        << quiet("AT+CMEE=1;+COPS=1,2,\"00101\"\r") << ok + "\r\n+CME ERROR: 4\r\n";
    QTest::newRow("+CNUM") << quiet("AT+CNUM\r")
                           << ok + "\r\n+CNUM: ,\"+447700900999\",145\r\n\r\nOK\r\n";
    // Under +CSCS="UCS2": names, and the addresses of 27.005, follow the character set; a
    // number of 27.007 is a dial string, and a numeric operator a code.
    QTest::newRow("+CNUM in UCS2: the number as dialled")
        << quiet("AT+CSCS=\"UCS2\";+CNUM\r")
        << ok + "\r\n+CNUM: ,\"+447700900999\",145\r\n\r\nOK\r\n";
    QTest::newRow("+COPS? in UCS2: the name converted, the code not")
        << quiet("AT+CSCS=\"UCS2\";+COPS?;+COPS=3,2;+COPS?\r")
        << ok + "\r\n+COPS: 0,0,\"004D006F00640065006D00500061006400200054006500730074\",0\r\n"
                "\r\n+COPS: 0,2,\"00101\",0\r\n\r\nOK\r\n";
    QTest::newRow("+CSCA? in UCS2: the address converted")
        << quiet("AT+CSCS=\"UCS2\";+CSCA?\r")
        << ok + "\r\n+CSCA: \"002B003400340037003700300030003900300030003000300030\",145\r\n"
                "\r\nOK\r\n";

    // The SIM's files (+CRSM: READ BINARY 176, GET RESPONSE 192) and commands (+CSIM).
    const auto crsm = [&ok](const QByteArray &answer) {
        return ok + "\r\n+CRSM: " + answer + "\r\n\r\nOK\r\n";
    };
    QTest::newRow("+CRSM ICCID") << quiet("AT+CRSM=176,12258,0,0,10\r")
                                 << crsm("144,0,\"980001012143658709F4\"");
    QTest::newRow("+CRSM SPN, the home network's name")
        << quiet("AT+CRSM=176,28486,0,0,17\r")
        << crsm("144,0,\"004D6F64656D5061642054657374FFFFFF\"");
    QTest::newRow("+CRSM AD, two digits of network code")
        << quiet("AT+CRSM=176,28589,0,0,4\r") << crsm("144,0,\"00000002\"");
    QTest::newRow("+CRSM ECC, 112 and 911")
        << quiet("AT+CRSM=176,28599,0,0,15\r") << crsm("144,0,\"11F2FF19F1FFFFFFFFFFFFFFFFFFFF\"");
    QTest::newRow("+CRSM IMSI") << quiet("AT+CRSM=176,28423,0,0,9\r")
                                << crsm("144,0,\"080910101032547698\"");
    QTest::newRow("+CRSM GID1, the whole file")
        << quiet("AT+CRSM=176,28478,0,0,0\r") << crsm("144,0,\"FFFFFFFFFFFFFFFF\"");
    QTest::newRow("+CRSM GID2 from an offset")
        << quiet("AT+CRSM=176,28479,0,6,2\r") << crsm("144,0,\"FFFF\"");
    QTest::newRow("+CRSM GET RESPONSE of the ICCID")
        << quiet("AT+CRSM=192,12258,0,0,15\r") << crsm("144,0,\"0000000A2FE2040004004401020000\"");
    QTest::newRow("+CRSM a file not there")
        << quiet("AT+CRSM=176,28480,0,0,0\r") << crsm("106,130");
    QTest::newRow("+CRSM past the end") << quiet("AT+CRSM=176,28589,0,4,1;+CRSM=176,28589,0,2,3\r")
                                        << ok + "\r\n+CRSM: 107,0\r\n\r\n+CRSM: 103,0\r\n"
                                                "\r\nOK\r\n";
    QTest::newRow("+CRSM an instruction not offered")
        << quiet("AT+CRSM=214,28486,0,0,1,\"00\"\r") << crsm("109,0");
    QTest::newRow("+CSIM tries left of PIN, PUK, PIN2 and PUK2")
        << quiet("AT+CSIM=10,\"0020000100\";+CSIM=10,\"002C000100\";+CSIM=10,\"0020008100\";"
                 "+CSIM=10,\"002C008100\"\r")
        << ok + "\r\n+CSIM: 4,\"63C3\"\r\n\r\n+CSIM: 4,\"63CA\"\r\n\r\n+CSIM: 4,\"63C3\"\r\n"
                "\r\n+CSIM: 4,\"63CA\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSIM another instruction, and a length that does not match")
        << quiet("AT+CSIM=10,\"00A4000C02\"\r", "AT+CSIM=9,\"0020000100\"\r")
        << ok + "\r\n+CSIM: 4,\"6D00\"\r\n\r\nOK\r\n\r\nERROR\r\n";
    QTest::newRow("+CCID and +ICCID")
        << quiet("AT+CCID;+ICCID\r")
        << ok + "\r\n+CCID: 8900101012345678904\r\n\r\n+ICCID: 8900101012345678904\r\n"
                "\r\nOK\r\n";

    // What clients probe for before they enable a modem.
    QTest::newRow("+CIND") << quiet("AT+CIND=?;+CIND?\r")
                           << ok + "\r\n+CIND: (\"signal\",(0-5)),(\"service\",(0,1)),"
                                   "(\"message\",(0,1)),(\"call\",(0,1)),(\"roam\",(0,1)),"
                                   "(\"smsfull\",(0,1))\r\n\r\n+CIND: 3,1,0,0,0,0\r\n\r\nOK\r\n";
    QTest::newRow("+CMER") << quiet("AT+CMER=3,0,0,1;+CMER?;+CMER=?\r")
                           << ok + "\r\n+CMER: 3,0,0,1,0\r\n\r\n+CMER: (0-3),(0),(0),(0-2),(0,1)"
                                   "\r\n\r\nOK\r\n";
    QTest::newRow("+WS46") << quiet("AT+WS46=?;+WS46?;+WS46=12;+WS46?;+WS46=13\r")
                           << ok + "\r\n+WS46: (12,22,25)\r\n\r\n+WS46: 25\r\n"
                                   "\r\n+WS46: 12\r\n\r\nERROR\r\n";
    QTest::newRow("+CGDCONT: contexts kept, and undefined")
        << quiet("AT+CGDCONT=1,\"IP\",\"internet\";+CGDCONT=3,\"IPV6\",\"ims\";+CGDCONT=3;"
                 "+CGDCONT?\r",
                 "AT+CGDCONT=?\r")
        << ok + "\r\n+CGDCONT: 1,\"IP\",\"internet\",\"\",0,0\r\n\r\nOK\r\n"
                "\r\n+CGDCONT: (1-10),\"IP\",,,(0-2),(0-4)\r\n+CGDCONT: (1-10),\"IPV6\",,,(0-2),"
                "(0-4)\r\n+CGDCONT: (1-10),\"IPV4V6\",,,(0-2),(0-4)\r\n\r\nOK\r\n";
    QTest::newRow("ATD: a data call finds no carrier")
        << quiet("AT+CGDCONT=1,\"IP\",\"internet\"\r", "ATD*99***1#\r")
        << ok + "\r\nOK\r\n\r\nNO CARRIER\r\n";
    QTest::newRow("+CGEREP") << quiet("AT+CGEREP=2,1;+CGEREP?;+CGEREP=?\r")
                             << ok + "\r\n+CGEREP: 2,1\r\n\r\n+CGEREP: (0-2),(0,1)\r\n"
                                     "\r\nOK\r\n";
    QTest::newRow("ATH with no call, ATX 0 to 4")
        << quiet("ATH;X0;X4\r", "ATX5\r") << ok + "\r\nOK\r\n\r\nERROR\r\n";
    QTest::newRow("+CTZU and +CTZR")
        << quiet("AT+CTZU=1;+CTZU?;+CTZR=2;+CTZR?;+CTZR=?\r")
        << ok + "\r\n+CTZU: 1\r\n\r\n+CTZR: 2\r\n\r\n+CTZR: (0-3)\r\n\r\nOK\r\n";
    QTest::newRow("+CPLS and an empty +CPOL")
        << quiet("AT+CPLS=0;+CPLS?;+CPOL=,2;+CPOL?;+CPOL=?\r")
        << ok + "\r\n+CPLS: 0\r\n\r\n+CPOL: (1-8),(0-2)\r\n\r\nOK\r\n";
    QTest::newRow("+CESQ, GSM's level only")
        << quiet("AT+CESQ\r") << ok + "\r\n+CESQ: 40,99,255,255,255,255\r\n\r\nOK\r\n";
    QTest::newRow("no calls: +CLCC, +CRC, +CCWA")
        << quiet("AT+CLCC;+CRC=1;+CRC?;+CCWA=1;+CCWA?\r")
        << ok + "\r\n+CRC: 1\r\n\r\n+CCWA: 1\r\n\r\nOK\r\n";
    QTest::newRow("+CLIP") << quiet("AT+CLIP=1;+CLIP?\r") << ok + "\r\n+CLIP: 1,1\r\n\r\nOK\r\n";
    QTest::newRow("+CLCK query of the SIM lock")
        << quiet("AT+CLCK=\"SC\",2\r") << ok + "\r\n+CLCK: 0\r\n\r\nOK\r\n";
    QTest::newRow("+CLCK of another facility")
        << quiet("AT+CMEE=1;+CLCK=\"PN\",2\r") << ok + "\r\n+CME ERROR: 4\r\n";
    QTest::newRow("+CBC") << quiet("AT+CBC\r") << ok + "\r\n+CBC: 2,0\r\n\r\nOK\r\n";
    QTest::newRow("+CPAS") << quiet("AT+CPAS\r") << ok + "\r\n+CPAS: 0\r\n\r\nOK\r\n";
    QTest::newRow("+CPAS=?") << quiet("AT+CPAS=?\r") << ok + "\r\n+CPAS: (0-5)\r\n\r\nOK\r\n";
    QTest::newRow("+CPBS?") << quiet("AT+CPBS?\r") << ok + "\r\n+CPBS: \"SM\",0,250\r\n\r\nOK\r\n";
    QTest::newRow("+CGATT=1 without service")
        << quiet("AT+CMEE=2;+CFUN=0;+CGATT=1\r") << ok + "\r\n+CME ERROR: no network service\r\n";

    // 3GPP TS 27.005
    QTest::newRow("+CSMS=0") << quiet("AT+CSMS=0;+CSMS?\r")
                             << ok + "\r\n+CSMS: 1,1,1\r\n\r\n+CSMS: 0,1,1,1\r\n\r\nOK\r\n";
    QTest::newRow("+CSMS=1") << quiet("AT+CSMS=1;+CSMS?\r")
                             << ok + "\r\n+CSMS: 1,1,1\r\n\r\n+CSMS: 1,1,1,1\r\n\r\nOK\r\n";
    QTest::newRow("+IFC, as gateways set it")
        << quiet("AT+IFC=2,2;+IFC=0;+IFC?;+IFC=?\r")
        << ok + "\r\n+IFC: 0,2\r\n\r\n+IFC: (0-3),(0-2)\r\n\r\nOK\r\n";
    QTest::newRow("+CSCB") << quiet("AT+CSCB=0,\"1,5,320-478\",\"0-3\";+CSCB?;+CSCB=?\r")
                           << ok + "\r\n+CSCB: 0,\"1,5,320-478\",\"0-3\"\r\n"
                                   "\r\n+CSCB: (0,1)\r\n\r\nOK\r\n";
    QTest::newRow("+CMMS") << quiet("AT+CMMS=2;+CMMS?;+CMMS=?\r")
                           << ok + "\r\n+CMMS: 2\r\n\r\n+CMMS: (0-2)\r\n\r\nOK\r\n";
    QTest::newRow("+CSMP") << quiet("AT+CSMP?;+CSMP=17,11,0,8;+CSMP?\r")
                           << ok + "\r\n+CSMP: 17,167,0,0\r\n\r\n+CSMP: 17,11,0,8\r\n\r\nOK\r\n";
    QTest::newRow("+CSMP of an SMS-DELIVER")
        << quiet("AT+CSMP=4\r") << ok + "\r\n+CMS ERROR: 303\r\n";
    QTest::newRow("+CSMP with an absolute period")
        << quiet("AT+CSMP=25\r") << ok + "\r\n+CMS ERROR: 303\r\n";
    QTest::newRow("+CSDH") << quiet("AT+CSDH=1;+CSDH?\r") << ok + "\r\n+CSDH: 1\r\n\r\nOK\r\n";
    QTest::newRow("+CMGR of an empty slot")
        << quiet("AT+CMGR=1\r") << ok + "\r\n+CMS ERROR: 321\r\n";
    QTest::newRow("+CMGD past the storage")
        << quiet("AT+CMGD=21\r") << ok + "\r\n+CMS ERROR: 321\r\n";
    QTest::newRow("sending without service")
        << quiet("AT+CFUN=0;+CMGS=25\r") << ok + "\r\n+CMS ERROR: 331\r\n";

    const QByteArray error = ok + "\r\nERROR\r\n";
    QTest::newRow("unknown command") << quiet("AT+CHUP\r") << error;
    QTest::newRow("+CFUN=2") << quiet("AT+CFUN=2\r") << error;
    QTest::newRow("+CFUN with a reset") << quiet("AT+CFUN=1,1\r") << error;
    QTest::newRow("&D3") << quiet("AT&D3\r") << error;
    QTest::newRow("S7=0") << quiet("ATS7=0\r") << error;
    QTest::newRow("S7 omitted, so 0") << quiet("ATS7=\r") << error;
    QTest::newRow("+CMGS without a length") << quiet("AT+CMGS=\r") << error;
    QTest::newRow("S alone") << quiet("ATS\r") << error;
    QTest::newRow("+CMGD flag 5") << quiet("AT+CMGD=1,5\r") << error;
    QTest::newRow("unknown basic command") << quiet("ATD123;\r") << error;
    QTest::newRow("ATE2") << quiet("ATE2\r") << error;
    QTest::newRow("+CMGF=2") << quiet("AT+CMGF=2\r") << error;
    QTest::newRow("+IFC=4") << quiet("AT+IFC=4\r") << error;
    QTest::newRow("+CNMA=0 in text mode") << quiet("AT+CMGF=1;+CNMA=0\r") << error;
    QTest::newRow("+CSCB, a range backwards") << quiet("AT+CSCB=0,\"5-1\"\r") << error;
    QTest::newRow("+CSCB, a coding scheme past 255") << quiet("AT+CSCB=0,,\"256\"\r") << error;
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

void TestSimulatedModem::playsTheSimAndTheNetwork_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");

    const QByteArray ok = "ATE0+CMEE=1\r\r\nOK\r\n";
    const auto after = [](std::initializer_list<QByteArray> events, const QByteArrayList &lines) {
        return QByteArrayList(events) << "ATE0+CMEE=1\r" << lines;
    };
    const QByteArray wrong = "\r\n+CME ERROR: 16\r\n";
    QTest::newRow("locked: not registered, the SIM's and message commands refused")
        << after({"<PIN 1234>"},
                 {"AT+CPIN?;+CREG?\r", "AT+CIMI\r", "AT+CMGL=4\r", "AT+CUSD=1,\"*100#\"\r"})
        << ok + "\r\n+CPIN: SIM PIN\r\n\r\n+CREG: 0,0\r\n\r\nOK\r\n\r\n+CME ERROR: 11\r\n"
                "\r\n+CMS ERROR: 311\r\n\r\n+CME ERROR: 11\r\n";
    QTest::newRow("the PIN opens the SIM, registers, and says the messages are ready")
        << after({"<PIN 1234>"}, {"AT+CPIN=0000\r", "AT+CREG=1;+CPIN=\"1234\"\r", "AT+CPIN?\r"})
        << ok + wrong + "\r\nOK\r\n\r\n+CREG: 1\r\n\r\nSMS Ready\r\n\r\n+CPIN: READY\r\n\r\nOK\r\n";
    const QByteArrayList threeWrong = {"AT+CPIN=1111\r", "AT+CPIN=1111\r", "AT+CPIN=\"1111\"\r"};
    QTest::newRow("three wrong PINs, a wrong PUK, the PUK and a new PIN")
        << after({"<PIN 1234>"}, threeWrong + QByteArrayList{"AT+CPIN?;+CPIN=\"1234\"\r",
                                                             "AT+CPIN=\"1\",\"4321\"\r",
                                                             "AT+CPIN=\"12345678\",\"4321\"\r",
                                                             "AT+CLCK=\"SC\",2;+CPWD=\"SC\","
                                                             "\"4321\",\"5678\"\r"})
        << ok + wrong + wrong + wrong + "\r\n+CPIN: SIM PUK\r\n\r\n+CME ERROR: 12\r\n" + wrong +
               "\r\nOK\r\n\r\nSMS Ready\r\n\r\n+CLCK: 1\r\n\r\nOK\r\n";
    QTest::newRow("ten wrong PUKs block the SIM")
        << after({"<PIN 1234>"}, threeWrong + QByteArrayList(10, "AT+CPIN=\"1\",\"4321\"\r") +
                                     QByteArrayList{"AT+CPIN?\r"})
        << ok + wrong.repeated(13) + "\r\n+CME ERROR: 13\r\n";
    QTest::newRow("+CLCK and +CPWD take the PIN, the one of a SIM that asks for none")
        << after({}, {"AT+CPWD=\"SC\",\"0000\",\"1234\"\r", "AT+CLCK=\"SC\",1,\"1111\"\r",
                      "AT+CLCK=\"SC\",1,\"0000\";+CLCK=\"SC\",2\r"})
        << ok + "\r\n+CME ERROR: 3\r\n" + wrong + "\r\n+CLCK: 1\r\n\r\nOK\r\n";

    QTest::newRow("roaming, told and read")
        << after({}, {"AT+CREG=2;+CGREG=1\r", "<network roaming>",
                      "AT+CREG?;+COPS?;+COPS=3,2;+COPS?\r"})
        << ok + "\r\nOK\r\n\r\n+CREG: 5,\"1A2B\",\"3C4D\"\r\n\r\n+CGREG: 5\r\n"
                "\r\n+CREG: 2,5,\"1A2B\",\"3C4D\"\r\n\r\n+COPS: 0,0,\"ModemPad Abroad\",0\r\n"
                "\r\n+COPS: 0,2,\"00102\",0\r\n\r\nOK\r\n";
    QTest::newRow("denied, then searching: no service to send with")
        << after({"<network denied>"},
                 {"AT+CREG?;+COPS=?\r", "<network searching>", "AT+CGREG?;+CMGS=25\r"})
        << ok + "\r\n+CREG: 0,3\r\n\r\n+COPS: (3,\"ModemPad Test\",\"ModemPad\",\"00101\",0),,"
                "(0,3),(0-2)\r\n\r\nOK\r\n\r\n+CGREG: 0,2\r\n\r\n+CMS ERROR: 331\r\n";
    QTest::newRow("a signal, then no network and no signal")
        << after({"<signal 5>"},
                 {"AT+CSQ\r", "<network off>", "AT+CSQ;+COPS=0\r", "AT+CUSD=1,\"*100#\"\r"})
        << ok + "\r\n+CSQ: 5,99\r\n\r\nOK\r\n\r\n+CSQ: 99,99\r\n\r\n+CME ERROR: 30\r\n"
                "\r\n+CME ERROR: 30\r\n";

    QTest::newRow("+CIEV: the signal, the network and the storage as they change")
        << after({}, {"AT+CMER=3,0,0,1\r", "<signal 5>", "<network roaming>", "<storage full>",
                      "<network off>"})
        << ok + "\r\nOK\r\n\r\n+CIEV: 1,0\r\n\r\n+CIEV: 5,1\r\n\r\n+CIEV: 6,1\r\n"
                "\r\n+CIEV: 2,0\r\n\r\n+CIEV: 5,0\r\n";
    QTest::newRow("+CRSM: the IMSI waits for the PIN, the ICCID does not")
        << after({"<PIN 1234>"}, {"AT+CRSM=176,28423,0,0,9;+CRSM=176,12258,0,0,1\r"})
        << ok + "\r\n+CRSM: 152,4\r\n\r\n+CRSM: 144,0,\"98\"\r\n\r\nOK\r\n";
    QTest::newRow("+CSIM counts down with +CPIN")
        << after({"<PIN 1234>"}, {"AT+CPIN=1111\r", "AT+CSIM=10,\"0020000100\"\r"})
        << ok + wrong + "\r\n+CSIM: 4,\"63C2\"\r\n\r\nOK\r\n";

    QTest::newRow("+CUSD, answered after OK when shown")
        << after({}, {"AT+CUSD=0,\"*100#\"\r", "AT+CUSD=1,\"*100#\",15;+CUSD?;+CUSD=?\r"})
        << ok + "\r\nOK\r\n\r\n+CUSD: 1\r\n\r\n+CUSD: (0-2)\r\n\r\nOK\r\n"
                "\r\n+CUSD: 0,\"Code *100# received.\",15\r\n";
    QTest::newRow("+CUSD, answered in UCS2")
        << after({"<USSD *100# answers in Cyrillic>"}, {"AT+CUSD=1,\"*100#\"\r"})
        << ok + "\r\nOK\r\n\r\n+CUSD: 0,\"04110430043B0430043D044100200035\",72\r\n";
}

void TestSimulatedModem::playsTheSimAndTheNetwork() {
    QFETCH(QByteArrayList, input);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
}

void TestSimulatedModem::reportsAndRefuses_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");

    // ModemPad's message with TP-SRR set; its report, the two times left out.
    const QByteArray asking = "0021" + TestPdu.mid(4) + '\x1A';
    const QByteArray report = "079144770009000006010C91447700091032<times>";
    const QByteArray sent = "ATE0\r\r\nOK\r\n\r\n> \r\n+CMGS: 1\r\n\r\nOK\r\n";
    const QByteArrayList send{"<reports by hand>", "ATE0\r", "AT+CMGS=25\r", asking};
    QTest::newRow("stored and announced, read in PDU mode")
        << send + QByteArrayList{"<report 1 delivered>", "AT+CMGR=1\r"}
        << sent + "\r\n+CDSI: \"SM\",1\r\n\r\n+CMGR: 0,,25\r\n" + report + "00\r\n\r\nOK\r\n";
    QTest::newRow("stored, read in text mode")
        << send + QByteArrayList{"<report 1 failed 65>", "AT+CMGF=1;+CMGL=\"ALL\"\r"}
        << sent + "\r\n+CDSI: \"SM\",1\r\n\r\n+CMGL: 1,\"REC UNREAD\",6,1,\"+447700900123\",145,"
                  "\"<time>\",\"<time>\",65\r\n\r\nOK\r\n";
    QTest::newRow("routed with +CDS in PDU mode")
        << send + QByteArrayList{"AT+CNMI=2,1,0,1\r", "<report 1 delivered>"}
        << sent + "\r\nOK\r\n\r\n+CDS: 25\r\n" + report + "00\r\n";
    QTest::newRow("routed with +CDS in text mode, asked for by +CSMP")
        << QByteArrayList{"<reports by hand>", "ATE0;+CMGF=1;+CSMP=49;+CNMI=2,1,0,1\r",
                          "AT+CMGS=\"+447700900123\"\r", "Hi\x1A", "<report 1 failed 65>"}
        << QByteArray(
               "ATE0;+CMGF=1;+CSMP=49;+CNMI=2,1,0,1\r\r\nOK\r\n\r\n> \r\n+CMGS: 1\r\n\r\nOK\r\n"
               "\r\n+CDS: 6,1,\"+447700900123\",145,\"<time>\",\"<time>\",65\r\n");
    QTest::newRow("not passed on with <ds> 0")
        << send + QByteArrayList{"AT+CNMI=2,1,0,0\r", "<report 1 delivered>", "AT+CPMS?\r"}
        << sent + "\r\nOK\r\n\r\n+CPMS: \"SM\",0,20,\"SM\",0,20,\"SM\",0,20\r\n\r\nOK\r\n";
    QTest::newRow("+CNMA under +CSMS=1, with a PDU, then with nothing to acknowledge")
        << QByteArrayList{"ATE0;+CSMS=1;+CNMI=2,2\r", Incoming, "AT+CNMA=2,2\r", "0000\x1A",
                          "AT+CNMA\r"}
        << QByteArray("ATE0;+CSMS=1;+CNMI=2,2\r\r\n+CSMS: 1,1,1\r\n\r\nOK\r\n\r\n+CMT: ,24\r\n"
                      "0791447700090000040C9144770009406500006221805103004005C8329BFD06\r\n\r\n> "
                      "\r\nOK\r\n\r\n+CMS ERROR: 340\r\n");

    QTest::newRow("a send refused, the next taken, with no report as it asked for none")
        << QByteArrayList{"<reject 38>",    "<reports by hand>",   "ATE0\r",
                          "AT+CMGS=25\r",   TestPdu + '\x1A',      "AT+CMGS=25\r",
                          TestPdu + '\x1A', "<report 1 delivered>"}
        << "ATE0\r\r\nOK\r\n\r\n> \r\n+CMS ERROR: 38\r\n" + sent.mid(11);
    QTest::newRow("full storage: nothing arrives until there is room")
        << QByteArrayList{"ATE0\r", "<storage full>", Incoming, "AT+CPMS?;+CMGW=25\r",
                          "<storage free>"}
        << QByteArray("ATE0\r\r\nOK\r\n\r\n+CPMS: \"SM\",0,0,\"SM\",0,0,\"SM\",0,0\r\n"
                      "\r\n+CMS ERROR: 322\r\n\r\n+CMTI: \"SM\",1\r\n");
    QTest::newRow("full storage: a deleted message makes room")
        << QByteArrayList{"ATE0\r", Incoming, "<storage full>", Incoming, "AT+CMGD=1\r"}
        << QByteArray("ATE0\r\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
}

// The times a status report carries are the clock's: shown as <time>, and in a PDU as <times>.
void TestSimulatedModem::reportsAndRefuses() {
    QFETCH(QByteArrayList, input);

    static const QRegularExpression Time(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d[+-]\d\d)");
    static const QRegularExpression Times("(0C91447700091032)[0-9A-F]{28}");
    SimulatedModem modem;
    QTEST(QString::fromLatin1(answer(modem, input))
              .replace(Time, "<time>")
              .replace(Times, "\\1<times>")
              .toLatin1(),
          "output");
}

void TestSimulatedModem::boundsWhatWaits_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<int>("dropped");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("answers");

    QByteArrayList reports{"<reports by hand>", "ATE0;+CNMI=2,1,0,1\r"};
    for (int i = 0; i < 257; ++i)
        reports += QByteArrayList{"AT+CMGS=25\r", "0021" + TestPdu.mid(4) + '\x1A'};
    // Reference 1 came round again: only the newer message's report waits on it.
    QTest::newRow("status reports, 256")
        << reports + QByteArrayList(2, "<report 1 delivered>") << 2 << QByteArray("+CDS: ") << 1;
    QByteArrayList sent{"ATE0\r"};
    for (int i = 0; i < 257; ++i)
        sent += QByteArrayList{"AT+CMGS=25\r", TestPdu + '\x1A'};
    QTest::newRow("accepted messages, 256") << sent << 1 << QByteArray("+CMGS: ") << 257;
    QTest::newRow("indications held in mode 0, 16")
        << QByteArrayList{"ATE0;+CNMI=0,1\r"} + QByteArrayList(17, Incoming) +
               QByteArrayList{"AT+CNMI=2,1\r"}
        << 1 << QByteArray("+CMTI: ") << 16;
    const QByteArrayList network{"ATE0;+CNMI=2,2\r", "<network off>"};
    QTest::newRow("messages in the network, 1000")
        << network + QByteArrayList(1001, Incoming) + QByteArrayList{"<network roaming>"} << 1
        << QByteArray("+CMT: ") << 1000;
}

// What waits on the network stays within its bounds; what goes past them is logged.
void TestSimulatedModem::boundsWhatWaits() {
    QFETCH(QByteArrayList, input);
    QFETCH(QByteArray, answer);

    SimulatedModem modem;
    QSignalSpy noted(&modem, &SimulatedModem::noted);
    const QByteArray output = ::answer(modem, input);
    QTEST(int(std::count_if(noted.begin(), noted.end(),
                            [](const QList<QVariant> &note) {
                                return note.constFirst().toString().contains(u"dropped");
                            })),
          "dropped");
    QTEST(int(output.count(answer)), "answers");
}

void TestSimulatedModem::stopsRoutingWithoutAcknowledgement() {
    SimulatedModem modem;
    modem.setAcknowledgementTimeout(std::chrono::milliseconds(1));
    answer(modem, {"AT+CSMS=1;+CNMI=2,2,0,1\r", Incoming});
    QTRY_VERIFY(answer(modem, {"AT+CNMI?\r"}).endsWith("\r\n+CNMI: 2,0,0,0,0\r\n\r\nOK\r\n"));
}

// A slow modem echoes at once, answers late, and takes what follows only then; what arrived
// meanwhile goes out between the two command lines.
void TestSimulatedModem::answersLate() {
    SimulatedModem modem;
    QByteArray output;
    connect(&modem, &SimulatedModem::transmit, [&](const QByteArray &bytes) { output += bytes; });
    modem.setAnswerDelay(std::chrono::milliseconds(30));
    modem.receive("AT\rATI\r");
    modem.deliver(QStringLiteral("+447700900456"), QStringLiteral("Hello"));
    QCOMPARE(output, QByteArray("AT\r"));
    QTRY_COMPARE(output, QByteArray("AT\r\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\nATI\r\r\nModemPad "
                                    "simulated GSM modem\r\n\r\nOK\r\n"));
}

// Off, it hears nothing; back, it says so, and answers as after power-on: its settings reset,
// the line being typed dropped, the SIM asking for its PIN again.
void TestSimulatedModem::restarts() {
    SimulatedModem modem;
    QByteArray output;
    connect(&modem, &SimulatedModem::transmit, [&](const QByteArray &bytes) { output += bytes; });
    for (const char *sim : {"READY\r\n\r\nSMS Ready", "SIM PIN"}) {
        modem.receive("ATE0\rAT+CMG");
        output.clear();
        modem.restart(std::chrono::milliseconds(20));
        modem.receive("AT\r");
        QVERIFY(output.isEmpty());
        QTRY_VERIFY(!output.isEmpty());
        modem.receive("AT\r");
        QCOMPARE(output, QByteArray("\r\nRDY\r\n\r\n+CPIN: ") + sim + "\r\nAT\r\r\nOK\r\n");
        modem.lockSim(QStringLiteral("1234"));
        modem.receive("AT+CPIN=1234\r");
    }
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
    QTest::newRow("extension characters")
        << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"123\"\r", "[{x}]\x1A"} << prompt + sent
        << "123" << 129 << "[{x}]";
    QTest::newRow("type given") << QByteArrayList{setup, "AT+CMGF=1\r", "AT+CMGS=\"0123\",161\r",
                                                  "x\x1A"}
                                << prompt + sent << "0123" << 161 << "x";
    QTest::newRow("UCS2 character set, number and text")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r",
                          "AT+CMGS=\"002B003400340037003700300030003900300030003100320033\"\r",
                          "004820AC\x1A"}
        << prompt + sent << "+447700900123" << 145 << QString::fromUtf16(u"H\u20AC");
    QTest::newRow("UCS2 coding chosen by +CSMP")
        << QByteArrayList{setup, "AT+CMGF=1;+CSMP=17,167,0,8\r", "AT+CMGS=\"123\"\r",
                          "041F04400438\x1A"}
        << prompt + sent << "123" << 129 << QStringLiteral("При");
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
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r", "AT+CMGS=\"0031\"\r", "004\x1A"}
        << prompt + refused << QString() << 0 << QString();
    QTest::newRow("71 characters in UCS2")
        << QByteArrayList{setup, "AT+CMGF=1;+CSMP=17,167,0,8\r", "AT+CMGS=\"1\"\r",
                          QByteArray("0041").repeated(71) + '\x1A'}
        << prompt + refused << QString() << 0 << QString();
    QTest::newRow("UCS2 number ending in a line feed")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r", "AT+CMGS=\"0031000A\"\r"}
        << QByteArray("ATE0\r\r\nOK\r\n\r\nOK\r\n\r\nERROR\r\n") << QString() << 0 << QString();
    QTest::newRow("UCS2 number not in hex")
        << QByteArrayList{setup, "AT+CMGF=1;+CSCS=\"UCS2\"\r", "AT+CMGS=\"123\"\r"}
        << QByteArray("ATE0\r\r\nOK\r\n\r\nOK\r\n\r\nERROR\r\n") << QString() << 0 << QString();
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

void TestSimulatedModem::receives_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");

    // "Hello" and "Привет" from +447700900456, sent 2026-12-08 15:30 at UTC+1.
    const QByteArray hello = "0791447700090000040C9144770009406500006221805103004005C8329BFD06";
    const QByteArray privet = "0791447700090000040C914477000940650008622180510300400C041F04400438"
                              "043204350442";
    const QByteArray ok = "ATE0\r\r\nOK\r\n";
    const QByteArray cmti = "\r\n+CMTI: \"SM\",1\r\n";
    QTest::newRow("stored and announced") << QByteArrayList{"ATE0\r", Incoming} << ok + cmti;
    QTest::newRow("listed in PDU mode, then read")
        << QByteArrayList{"ATE0\r", Incoming, "AT+CMGL=4\r", "AT+CMGL=0\r", "AT+CPMS?\r"}
        << ok + cmti + "\r\n+CMGL: 1,0,,24\r\n" + hello + "\r\n\r\nOK\r\n\r\nOK\r\n" +
               "\r\n+CPMS: \"SM\",1,20,\"SM\",1,20,\"SM\",1,20\r\n\r\nOK\r\n";
    QTest::newRow("read in text mode")
        << QByteArrayList{"ATE0\r", Incoming, "AT+CMGF=1;+CMGR=1\r", "AT+CMGL\r"}
        << ok + cmti +
               "\r\n+CMGR: \"REC UNREAD\",\"+447700900456\",,\"26/12/08,15:30:00+04\"\r\nHello\r\n"
               "\r\nOK\r\n\r\nOK\r\n";
    QTest::newRow("read in text mode with +CSDH=1")
        << QByteArrayList{"ATE0\r", Incoming, "AT+CMGF=1;+CSDH=1;+CMGL=\"ALL\"\r"}
        << ok + cmti +
               "\r\n+CMGL: 1,\"REC UNREAD\",\"+447700900456\",,\"26/12/08,15:30:00+04\",145,5\r\n"
               "Hello\r\n\r\nOK\r\n";
    QTest::newRow("UCS2 in text mode, in the UCS2 character set")
        << QByteArrayList{"ATE0\r", "<Unicode message arrives>",
                          "AT+CMGF=1;+CSCS=\"UCS2\";+CMGR=1\r"}
        << ok + cmti +
               "\r\n+CMGR: \"REC "
               "UNREAD\",\"002B003400340037003700300030003900300030003400350036\",,"
               "\"26/12/08,15:30:00+04\"\r\n041F04400438043204350442\r\n\r\nOK\r\n";
    QTest::newRow("routed with +CMT in PDU mode")
        << QByteArrayList{"ATE0\r", "AT+CNMI=2,2\r", "<Unicode message arrives>", "AT+CPMS?\r"}
        << ok + "\r\nOK\r\n\r\n+CMT: ,31\r\n" + privet + "\r\n" +
               "\r\n+CPMS: \"SM\",0,20,\"SM\",0,20,\"SM\",0,20\r\n\r\nOK\r\n";
    QTest::newRow("routed with +CMT in text mode")
        << QByteArrayList{"ATE0\r", "AT+CMGF=1;+CNMI=2,2\r", Incoming}
        << ok + "\r\nOK\r\n\r\n+CMT: \"+447700900456\",,\"26/12/08,15:30:00+04\"\r\nHello\r\n";
    QTest::newRow("held while a command line is typed")
        << QByteArrayList{"ATE0\r", "AT", Incoming, "\r"} << ok + "\r\nOK\r\n" + cmti;
    QTest::newRow("held while a command line is typed, the last 100")
        << QByteArrayList{"ATE0;+CNMI=2,2\r", "AT"} + QByteArrayList(101, Incoming) +
               QByteArrayList{"\r"}
        << "ATE0;+CNMI=2,2\r\r\nOK\r\n\r\nOK\r\n" +
               QByteArray("\r\n+CMT: ,24\r\n" + hello + "\r\n").repeated(100);
    QTest::newRow("held while a prompt waits")
        << QByteArrayList{"ATE0\r", "AT+CMGS=25\r", Incoming, "\x1B"}
        << ok + "\r\n> \r\nOK\r\n" + cmti;
    QTest::newRow("held in the modem with <mode> 0, then sent")
        << QByteArrayList{"ATE0\r", "AT+CNMI=0\r", Incoming, "AT+CNMI=2\r"}
        << ok + "\r\nOK\r\n\r\nOK\r\n" + cmti;
    QTest::newRow("held in the modem with <mode> 0, then reset")
        << QByteArrayList{"ATE0\r", "AT+CNMI=0\r", Incoming, "ATZ\r", "ATE0+CNMI=0;+CNMI=2\r"}
        << ok + "\r\nOK\r\n\r\nOK\r\nATE0+CNMI=0;+CNMI=2\r\r\nOK\r\n";
    QTest::newRow("held in the modem with <mode> 0, then dropped")
        << QByteArrayList{"ATE0\r", "AT+CNMI=0\r", Incoming, "AT+CNMI=2,1,0,0,1\r"}
        << ok + "\r\nOK\r\n\r\nOK\r\n";
    QTest::newRow("+CMGD=1,1 deletes what was read")
        << QByteArrayList{"ATE0;+CNMI=2,0\r", Incoming, Incoming, "AT+CMGR=2\r",
                          "AT+CMGD=1,1;+CMGD=?\r"}
        << "ATE0;+CNMI=2,0\r\r\nOK\r\n\r\n+CMGR: 0,,24\r\n" + hello + "\r\n\r\nOK\r\n" +
               "\r\n+CMGD: (1),(0-4)\r\n\r\nOK\r\n";
    QTest::newRow("written in text mode, listed as a PDU, sent from storage")
        << QByteArrayList{"ATE0;+CMGF=1\r", "AT+CMGW=\"+447700900123\"\r", "Hi\x1A",
                          "AT+CMGF=0;+CMSS=1;+CMGL=4\r"}
        << QByteArray("ATE0;+CMGF=1\r\r\nOK\r\n\r\n> \r\n+CMGW: 1\r\n\r\nOK\r\n\r\n+CMSS: 1\r\n"
                      "\r\n+CMGL: 1,3,,16\r\n0011000C914477000910320000A702C834\r\n\r\nOK\r\n");
    QTest::newRow("written with a type of number, listed with it")
        << QByteArrayList{"ATE0;+CMGF=1;+CSDH=1\r", "AT+CMGW=\"123\",161\r", "Hi\x1A",
                          "AT+CMGL=\"ALL\"\r"}
        << QByteArray("ATE0;+CMGF=1;+CSDH=1\r\r\nOK\r\n\r\n> \r\n+CMGW: 1\r\n\r\nOK\r\n"
                      "\r\n+CMGL: 1,\"STO UNSENT\",\"123\",,,161,2\r\nHi\r\n\r\nOK\r\n");
    QTest::newRow("+CMGW of a received status")
        << QByteArrayList{"ATE0\r", "AT+CMGW=25,1\r"} << ok + "\r\n+CMS ERROR: 303\r\n";
}

void TestSimulatedModem::receives() {
    QFETCH(QByteArrayList, input);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
}

void TestSimulatedModem::returnsMessagesToItsOwnNumber() {
    SimulatedModem modem;
    const QByteArray output = answer(
        modem, {"ATE0;+CMGF=1\r", "AT+CMGS=\"+447700900999\"\r", "Back to me\x1A", "AT+CMGR=1\r"});
    QVERIFY2(output.contains("+CMGS: 1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n"), output);
    QVERIFY2(output.contains("+CMGR: \"REC UNREAD\",\"+447700900999\""), output);
    QVERIFY2(output.contains("\r\nBack to me\r\n"), output);
    // Through the service centre +CSCA names, of the type it gives.
    const QByteArray again =
        answer(modem, {"AT+CSCA=\"12345\",129;+CSDH=1\r", "AT+CMGS=\"+447700900999\"\r",
                       "Again\x1A", "AT+CMGR=2\r"});
    QVERIFY2(again.contains(",\"12345\",129,5\r\nAgain\r\n"), again);
}

void TestSimulatedModem::forgetsATerminalThatLeft_data() {
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("in a PDU") << QByteArrayList{"AT+CMGS=25\r", TestPdu.left(20), Closed, "AT\r"}
                              << "AT+CMGS=25\r\r\n> " + TestPdu.left(20) + "AT\r\r\nOK\r\n";
    QTest::newRow("in a command line") << QByteArrayList{"AT+CMG", Closed, "F?\r", "AT\r"}
                                       << QByteArray("AT+CMGF?\rAT\r\r\nOK\r\n");
    QTest::newRow("not with &D0") << QByteArrayList{"ATE0&D0\r", "AT+CMGS=25\r", TestPdu.left(20),
                                                    Closed, TestPdu.mid(20) + '\x1A'}
                                  << QByteArray(
                                         "ATE0&D0\r\r\nOK\r\n\r\n> \r\n+CMGS: 1\r\n\r\nOK\r\n");
}

void TestSimulatedModem::forgetsATerminalThatLeft() {
    QFETCH(QByteArrayList, input);

    SimulatedModem modem;
    QTEST(answer(modem, input), "output");
}

void TestSimulatedModem::cancelsAPromptLeftWaiting() {
    SimulatedModem modem;
    modem.setPromptTimeout(std::chrono::milliseconds(1));
    QByteArray output;
    connect(&modem, &SimulatedModem::transmit,
            [&output](const QByteArray &bytes) { output += bytes; });
    modem.receive("ATE0\rAT+CMGS=25\r");
    QTRY_VERIFY2(output.endsWith("\r\n> \r\n+CMS ERROR: 500\r\n"), output);
    modem.receive("AT\r");
    QVERIFY2(output.endsWith("\r\n+CMS ERROR: 500\r\n\r\nOK\r\n"), output);
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
    // One message for each reference is kept: the first went when its reference came round.
    QCOMPARE(modem.acceptedMessages().size(), 256);
    QCOMPARE(modem.acceptedMessages().constFirst().reference, 2);
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

QTEST_GUILESS_MAIN(TestSimulatedModem)
#include "tst_simulatedmodem.moc"
