// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// How the number typed in the port box names a device: on Windows port n is COMn; elsewhere
// the system's serial ports are numbered from 1 in natural name order (ttyACM0, ttyACM1, ...,
// ttyS0, ..., ttyUSB2, ttyUSB10), and on macOS only the call-out devices (/dev/cu.*) count.
namespace PortLookup {

// Number -> device path of every serial port the system offers right now.
QMap<qint16, QString> systemPorts();

// Device paths numbered from 1 in natural order of their names (macOS and Linux numbering).
QMap<qint16, QString> numbered(QStringList devices);

// The device behind port `number`, or an empty string when there is none.
QString systemPort(qint16 number);

} // namespace PortLookup
