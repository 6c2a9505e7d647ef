// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portlock.h"

#include <QFile>

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
    return lock.readLine().trimmed().toLongLong();
}

} // namespace PortLock
