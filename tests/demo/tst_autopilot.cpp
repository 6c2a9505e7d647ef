// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"
#include "commcontrol.h"
#include "form1.h"
#include "modemline.h"
#include "modemlog.h"
#include "pseudoterminal.h"
#include "simulatedmodem.h"

#include <QApplication>
#include <QBuffer>
#include <QRegularExpression>
#include <QTest>

using namespace std::chrono_literals;

class TestAutopilot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void endsWith_data();
    void endsWith();
};

void TestAutopilot::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
}

void TestAutopilot::endsWith_data() {
    QTest::addColumn<QString>("port5");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("complaint");

    // "modem": the simulated modem the autopilot checks; "other modem": one it does not know;
    // "silent": a line nobody answers on; anything else is a device path.
    QTest::newRow("message arrives") << "modem" << 0 << QString();
    QTest::newRow("message goes elsewhere")
        << "other modem" << 1 << "the modem accepted 0 messages, not one";
    QTest::newRow("no answer") << "silent" << 1 << "no answer to Command1 within 0.5 s";
    QTest::newRow("port missing") << "/dev/modempad-no-such-device" << 1
                                  << "ModemPad reported: Error";
}

void TestAutopilot::endsWith() {
    QFETCH(QString, port5);
    QFETCH(QString, complaint);

    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    SimulatedModem otherModem;
    ModemLine otherLine(&otherModem);
    QVERIFY(otherLine.openPseudoTerminal());
    PseudoTerminal silentLine;
    QBuffer transcript;
    transcript.open(QIODevice::WriteOnly);
    ModemLog log(&modem, &transcript);

    Form1 form;
    const QString device = port5 == u"modem"         ? line.devicePath()
                           : port5 == u"other modem" ? otherLine.devicePath()
                           : port5 == u"silent"      ? silentLine.devicePath()
                                                     : port5;
    form.port().mapPort(5, device);
    form.show();

    if (!complaint.isEmpty()) {
        QTest::ignoreMessage(QtCriticalMsg,
                             QRegularExpression(QRegularExpression::escape(complaint)));
    }
    Autopilot pilot(&form, &modem, &log);
    pilot.setAnswerTimeout(500ms);
    pilot.start();
    // The autopilot ends the application with its status, as the demo's main() returns it.
    QTEST(QApplication::exec(), "status");
    if (complaint.isEmpty())
        QVERIFY2(transcript.data().contains("arrived intact"), transcript.data().constData());
}

QTEST_MAIN(TestAutopilot)
#include "tst_autopilot.moc"
