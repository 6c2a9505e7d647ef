// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlplayer.h"
#include "modemnetwork.h"
#include "simulatedmodem.h"

#include <QRegularExpression>
#include <QTest>

#include <array>

namespace {

// Text mode, a status report asked for and passed on as +CDS, arrivals announced with +CMTI.
const QByteArray TextReports = "ATE0;+CMGF=1;+CSMP=49,167,0,0;+CNMI=2,1,0,1,0\r";
const QByteArray ToTwo = "AT+CMGS=\"+447700900998\"\r";
// Valid until 1 January 2020, long gone: to modem 2, "Hi", a status report asked for.
const QByteArray ExpiredPdu = "0039000C9144770009908900000210100000000002C834\x1A";
// The +CDS modem 1 gets for its first message to modem 2, with the TP-Status.
QByteArray report(int status) {
    return R"(\+CDS: 6,1,"\+447700900998",145,"[^"]+","[^"]+",)" + QByteArray::number(status) +
           "\r\n";
}

} // namespace

class TestModemNetwork : public QObject {
    Q_OBJECT

private slots:
    void derivesIdentities_data();
    void derivesIdentities();
    void routes_data();
    void routes();
};

void TestModemNetwork::derivesIdentities_data() {
    QTest::addColumn<Identity>("first");
    QTest::addColumn<int>("k");
    QTest::addColumn<Identity>("identity");

    const Identity first = Identity::first();
    QTest::newRow("1") << first << 1 << first;
    QTest::newRow("2") << first << 2
                       << Identity{"+447700900998", "490154203237526", "001010123456790",
                                   "8900101012345678912"};
    QTest::newRow("64") << first << 64
                        << Identity{"+447700900936", "490154203238144", "001010123456852",
                                    "8900101012345679530"};
    QTest::newRow("counted down past 000 to 999")
        << Identity{"07700900001", "490154203999992", "001019999999", "8900101012349999991"} << 3
        << Identity{"07700900999", "490154204000014", "001019000001", "8900101012340000013"};
}

void TestModemNetwork::derivesIdentities() {
    QFETCH(Identity, first);
    QFETCH(int, k);
    QFETCH(Identity, identity);

    const Identity derived = first.derived(k);
    QVERIFY(derived == identity);
    QVERIFY(!Identity::imeiFault(derived.imei) && !Identity::iccidFault(derived.iccid));

    // The modem says it is who it is.
    SimulatedModem modem;
    modem.setIdentity(derived);
    QByteArray output;
    connect(&modem, &SimulatedModem::transmit, &modem,
            [&output](const QByteArray &bytes) { output += bytes; });
    modem.receive("ATE0\r");
    output.clear();
    modem.receive("AT+CGSN;+GSN;+CIMI;+CNUM\r");
    QCOMPARE(output, "\r\n" + derived.imei.toLatin1() + "\r\n\r\n" + derived.imei.toLatin1() +
                         "\r\n\r\n" + derived.imsi.toLatin1() + "\r\n\r\n+CNUM: ,\"" +
                         derived.number.toLatin1() + "\"," +
                         (derived.number.startsWith(u'+') ? "145" : "129") + "\r\n\r\nOK\r\n");
}

// Three modems of one network; each step is "N:" and what modem N's terminal sends, or a line of
// the control language. Then each modem's output must come to match its pattern.
void TestModemNetwork::routes_data() {
    QTest::addColumn<QByteArrayList>("steps");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");

    const QByteArray cmti = R"(\+CMTI: "SM",1\r\n)";
    QTest::newRow("delivered, as if from the sender")
        << QByteArrayList{"1:" + TextReports, "1:" + ToTwo, "1:Hi\x1A", "2:ATE0;+CMGF=1\r",
                          "2:AT+CMGR=1\r"}
        << R"(\+CMGS: 1\r\n\r\nOK\r\n\r\n)" + report(0)
        << cmti + R"(.*\+CMGR: "REC UNREAD","\+447700900999",,"[^"]+"\r\nHi\r\n)";
    QTest::newRow("UCS2 and class 0 kept")
        << QByteArrayList{"2:ATE0;+CNMI=2,2\r", "1:ATE0;+CMGF=1;+CSMP=17,167,0,24\r", "1:" + ToTwo,
                          "1:041F04400438\x1A"}
        << QByteArray("OK") << QByteArray(R"(\+CMT: ,\d+\r\n07914477\w+0018\w+06041F04400438\r\n)");
    QTest::newRow("waits for the recipient to register")
        << QByteArrayList{"@2 network off", "1:" + TextReports, "1:" + ToTwo, "1:Hi\x1A",
                          "@2 network home"}
        << report(34) + ".*" + report(0) << cmti;
    QTest::newRow("waits for room") << QByteArrayList{"@2 storage full", "1:" + TextReports,
                                                      "1:" + ToTwo, "1:Hi\x1A", "@2 storage free"}
                                    << report(34) + ".*" + report(0) << cmti;
    QTest::newRow("waits for a restart")
        << QByteArrayList{"@2 restart 0ms", "1:" + TextReports, "1:" + ToTwo, "1:Hi\x1A"}
        << report(34) + ".*" + report(0) << cmti;
    QTest::newRow("fails once no longer valid")
        << QByteArrayList{"@2 network off", "1:ATE0;+CNMI=2,1,0,1,0\r", "1:AT+CMGS=22\r",
                          "1:" + ExpiredPdu}
        << QByteArray(R"(\+CDS: 25\r\n\w+22\r\n.*\+CDS: 25\r\n\w+46\r\n)") << QByteArray("^$");
    QTest::newRow("an unknown number, delivered by the service centre")
        << QByteArrayList{"1:" + TextReports, "1:AT+CMGS=\"+447700900456\"\r", "1:Hi\x1A"}
        << QByteArray(R"(\+CDS: 6,1,"\+447700900456",145,"[^"]+","[^"]+",0\r\n)")
        << QByteArray("^$");
}

void TestModemNetwork::routes() {
    QFETCH(QByteArrayList, steps);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);

    std::array<SimulatedModem, 3> modems;
    std::array<QByteArray, 3> outputs;
    ModemNetwork network;
    for (int k = 0; k < 3; ++k) {
        modems[k].setIdentity(Identity::first().derived(k + 1));
        modems[k].setReportDelay(std::chrono::milliseconds(0));
        network.add(&modems[k]);
        connect(&modems[k], &SimulatedModem::transmit, this,
                [&outputs, k](const QByteArray &bytes) { outputs[k] += bytes; });
    }
    ControlPlayer player({&modems[0], &modems[1], &modems[2]});
    for (const QByteArray &step : steps) {
        if (step.startsWith('@'))
            player.play(QString::fromLatin1(step));
        else
            modems[step.at(0) - '1'].receive(step.mid(2));
        // What the network hands on once the sender has its answer.
        QCoreApplication::sendPostedEvents(&network, QEvent::MetaCall);
    }
    constexpr auto Options = QRegularExpression::DotMatchesEverythingOption;
    const QRegularExpression firstPattern(QString::fromLatin1(first), Options);
    const QRegularExpression secondPattern(QString::fromLatin1(second), Options);
    const auto matched = [&] {
        return firstPattern.match(QString::fromLatin1(outputs[0])).hasMatch() &&
               secondPattern.match(QString::fromLatin1(outputs[1])).hasMatch();
    };
    QVERIFY2(QTest::qWaitFor(matched), outputs[0] + "\n---- modem 2:\n" + outputs[1]);
    QVERIFY2(outputs[2].isEmpty(), outputs[2]);
}

QTEST_GUILESS_MAIN(TestModemNetwork)
#include "tst_modemnetwork.moc"
