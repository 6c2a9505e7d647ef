// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "failurebox.h"
#include "failurepolicy.h"
#include "form1.h"
#include "pseudoterminal.h"
#include "smssubmit.h"
#include "startoptions.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>

namespace {

// A settings file in a folder of its own, found there as the user's: QSettings keeps what it has
// read of a file by its path, so each case gets a path no other case used.
struct SettingsFolder {
    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("ModemPad/modempad.conf"));

    explicit SettingsFolder(const QByteArray &lines) {
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        QDir(folder.path()).mkdir(QStringLiteral("ModemPad"));
        QFile conf(file);
        if (!lines.isEmpty() && conf.open(QIODevice::WriteOnly))
            conf.write(lines);
    }
};

} // namespace

// What the window starts with, from its command line and the settings file: the mistakes each
// can hold, and what the buttons then write, decoded at the far end by the simulated modem.
class TestStartOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLineAndFile_data();
    void commandLineAndFile();
    void notReadFaithfully_data();
    void notReadFaithfully();
    void onTheWire_data();
    void onTheWire();
};

void TestStartOptions::initTestCase() {
    // As modempad starts: English, with its plural forms.
    Translations::install(QStringLiteral("modempad"));
    if (!PseudoTerminal::isSupported())
        QSKIP("The wire is a pseudo-terminal, and this system has none.");
}

void TestStartOptions::commandLineAndFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");

    const QString over160 = QString(159, u'a') + QStringLiteral("\u20AC");
    const QString over70 = QString(69, u'\u0416') + QStringLiteral("\U0001F600");
    QTest::newRow("help, with a default from the file")
        << QStringList{"--help"} << QByteArray("baud=115200\n") << 0
        << "Default: 115200, from the settings file.";
    QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << "modempad 0.2.0";
    QTest::newRow("number too long")
        << QStringList{"--to", "+123456789012345678901"} << QByteArray("to=+123456789012345678901")
        << 2 << "has 21 digits, 1 more than the 20";
    QTest::newRow("blanks in the number")
        << QStringList{"--to", "+44 7700 900123"} << QByteArray("to=\"+44 7700 900123\"") << 2
        << "is not a dial string";
    QTest::newRow("text over 160 septets, the euro sign counted twice")
        << QStringList{"--text", over160} << "text=" + over160.toUtf8() << 2
        << "161 septets in the GSM 7-bit alphabet, 1 more than the 160";
    QTest::newRow("over 70 units in UCS2, the emoji counted twice")
        << QStringList{"--text", over70} << "text=" + over70.toUtf8() << 2
        << "71 UTF-16 units in UCS2, 1 more than the 70";
    QTest::newRow("baud 0") << QStringList{"--baud", "0"} << QByteArray("baud=0") << 2
                            << "\"0\" is not a line speed";
    QTest::newRow("baud not a number") << QStringList{"--baud", "fast"} << QByteArray("baud=fast")
                                       << 2 << "\"fast\" is not a line speed";
    QTest::newRow("a port longer than any path")
        << QStringList{"--port", QString(5000, u'/')} << "port=" + QByteArray(5000, '/') << 2
        << "the port has 5000 bytes, more than the 4095";
    QTest::newRow("unknown option, after one of Qt's")
        << QStringList{"-platform", "offscreen", "--speed", "9600"} << QByteArray("speed=9600") << 2
        << "speed";
}

void TestStartOptions::commandLineAndFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QString, said);

    // The program as installed, with no display at all: it must answer before it needs one.
    const SettingsFolder folder(file);
    QProcess modempad;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    modempad.setProcessEnvironment(environment);
    modempad.start(QStringLiteral(MODEMPAD_PATH), arguments);
    QVERIFY(modempad.waitForFinished());
    QCOMPARE(modempad.exitStatus(), QProcess::NormalExit);
    QCOMPARE(modempad.exitCode(), status);
    const QString out = QString::fromUtf8(modempad.readAllStandardOutput());
    const QString error = QString::fromUtf8(modempad.readAllStandardError());
    if (status == 0) {
        QVERIFY2(out.simplified().contains(said), qPrintable(out));
        QCOMPARE(error, QString());
        return;
    }
    // One line that names the option and the rule, and nothing else.
    const QString &option = arguments.at(arguments.size() - 2);
    QVERIFY2(error.startsWith(QStringLiteral("modempad: ")) && error.count(u'\n') == 1 &&
                 error.contains(option) && error.contains(said),
             qPrintable(error));
    QCOMPARE(out, QString());

    // The same value in the settings file, for a program started from a menu: the box.
    QCommandLineParser parser;
    const StartOptions options(parser, Setting::names());
    QVERIFY(parser.parse({QStringLiteral("modempad")}));
    const LineTest::Failure failure =
        LineTest::runUntilExit([&] { FailurePolicy::run([&] { options.settings(); }); });
    QCOMPARE(failure.exitStatus, 1);
    QVERIFY2(failure.message.startsWith(QStringLiteral("Error 14\n")) &&
                 failure.message.contains(folder.file) && failure.message.contains(option.mid(2)) &&
                 failure.message.contains(said),
             qPrintable(failure.message));
}

void TestStartOptions::notReadFaithfully_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("fifo");
    // For printf(1): QProcess takes arguments only as text, which cannot hold a stray byte.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said");

    QTest::newRow("settings in Latin-1")
        << QByteArray("baud=9600\ntext=\"caf\xE9 ok\"\n") << false << ""
        << "its byte 20, on line 2, is 0xE9";
    QTest::newRow("settings cut in a character") << QByteArray("text=\"caf\xC3") << false << ""
                                                 << "its byte 10, on line 1, is 0xC3";
    QTest::newRow("settings a FIFO") << QByteArray() << true << ""
                                     << "is not a regular file";
    QTest::newRow("settings of 100 KB") << "text=" + QByteArray(100'000, 'x') << false << ""
                                        << "has 100005 bytes, more than the 65536";
    QTest::newRow("--text in Latin-1") << QByteArray() << false << "caf\\351 ok"
                                       << "the value of --text is not in UTF-8: its byte 4 is 0xE9";
}

// What cannot be read as written is refused, and said where, rather than read changed: a byte
// taken as U+FFFD turns a text into UCS2, with less than half the room. A FIFO is not opened at
// all, which would wait for a writer for ever, even for --version.
void TestStartOptions::notReadFaithfully() {
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(QString, said);

    const SettingsFolder folder(file);
    if (QFETCH(bool, fifo); fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(folder.file), 0600), 0);
    QProcess modempad;
    modempad.start(
        QStringLiteral("/bin/sh"),
        {"-c", "exec \"$0\" ${1:+--text \"$(printf \"$1\")\"} --version", MODEMPAD_PATH, text});
    QVERIFY(modempad.waitForFinished());
    if (!text.isEmpty()) {
        QCOMPARE(modempad.exitCode(), 2);
        const QString error = QString::fromUtf8(modempad.readAllStandardError());
        QVERIFY2(error.contains(said), qPrintable(error));
        return;
    }
    QCOMPARE(modempad.exitCode(), 0);

    QCommandLineParser parser;
    const StartOptions options(parser, Setting::names());
    QVERIFY(parser.parse({QStringLiteral("modempad")}));
    const LineTest::Failure failure =
        LineTest::runUntilExit([&] { FailurePolicy::run([&] { options.settings(); }); });
    QVERIFY2(failure.message.startsWith(QStringLiteral("Error 14\n")) &&
                 failure.message.contains(folder.file) && failure.message.contains(said),
             qPrintable(failure.message));
}

void TestStartOptions::onTheWire_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("portByPath");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("coding");
    QTest::addColumn<int>("baud");

    QTest::newRow("none: the build's defaults")
        << QStringList() << QByteArray() << false << "+447700900123"
        << "modempad test"
        << "GSM 7-bit" << 2400;
    QTest::newRow("7-bit with extension characters, at 115200")
        << QStringList{"--to", "+46708251358", "--text", "5\u20AC [net] {x}", "--baud", "115200"}
        << QByteArray() << false << "+46708251358" << QStringLiteral("5\u20AC [net] {x}")
        << "GSM 7-bit" << 115200;
    QTest::newRow("Cyrillic in UCS2, all from the file")
        << QStringList() << QByteArray("to=+447700900999\ntext=\"Привет, мир\"\nbaud=9600\n")
        << false << "+447700900999" << QStringLiteral("Привет, мир") << "UCS2" << 9600;
    QTest::newRow("one emoji, its surrogate pair; the command line over the file")
        << QStringList{"--text", "Hi \U0001F600 <b>"} << QByteArray("to=+33612345678\ntext=x\n")
        << false << "+33612345678" << QStringLiteral("Hi \U0001F600 <b>") << "UCS2" << 2400;
    QTest::newRow("national number, to a device path typed in the port box")
        << QStringList{"--to", "07700900456"} << QByteArray() << true << "07700900456"
        << "modempad test"
        << "GSM 7-bit" << 2400;
}

void TestStartOptions::onTheWire() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(bool, portByPath);
    QFETCH(QString, number);
    QFETCH(QString, text);
    QFETCH(QString, coding);

    const SettingsFolder folder(file);
    PseudoTerminal modem;
    if (portByPath)
        arguments << QStringLiteral("--port") << modem.devicePath();
    QCommandLineParser parser;
    const StartOptions options(parser, Setting::names());
    QVERIFY(parser.parse(QStringList{QStringLiteral("modempad")} + arguments));
    QCOMPARE(options.commandLineFault(), QString());
    Form1 form(options.settings());
    if (!portByPath)
        form.port().mapPort(5, modem.devicePath());
    for (const char *button : {"Connect", "Command2", "Command3"})
        form.findChild<QPushButton *>(QLatin1String(button))->click();

    QByteArray wire;
    QVERIFY(QTest::qWaitFor([&] { return (wire += modem.readAll()).endsWith('\x1A'); }));
    QTEST(modem.lineSettings().baudRate, "baud");
    // AT+CMGS=<length> CR LF, then the PDU and Ctrl-Z; the decoder checks the length.
    const qsizetype end = wire.indexOf("\r\n");
    QVERIFY2(wire.startsWith("AT+CMGS=") && end > 0, wire.constData());
    const SmsSubmitDecoding decoded =
        decodeSmsSubmit(wire.mid(end + 2).chopped(1), wire.mid(8, end - 8).toInt());
    QVERIFY2(!decoded.error, wire.constData());
    QCOMPARE(decoded.message.destination, number);
    QCOMPARE(decoded.message.destinationType, number.startsWith(u'+') ? 145 : 129);
    QCOMPARE(decoded.message.text, text);
    QCOMPARE(decoded.message.coding,
             coding == u"UCS2" ? SmsSubmit::Coding::Ucs2 : SmsSubmit::Coding::Gsm7Bit);
    // Given nothing, the bytes the buttons have always written.
    if (arguments.isEmpty() && file.isEmpty()) {
        QCOMPARE(wire, QByteArray("AT+CMGS=25\r\n0001000C9144770009103200000D"
                                  "ED37B9DC8687C9207A794E07\x1A"));
    }

    // The tooltip says what goes where and how, and shows the text as it is.
    const QString tip = form.findChild<QPushButton *>(QStringLiteral("Command3"))->toolTip();
    QVERIFY2(tip.contains(number) && tip.contains(coding) && tip.endsWith(u'\n' + text),
             qPrintable(tip));
    QVERIFY(!Qt::mightBeRichText(tip));
}

QTEST_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
