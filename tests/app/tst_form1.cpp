// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "commerror.h"
#include "failurebox.h"
#include "form1.h"
#include "linetest.h"
#include "modemcommands.h"
#include "pseudoterminal.h"
#include "receivelog.h"
#include "windowonline.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString failureText(int number) {
    return QStringLiteral("Error %1\n").arg(number);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsAsDrawn();
    void controls_data();
    void controls();
    void tabOrder();
    void buttonsSayWhatTheyWrite();
    void portBoxListsTheNumbering();
    void screenReadersNameTheBoxes_data();
    void screenReadersNameTheBoxes();
    void connectOpensTheTypedPort();
    void connectFailures_data();
    void connectFailures();
    void buttonsWriteTheirStrings_data();
    void buttonsWriteTheirStrings();
    void sendBeforeConnectFails_data();
    void sendBeforeConnectFails();
    void repliesAreLoggedPieceByPiece();
    void sendNotificationLeavesTheLogAlone();
    void everyByteValueReachesTheLog();
    void lostDeviceEndsTheApplicationAtNextUse();
    void closingTheWindowClosesThePort_data();
    void closingTheWindowClosesThePort();
};

void TestForm1::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("Every case here needs a pseudo-terminal at the far end of the line, and this "
              "system has none.");
}

void TestForm1::startsAsDrawn() {
    WindowOnLine window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QCOMPARE(window.form.windowTitle(), QStringLiteral("Form1"));
    // 7230 x 5625 twips at 96 dots per inch.
    QCOMPARE(window.form.size(), QSize(482, 375));
    QCOMPARE(window.port->text(), QStringLiteral("5"));
    QCOMPARE(window.log->toPlainText(), QStringLiteral("Text1"));
    QVERIFY(!window.comm->portOpen());
    QCOMPARE(QApplication::focusWidget(), window.button(QStringLiteral("Command1")));
}

void TestForm1::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    // Twips divided by 15: the pixels of a 96 dots-per-inch screen.
    QTest::newRow("Label1") << "Label1"
                            << "Port:" << QRect(8, 8, 97, 17);
    QTest::newRow("txtPort") << "txtPort"
                             << "5" << QRect(8, 32, 105, 19);
    QTest::newRow("Connect") << "Connect"
                             << "Connect" << QRect(168, 24, 89, 41);
    QTest::newRow("Text1") << "Text1"
                           << "Text1" << QRect(8, 72, 105, 137);
    QTest::newRow("Command1") << "Command1"
                              << "AT+CMGF=0" << QRect(168, 120, 89, 41);
    QTest::newRow("Command2") << "Command2"
                              << "Command1" << QRect(168, 168, 89, 41);
    QTest::newRow("Command3") << "Command3"
                              << "Command1" << QRect(168, 216, 89, 41);
    QTest::newRow("Command4") << "Command4"
                              << "Command1" << QRect(168, 264, 89, 41);
}

void TestForm1::controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    WindowOnLine window;
    auto *control = window.form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(control))
        shown = button->text();
    else if (auto *line = qobject_cast<QLineEdit *>(control))
        shown = line->text();
    else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        shown = box->toPlainText();
    QCOMPARE(shown, caption);

    // Nothing follows the window's size.
    window.form.resize(900, 700);
    QCOMPARE(control->geometry(), geometry);
}

void TestForm1::tabOrder() {
    WindowOnLine window;
    QApplication::setActiveWindow(&window.form);
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Command1", "Text1", "Command2", "Command3", "Command4", "Connect",
                                 "txtPort", "Command1"}));
}

void TestForm1::buttonsSayWhatTheyWrite() {
    WindowOnLine window;
    const QStringList expected{"\"AT+cmgf=0\" followed by CR LF",
                               "\"AT+CMGS=25\" followed by CR LF",
                               "\"0001000C91447700091032000" /* ... */,
                               "\"This is a testing message \" followed by Ctrl-Z"};
    QSet<QString> tips;
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = window.button(QStringLiteral("Command%1").arg(i + 1));
        QVERIFY2(button->toolTip().contains(expected[i]), qPrintable(button->toolTip()));
        QCOMPARE(button->accessibleDescription(), button->toolTip());
        tips.insert(button->toolTip());
    }
    QCOMPARE(tips.size(), 4);
}

void TestForm1::portBoxListsTheNumbering() {
    WindowOnLine window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), window.port->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(window.port, &hover);
    QVERIFY2(window.port->toolTip().contains(QStringLiteral("5 = ") + window.modem.devicePath()),
             qPrintable(window.port->toolTip()));
}

void TestForm1::screenReadersNameTheBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");

    QTest::newRow("port box, named by its label") << "txtPort"
                                                  << "Port:";
    QTest::newRow("log box") << "Text1"
                             << "Modem log";
}

void TestForm1::screenReadersNameTheBoxes() {
    QFETCH(QString, box);
    QFETCH(QString, name);

    WindowOnLine window;
    QAccessibleInterface *control =
        QAccessible::queryAccessibleInterface(window.form.findChild<QWidget *>(box));
    QVERIFY(control);
    QCOMPARE(control->role(), QAccessible::EditableText);
    QCOMPARE(control->text(QAccessible::Name), name);
    QVERIFY(!control->text(QAccessible::Description).isEmpty());
}

void TestForm1::connectOpensTheTypedPort() {
    WindowOnLine window;
    window.press(QStringLiteral("Connect"));
    QVERIFY(window.comm->portOpen());

    const PseudoTerminal::LineSettings line = window.modem.lineSettings();
    QCOMPARE(line.baudRate, 2400);
    QCOMPARE(line.dataBits, 8);
    QVERIFY(!line.parity);
    QVERIFY(!line.twoStopBits);
    QVERIFY(line.rtsCts);
    QCOMPARE(window.log->toPlainText(), QStringLiteral("Text1"));
}

void TestForm1::connectFailures_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("portTouched");

    QTest::newRow("letters") << QStringList{"abc"} << int(CommError::PortNumberNotNumeric) << false;
    QTest::newRow("empty") << QStringList{""} << int(CommError::PortNumberNotNumeric) << false;
    QTest::newRow("beyond 16 bits")
        << QStringList{"99999"} << int(CommError::PortNumberOutOfRange) << false;
    QTest::newRow("zero") << QStringList{"0"} << int(CommError::InvalidPortNumber) << true;
    QTest::newRow("no device") << QStringList{"32000"} << int(CommError::NoSuchPort) << true;
    QTest::newRow("no device at that path")
        << QStringList{"/dev/modempad-no-such-device"} << int(CommError::NoSuchPort) << true;
    QTest::newRow("a path that is no serial port")
        << QStringList{"/dev/null"} << int(CommError::SettingRefused) << true;
    QTest::newRow("second Connect")
        << QStringList{"5", "5"} << int(CommError::PortAlreadyOpen) << true;
    QTest::newRow("send before Connect, the port box as it starts")
        << QStringList{"5"} << int(CommError::PortNotOpen) << false;
    QTest::newRow("send before Connect, a typed number")
        << QStringList{"3"} << int(CommError::PortNotOpen) << false;
    QTest::newRow("send before Connect, a typed path")
        << QStringList{" /dev/ttyUSB0"} << int(CommError::PortNotOpen) << false;
}

void TestForm1::connectFailures() {
    QFETCH(QStringList, typed);
    QFETCH(int, error);
    QFETCH(bool, portTouched);

    WindowOnLine window;
    // Error 8 comes from a send button, the others from Connect.
    const QString button = error == CommError::PortNotOpen ? "Command1" : "Connect";
    const LineTest::Failure failure = LineTest::runUntilExit([&] {
        for (const QString &text : typed) {
            window.port->setText(text);
            window.press(button);
        }
    });
    QCOMPARE(failure.exitStatus, 1);
    QVERIFY2(failure.message.startsWith(failureText(error)), qPrintable(failure.message));
    QVERIFY2(failure.readAloud.contains(failure.message), qPrintable(failure.readAloud.join('|')));
    // The description names the port as typed, and port 5 with the device behind it.
    const QString port = typed.last().trimmed();
    QVERIFY2(failure.message.contains(port == u"5" ? "5 (" + window.modem.devicePath() : port),
             qPrintable(failure.message));
    QVERIFY(!window.comm->portOpen());
    // A number that does not convert never reaches the component, nor does a send before
    // Connect: it is as it was created.
    if (!portTouched) {
        const CommControl untouched;
        QCOMPARE(window.comm->commPort(), untouched.commPort());
        QCOMPARE(window.comm->settings(), untouched.settings());
    }

    // The port was released on the way out: another program may take it now.
    CommControl next;
    next.mapPort(1, window.modem.devicePath());
    next.setPortOpen(true);
}

void TestForm1::buttonsWriteTheirStrings_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Command1") << "Command1" << QByteArray::fromHex("41542B636D67663D300D0A");
    QTest::newRow("Command2") << "Command2" << QByteArray("AT+CMGS=25\r\n");
    QTest::newRow("Command3") << "Command3"
                              << QByteArray("0001000C9144770009103200000D"
                                            "ED37B9DC8687C9207A794E07\x1A");
    QTest::newRow("Command4") << "Command4" << QByteArray("This is a testing message \x1A");
}

void TestForm1::buttonsWriteTheirStrings() {
    QFETCH(QString, button);
    QFETCH(QByteArray, bytes);

    WindowOnLine window;
    window.press(QStringLiteral("Connect"));
    window.press(button);
    QCOMPARE(LineTest::readBytes(window.modem, bytes.size()), bytes);
    window.press(button);
    QCOMPARE(LineTest::readBytes(window.modem, bytes.size()), bytes);
    QTest::qWait(50);
    QCOMPARE(window.modem.readAll(), QByteArray());
}

void TestForm1::sendBeforeConnectFails_data() {
    QTest::addColumn<QString>("button");
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"})
        QTest::newRow(name) << name;
}

void TestForm1::sendBeforeConnectFails() {
    QFETCH(QString, button);

    WindowOnLine window;
    const LineTest::Failure failure = LineTest::runUntilExit([&] { window.press(button); });
    QCOMPARE(failure.exitStatus, 1);
    QVERIFY2(failure.message.startsWith(failureText(CommError::PortNotOpen)),
             qPrintable(failure.message));
    QCOMPARE(window.modem.readAll(), QByteArray());
}

void TestForm1::repliesAreLoggedPieceByPiece() {
    WindowOnLine window;
    window.press(QStringLiteral("Connect"));

    QVERIFY(window.modem.write("\r\nOK\r\n"));
    QTRY_COMPARE(window.log->toPlainText(), QStringLiteral("Text1 \nOK\n"));
    QVERIFY(window.modem.write("\r\n> "));
    QTRY_COMPARE(window.log->toPlainText(), QStringLiteral("Text1 \nOK\n \n> "));
}

void TestForm1::sendNotificationLeavesTheLogAlone() {
    WindowOnLine window;
    window.press(QStringLiteral("Connect"));
    window.press(QStringLiteral("Command1"));
    QCOMPARE(LineTest::readBytes(window.modem, 11).size(), 11);
    QTest::qWait(100);
    QCOMPARE(window.log->toPlainText(), QStringLiteral("Text1"));
}

void TestForm1::everyByteValueReachesTheLog() {
    WindowOnLine window;
    window.press(QStringLiteral("Connect"));
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    QVERIFY(window.modem.write(bytes));

    // However the line divided the bytes, taking out the blanks leaves them all, in order.
    QString expected = QStringLiteral("Text1") +
                       ReceiveLog::toText(bytes, ReceiveLog::controlsIn(window.log->font()));
    expected.remove(u' ');
    QTRY_COMPARE(window.log->toPlainText().remove(u' '), expected);
}

void TestForm1::lostDeviceEndsTheApplicationAtNextUse() {
    WindowOnLine window;
    window.press(QStringLiteral("Connect"));
    window.modem.close();
    QTRY_VERIFY(!window.comm->portOpen());
    QCOMPARE(window.log->toPlainText(), QStringLiteral("Text1"));

    const LineTest::Failure failure =
        LineTest::runUntilExit([&] { window.press(QStringLiteral("Command1")); });
    QCOMPARE(failure.exitStatus, 1);
    QVERIFY2(failure.message.startsWith(failureText(CommError::DeviceLost)),
             qPrintable(failure.message));
    QVERIFY(failure.message.contains(window.modem.devicePath()));
}

void TestForm1::closingTheWindowClosesThePort_data() {
    QTest::addColumn<bool>("connected");
    QTest::newRow("after Connect") << true;
    QTest::newRow("never connected") << false;
}

void TestForm1::closingTheWindowClosesThePort() {
    QFETCH(bool, connected);

    WindowOnLine window;
    if (connected)
        window.press(QStringLiteral("Connect"));
    QCOMPARE(window.comm->portOpen(), connected);
    const LineTest::Failure failure = LineTest::runUntilExit([&] { window.form.close(); }, 300);
    QCOMPARE(failure.exitStatus, -1);
    QCOMPARE(failure.message, QString());
    QVERIFY(!window.form.isVisible());
    QVERIFY(!window.comm->portOpen());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
