#include "portlookup.h"

#include <QCollator>
#include <QSerialPortInfo>

#include <algorithm>

namespace PortLookup {

QMap<qint16, QString> systemPorts() {
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    QMap<qint16, QString> numbering;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo &port : ports) {
        bool ok = false;
        const qint16 number = port.portName().mid(3).toShort(&ok);
        if (port.portName().startsWith(QLatin1String("COM")) && ok)
            numbering.insert(number, port.portName());
    }
#else
#ifdef Q_OS_MACOS
    ports.removeIf([](const QSerialPortInfo &port) {
        return !port.systemLocation().startsWith(QLatin1String("/dev/cu."));
    });
#endif
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&](const QSerialPortInfo &a, const QSerialPortInfo &b) {
        return collator.compare(a.portName(), b.portName()) < 0;
    });
    qint16 number = 1;
    for (const QSerialPortInfo &port : std::as_const(ports))
        numbering.insert(number++, port.systemLocation());
#endif
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
