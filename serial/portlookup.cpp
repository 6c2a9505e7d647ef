// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portlookup.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace PortLookup {

QMap<qint16, QString> systemPorts() {
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
#ifdef Q_OS_WIN
    QMap<qint16, QString> numbering;
    for (const QSerialPortInfo &port : ports) {
        bool ok = false;
        const qint16 number = port.portName().mid(3).toShort(&ok);
        if (port.portName().startsWith(QLatin1String("COM")) && ok)
            numbering.insert(number, port.portName());
    }
    return numbering;
#else
    QStringList devices;
    for (const QSerialPortInfo &port : ports) {
#ifdef Q_OS_MACOS
        // Each device shows twice; only the call-out side opens without waiting for carrier.
        if (!port.systemLocation().startsWith(QLatin1String("/dev/cu.")))
            continue;
#endif
        devices << port.systemLocation();
    }
    return numbered(devices);
#endif
}

// The device's name with every run of digits widened to ten, so that plain comparison puts
// ttyUSB2 before ttyUSB10. (QCollator's numeric mode would, but not in every locale.)
static QString naturalKey(const QString &device) {
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    const QString name = device.section(QLatin1Char('/'), -1);
    QString key;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &run : digits.globalMatch(name)) {
        key += name.mid(done, run.capturedStart() - done);
        key += run.captured().rightJustified(10, QLatin1Char('0'));
        done = run.capturedEnd();
    }
    return key + name.mid(done);
}

QMap<qint16, QString> numbered(QStringList devices) {
    std::sort(devices.begin(), devices.end(),
              [](const QString &a, const QString &b) { return naturalKey(a) < naturalKey(b); });
    QMap<qint16, QString> numbering;
    qint16 number = 1;
    for (const QString &device : std::as_const(devices))
        numbering.insert(number++, device);
    return numbering;
}

QString systemPort(qint16 number) {
#ifdef Q_OS_WIN
    // A COM port that the system does not list (a virtual one, say) can still be opened by name.
    return QStringLiteral("COM%1").arg(number);
#else
    return systemPorts().value(number);
#endif
}

} // namespace PortLookup
