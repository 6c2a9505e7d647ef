// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The lock file that marks a serial device as taken (UUCP style, as QSerialPort makes it).
namespace PortLock {

// Where the lock of `device` is, whether or not it exists now.
QString path(const QString &device);

// The process that holds the lock of `device`, or 0 when there is no lock. Another test that
// runs meanwhile may be given the same pseudo-terminal number once a test hangs its own up, so
// whose lock it is matters, not just whether there is one.
qint64 holder(const QString &device);

} // namespace PortLock
