#pragma once

#include <QString>

// The lock file that marks a serial device as taken (UUCP style, as QSerialPort makes it).
namespace PortLock {

// Where the lock of `device` is, whether or not it exists now.
QString path(const QString &device);

} // namespace PortLock
