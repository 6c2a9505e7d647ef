// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portlock.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace PortLock {

QString path(const QString &device) {
    // /dev/pts/3 is locked as LCK..pts_3; /var/lock is /run/lock on current systems.
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("/var/lock/LCK..") + name;
}

qint64 holder(const QString &device) {
    // The lock's first line is the holder's process id.
    QFile lock(path(device));
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    return lock.readLine(32).trimmed().toLongLong();
}

bool isStale(const QString &device) {
#ifdef Q_OS_UNIX
    const qint64 process = holder(device);
    // A process of another user that lives refuses the signal with EPERM; only a process that
    // is not there at all gives ESRCH.
    return process > 0 && ::kill(pid_t(process), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(device)
    return false;
#endif
}

} // namespace PortLock
