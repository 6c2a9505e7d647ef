// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// smsd waits up to ten seconds for an answer that does not come, as after a restart.
constexpr int TimeoutMs = 60'000;

} // namespace

// Debian's smsd (smstools) against modemsim: one session in which the SIM wants its PIN, the
// network refuses a message once, a status report comes back, and the modem restarts.
class TestSmsd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void entersThePinAndSendsAfterARefusal();
    void putsTheStatusReportInItsFolder();
    void survivesARestart();

private:
    // Puts a message for smsd to send into its outgoing folder.
    void send(const QString &name, const QByteArray &number, const QByteArray &text);
    bool logShows(const QString &line, qsizetype times = 1);
    bool isSent(const QString &name) const;

    QTemporaryDir m_directory;
    QProcess m_modemsim;
    QProcess m_smsd;
    QString m_log;
};

void TestSmsd::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
    const QString smsd =
        QStandardPaths::findExecutable(QStringLiteral("smsd"), {QStringLiteral("/usr/sbin")});
    QVERIFY2(!smsd.isEmpty(), "smsd is missing: apt-get install smstools");

    m_modemsim.start(QStringLiteral(MODEMSIM), {"--pin", "1234", "--report-delay", "200ms"});
    QVERIFY(QTest::qWaitFor([&] { return m_modemsim.canReadLine(); }, TimeoutMs));
    const QByteArray device = m_modemsim.readLine().trimmed();
    m_modemsim.write("reject 38\n");

    // A configuration of its own: smsd's default one names /dev/ttyS0, the console here. It
    // looks at the modem every second rather than every ten.
    QDir folders(m_directory.path());
    for (const char *folder : {"outgoing", "checked", "incoming", "failed", "sent", "report"})
        QVERIFY(folders.mkdir(QLatin1String(folder)));
    QByteArray config;
    for (const char *folder : {"outgoing", "checked", "incoming", "failed", "sent", "report"})
        config += folder + (" = " + folders.filePath(QLatin1String(folder)).toUtf8()) + '\n';
    config += "logfile = " + folders.filePath(QStringLiteral("smsd.log")).toUtf8() + '\n' +
              "infofile = " + folders.filePath(QStringLiteral("smsd.working")).toUtf8() + '\n' +
              "pidfile = " + folders.filePath(QStringLiteral("smsd.pid")).toUtf8() + '\n' +
              "devices = GSM1\ndelaytime = 1\ndelaytime_mainprocess = 1\nerrorsleeptime = 1\n\n"
              "[GSM1]\ndevice = " +
              device + "\nincoming = yes\nreport = yes\npin = 1234\n";
    QFile file(folders.filePath(QStringLiteral("smsd.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(config);
    file.close();
    // -t: in the foreground, so that it ends with this test.
    m_smsd.start(smsd, {"-c", file.fileName(), "-t"});
    QVERIFY(m_smsd.waitForStarted());
}

void TestSmsd::cleanupTestCase() {
    m_smsd.terminate();
    m_smsd.waitForFinished();
    m_modemsim.kill();
    m_modemsim.waitForFinished();
}

void TestSmsd::entersThePinAndSendsAfterARefusal() {
    send(QStringLiteral("first"), "447700900123", "Hello from smsd");
    QVERIFY(logShows(QStringLiteral("-- the SIM took its PIN")));
    QVERIFY(logShows(QStringLiteral(
        "-- message to +447700900123 refused by the network: +CMS ERROR: 38, 0 more to refuse")));
    QVERIFY(logShows(QStringLiteral("== accepted message 1 to +447700900123 (type 145), service "
                                    "centre as stored, status report requested")));
    QVERIFY(m_log.contains(QStringLiteral(": \"Hello from smsd\"\n")));
    QVERIFY(QTest::qWaitFor([&] { return isSent(QStringLiteral("first")); }, TimeoutMs));
}

void TestSmsd::putsTheStatusReportInItsFolder() {
    // smsd makes the file, then writes it, the status last.
    const QDir reports(m_directory.filePath(QStringLiteral("report")));
    QByteArray report;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     const QStringList files = reports.entryList(QDir::Files);
                     QFile file(reports.filePath(files.value(0)));
                     report =
                         !files.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : "";
                     return report.contains("Status: 0,Ok");
                 },
                 TimeoutMs),
             report.constData());
    QVERIFY2(report.contains("From: 447700900123\n") && report.contains("SMS STATUS REPORT\n") &&
                 report.contains("Message_id: 1\n"),
             report.constData());
}

// Quiet for a moment, then its settings reset: smsd finds out and sends what it has. The SIM
// asks for no PIN by then: smsd checks for one at the start of each round only, so a restart
// in the middle of a round would leave it waiting for a registration a locked SIM never gives.
void TestSmsd::survivesARestart() {
    m_modemsim.write("pin off\nrestart 500ms\n");
    QVERIFY(logShows(QStringLiteral("-- started again: RDY, +CPIN: READY, SMS Ready")));
    send(QStringLiteral("second"), "447700900124", "After the restart");
    QVERIFY(QTest::qWaitFor([&] { return isSent(QStringLiteral("second")); }, TimeoutMs));
    QVERIFY(logShows(QStringLiteral(": \"After the restart\"\n")));
}

void TestSmsd::send(const QString &name, const QByteArray &number, const QByteArray &text) {
    // Written aside and moved in, so that smsd never takes a file half written.
    QFile file(m_directory.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("To: " + number + "\n\n" + text + '\n');
    file.close();
    QVERIFY(file.rename(m_directory.filePath(QStringLiteral("outgoing/") + name)));
}

bool TestSmsd::logShows(const QString &line, qsizetype times) {
    const bool shown = QTest::qWaitFor(
        [&] {
            m_log += QString::fromUtf8(m_modemsim.readAllStandardOutput());
            return m_log.count(line) >= times;
        },
        TimeoutMs);
    if (!shown)
        qWarning("%s", qPrintable(m_log));
    return shown;
}

bool TestSmsd::isSent(const QString &name) const {
    return QFile::exists(m_directory.filePath(QStringLiteral("sent/") + name));
}

QTEST_GUILESS_MAIN(TestSmsd)
#include "tst_smsd.moc"
