// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The lock file that marks a serial device as taken, UUCP style, as QSerialPort makes it: named
// after the device, holding the process number of its holder on its first line.
namespace PortLock {

// Where the lock of `device` is, whether or not it exists now.
QString path(const QString &device);

// The process that holds the lock of `device`, or 0 when there is no lock. A pseudo-terminal's
// number is given to the next program that asks once its holder hangs it up, so whose lock it
// is matters, not just whether there is one.
qint64 holder(const QString &device);

// Whether a lock names a process that has ended: left behind by a program that was killed, it
// keeps out anyone who may not remove it.
bool isStale(const QString &device);

} // namespace PortLock
