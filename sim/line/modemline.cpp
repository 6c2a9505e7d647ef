// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemline.h"

#include "pseudoterminal.h"
#include "simulatedmodem.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>

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
    connect(m_terminal, &PseudoTerminal::hungUp, this, [this] { hangUp(Holder::Line); });
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

bool ModemLine::listen(const QHostAddress &address, quint16 port) {
    m_server = new QTcpServer(this);
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &ModemLine::acceptClient);
    return true;
}

QString ModemLine::listenAddress() const {
    if (!m_server)
        return {};
    const QHostAddress address = m_server->serverAddress();
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + address.toString() + u']'
                             : address.toString();
    return host + u':' + QString::number(m_server->serverPort());
}

void ModemLine::acceptClient() {
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        const QString peer =
            client->peerAddress().toString() + u':' + QString::number(client->peerPort());
        if (m_client) {
            emit noted(
                QStringLiteral("a client from %1 is refused: one is here already").arg(peer));
            client->write("\r\nBUSY: this modem has a client already; try again once it has "
                          "gone\r\n");
            client->disconnectFromHost();
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            continue;
        }
        m_client = client;
        emit noted(QStringLiteral("a client from %1 is here").arg(peer));
        client->setReadBufferSize(MaxQueued);
        connect(client, &QTcpSocket::readyRead, this, &ModemLine::readClient);
        connect(client, &QTcpSocket::bytesWritten, this, [this] {
            updateFlow();
            readClient();
        });
        connect(client, &QTcpSocket::disconnected, this, [this, client, peer] {
            client->deleteLater();
            m_client = nullptr;
            emit noted(QStringLiteral("the client from %1 has gone").arg(peer));
            hangUp(Holder::Client);
        });
    }
}

void ModemLine::readClient() {
    if (!m_client || m_client->bytesToWrite() > MaxQueued)
        return;
    const QByteArray bytes = m_client->readAll();
    if (!bytes.isEmpty() && takesFrom(Holder::Client, bytes.size()))
        m_modem->receive(bytes);
}

bool ModemLine::takesFrom(Holder speaker, qsizetype bytes) {
    if (m_holder == Holder::Nobody)
        m_holder = speaker;
    if (m_holder == speaker)
        return true;
    emit noted(
        QStringLiteral("%1 bytes from the %2 dropped: the %3 holds the line until it lets go")
            .arg(bytes)
            .arg(speaker == Holder::Client ? QStringLiteral("TCP client")
                                           : QStringLiteral("serial line"),
                 speaker == Holder::Client ? QStringLiteral("serial line")
                                           : QStringLiteral("TCP client")));
    return false;
}

void ModemLine::hangUp(Holder holder) {
    if (m_holder == Holder::Nobody || m_holder == holder) {
        m_holder = Holder::Nobody;
        m_pacer.clear();
        m_modem->terminalClosed();
    }
    updateFlow();
}

void ModemLine::setPaced(bool paced) {
    m_pacer.setBaudRate(paced ? LineRate : 0);
}

void ModemLine::readLine() {
    QByteArray bytes;
    if (m_terminal)
        bytes = m_terminal->readAll();
    else if (m_port->bytesToWrite() <= MaxQueued)
        bytes = m_port->readAll();
    if (!bytes.isEmpty() && takesFrom(Holder::Line, bytes.size()))
        m_modem->receive(bytes);
}

void ModemLine::writeLine(const QByteArray &bytes) {
    if (m_holder != Holder::Client) {
        if (m_terminal)
            m_terminal->send(bytes);
        else if (m_port && m_port->isOpen())
            m_port->write(bytes);
    }
    if (m_holder != Holder::Line && m_client)
        m_client->write(bytes);
    updateFlow();
}

void ModemLine::updateFlow() {
    qint64 queued = 0;
    if (m_holder == Holder::Client)
        queued = m_client ? m_client->bytesToWrite() : 0;
    else
        queued = m_terminal ? m_terminal->queued() : m_port ? m_port->bytesToWrite() : 0;
    m_modem->setTerminalReady(m_pacer.pending() + queued <= MaxQueued);
}
