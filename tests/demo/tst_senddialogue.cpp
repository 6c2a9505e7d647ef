// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "form1.h"
#include "modemline.h"
#include "pseudoterminal.h"
#include "simulatedmodem.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

constexpr int AnswerTimeoutMs = 20'000;

// One press of a button and the answer, blanks left out, that shows it was taken; none for a
// press the modem does not answer.
struct Press {
    QString button;
    QString answer;
};

// The window, on port 5, talking over a pseudo-terminal to a simulated modem.
class Bench {
public:
    explicit Bench(bool paced = false) {
        line.setPaced(paced);
        opened = line.openPseudoTerminal();
        form.port().mapPort(5, line.devicePath());
        form.show();
        // A failure shows a modal box; close it as a user would and remember what it said.
        QObject::connect(&boxWatch, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                failures << box->text();
                box->reject();
            }
        });
        boxWatch.start(50);
    }

    QString log() const { return form.findChild<QPlainTextEdit *>()->toPlainText(); }
    QString compactLog() const { return log().remove(u' ').remove(u'\n'); }

    bool press(const Press &press) {
        const int before = int(compactLog().count(press.answer));
        QTest::mouseClick(form.findChild<QPushButton *>(press.button), Qt::LeftButton);
        if (press.answer.isEmpty())
            return true;
        return QTest::qWaitFor([&] { return compactLog().count(press.answer) > before; },
                               AnswerTimeoutMs);
    }

    // The result codes and prompts in the log, in order, blanks left out.
    QStringList resultCodes() const {
        static const QRegularExpression Codes(
            QStringLiteral("\\+CMGS:\\d+|\\+CMSERROR:\\d+|\\+CMEERROR:\\d+|ERROR|OK|>"));
        QStringList codes;
        for (const QRegularExpressionMatch &match : Codes.globalMatch(compactLog()))
            codes << match.captured();
        return codes;
    }

    SimulatedModem modem;
    ModemLine line{&modem};
    bool opened = false;
    QTimer boxWatch;
    QStringList failures;
    Form1 form;
};

} // namespace

Q_DECLARE_METATYPE(QList<Press>)

class TestSendDialogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogue_data();
    void dialogue();
    void pacedAnswersArriveInPieces();
};

void TestSendDialogue::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
}

void TestSendDialogue::dialogue_data() {
    QTest::addColumn<QList<Press>>("presses");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("messages");

    const Press connect{QStringLiteral("Connect"), QString()};
    const Press selectPdu{QStringLiteral("Command1"), QStringLiteral("OK")};
    const Press announce{QStringLiteral("Command2"), QStringLiteral(">")};
    const auto send = [](int reference) {
        return Press{QStringLiteral("Command3"), QStringLiteral("+CMGS:%1").arg(reference)};
    };
    const Press textBody{QStringLiteral("Command4"), QString()};

    QTest::newRow("send sequence") << QList<Press>{connect, selectPdu, announce, send(1)}
                                   << QStringList{"OK", ">", "+CMGS:1", "OK"} << 1;
    QTest::newRow("text body at the PDU prompt")
        << QList<Press>{connect,
                        selectPdu,
                        announce,
                        {QStringLiteral("Command4"), QStringLiteral("+CMSERROR:304")},
                        selectPdu}
        << QStringList{"OK", ">", "+CMSERROR:304", "OK"} << 0;
    // The command after it shows that the text body itself got no result code.
    QTest::newRow("text body with no send pending")
        << QList<Press>{connect, selectPdu, textBody, selectPdu} << QStringList{"OK", "OK"} << 0;
    QTest::newRow("two messages") << QList<Press>{connect, selectPdu, announce,
                                                  send(1), announce,  send(2)}
                                  << QStringList{"OK", ">", "+CMGS:1", "OK", ">", "+CMGS:2", "OK"}
                                  << 2;
}

void TestSendDialogue::dialogue() {
    QFETCH(QList<Press>, presses);
    QFETCH(QStringList, results);
    QFETCH(int, messages);

    Bench bench;
    QVERIFY2(bench.opened, qPrintable(bench.line.errorString()));
    for (const Press &press : presses)
        QVERIFY2(bench.press(press), qPrintable(press.button + QStringLiteral(": ") + bench.log()));
    QTRY_COMPARE_WITH_TIMEOUT(bench.resultCodes(), results, AnswerTimeoutMs);

    // The modem's errors are the modem's: the window stays up with its port open.
    QCOMPARE(bench.failures, QStringList());
    QVERIFY(bench.form.isVisible());
    QVERIFY(bench.form.port().portOpen());

    const QList<AcceptedMessage> accepted = bench.modem.acceptedMessages();
    QCOMPARE(accepted.size(), messages);
    for (int i = 0; i < accepted.size(); ++i) {
        QCOMPARE(accepted.at(i).reference, i + 1);
        QCOMPARE(accepted.at(i).submit.destination, QStringLiteral("+447700900123"));
        QCOMPARE(accepted.at(i).submit.destinationType, 145);
        QCOMPARE(accepted.at(i).submit.text, QStringLiteral("modempad test"));
    }
}

void TestSendDialogue::pacedAnswersArriveInPieces() {
    Bench bench(true);
    QVERIFY(bench.opened);
    QVERIFY(bench.press({QStringLiteral("Connect"), QString()}));
    QVERIFY(bench.press({QStringLiteral("Command1"), QStringLiteral("OK")}));

    // Echo and OK hold no blank, so every blank is one the window put before a piece.
    const QString log = bench.log();
    QCOMPARE(bench.compactLog(), QStringLiteral("Text1AT+cmgf=0OK"));
    QVERIFY2(log.startsWith(QStringLiteral("Text1 ")), qPrintable(log));
    QVERIFY2(!log.contains(QStringLiteral("  ")), qPrintable(log));
    QVERIFY2(log.count(u' ') >= 3, qPrintable(log));

    QVERIFY(bench.press({QStringLiteral("Command2"), QStringLiteral(">")}));
    QVERIFY(bench.press({QStringLiteral("Command3"), QStringLiteral("+CMGS:1")}));
    QTRY_COMPARE_WITH_TIMEOUT(bench.resultCodes(), (QStringList{"OK", ">", "+CMGS:1", "OK"}),
                              AnswerTimeoutMs);
    QCOMPARE(bench.failures, QStringList());
    QCOMPARE(bench.modem.acceptedMessages().size(), 1);
    QCOMPARE(bench.modem.acceptedMessages().constFirst().submit.text,
             QStringLiteral("modempad test"));
}

QTEST_MAIN(TestSendDialogue)
#include "tst_senddialogue.moc"
