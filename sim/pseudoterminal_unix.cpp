// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

bool PseudoTerminal::isSupported() {
    return true;
}

PseudoTerminal::PseudoTerminal(QObject *parent)
    : QObject(parent) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return;
    }
    m_devicePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return;
    }
    // A new pty starts cooked and would echo and translate line ends until a program makes it
    // raw; a serial line never does that.
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);

    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PseudoTerminal::readyRead);
}

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::write(const QByteArray &data) {
    qsizetype done = 0;
    while (m_master >= 0 && done < data.size()) {
        const ssize_t n = ::write(m_master, data.constData() + done, data.size() - done);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd writable{m_master, POLLOUT, 0};
            ::poll(&writable, 1, 100);
        } else if (n < 0 && errno != EINTR) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    return m_master >= 0;
}

QByteArray PseudoTerminal::readAll() {
    QByteArray data;
    char buffer[4096];
    ssize_t n = 0;
    while (m_master >= 0 && (n = ::read(m_master, buffer, sizeof buffer)) > 0)
        data.append(buffer, n);
    return data;
}

PseudoTerminal::LineSettings PseudoTerminal::lineSettings() const {
    termios line{};
    ::tcgetattr(m_master, &line);
    // Linux numbers its speeds B0, B50, ... rather than giving the rate itself. A line whose
    // two directions differ has no one rate and is shown as 0.
    static const std::pair<speed_t, qint32> rates[] = {
        {B300, 300},     {B600, 600},       {B1200, 1200},    {B2400, 2400},
        {B4800, 4800},   {B9600, 9600},     {B19200, 19200},  {B38400, 38400},
        {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    LineSettings settings;
    for (const auto &[speed, rate] : rates) {
        if (::cfgetospeed(&line) == speed && ::cfgetispeed(&line) == speed)
            settings.baudRate = rate;
    }
    const tcflag_t size = line.c_cflag & CSIZE;
    settings.dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    settings.parity = line.c_cflag & PARENB;
    settings.twoStopBits = line.c_cflag & CSTOPB;
    settings.rtsCts = line.c_cflag & CRTSCTS;
    return settings;
}

void PseudoTerminal::close() {
    delete m_notifier;
    m_notifier = nullptr;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}
