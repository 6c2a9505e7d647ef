// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "form1.h"
#include "portlock.h"
#include "pseudoterminal.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

// Whatever way a handler fails, the failure policy leaves nothing behind: no open port, no lock
// file, no file descriptor that was not open before.
class TestFailureRelease : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void releasesEverything_data();
    void releasesEverything();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString m_boxText;
};

namespace {

// What every open file descriptor of this process refers to, sorted.
QStringList openFiles() {
    const QString fds = QStringLiteral("/proc/self/fd");
    QStringList targets;
    for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System))
        targets << QFile::symLinkTarget(fds + QLatin1Char('/') + fd);
    targets.sort();
    return targets;
}

void click(Form1 &window, const QString &button) {
    window.findChild<QPushButton *>(button)->click();
}

} // namespace

void TestFailureRelease::initTestCase() {
    // Qt opens some files of its own the first time a window shows or a port opens; let it.
    PseudoTerminal line;
    Form1 window;
    window.port().mapPort(5, line.devicePath());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    click(window, QStringLiteral("Connect"));
    window.close();
    qApp->installEventFilter(this);
}

bool TestFailureRelease::eventFilter(QObject *watched, QEvent *event) {
    // The box is read and closed at once, as a user would.
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (box && event->type() == QEvent::Show) {
        m_boxText = box->text();
        QTimer::singleShot(0, box, &QMessageBox::accept);
    }
    return false;
}

void TestFailureRelease::releasesEverything_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("hangUp");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("error");

    QTest::newRow("send before Connect") << "Command1" << false << false << "" << 8;
    QTest::newRow("device gone before Connect")
        << "Connect" << false << false << "/dev/pts/none" << 4;
    QTest::newRow("port held by another") << "Connect" << false << true << "" << 5;
    QTest::newRow("device lost, then a send") << "Command2" << true << false << "" << 11;
}

void TestFailureRelease::releasesEverything() {
    QFETCH(QString, button);
    QFETCH(bool, hangUp);
    QFETCH(bool, held);
    QFETCH(QString, device);
    QFETCH(int, error);

    PseudoTerminal line;
    QVERIFY2(line.isOpen(), qPrintable(line.errorString()));
    if (device.isEmpty())
        device = line.devicePath();
    QSerialPort holder(line.devicePath());
    if (held)
        QVERIFY(holder.open(QIODevice::ReadWrite));
    Form1 window;
    CommControl *port = &window.port();
    port->mapPort(5, device);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList expected = openFiles();

    if (hangUp) {
        click(window, QStringLiteral("Connect"));
        QVERIFY(port->portOpen());
        QCOMPARE(PortLock::holder(device), QCoreApplication::applicationPid());
        line.close();
        expected.removeOne(QStringLiteral("/dev/ptmx"));
        expected.removeOne(device);
        // The line's watch on its device goes with it.
        expected.removeOne(QStringLiteral("/proc/self/fd/anon_inode:inotify"));
        QTRY_VERIFY(!port->portOpen());
    }
    m_boxText.clear();
    click(window, button);

    QTRY_VERIFY(!m_boxText.isEmpty());
    QVERIFY2(m_boxText.startsWith(QStringLiteral("Error %1\n").arg(error)), qPrintable(m_boxText));
    QVERIFY(!port->portOpen());
    QCOMPARE(openFiles(), expected);
    // A port held by another is still theirs, lock and all (here the other is this process).
    QCOMPARE(PortLock::holder(device) == QCoreApplication::applicationPid(), held);
}

QTEST_MAIN(TestFailureRelease)
#include "tst_failurerelease.moc"
