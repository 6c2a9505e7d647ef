// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QDir>
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
    // Puts a message in smsd's outgoing folder, and waits until smsd has sent it.
    bool send(const QString &name, const QByteArray &number, const QByteArray &text);
    bool logShows(const QString &line);

    QTemporaryDir m_directory;
    QProcess m_modemsim;
    QProcess m_smsd;
    QString m_log;
};

void TestSmsd::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modem on.");
    const QString smsd = QStandardPaths::findExecutable("smsd", {"/usr/sbin"});
    QVERIFY2(!smsd.isEmpty(), "smsd is missing: apt-get install smstools");

    m_modemsim.start(QStringLiteral(MODEMSIM), {"--pin", "1234", "--report-delay", "200ms"});
    QVERIFY(QTest::qWaitFor([&] { return m_modemsim.canReadLine(); }, TimeoutMs));
    const QByteArray device = m_modemsim.readLine().trimmed();
    m_modemsim.write("reject 38\n");

    // Its own folders, and a look at the modem every second rather than every ten; smsd's
    // default configuration names /dev/ttyS0, the console here.
    const QDir folders(m_directory.path());
    QByteArray settings = "devices = GSM1\ndelaytime = 1\ndelaytime_mainprocess = 1\n"
                          "errorsleeptime = 1\n";
    for (const char *folder : {"outgoing", "checked", "incoming", "failed", "sent", "report"}) {
        QVERIFY(folders.mkdir(folder));
        settings += folder + (" = " + folders.filePath(folder).toUtf8()) + '\n';
    }
    for (const char *file : {"logfile", "infofile", "pidfile"})
        settings += file + (" = " + folders.filePath(file).toUtf8()) + '\n';
    settings += "[GSM1]\ndevice = " + device + "\nincoming = yes\nreport = yes\npin = 1234\n";
    QFile config(folders.filePath("smsd.conf"));
    QVERIFY(config.open(QIODevice::WriteOnly) && config.write(settings) == settings.size());
    config.close();
    // -t: in the foreground, so that it ends with this test.
    m_smsd.start(smsd, {"-c", config.fileName(), "-t"});
    QVERIFY(m_smsd.waitForStarted());
}

void TestSmsd::cleanupTestCase() {
    m_smsd.terminate();
    m_smsd.waitForFinished();
    m_modemsim.kill();
    m_modemsim.waitForFinished();
}

void TestSmsd::entersThePinAndSendsAfterARefusal() {
    QVERIFY(send("first", "447700900123", "Hello from smsd"));
    QVERIFY(logShows("-- the SIM took its PIN"));
    QVERIFY(logShows("-- message to +447700900123 refused by the network: +CMS ERROR: 38"));
    QVERIFY(logShows("== accepted message 1 to +447700900123 (type 145), service centre as "
                     "stored, status report requested"));
}

void TestSmsd::putsTheStatusReportInItsFolder() {
    // smsd makes the file, then writes it, the status last.
    const QDir reports(m_directory.filePath("report"));
    QByteArray report;
    const auto filed = [&] {
        QFile file(reports.filePath(reports.entryList(QDir::Files).value(0)));
        report = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return report.contains("Status: 0,Ok") && report.contains("From: 447700900123\n") &&
               report.contains("SMS STATUS REPORT\n") && report.contains("Message_id: 1\n");
    };
    QVERIFY2(QTest::qWaitFor(filed, TimeoutMs), report.constData());
}

// Quiet for a moment, then its settings reset: smsd finds out and sends what it has. The SIM
// asks for no PIN by then: smsd checks for one at the start of each round only, so a restart
// in the middle of a round would leave it waiting for a registration a locked SIM never gives.
void TestSmsd::survivesARestart() {
    m_modemsim.write("pin off\nrestart 500ms\n");
    QVERIFY(logShows("-- started again: RDY, +CPIN: READY, SMS Ready"));
    QVERIFY(send("second", "447700900124", "After the restart"));
    QVERIFY(logShows(": \"After the restart\"\n"));
}

bool TestSmsd::send(const QString &name, const QByteArray &number, const QByteArray &text) {
    // Written aside and moved in, so that smsd never takes a file half written.
    QFile file(m_directory.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write("To: " + number + "\n\n" + text) < 0)
        return false;
    file.close();
    return file.rename(m_directory.filePath("outgoing/" + name)) &&
           QTest::qWaitFor([&] { return QFile::exists(m_directory.filePath("sent/" + name)); },
                           TimeoutMs);
}

bool TestSmsd::logShows(const QString &line) {
    const auto shown = [&] {
        m_log += QString::fromUtf8(m_modemsim.readAllStandardOutput());
        return m_log.contains(line);
    };
    if (QTest::qWaitFor(shown, TimeoutMs))
        return true;
    qWarning("%s", qPrintable(m_log));
    return false;
}

QTEST_GUILESS_MAIN(TestSmsd)
#include "tst_smsd.moc"
