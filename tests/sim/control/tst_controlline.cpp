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
    void namesItsModem_data();
    void namesItsModem();
    void takesTheDocumentedScenario();
};

void TestControlLine::parses_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<Command>("command");
    const auto row = [](const char *line, const Command &command) {
        QTest::newRow(line) << QString::fromUtf8(line) << command;
    };

    row("sms +447700900456 Hello there", Sms{"+447700900456", "Hello there"});
    row("sms 0123  one space of two kept ", Sms{"0123", " one space of two kept "});
    row("sms 0123", Sms{"0123", ""});
    row("pin 1234", Pin{"1234"});
    row("PIN OFF", Pin{});
    row("report 7 delivered", Report{7, 0});
    row("report 255 failed 65", Report{255, 65});
    row("network roaming", Network{NetworkState::Roaming});
    row("signal 99", Signal{99});
    row("reject 38", Reject{38, 1});
    row("reject 42 0", Reject{42, 0});
    row("storage full", Storage{true});
    row("delay 300", Delay{300ms});
    row("restart", Restart{1s});
    QTest::newRow("ussd, 80 in UCS2")
        << "ussd *1# " + QString(80, u'Ж') << Command(Ussd{"*1#", QString(80, u'Ж')});
    row("  wait 2s  ", Wait{2s});
    row("wait 86400s", Wait{24h});
    row("help", Help{});
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
    // What the message gives as the line's form; none for a blank line or a comment, which is
    // neither a command nor an error.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("form");
    const auto row = [](const QString &line, const char *form) {
        QTest::newRow(qPrintable(line.left(40))) << line << QString::fromLatin1(form);
    };

    row("  ", "");
    row("# network off", "");
    row("sms Bob Hi", "sms NUMBER TEXT");
    row("sms 123456789012345678901 Hi", "sms NUMBER TEXT");
    row("pin 123", "pin CODE|off");
    const char *report = "report REF delivered|failed STATUS";
    row("report 256 delivered", report);
    row("report 7 failed", report);
    row("report 7 failed 63", report);
    row("report 7 failed 128", report);
    row("network abroad", "network off|home|roaming|denied|searching");
    row("signal 32", "signal 0-31|99");
    row("reject 0", "reject CAUSE [COUNT]");
    row("storage empty", "storage full|free");
    row("delay 2 s", "delay DURATION");
    row("restart 2", "restart [DURATION]");
    row("ussd *100#", "ussd CODE TEXT");
    row("ussd *1# " + QString(183, u'a'), "ussd CODE TEXT");
    row("ussd *1# " + QString(81, u'Ж'), "ussd CODE TEXT");
    row("wait 2", "wait DURATION");
    row("wait 86401s", "wait DURATION");
    row("help me", "help");
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
    QCOMPARE(ControlLine::parse(" hello there").error,
             "\"hello there\" is not a line here; the lines are sms, pin, report, network, "
             "signal, reject, storage, delay, restart, ussd, wait, help (\"help\" says what each "
             "does)");
}

void TestControlLine::namesItsModem_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("modem");
    QTest::addColumn<QString>("error");

    QTest::newRow("none: modem 1") << "network off" << 1 << "";
    QTest::newRow("@2") << "@2 network off" << 2 << "";
    QTest::newRow("@all") << " @ALL signal 5" << int(ControlLine::AllModems) << "";
    QTest::newRow("@3 before text") << "@3 sms +447700900456 Hi" << 3 << "";
    QTest::newRow("beyond the last")
        << "@5 network off" << 1
        << "\"@5 network off\" names no modem: the modems are 1 to 4, or @all for every one";
    QTest::newRow("modem 0") << "@0 help" << 1
                             << "\"@0 help\" names no modem: the modems are 1 to 4, or @all for "
                                "every one";
    QTest::newRow("two modems named") << "@2 @3 help" << 1
                                      << "\"@2 @3 help\" names no modem: the modems are 1 to 4, "
                                         "or @all for every one";
    QTest::newRow("nothing after it") << "@2" << 2 << "\"@2\" says nothing to the modem";
    QTest::newRow("a mistake after it")
        << "@2 signal 32" << 2 << "\"signal 32\" is not understood; it takes: signal 0-31|99";
}

void TestControlLine::namesItsModem() {
    QFETCH(QString, line);
    QFETCH(int, modem);
    QFETCH(QString, error);

    const ControlLine::Parsed parsed = ControlLine::parse(line, 4);
    QCOMPARE(parsed.error, error);
    QCOMPARE(bool(parsed.command), error.isEmpty());
    if (parsed.command || !parsed.error.isEmpty())
        QCOMPARE(parsed.modem, modem);
}

// The scenario docs/modemsim.md offers plays as it is.
void TestControlLine::takesTheDocumentedScenario() {
    QFile scenario(QStringLiteral(SCENARIO));
    QVERIFY(scenario.open(QIODevice::ReadOnly));
    for (const QString &line : QString::fromUtf8(scenario.readAll()).split(u'\n'))
        QVERIFY2(ControlLine::parse(line).error.isEmpty(), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestControlLine)
#include "tst_controlline.moc"
