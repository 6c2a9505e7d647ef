// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"
#include "commerror.h"
#include "linetest.h"
#include "portlock.h"
#include "pseudoterminal.h"
#include "thrownby.h"

#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using LineTest::thrownBy;

namespace {

#ifdef Q_OS_UNIX
// Root opens what it likes: runs the test function `slot` again as nobody, with `device` in the
// environment variable `variable`, and passes or skips as it does.
void rerunAsNobody(const char *slot, const char *variable, const QString &device) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("Running as root without setpriv (util-linux): cannot try the device as an "
              "unprivileged user.");
    QProcess asNobody;
    asNobody.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(variable), device);
    asNobody.setProcessEnvironment(environment);
    asNobody.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                             QStringLiteral("--clear-groups"),
                             QCoreApplication::applicationFilePath(), QLatin1String(slot)});
    QVERIFY(asNobody.waitForFinished());
    QCOMPARE(asNobody.exitStatus(), QProcess::NormalExit);
    // setpriv's own codes for a program it cannot start (126, 127).
    if (asNobody.exitCode() >= 126)
        QSKIP("nobody may not run this test from where it was built.");
    QCOMPARE(asNobody.exitCode(), 0);
}
#endif

} // namespace

// What a person reads when a port cannot be used: each description must name the port and its
// device and say what to do about it, since the box that shows it is all they get.
class TestCommErrors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void missingPort_data();
    void missingPort();
    void portInUse_data();
    void portInUse();
    void permissionDenied();
    void staleLockOfAnotherUser();
    void deviceLost_data();
    void deviceLost();
    void settingRefused_data();
    void settingRefused();
};

void TestCommErrors::initTestCase() {
    if (!PseudoTerminal::isSupported())
        QSKIP("Every case here needs a pseudo-terminal at the far end of the line, and this "
              "system has none.");
}

void TestCommErrors::missingPort_data() {
    QTest::addColumn<qint16>("number");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("advice");

    QTest::newRow("number with no device") << qint16(32000) << QString() << "Use one of the ports";
    QTest::newRow("device unplugged") << qint16(3) << "/dev/modempad-unplugged"
                                      << "unplugged";
    // Too long a name for a lock file, which Qt tries first.
    QTest::newRow("path of 300 characters")
        << qint16(3) << QStringLiteral("/dev/") + QString(300, u'x') << "unplugged";
}

void TestCommErrors::missingPort() {
    QFETCH(qint16, number);
    QFETCH(QString, device);
    QFETCH(QString, advice);

    PseudoTerminal far;
    CommControl comm;
    comm.mapPort(7, far.devicePath());
    if (!device.isEmpty())
        comm.mapPort(number, device);
    comm.setCommPort(number);

    const LineTest::Thrown thrown = thrownBy([&] { comm.setPortOpen(true); });
    QCOMPARE(thrown.number, int(CommError::NoSuchPort));
    QVERIFY2(thrown.description.contains(QString::number(number)), qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(device), qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(advice), qPrintable(thrown.description));
    // The numbering as it is now, so that the user can pick a number that works.
    QVERIFY2(thrown.description.contains(QStringLiteral("7 = ") + far.devicePath()),
             qPrintable(thrown.description));
}

void TestCommErrors::portInUse_data() {
    QTest::addColumn<bool>("heldByCommControl");
    QTest::addColumn<bool>("throughLink");

    QTest::newRow("held by a serial port program") << false << false;
    QTest::newRow("held by a second component") << true << false;
    // Root passes the exclusive open; only the lock, named after the target, keeps it out.
    QTest::newRow("held through a link to it") << true << true;
}

void TestCommErrors::portInUse() {
    QFETCH(bool, heldByCommControl);
    QFETCH(bool, throughLink);

    PseudoTerminal far;
    QSerialPort otherProgram(far.devicePath());
    CommControl holder;
    QTemporaryDir links;
    const QString link = links.filePath(QStringLiteral("modem"));
    QVERIFY(QFile::link(far.devicePath(), link));
    holder.mapPort(4, throughLink ? link : far.devicePath());
    holder.setCommPort(4);
    if (heldByCommControl)
        holder.setPortOpen(true);
    else
        QVERIFY(otherProgram.open(QIODevice::ReadWrite));

    CommControl comm;
    comm.mapPort(4, far.devicePath());
    comm.setCommPort(4);
    const LineTest::Thrown thrown = thrownBy([&] { comm.setPortOpen(true); });
    QCOMPARE(thrown.number, int(CommError::PortInUse));
    QVERIFY2(thrown.description.contains(QStringLiteral("Port 4 (%1)").arg(far.devicePath())),
             qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(QStringLiteral("Close that program")),
             qPrintable(thrown.description));
}

void TestCommErrors::permissionDenied() {
#ifdef Q_OS_UNIX
    // Set by the run below that repeats this test as an unprivileged user.
    QString device = qEnvironmentVariable("MODEMPAD_DENIED_DEVICE");
    PseudoTerminal far;
    if (device.isEmpty()) {
        device = far.devicePath();
        if (::geteuid() == 0) {
            // Root opens any device whatever its mode: make the device a real serial port's
            // (group dialout, where there is one, mode 0660) and try it as nobody instead.
            if (const group *dialout = ::getgrnam("dialout"))
                QCOMPARE(::chown(QFile::encodeName(device), 0, dialout->gr_gid), 0);
            QCOMPARE(::chmod(QFile::encodeName(device), 0660), 0);
            rerunAsNobody("permissionDenied", "MODEMPAD_DENIED_DEVICE", device);
            return;
        }
        // Our own pty, closed to its owner: only its group may use it.
        QCOMPARE(::chmod(QFile::encodeName(device), 0060), 0);
    }
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(device), &status), 0);
    const group *owners = ::getgrgid(status.st_gid);
    QVERIFY(owners);
    const QString groupName = QString::fromLocal8Bit(owners->gr_name);

    CommControl comm;
    comm.mapPort(2, device);
    comm.setCommPort(2);
    const LineTest::Thrown thrown = thrownBy([&] { comm.setPortOpen(true); });
    QCOMPARE(thrown.number, int(CommError::PermissionDenied));
    QVERIFY2(thrown.description.contains(QStringLiteral("port 2 (%1)").arg(device)),
             qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(QStringLiteral("group \"%1\"").arg(groupName)),
             qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(QStringLiteral("log out and in again")),
             qPrintable(thrown.description));
#else
    QSKIP("Device modes and groups are a POSIX matter.");
#endif
}

// A lock left by a process that was killed, in a folder where only its owner may remove it: the
// message names the file, the process and who may remove it, and is not "in use".
void TestCommErrors::staleLockOfAnotherUser() {
#ifdef Q_OS_UNIX
    QString device = qEnvironmentVariable("MODEMPAD_STALE_DEVICE");
    PseudoTerminal far;
    if (device.isEmpty()) {
        if (::geteuid() != 0)
            QSKIP("Only root can leave a lock that this user may not remove.");
        device = far.devicePath();
        QCOMPARE(::chmod(QFile::encodeName(device), 0666), 0);
        // A process number that was in use and is free again.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        const qint64 process = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile lock(PortLock::path(device));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(process) + "\nmodempad\nhost\n");
        lock.close();
        rerunAsNobody("staleLockOfAnotherUser", "MODEMPAD_STALE_DEVICE", device);
        QVERIFY(lock.remove());
        return;
    }
    const qint64 process = PortLock::holder(device);
    CommControl comm;
    comm.mapPort(2, device);
    comm.setCommPort(2);
    const LineTest::Thrown thrown = thrownBy([&] { comm.setPortOpen(true); });
    QCOMPARE(thrown.number, int(CommError::StaleLock));
    for (const QString &named : {PortLock::path(device), QString::number(process),
                                 QStringLiteral("\"root\""), QStringLiteral("sudo rm")})
        QVERIFY2(thrown.description.contains(named), qPrintable(thrown.description));
#else
    QSKIP("Lock files of this kind are a POSIX matter.");
#endif
}

void TestCommErrors::deviceLost_data() {
    QTest::addColumn<bool>("write");

    QTest::newRow("next write") << true;
    QTest::newRow("next read") << false;
}

void TestCommErrors::deviceLost() {
    QFETCH(bool, write);

    PseudoTerminal far;
    CommControl comm;
    comm.mapPort(6, far.devicePath());
    comm.setCommPort(6);
    comm.setPortOpen(true);
    QSignalSpy notified(&comm, &CommControl::OnComm);
    far.close();
    QVERIFY(notified.wait());

    const LineTest::Thrown thrown = thrownBy([&] {
        if (write)
            comm.setOutput("AT\r");
        else
            comm.input();
    });
    QCOMPARE(thrown.number, int(CommError::DeviceLost));
    QVERIFY2(thrown.description.contains(QStringLiteral("Port 6 (%1)").arg(far.devicePath())),
             qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(QStringLiteral("Plug it back in")),
             qPrintable(thrown.description));
}

void TestCommErrors::settingRefused_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("whileOpen");
    QTest::addColumn<QString>("refused");

    // A pty, like many USB adapters, carries only 8 data bits without parity.
    QTest::newRow("7 data bits, set before open") << "2400,n,7,1" << false << "7 data bits";
    QTest::newRow("even parity, set before open") << "2400,e,8,1" << false << "even parity";
    QTest::newRow("7 data bits, set while open") << "2400,n,7,1" << true << "7 data bits";
    QTest::newRow("even parity, set while open") << "2400,e,8,1" << true << "even parity";
}

void TestCommErrors::settingRefused() {
    QFETCH(QString, settings);
    QFETCH(bool, whileOpen);
    QFETCH(QString, refused);

    PseudoTerminal far;
    CommControl comm;
    comm.mapPort(5, far.devicePath());
    comm.setCommPort(5);
    const LineTest::Thrown thrown = thrownBy([&] {
        if (whileOpen)
            comm.setPortOpen(true);
        comm.setSettings(settings);
        comm.setPortOpen(true);
    });
    QCOMPARE(thrown.number, int(CommError::SettingRefused));
    QVERIFY2(thrown.description.contains(
                 QStringLiteral("Port 5 (%1) refuses %2").arg(far.devicePath(), refused)),
             qPrintable(thrown.description));
    QVERIFY2(thrown.description.contains(QStringLiteral("serial port")),
             qPrintable(thrown.description));
    // Refused at open, the port is let go rather than left open on the wrong settings.
    QCOMPARE(comm.portOpen(), whileOpen);
}

QTEST_GUILESS_MAIN(TestCommErrors)
#include "tst_commerrors.moc"
