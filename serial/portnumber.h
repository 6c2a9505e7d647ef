// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The port number as typed: surrounding blanks are ignored, a leading + or - is allowed, and the
// rest must be decimal digits 0-9 forming a value that fits in 16 signed bits. Anything else
// (a fraction, an exponent, hex, group separators, other scripts' digits) throws CommError.
qint16 portNumberFromText(const QString &text);

// Whether the port box's text names a device by its path rather than by a port number: on Unix
// a text that starts with "/" (/dev/ttyUSB2, /dev/serial/by-id/...), on Windows one that starts
// with "COM". Blanks around it are ignored.
bool isDevicePath(const QString &text);
