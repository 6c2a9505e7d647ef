// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int TimeoutMs = 20'000;
const QByteArray TestPdu = "0001000C9144770009103200000DED37B9DC8687C9207A794E07";

// Reads what the modem says until `answer` has come.
bool waitFor(QIODevice &line, QByteArray &received, const QByteArray &answer) {
    return QTest::qWaitFor(
        [&] {
            received += line.readAll();
            return received.contains(answer);
        },
        TimeoutMs);
}

QString writeFile(const QTemporaryDir &directory, const char *name, const QByteArray &bytes) {
    QFile file(directory.filePath(QLatin1String(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

} // namespace

class TestModemSim : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void talksToATerminalProgram_data();
    void talksToATerminalProgram();
    void answersOnAGivenDevice();
    void refusesAMissingDevice();
    void saysWhenTheLineGoes();
    void playsAScriptBesideStandardInput();
    void refusesWhatItCannotPlay_data();
    void refusesWhatItCannotPlay();
    void readsATerminalOfAnotherSession();
    void answersWithNobodyReadingItsLog();
};

void TestModemSim::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
}

void TestModemSim::talksToATerminalProgram_data() {
    // Each write goes once the answer before it is in; the log must then hold the lines.
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<QByteArrayList>("answers");
    QTest::addColumn<QStringList>("logLines");

    QTest::newRow("identifies itself")
        << QByteArrayList{"AT+CGMI;+CGMM\r\n"}
        << QByteArrayList{"\r\nModemPad\r\n\r\nSimulated GSM modem\r\n\r\nOK\r\n"}
        << QStringList{"<- AT+CGMI;+CGMM", "-> ModemPad", "-> Simulated GSM modem", "-> OK"};
    QTest::newRow("PDU mode")
        << QByteArrayList{"AT+CMGF=0\r", "AT+CMGS=25\r", TestPdu + '\x1A'}
        << QByteArrayList{"OK\r\n", "\r\n> ", "\r\n+CMGS: 1\r\n\r\nOK\r\n"}
        << QStringList{"-> > ", "<- " + TestPdu + "^Z",
                       "== accepted message 1 to +447700900123 (type 145), service centre as "
                       "stored, PID 0, GSM 7-bit, no validity period: \"modempad test\"",
                       "-> +CMGS: 1"};
    QTest::newRow("text mode")
        << QByteArrayList{"AT+CMGF=1\r", "AT+CMGS=\"+447700900123\"\r", "Hi there\x1A"}
        << QByteArrayList{"OK\r\n", "\r\n> ", "\r\n+CMGS: 1\r\n\r\nOK\r\n"}
        << QStringList{"<- AT+CMGS=\"+447700900123\"",
                       "== accepted message 1 to +447700900123 (type 145), service centre as "
                       "stored, PID 0, GSM 7-bit, valid for 1 day: \"Hi there\""};
    QTest::newRow("refused PDU") << QByteArrayList{"AT+CMGS=25\r", "This is a testing message \x1A"}
                                 << QByteArrayList{"\r\n> ", "\r\n+CMS ERROR: 304\r\n"}
                                 << QStringList{"-> +CMS ERROR: 304"};
}

// Other software opens the device named on the first line, as it would a modem's.
void TestModemSim::talksToATerminalProgram() {
    QFETCH(QByteArrayList, writes);
    QFETCH(QByteArrayList, answers);
    QFETCH(QStringList, logLines);

    QProcess modemsim;
    modemsim.start(QStringLiteral(MODEMSIM));
    QVERIFY(QTest::qWaitFor([&] { return modemsim.canReadLine(); }, TimeoutMs));
    const QString device = QString::fromLocal8Bit(modemsim.readLine().trimmed());
    QVERIFY2(device.startsWith(QStringLiteral("/dev/pts/")), qPrintable(device));

    QSerialPort line(device);
    line.setBaudRate(2400);
    QVERIFY2(line.open(QIODevice::ReadWrite), qPrintable(line.errorString()));
    QByteArray received;
    for (qsizetype i = 0; i < writes.size(); ++i) {
        line.write(writes.at(i));
        QVERIFY2(waitFor(line, received, answers.at(i)), received.constData());
    }

    // The log is written a line at a time, so a reader sees each line as it completes.
    QString log;
    const auto logHasAll = [&] {
        log += QString::fromUtf8(modemsim.readAllStandardOutput());
        return std::all_of(logLines.begin(), logLines.end(),
                           [&](const QString &l) { return log.contains(l + u'\n'); });
    };
    QVERIFY2(QTest::qWaitFor(logHasAll, TimeoutMs), qPrintable(log));
    // Let go of the device while it is there: closed after modemsim has gone, it would free its
    // number while our lock still named it, refusing the test beside us that got that number.
    line.close();
    modemsim.kill();
    modemsim.waitForFinished();
}

// It answers while a long script plays, and a kill then ends it at once, its lock gone.
void TestModemSim::answersOnAGivenDevice() {
    PseudoTerminal terminal;
    QTemporaryDir directory;
    const QString script = writeFile(
        directory, "long", QByteArray("signal 5\n").repeated(100'000) + "wait 60s\nsignal 1\n");
    QProcess modemsim;
    modemsim.start(QStringLiteral(MODEMSIM), {terminal.devicePath(), "--script", script});
    QVERIFY(QTest::qWaitFor([&] { return modemsim.canReadLine(); }, TimeoutMs));
    QCOMPARE(QString::fromLocal8Bit(modemsim.readLine().trimmed()), terminal.devicePath());

    QVERIFY(terminal.write("ATI\r"));
    QByteArray received;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     received += terminal.readAll();
                     return received.contains("OK\r\n");
                 },
                 TimeoutMs),
             received.constData());
    QCOMPARE(received, QByteArray("ATI\r\r\nModemPad simulated GSM modem\r\n\r\nOK\r\n"));

    // Stopped as Ctrl-C or kill stops it, it lets go of the device's lock file.
    const QString lock = "/run/lock/LCK.." + terminal.devicePath().mid(5).replace(u'/', u'_');
    QVERIFY2(QFile::exists(lock), qPrintable(lock));
    modemsim.terminate();
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
    QCOMPARE(modemsim.exitStatus(), QProcess::NormalExit);
    QVERIFY2(!QFile::exists(lock), qPrintable(lock));
}

void TestModemSim::refusesAMissingDevice() {
    QProcess modemsim;
    modemsim.start(QStringLiteral(MODEMSIM), {QStringLiteral("/dev/modempad-no-such-device")});
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
    QCOMPARE(modemsim.exitCode(), 1);
    QVERIFY(modemsim.readAllStandardError().contains("/dev/modempad-no-such-device"));
}

// What happened, not the last ioctl that failed ("Inappropriate ioctl for device").
void TestModemSim::saysWhenTheLineGoes() {
    PseudoTerminal terminal;
    QProcess modemsim;
    modemsim.start(QStringLiteral(MODEMSIM), {terminal.devicePath()});
    QVERIFY(QTest::qWaitFor([&] { return modemsim.canReadLine(); }, TimeoutMs));
    terminal.close();
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
    QCOMPARE(modemsim.exitCode(), 1);
    const QString said = QString::fromUtf8(modemsim.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("line lost: %1 went away").arg(terminal.devicePath())),
             qPrintable(said));
}

// The script waits while standard input goes on, and a line not understood changes nothing, nor
// does one too long to keep, whose end is no line of its own.
// Standard input is a file, there at once, and the script's wait far longer than the modem
// takes to read it.
void TestModemSim::playsAScriptBesideStandardInput() {
    QTemporaryDir directory;
    const QString script = writeFile(directory, "scenario",
                                     "# roaming, then a message\nwait 1s\nnetwork roaming\n"
                                     "sms 0123 from the script\n");
    QProcess modemsim;
    modemsim.setStandardInputFile(
        writeFile(directory, "input",
                  "sms 0789 " + QByteArray(70'000, 'x') +
                      "\nsms 0456 from standard input\nnetwork abroad\nhelp\n"));
    // A word of any case, as the language's lines take them.
    modemsim.start(QStringLiteral(MODEMSIM),
                   {"--script", script, "--network", "denied", "--report-delay", "NEVER"});
    QString log;
    const auto played = [&] {
        log += QString::fromUtf8(modemsim.readAllStandardOutput());
        return log.contains(QStringLiteral("played to its end"));
    };
    QVERIFY2(QTest::qWaitFor(played, TimeoutMs), qPrintable(log));
    QCOMPARE(log.split(u'\n').filter(QRegularExpression("^-- ")),
             QStringList({"-- the network: denied",
                          QStringLiteral("-- message from 0456 waits in the network for the "
                                         "modem to register: \"from standard input\""),
                          "-- the network: roaming",
                          "-- message from 0456 stored in \"SM\" at 1: \"from standard input\"",
                          "-- message from 0123 stored in \"SM\" at 2: \"from the script\"",
                          "-- the script " + script + " has played to its end"}));
    modemsim.kill();
    modemsim.waitForFinished();
    const QString told = QString::fromUtf8(modemsim.readAllStandardError());
    QVERIFY2(told.contains("a line over 64 KiB is dropped") && !told.contains("xxx"),
             qPrintable(told.left(200)));
    QVERIFY2(told.contains("\"network abroad\" is not understood; it takes: network "
                           "off|home|roaming|denied|searching\n") &&
                 told.contains("\nwait DURATION\n    the next line waits DURATION\n"),
             qPrintable(told));
}

void TestModemSim::refusesWhatItCannotPlay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("a script line") << QStringList{"--script", "wait 1s\n\nwait 2\n"}
                                   << ":3: \"wait 2\" is not understood; it takes: wait DURATION";
    QTest::newRow("a PIN of three digits")
        << QStringList{"--pin", "123"} << "--pin: \"pin 123\" is not understood";
    QTest::newRow("a PUK with a line feed after it")
        << QStringList{"--puk", "12345678\n"} << "--puk takes 8 digits";
    QTest::newRow("an ICCID with a wrong check digit")
        << QStringList{"--iccid", "8900101012345678905"} << "--iccid takes 89 and";
    QTest::newRow("a report delay without a unit")
        << QStringList{"--report-delay", "5"} << "--report-delay takes a duration";
    // It would be read for ever, growing until memory ran out.
    QTest::newRow("a script that is a device")
        << QStringList{"--script", "/dev/zero"} << "/dev/zero is not a regular file";
    QTest::newRow("a script's message too long for 255 parts")
        << QStringList{"--script", "wait 1s\nsms 0123 " + QString(40'000, u'x')}
        << ":2: \"sms 0123 xxx";
    QTest::newRow("a script line for a modem there is not")
        << QStringList{"--script", "@2 network off\n"} << ":1: \"@2 network off\" names no modem";
    QTest::newRow("an ICCID for a modem there is not")
        << QStringList{"--modems", "2", "--iccid", "3:8900101012345678904"} << "no modem 3";
    QTest::newRow("two modems with one number")
        << QStringList{"--modems", "2", "--number", "2:+447700900999"} << "both have the number";
    QTest::newRow("ports past 65535")
        << QStringList{"--modems", "2", "--listen", "65535"} << "--listen takes [HOST:]PORT";
}

// Each mistake stops it before it starts, with status 2 and what was wrong.
void TestModemSim::refusesWhatItCannotPlay() {
    QFETCH(QStringList, arguments);

    QTemporaryDir directory;
    if (arguments.constFirst() == QLatin1String("--script") && !arguments.at(1).startsWith(u'/'))
        arguments[1] = writeFile(directory, "scenario", arguments.at(1).toUtf8());
    QProcess modemsim;
    modemsim.start(QStringLiteral(MODEMSIM), arguments);
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
    QCOMPARE(modemsim.exitCode(), 2);
    QVERIFY(modemsim.readAllStandardOutput().isEmpty());
    const QString said = QString::fromUtf8(modemsim.readAllStandardError());
    QFETCH(QString, message);
    QVERIFY2(said.startsWith("modemsim: ") && said.contains(message), qPrintable(said));
}

// Started in a session of its own, as su -c starts it, modemsim has no controlling terminal to
// stop it reading: the terminal on its standard input reads as a pipe does.
void TestModemSim::readsATerminalOfAnotherSession() {
#ifndef Q_OS_UNIX
    QSKIP("Sessions and controlling terminals are a POSIX matter.");
#else
    PseudoTerminal terminal;
    const QByteArray device = QFile::encodeName(terminal.devicePath());
    QProcess modemsim;
    modemsim.setChildProcessModifier([device] {
        ::setsid();
        ::dup2(::open(device.constData(), O_RDWR | O_NOCTTY), STDIN_FILENO);
    });
    modemsim.start(QStringLiteral(MODEMSIM));
    QVERIFY(terminal.write("sms +447700900456 Hello\n"));
    QByteArray log;
    QVERIFY2(waitFor(modemsim, log, "-- message from +447700900456"), log.constData());
    modemsim.terminate();
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
#endif
}

// A harness that reads the device's name and nothing more, as a test that only drives the line
// does: the log fills the pipe, and the modem must answer all the same. Once someone reads again,
// the log says how much it dropped.
void TestModemSim::answersWithNobodyReadingItsLog() {
#ifdef Q_OS_UNIX
    int log[2];
    QCOMPARE(::pipe(log), 0);
    QProcess modemsim;
    modemsim.setChildProcessModifier([&log] {
        ::dup2(log[1], STDOUT_FILENO);
        ::dup2(log[1], STDERR_FILENO);
    });
    modemsim.start(QStringLiteral(MODEMSIM));
    ::close(log[1]);
    QFile reader;
    QVERIFY(reader.open(log[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QSerialPort line(QString::fromLocal8Bit(reader.readLine().trimmed()));
    QVERIFY2(line.open(QIODevice::ReadWrite), qPrintable(line.errorString()));
    for (int i = 0; i < 3000; ++i) {
        line.write("ATI;+CGMI;+CGMM;+CGMR;+CGSN\r");
        QByteArray received;
        while (!received.contains("OK\r\n") && line.waitForReadyRead(TimeoutMs))
            received += line.readAll();
        QVERIFY2(received.contains("OK\r\n"), qPrintable(QString::number(i)));
    }
    QByteArray said = "-";
    while (!said.isEmpty() && !said.contains("were dropped here: nobody read them"))
        said = reader.readLine();
    QVERIFY2(said.startsWith("-- "), said.constData());
    line.close();
    modemsim.terminate();
    QVERIFY(modemsim.waitForFinished(TimeoutMs));
    QCOMPARE(modemsim.exitCode(), 0);
#endif
}

QTEST_GUILESS_MAIN(TestModemSim)
#include "tst_modemsim.moc"
