#include "portlock.h"

namespace PortLock {

QString path(const QString &device) {
    // /dev/pts/3 is locked as LCK..pts_3; /var/lock is /run/lock on current systems.
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("/var/lock/LCK..") + name;
}

} // namespace PortLock
