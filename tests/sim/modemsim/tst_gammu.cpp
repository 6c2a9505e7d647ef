// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int TimeoutMs = 30'000;

// Four parts: the characters of the GSM extension table take two septets each.
QString longText() {
    QString text;
    for (int i = 0; text.size() < 400; ++i)
        text += QStringLiteral("part of a long message %1 {€}, ").arg(i);
    return text;
}

} // namespace

// Debian's gammu, a client nobody here wrote, against modemsim as against a real modem: each
// command must succeed, and what it sends must arrive as sent.
class TestGammu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void runs_data();
    void runs();
    void readsIncomingMessages_data();
    void readsIncomingMessages();
    void readsADeliveryReport();
    void entersThePin();

private:
    // Runs gammu with the arguments and input; what it printed, or nothing if it failed.
    std::optional<QString> gammu(const QStringList &arguments, const QByteArray &input = {});
    bool logShows(const QString &line);
    // modemsim's log so far.
    QString log();

    QString m_gammu;
    QTemporaryDir m_directory;
    QString m_config;
    QProcess m_modemsim;
    QString m_log;
};

void TestGammu::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
    m_gammu = QStandardPaths::findExecutable(QStringLiteral("gammu"));
    QVERIFY2(!m_gammu.isEmpty(), "gammu is missing: apt-get install gammu");

    m_modemsim.start(QStringLiteral(MODEMSIM));
    QVERIFY(QTest::qWaitFor([&] { return m_modemsim.canReadLine(); }, TimeoutMs));
    const QByteArray device = m_modemsim.readLine().trimmed();
    // The two lines gammu needs to talk to a modem with AT commands.
    m_config = m_directory.filePath(QStringLiteral("gammurc"));
    QFile config(m_config);
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[gammu]\ndevice = " + device + "\nconnection = at\n");
}

void TestGammu::cleanupTestCase() {
    m_modemsim.closeWriteChannel();
    m_modemsim.kill();
    m_modemsim.waitForFinished();
}

void TestGammu::runs_data() {
    QTest::addColumn<QStringList>("arguments");
    // What gammu must print, and what modemsim must log.
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("logged");

    const QString unicode = QStringLiteral("Grüße aus Köln — Привет, мир ☺");
    QTest::newRow("identify") << QStringList{"identify"} << "490154203237518" << QString();
    QTest::newRow("getsecuritystatus")
        << QStringList{"getsecuritystatus"} << "Nothing to enter." << QString();
    QTest::newRow("getsmsc") << QStringList{"getsmsc"} << "\"+447700900000\"" << QString();
    QTest::newRow("networkinfo") << QStringList{"networkinfo"} << "LAC 1A2B, CID 3C4D"
                                 << "<- AT+CGREG?";
    QTest::newRow("sendsms") << QStringList{"sendsms", "TEXT", "+447700900123", "-text", "Hi!"}
                             << "OK, message reference="
                             << ", GSM 7-bit, valid for 63 weeks: \"Hi!\"";
    QTest::newRow("sendsms -unicode")
        << QStringList{"sendsms", "TEXT", "+447700900123", "-unicode", "-text", unicode}
        << "OK, message reference="
        << ", UCS2, valid for 63 weeks: \"" + unicode + '"';
    QTest::newRow("sendsms, long") << QStringList{"sendsms",
                                                  "TEXT",
                                                  "+447700900123",
                                                  "-len",
                                                  QString::number(longText().size()),
                                                  "-text",
                                                  longText()}
                                   << "Sending SMS 4/4"
                                   << "are in: \"" + longText() + '"';
}

void TestGammu::runs() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QFETCH(QString, logged);

    const auto output = gammu(arguments);
    QVERIFY(output);
    QVERIFY2(output->contains(printed), qPrintable(*output));
    if (!logged.isEmpty())
        QVERIFY2(QTest::qWaitFor([&] { return log().contains(logged + u'\n'); }, TimeoutMs),
                 qPrintable(m_log));
}

void TestGammu::readsIncomingMessages_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QString>("command");

    QTest::newRow("getallsms") << QStringLiteral("Καλημέρα from +447700900456 ☺") << 1
                               << "getallsms";
    // 140 UCS2 characters, 67 to a part; geteachsms joins the parts, as getallsms does not.
    QTest::newRow("long, in Unicode")
        << QStringLiteral("Привет ").repeated(20) << 3 << "geteachsms";
}

void TestGammu::readsIncomingMessages() {
    QFETCH(QString, text);
    QFETCH(int, parts);
    QFETCH(QString, command);

    const QString stored = QStringLiteral("-- message from +447700900456 stored");
    const qsizetype before = log().count(stored);
    m_modemsim.write("sms +447700900456 " + text.toUtf8() + '\n');
    QVERIFY2(QTest::qWaitFor([&] { return log().count(stored) == before + parts; }, TimeoutMs),
             qPrintable(m_log));
    const auto output = gammu({command});
    QVERIFY(output);
    QVERIFY2(output->contains(QStringLiteral("\"+447700900456\"")), qPrintable(*output));
    QVERIFY2(output->contains(text), qPrintable(*output));
}

// The report comes a second after the message, stored, and gammu decodes it.
void TestGammu::readsADeliveryReport() {
    QVERIFY(gammu({"sendsms", "TEXT", "+447700900123", "-report", "-text", "Did it arrive?"}));
    QVERIFY(logShows("to +447700900123, delivered, stored in \"SM\""));
    const auto read = gammu({"getallsms"});
    QVERIFY(read);
    QVERIFY2(read->contains("SMS status report") &&
                 read->contains("Delivery status      : Delivered"),
             qPrintable(*read));
}

// The SIM locked again, gammu gives the PIN from its standard input.
void TestGammu::entersThePin() {
    m_modemsim.write("pin 1234\n");
    QVERIFY(logShows(QStringLiteral("-- the SIM asks for PIN 1234")));
    QVERIFY(gammu({"entersecuritycode", "PIN", "-"}, "1234\n"));
    QVERIFY(logShows(QStringLiteral("-- the SIM took its PIN")));
}

bool TestGammu::logShows(const QString &line) {
    return QTest::qWaitFor([&] { return log().contains(line); }, TimeoutMs);
}

std::optional<QString> TestGammu::gammu(const QStringList &arguments, const QByteArray &input) {
    QProcess gammu;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // So that gammu prints text in any script as it is.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    gammu.setProcessEnvironment(environment);
    gammu.start(m_gammu, QStringList{"-c", m_config} + arguments);
    gammu.write(input);
    gammu.closeWriteChannel();
    const bool finished = gammu.waitForFinished(TimeoutMs);
    const QString output = QString::fromUtf8(gammu.readAllStandardOutput());
    if (finished && gammu.exitStatus() == QProcess::NormalExit && gammu.exitCode() == 0)
        return output;
    qWarning("gammu %s ended with %d: %s%s", qPrintable(arguments.join(u' ')), gammu.exitCode(),
             qPrintable(output), gammu.readAllStandardError().constData());
    return std::nullopt;
}

QString TestGammu::log() {
    m_log += QString::fromUtf8(m_modemsim.readAllStandardOutput());
    return m_log;
}

QTEST_GUILESS_MAIN(TestGammu)
#include "tst_gammu.moc"
