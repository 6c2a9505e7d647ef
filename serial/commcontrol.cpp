// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commcontrol.h"

#include "commerror.h"
#include "portlock.h"
#include "portlookup.h"
#include "portnumber.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <climits>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString listing(const QStringList &ports) {
    if (ports.isEmpty())
        return CommControl::tr("No serial ports are present now: plug the modem in and try again.");
    //: %1 lists the ports as number = device, such as "1 = /dev/ttyUSB0, 2 = /dev/ttyACM0".
    return CommControl::tr("Use one of the ports there are now: %1.")
        .arg(ports.join(QLatin1String(", ")));
}

QString parityName(QSerialPort::Parity parity) {
    switch (parity) {
    case QSerialPort::EvenParity:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("even parity");
    case QSerialPort::OddParity:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("odd parity");
    case QSerialPort::MarkParity:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("mark parity");
    case QSerialPort::SpaceParity:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("space parity");
    default:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("no parity");
    }
}

QString stopBitsName(QSerialPort::StopBits stopBits) {
    switch (stopBits) {
    case QSerialPort::OneStop:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("1 stop bit");
    case QSerialPort::OneAndHalfStop:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("1.5 stop bits");
    default:
        //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
        return CommControl::tr("2 stop bits");
    }
}

bool isDeviceLoss(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

} // namespace

CommControl::CommControl(QObject *parent)
    : QObject(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, [this] {
        if (m_rThreshold > 0 && m_port.bytesAvailable() >= m_rThreshold)
            notify(comEvReceive);
    });
    connect(&m_port, &QSerialPort::bytesWritten, this, [this] {
        if (m_sThreshold > 0 && m_port.bytesToWrite() < m_sThreshold)
            notify(comEvSend);
    });
    connect(&m_port, &QSerialPort::errorOccurred, this, &CommControl::portFailed);
}

CommControl::~CommControl() {
    close();
}

void CommControl::setCommPort(qint16 number) {
    requireClosed();
    if (number < 1) {
        throw CommError(CommError::InvalidPortNumber,
                        //: %2 is a sentence that lists the ports there are, or says there are none.
                        tr("%1 is not a valid port number: ports are numbered from 1. %2")
                            .arg(number)
                            .arg(listing(ports())));
    }
    m_commPort = number;
    m_devicePath.clear();
    m_portText.reset();
}

void CommControl::setDevicePath(const QString &path) {
    requireClosed();
    m_devicePath = path;
    m_portText.reset();
}

CommControl::LineSettings CommControl::parseSettings(const QString &settings) {
    const QStringList fields = settings.split(QLatin1Char(','));
    LineSettings line;
    bool ok = fields.size() == 4;
    if (ok) {
        line.baudRate = fields[0].trimmed().toInt(&ok);
        ok = ok && line.baudRate > 0;
    }
    if (ok) {
        static const QMap<QString, QSerialPort::Parity> parities{
            {QStringLiteral("n"), QSerialPort::NoParity},
            {QStringLiteral("e"), QSerialPort::EvenParity},
            {QStringLiteral("o"), QSerialPort::OddParity},
            {QStringLiteral("m"), QSerialPort::MarkParity},
            {QStringLiteral("s"), QSerialPort::SpaceParity}};
        static const QMap<QString, QSerialPort::DataBits> dataBits{
            {QStringLiteral("5"), QSerialPort::Data5},
            {QStringLiteral("6"), QSerialPort::Data6},
            {QStringLiteral("7"), QSerialPort::Data7},
            {QStringLiteral("8"), QSerialPort::Data8}};
        static const QMap<QString, QSerialPort::StopBits> stopBits{
            {QStringLiteral("1"), QSerialPort::OneStop},
            {QStringLiteral("1.5"), QSerialPort::OneAndHalfStop},
            {QStringLiteral("2"), QSerialPort::TwoStop}};
        const QString parity = fields[1].trimmed().toLower();
        const QString data = fields[2].trimmed();
        const QString stop = fields[3].trimmed();
        ok = parities.contains(parity) && dataBits.contains(data) && stopBits.contains(stop);
        line.parity = parities.value(parity);
        line.dataBits = dataBits.value(data);
        line.stopBits = stopBits.value(stop);
    }
    if (!ok) {
        throw CommError(CommError::InvalidSettings,
                        //: The letters n, e, o, m and s are typed as they are, in any language.
                        tr("\"%1\" are not valid line settings: expected baud, parity (n, e, o, "
                           "m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as "
                           "\"2400,n,8,1\".")
                            .arg(settings));
    }
    return line;
}

void CommControl::setSettings(const QString &settings) {
    m_line = parseSettings(settings);
    m_settings = settings;
    if (m_port.isOpen())
        applyLineSettings();
}

void CommControl::setHandshaking(Handshaking handshaking) {
    m_handshaking = handshaking;
    if (m_port.isOpen()) {
        applyLineSettings();
        applyModemLines();
    }
}

void CommControl::setRTSEnable(bool enable) {
    m_rtsEnable = enable;
    if (m_port.isOpen())
        applyModemLines();
}

void CommControl::setDTREnable(bool enable) {
    m_dtrEnable = enable;
    if (m_port.isOpen())
        applyModemLines();
}

void CommControl::setPortOpen(bool open) {
    if (!open) {
        close();
        return;
    }
    requireClosed();
    this->open();
}

void CommControl::setOutput(const QByteArray &data) {
    requireOpen();
    if (m_port.write(data) != data.size()) {
        throw CommError(CommError::WriteFailed,
                        //: %2 is the system's reason.
                        tr("Writing to port %1 failed: %2. Check that the device is still "
                           "connected and switched on.")
                            .arg(portName(device()), m_port.errorString()));
    }
}

QByteArray CommControl::input() {
    requireOpen();
    // What waits is in the port's buffer already: reading that much allocates once, where
    // readAll() would allocate a whole buffer chunk for a few bytes.
    return m_port.read(m_inputLen > 0 ? m_inputLen : m_port.bytesAvailable());
}

void CommControl::mapPort(qint16 number, const QString &device) {
    m_mappedPorts.insert(number, device);
}

QStringList CommControl::ports() const {
    QMap<qint16, QString> numbering = PortLookup::systemPorts();
    numbering.insert(m_mappedPorts);
    QStringList entries;
    for (auto it = numbering.cbegin(); it != numbering.cend(); ++it)
        entries << QStringLiteral("%1 = %2").arg(it.key()).arg(it.value());
    return entries;
}

QString CommControl::device() const {
    return m_devicePath.isEmpty() ? deviceOf(m_commPort) : m_devicePath;
}

QString CommControl::deviceOf(qint16 number) const {
    return m_mappedPorts.contains(number) ? m_mappedPorts.value(number)
                                          : PortLookup::systemPort(number);
}

QString CommControl::portName(const QString &device) const {
    return m_devicePath.isEmpty() ? QStringLiteral("%1 (%2)").arg(m_commPort).arg(device) : device;
}

QString CommControl::namedPort() const {
    const QString text = m_portText               ? m_portText->trimmed()
                         : m_devicePath.isEmpty() ? QString::number(m_commPort)
                                                  : m_devicePath;
    bool isNumber = false;
    const qint16 number = text.toShort(&isNumber);
    const QString device = isNumber && !isDevicePath(text) ? deviceOf(number) : QString();
    return device.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(number).arg(device);
}

void CommControl::open() {
    const QString device = this->device();
    if (device.isEmpty()) {
        //: %2 is a sentence that lists the ports there are, or says there are none.
        throw CommError(CommError::NoSuchPort,
                        tr("There is no port %1. %2").arg(m_commPort).arg(listing(ports())));
    }
    // The lock file is named after the device opened. Opened by its real name, a link and its
    // target are one device with one lock, which even root respects.
    const QString target = QFileInfo(device).canonicalFilePath();
    m_port.setPortName(target.isEmpty() ? device : target);
    applyLineSettings();
    if (!m_port.open(QIODevice::ReadWrite))
        throwOpenFailure();
    m_lostDevice.clear();
    try {
        // A device can ignore a setting it cannot keep while opening (a pty stays at 8 data
        // bits without a word) and only refuse it when it is set on the open port: set them
        // again, so that a refusal is seen and named.
        applyLineSettings();
        applyModemLines();
    } catch (const CommError &) {
        close();
        throw;
    }
}

void CommControl::throwOpenFailure() const {
    const QString device = this->device();
    const QFileInfo file(device);
    QSerialPort::SerialPortError error = m_port.error();
#ifdef Q_OS_UNIX
    // Qt may fail at the lock before it looks for the device (a path too long for a lock's
    // name), but a device that is not there is missing, whatever else went wrong.
    if (!file.exists())
        error = QSerialPort::DeviceNotFoundError;
#endif
    switch (error) {
    case QSerialPort::DeviceNotFoundError: {
        //: %3 is a sentence that lists the ports there are, or says there are none.
        const QString numbered = tr("Port %1 names %2, which is not there (any more): the device "
                                    "may have been unplugged. %3");
        //: %2 is a sentence that lists the ports there are, or says there are none.
        const QString named = tr("%1 is not there (any more): the device may have been unplugged. "
                                 "%2");
        throw CommError(CommError::NoSuchPort,
                        m_devicePath.isEmpty()
                            ? numbered.arg(QString::number(m_commPort), device, listing(ports()))
                            : named.arg(device, listing(ports())));
    }
    case QSerialPort::PermissionError:
        // Qt reports a lock held by another program as a permission error too; only the
        // device's own mode tells the two apart. On Windows (no such file) it means in use.
        if (!file.exists() || (file.isReadable() && file.isWritable()))
            throwLockFailure();
        if (file.permissions().testFlags(QFile::ReadGroup | QFile::WriteGroup)) {
            throw CommError(
                CommError::PermissionDenied,
                tr("You may not open port %1: only members of the group \"%2\" may. Add your "
                   "user to that group (on Debian: sudo adduser $USER %2), then log out and in "
                   "again.")
                    .arg(portName(device), file.group()));
        }
        throw CommError(CommError::PermissionDenied,
                        tr("You may not open port %1: only its owner \"%2\" may. Ask the "
                           "administrator of this computer for access to it.")
                            .arg(portName(device), file.owner()));
    case QSerialPort::UnsupportedOperationError:
        throw CommError(CommError::SettingRefused,
                        //: %3 is the system's reason.
                        tr("Port %1 refuses the line settings \"%2\": %3. Check that it is a "
                           "serial port.")
                            .arg(portName(device), m_settings, m_port.errorString()));
    default:
        throw CommError(CommError::OpenFailed,
                        //: %2 is the system's reason.
                        tr("Port %1 could not be opened: %2. Check that it is a serial port.")
                            .arg(portName(device), m_port.errorString()));
    }
}

void CommControl::throwLockFailure() const {
    const QString device = this->device();
    // Qt locks the device by its real name, as open() gives it.
    const QString locked = m_port.portName().startsWith(u'/')
                               ? m_port.portName()
                               : QStringLiteral("/dev/") + m_port.portName();
    const QFileInfo lock(PortLock::path(locked));
    if (PortLock::isStale(locked)) {
        throw CommError(
            CommError::StaleLock,
            //: %2 is the lock file's path, %3 the number of the process that left it, %4 the
            //: user who owns the file.
            tr("Port %1 is marked as taken by the lock file %2, left by process %3, which has "
               "ended. The file belongs to the user \"%4\", so ModemPad may not remove it: ask "
               "that user or the administrator of this computer to remove it (sudo rm %2), then "
               "try again.")
                .arg(portName(device), lock.filePath(), QString::number(PortLock::holder(locked)),
                     lock.owner()));
    }
#ifdef Q_OS_UNIX
    if (lock.fileName().toLocal8Bit().size() > NAME_MAX) {
        throw CommError(CommError::OpenFailed,
                        //: %2 is the lock file's path.
                        tr("Port %1 cannot be locked for ModemPad's use: the name of its lock "
                           "file, %2, is longer than this system allows. Give the device a "
                           "shorter name.")
                            .arg(portName(device), lock.filePath()));
    }
#endif
    throw CommError(CommError::PortInUse,
                    tr("Port %1 is in use by another program. Close that program and try again (a "
                       "modem just plugged in can be held for a few seconds while the system "
                       "probes it), or choose another port.")
                        .arg(portName(device)));
}

void CommControl::close() {
    if (!m_port.isOpen())
        return;
    // A device failing while it is being let go is no news to anyone.
    const QSignalBlocker quiet(m_port);
    // Under RTS/CTS flow control a modem that holds CTS low would keep what is queued from ever
    // leaving, and the driver waits for it on close: drop it so that closing never hangs.
    m_port.clear(QSerialPort::Output);
#ifdef Q_OS_UNIX
    // Qt closes the device before it removes the lock file. When the device has gone (unplugged,
    // the far end of a pseudo-terminal closed), that close frees its name, and a new device given
    // the same name at once, as pseudo-terminals are, would find our lock and be refused as in
    // use: hold the device until the lock is gone.
    const int held = ::fcntl(int(m_port.handle()), F_DUPFD_CLOEXEC, 0);
    m_port.close();
    if (held >= 0)
        ::close(held);
#else
    m_port.close();
#endif
}

void CommControl::requireOpen() const {
    if (m_port.isOpen())
        return;
    if (!m_lostDevice.isEmpty()) {
        throw CommError(CommError::DeviceLost,
                        tr("Port %1 went away while it was open: the device was unplugged or "
                           "switched off. Plug it back in, then start ModemPad again.")
                            .arg(portName(m_lostDevice)));
    }
    const QString port = namedPort();
    if (port.isEmpty()) {
        throw CommError(CommError::PortNotOpen,
                        //: Connect is the caption of the button, which stays in English.
                        tr("No port is open. Type the port's number or its device's path, then "
                           "press Connect."));
    }
    throw CommError(CommError::PortNotOpen,
                    //: Connect is the caption of the button, which stays in English.
                    tr("Port %1 is not open. Press Connect first.").arg(port));
}

void CommControl::requireClosed() const {
    if (!m_port.isOpen())
        return;
    throw CommError(CommError::PortAlreadyOpen,
                    tr("Port %1 is already open.").arg(portName(device())));
}

void CommControl::applyLineSettings() {
    const auto require = [this](bool applied, const QString &setting) {
        if (applied)
            return;
        throw CommError(CommError::SettingRefused,
                        //: %2 is what was refused, such as "2400 baud" or "even parity"; %4 is the
                        //: system's reason.
                        tr("Port %1 refuses %2 (settings \"%3\"): %4. Check that it is a serial "
                           "port whose driver supports that.")
                            .arg(portName(device()), setting, m_settings, m_port.errorString()));
    };
    //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
    require(m_port.setBaudRate(m_line.baudRate), tr("%1 baud").arg(m_line.baudRate));
    require(m_port.setParity(m_line.parity), parityName(m_line.parity));
    require(m_port.setDataBits(m_line.dataBits),
            //: What a port refused, put into "Port %1 refuses %2 (settings ...)"; %1 is 5 to 8.
            tr("%1 data bits").arg(int(m_line.dataBits)));
    require(m_port.setStopBits(m_line.stopBits), stopBitsName(m_line.stopBits));
    switch (m_handshaking) {
    case comRTS:
        require(m_port.setFlowControl(QSerialPort::HardwareControl),
                //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
                tr("RTS/CTS flow control"));
        break;
    case comXOnXoff:
        require(m_port.setFlowControl(QSerialPort::SoftwareControl),
                //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
                tr("XON/XOFF flow control"));
        break;
    case comNone:
        require(m_port.setFlowControl(QSerialPort::NoFlowControl),
                //: What a port refused, put into "Port %1 refuses %2 (settings ...)".
                tr("no flow control"));
        break;
    }
}

void CommControl::applyModemLines() {
    // A pseudo-terminal has no modem-control lines; that must not stop it serving as a port.
    const auto require = [this](bool applied, const QString &line) {
        if (applied || m_port.error() == QSerialPort::UnsupportedOperationError) {
            m_port.clearError();
            return;
        }
        throw CommError(CommError::SettingRefused,
                        //: %2 names a wire of the serial line, DTR or RTS; %3 is the system's
                        //: reason.
                        tr("Port %1 refuses to set its %2 line: %3. Check that it is a serial "
                           "port.")
                            .arg(portName(device()), line, m_port.errorString()));
    };
    require(m_port.setDataTerminalReady(m_dtrEnable), QStringLiteral("DTR"));
    // Under RTS/CTS flow control the driver raises and lowers RTS itself.
    if (m_handshaking != comRTS)
        require(m_port.setRequestToSend(m_rtsEnable), QStringLiteral("RTS"));
}

void CommControl::notify(CommEvent event) {
    const qint16 outer = m_commEvent;
    m_commEvent = event;
    emit OnComm();
    m_commEvent = outer;
}

void CommControl::portFailed(QSerialPort::SerialPortError error) {
    if (!isDeviceLoss(error) || !m_port.isOpen())
        return;
    // Qt keeps reporting a vanished device as fast as it can until the port is closed, so close
    // it now; the next use of the port tells the user what happened.
    m_lostDevice = device();
    close();
    notify(comEventDeviceLost);
}
