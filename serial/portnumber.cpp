// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portnumber.h"

#include "commerror.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// How a device's path looks here, for the text that is neither a number nor a path.
#ifdef Q_OS_WIN
constexpr QLatin1String ExamplePath("COM3");
#else
constexpr QLatin1String ExamplePath("/dev/ttyUSB0");
#endif

} // namespace

qint16 portNumberFromText(const QString &text) {
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    // The text goes back to the user in the message; a pasted page of it would not fit the box.
    const QString shown = trimmed.size() > 40 ? trimmed.left(40) + QChar(0x2026) : trimmed;
    if (!integer.match(trimmed).hasMatch()) {
        throw CommError(CommError::PortNumberNotNumeric,
                        QCoreApplication::translate(
                            "PortNumber", "\"%1\" is not a port number. Type a whole number, such "
                                          "as 1, or a device's path, such as %2.")
                            .arg(shown, ExamplePath));
    }
    bool ok = false;
    const qint16 number = trimmed.toShort(&ok);
    if (!ok) {
        throw CommError(CommError::PortNumberOutOfRange,
                        QCoreApplication::translate("PortNumber",
                                                    "Port number %1 is out of range. Port "
                                                    "numbers go from 1 to 32767.")
                            .arg(shown));
    }
    return number;
}

bool isDevicePath(const QString &text) {
#ifdef Q_OS_WIN
    return text.trimmed().startsWith(QLatin1String("COM"), Qt::CaseInsensitive);
#else
    return text.trimmed().startsWith(QLatin1Char('/'));
#endif
}
