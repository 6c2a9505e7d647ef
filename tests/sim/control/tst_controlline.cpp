// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlline.h"

#include <QFile>
#include <QTest>

using namespace Control;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Control::Command)

class TestControlLine : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
    void namesTheLinesThereAre();
    void takesTheDocumentedScenario();
};

void TestControlLine::parses_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<Command>("command");

    QTest::newRow("sms") << "sms +447700900456 Hello there"
                         << Command(Sms{"+447700900456", "Hello there"});
    QTest::newRow("sms keeps the text's spaces")
        << "sms 0123  two spaces, one kept " << Command(Sms{"0123", " two spaces, one kept "});
    QTest::newRow("sms with no text") << "sms 0123" << Command(Sms{"0123", ""});
    QTest::newRow("names in any case") << "SMS 1 Hi" << Command(Sms{"1", "Hi"});
    QTest::newRow("pin") << "pin 1234" << Command(Pin{"1234"});
    QTest::newRow("pin off") << "pin OFF" << Command(Pin{});
    QTest::newRow("report delivered") << "report 7 delivered" << Command(Report{7, 0});
    QTest::newRow("report failed") << "report 255 failed 65" << Command(Report{255, 65});
    QTest::newRow("network roaming")
        << "network roaming" << Command(Network{NetworkState::Roaming});
    QTest::newRow("network searching")
        << "network searching" << Command(Network{NetworkState::Searching});
    QTest::newRow("signal 99") << "signal 99" << Command(Signal{99});
    QTest::newRow("reject once") << "reject 38" << Command(Reject{38, 1});
    QTest::newRow("reject three") << "reject 42 3" << Command(Reject{42, 3});
    QTest::newRow("reject no more") << "reject 42 0" << Command(Reject{42, 0});
    QTest::newRow("storage full") << "storage full" << Command(Storage{true});
    QTest::newRow("delay, bare milliseconds") << "delay 300" << Command(Delay{300ms});
    QTest::newRow("delay in seconds") << "delay 2s" << Command(Delay{2s});
    QTest::newRow("restart") << "restart" << Command(Restart{1s});
    QTest::newRow("restart, quiet for long") << "restart 200ms" << Command(Restart{200ms});
    QTest::newRow("ussd") << "ussd *100# Balance: 5.00 EUR"
                          << Command(Ussd{"*100#", "Balance: 5.00 EUR"});
    QTest::newRow("ussd, 80 UCS2 characters")
        << "ussd *1# " + QString(80, u'Ж') << Command(Ussd{"*1#", QString(80, u'Ж')});
    QTest::newRow("wait") << "  wait 2s  " << Command(Wait{2s});
    QTest::newRow("wait a day") << "wait 86400s" << Command(Wait{24h});
    QTest::newRow("help") << "help" << Command(Help{});
    QTest::newRow("a no-break space before the name")
        << QString::fromUtf16(u"\u00A0help") << Command(Help{});
}

void TestControlLine::parses() {
    QFETCH(QString, line);
    QFETCH(Command, command);

    const ControlLine::Parsed parsed = ControlLine::parse(line);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QVERIFY(parsed.command == command);
}

void TestControlLine::refuses_data() {
    // What the message gives as the line's form; empty for a blank line or a comment, which is
    // neither a command nor an error.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("form");

    QTest::newRow("blank") << "  " << QString();
    QTest::newRow("comment") << "# network off" << QString();
    QTest::newRow("sms, no number") << "sms"
                                    << "sms NUMBER TEXT";
    QTest::newRow("sms, not a number") << "sms Bob Hi"
                                       << "sms NUMBER TEXT";
    QTest::newRow("sms, 21 digits") << "sms 123456789012345678901 Hi"
                                    << "sms NUMBER TEXT";
    QTest::newRow("pin of 3 digits") << "pin 123"
                                     << "pin CODE|off";
    QTest::newRow("pin of 9 digits") << "pin 123456789"
                                     << "pin CODE|off";
    QTest::newRow("pin twice") << "pin 1234 5678"
                               << "pin CODE|off";
    const QString report = "report REF delivered|failed STATUS";
    QTest::newRow("report 256") << "report 256 delivered" << report;
    QTest::newRow("report, no outcome") << "report 7" << report;
    QTest::newRow("report failed, no status") << "report 7 failed" << report;
    QTest::newRow("report failed 63, not a failure") << "report 7 failed 63" << report;
    QTest::newRow("report failed 128") << "report 7 failed 128" << report;
    QTest::newRow("report delivered with a status") << "report 7 delivered 0" << report;
    QTest::newRow("report -1") << "report -1 delivered" << report;
    const QString network = "network off|home|roaming|denied|searching";
    QTest::newRow("network abroad") << "network abroad" << network;
    QTest::newRow("network, two states") << "network home roaming" << network;
    QTest::newRow("signal 32") << "signal 32"
                               << "signal 0-31|99";
    QTest::newRow("signal -1") << "signal -1"
                               << "signal 0-31|99";
    QTest::newRow("reject 0") << "reject 0"
                              << "reject CAUSE [COUNT]";
    QTest::newRow("reject 512") << "reject 512"
                                << "reject CAUSE [COUNT]";
    QTest::newRow("reject, count -1") << "reject 38 -1"
                                      << "reject CAUSE [COUNT]";
    QTest::newRow("storage empty") << "storage empty"
                                   << "storage full|free";
    QTest::newRow("delay, unit apart") << "delay 2 s"
                                       << "delay DURATION";
    QTest::newRow("delay over a day") << "delay 86400001"
                                      << "delay DURATION";
    QTest::newRow("delay in minutes") << "delay 2m"
                                      << "delay DURATION";
    QTest::newRow("restart, bare number") << "restart 2"
                                          << "restart [DURATION]";
    QTest::newRow("ussd, no text") << "ussd *100#"
                                   << "ussd CODE TEXT";
    QTest::newRow("ussd, not a code") << "ussd balance Hi"
                                      << "ussd CODE TEXT";
    QTest::newRow("ussd, 183 characters") << "ussd *1# " + QString(183, u'a') << "ussd CODE TEXT";
    QTest::newRow("ussd, 81 in UCS2") << "ussd *1# " + QString(81, u'Ж') << "ussd CODE TEXT";
    QTest::newRow("wait, bare number") << "wait 2"
                                       << "wait DURATION";
    QTest::newRow("wait over a day") << "wait 86401s"
                                     << "wait DURATION";
    QTest::newRow("help with more") << "help me"
                                    << "help";
}

void TestControlLine::refuses() {
    QFETCH(QString, line);
    QFETCH(QString, form);

    const ControlLine::Parsed parsed = ControlLine::parse(line);
    QVERIFY(!parsed.command);
    QCOMPARE(parsed.error, form.isEmpty()
                               ? QString()
                               : '"' + line.trimmed() + "\" is not understood; it takes: " + form);
}

void TestControlLine::namesTheLinesThereAre() {
    const QString names =
        "sms, pin, report, network, signal, reject, storage, delay, restart, ussd, wait, help";
    QCOMPARE(ControlLine::parse(" hello there").error,
             "\"hello there\" is not a line here; the lines are " + names +
                 " (\"help\" says what each does)");
    // help shows each of them, at the start of a line of its own.
    for (const QString &name : names.split(", "))
        QVERIFY2(('\n' + ControlLine::help()).contains(u'\n' + name), qPrintable(name));
}

// The scenario docs/modemsim.md offers plays as it is.
void TestControlLine::takesTheDocumentedScenario() {
    QFile scenario(QStringLiteral(SCENARIO));
    QVERIFY(scenario.open(QIODevice::ReadOnly));
    int commands = 0;
    for (const QString &line : QString::fromUtf8(scenario.readAll()).split(u'\n')) {
        const ControlLine::Parsed parsed = ControlLine::parse(line);
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        commands += parsed.command ? 1 : 0;
    }
    QVERIFY(commands > 10);
}

QTEST_GUILESS_MAIN(TestControlLine)
#include "tst_controlline.moc"
