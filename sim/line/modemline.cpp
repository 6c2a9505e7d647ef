// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemline.h"

#include "pseudoterminal.h"
#include "simulatedmodem.h"

#include <QFileInfo>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
constexpr int LineRate = 2400;
// Answers waiting for the program to read them, past which its input is left unread, as a
// modem drops CTS; the same bound as a pseudo-terminal's.
constexpr qint64 MaxQueued = 4096;
} // namespace

ModemLine::ModemLine(SimulatedModem *modem, QObject *parent)
    : QObject(parent)
    , m_modem(modem) {
    connect(m_modem, &SimulatedModem::transmit, this, [this](const QByteArray &bytes) {
        m_pacer.send(bytes);
        updateFlow();
    });
    connect(&m_pacer, &LinePacer::released, this, &ModemLine::writeLine);
}

bool ModemLine::openPseudoTerminal() {
    m_terminal = new PseudoTerminal(this);
    if (!m_terminal->isOpen()) {
        m_error = m_terminal->errorString();
        delete m_terminal;
        m_terminal = nullptr;
        return false;
    }
    connect(m_terminal, &PseudoTerminal::readyRead, this, &ModemLine::readLine);
    connect(m_terminal, &PseudoTerminal::sent, this, &ModemLine::updateFlow);
    connect(m_terminal, &PseudoTerminal::hungUp, this, [this] {
        m_pacer.clear();
        m_modem->terminalClosed();
        updateFlow();
    });
    m_devicePath = m_terminal->devicePath();
    return true;
}

bool ModemLine::openDevice(const QString &path) {
    // The lock file is named after the device opened: a link and its target must be one device,
    // so that two modemsims cannot split one line between them, as root could.
    const QString device = QFileInfo(path).canonicalFilePath();
    m_port = new QSerialPort(device.isEmpty() ? path : device, this);
    m_port->setBaudRate(LineRate);
    // Qt stops reading the device once this much waits, so that leaving input unread holds
    // the program back.
    m_port->setReadBufferSize(MaxQueued);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = m_port->errorString();
        delete m_port;
        m_port = nullptr;
        return false;
    }
    connect(m_port, &QSerialPort::readyRead, this, &ModemLine::readLine);
    connect(m_port, &QSerialPort::bytesWritten, this, [this] {
        updateFlow();
        readLine();
    });
    m_devicePath = path;
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || !m_port->isOpen())
            return;
        // Closing at the first error stops the stream of errors a vanished device causes. Qt's
        // own text then is whatever failed last (an ioctl a pseudo-terminal refused, say), not
        // what happened.
        const QString reason =
            QStringLiteral("%1 went away: it was unplugged, or the far end of the line closed")
                .arg(m_devicePath);
#ifdef Q_OS_UNIX
        // Qt closes the device before it removes the lock file, and closing a vanished device
        // frees its name for a new one, which would find our lock and be refused: hold the
        // device until the lock is gone.
        const int held = ::fcntl(int(m_port->handle()), F_DUPFD_CLOEXEC, 0);
        m_port->close();
        if (held >= 0)
            ::close(held);
#else
        m_port->close();
#endif
        emit lost(reason);
    });
    return true;
}

void ModemLine::setPaced(bool paced) {
    m_pacer.setBaudRate(paced ? LineRate : 0);
}

void ModemLine::readLine() {
    if (m_terminal)
        m_modem->receive(m_terminal->readAll());
    else if (m_port->bytesToWrite() <= MaxQueued)
        m_modem->receive(m_port->readAll());
}

void ModemLine::writeLine(const QByteArray &bytes) {
    if (m_terminal)
        m_terminal->send(bytes);
    else if (m_port->isOpen())
        m_port->write(bytes);
    updateFlow();
}

void ModemLine::updateFlow() {
    const qint64 queued = m_terminal ? m_terminal->queued() : m_port ? m_port->bytesToWrite() : 0;
    m_modem->setTerminalReady(m_pacer.pending() + queued <= MaxQueued);
}
