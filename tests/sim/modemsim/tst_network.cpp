// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "pseudoterminal.h"
#include "settings.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int TimeoutMs = 60'000;

// Whether the folder's one file has come to hold every one of the pieces.
bool filed(const QString &folder, const QByteArrayList &pieces) {
    const auto holds = [&] {
        QFile file(QDir(folder).filePath(QDir(folder).entryList(QDir::Files).value(0)));
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
        return std::all_of(pieces.begin(), pieces.end(),
                           [&](const QByteArray &piece) { return text.contains(piece); });
    };
    return QTest::qWaitFor(holds, TimeoutMs);
}

QString writeFile(const QTemporaryDir &directory, const QString &name, const QByteArray &bytes) {
    QFile file(directory.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

} // namespace

// Real clients on the modems of one modemsim: each modem reaches another by its number.
class TestNetwork : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void smsdTextsTheOtherModem();
    void gammuReadsWhatTheWindowAndATcpClientSent();

private:
    // Each modem's line at start: device, number, IMEI, TCP address.
    QList<QByteArrayList> m_modems;
    QProcess m_modemsim;
    QTemporaryDir m_directory;
    QProcess m_client;
};

void TestNetwork::init() {
    if (!PseudoTerminal::isSupported())
        QSKIP("This system has no pseudo-terminals to put the modems on.");
    m_modemsim.start(QStringLiteral(MODEMSIM),
                     {"--modems", "3", "--listen", "127.0.0.1:0", "--report-delay", "never"});
    m_modems.clear();
    while (m_modems.size() < 3) {
        QVERIFY(QTest::qWaitFor([&] { return m_modemsim.canReadLine(); }, TimeoutMs));
        m_modems.append(m_modemsim.readLine().trimmed().split(' '));
    }
    QCOMPARE(m_modems.at(1).value(2), "+447700900998");
}

void TestNetwork::cleanup() {
    m_client.kill();
    m_client.waitForFinished();
    m_modemsim.kill();
    m_modemsim.waitForFinished();
}

// smsd with both modems, the second only receiving: the first's message reaches the second's
// incoming folder from the first's number, and the first's status report says delivered.
void TestNetwork::smsdTextsTheOtherModem() {
    const QString smsd = QStandardPaths::findExecutable("smsd", {"/usr/sbin"});
    QVERIFY2(!smsd.isEmpty(), "smsd is missing: apt-get install smstools");
    const QDir folders(m_directory.path());
    QByteArray settings = "devices = GSM1, GSM2\ndelaytime = 1\ndelaytime_mainprocess = 1\n";
    for (const char *folder : {"outgoing", "checked", "incoming", "failed", "sent", "report"}) {
        QVERIFY(folders.mkpath(folder));
        settings += folder + (" = " + folders.filePath(folder).toUtf8()) + '\n';
    }
    for (const char *file : {"logfile", "infofile", "pidfile"})
        settings += file + (" = " + folders.filePath(file).toUtf8()) + '\n';
    settings += "[GSM1]\ndevice = " + m_modems.at(0).at(1) + "\nincoming = yes\nreport = yes\n";
    settings += "[GSM2]\ndevice = " + m_modems.at(1).at(1) + "\nincoming = yes\noutgoing = no\n";
    QVERIFY(
        !writeFile(m_directory, "outgoing/message", "To: 447700900998\n\nHello, two").isEmpty());
    m_client.start(smsd, {"-c", writeFile(m_directory, "smsd.conf", settings), "-t"});

    QVERIFY(filed(folders.filePath("incoming"), {"From: 447700900999\n", "\nHello, two"}));
    QVERIFY(filed(folders.filePath("report"),
                  {"SMS STATUS REPORT\n", "From: 447700900998\n", "Status: 0,Ok"}));
}

// ModemPad's window sends from modem 1, pyserial from modem 3 over TCP; gammu reads both on
// modem 2.
void TestNetwork::gammuReadsWhatTheWindowAndATcpClientSent() {
    const QString gammu = QStandardPaths::findExecutable("gammu");
    QVERIFY2(!gammu.isEmpty(), "gammu is missing: apt-get install gammu");
    Settings settings;
    settings.port = QString::fromLatin1(m_modems.at(0).at(1));
    settings.to = QStringLiteral("+447700900998");
    settings.text = QStringLiteral("From the window");
    Form1 window(settings);
    window.show();
    const auto *log = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    for (const auto &[button, answer] :
         {std::pair("Connect", ""), std::pair("Command1", "OK"), std::pair("Command2", ">"),
          std::pair("Command3", "+CMGS:")}) {
        QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().contains(answer), TimeoutMs);
    }
    const QByteArray script =
        "import serial, sys\n"
        "line = serial.serial_for_url(sys.argv[1], timeout=30)\n"
        "for command in (b'AT+CMGF=1\\r', b'AT+CMGS=\"+447700900998\"\\r', b'Over TCP\\x1a'):\n"
        "    line.write(command)\n"
        "    print(line.read_until(b'> ' if b'CMGS=' in command else b'OK\\r\\n'))\n";
    m_client.start("/usr/bin/python3", {"-c", script, "socket://" + m_modems.at(2).at(4)});
    QVERIFY(m_client.waitForFinished(TimeoutMs));
    QVERIFY2(m_client.exitCode() == 0 && m_client.readAll().contains("+CMGS: 1"),
             m_client.readAllStandardError());

    const QByteArray config = "[gammu]\ndevice = " + m_modems.at(1).at(1) + "\nconnection = at\n";
    m_client.start(gammu, {"-c", writeFile(m_directory, "gammurc", config), "getallsms"});
    QVERIFY(m_client.waitForFinished(TimeoutMs));
    const QByteArray read = m_client.readAllStandardOutput();
    QVERIFY2(read.contains("\"+447700900999\"") && read.contains("From the window") &&
                 read.contains("\"+447700900997\"") && read.contains("Over TCP"),
             read);
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
