// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#endif

namespace {

// About 17 s of answers at 2400 baud: a modem's buffer, not a program's memory.
constexpr qsizetype MaxQueued = 4096;

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool PseudoTerminal::isSupported() {
    return true;
}

PseudoTerminal::PseudoTerminal(QObject *parent)
    : QObject(parent) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = lastError();
        close();
        return;
    }
    m_devicePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) {
        m_error = lastError();
        close();
        return;
    }
    // A new pty starts cooked and would echo and translate line ends until a program makes it
    // raw; a serial line never does that.
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);

    m_reader = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_reader, &QSocketNotifier::activated, this, &PseudoTerminal::takeInput);
    m_writer = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writer->setEnabled(false);
    connect(m_writer, &QSocketNotifier::activated, this, &PseudoTerminal::writeQueued);

#ifdef Q_OS_LINUX
    // The master sees nothing of programs opening and closing the slave while this side holds
    // it, but the device node does.
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch >= 0 && ::inotify_add_watch(m_watch, ::ptsname(m_master),
                                            IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) >= 0) {
        m_programPresent = false;
        m_watcher = new QSocketNotifier(m_watch, QSocketNotifier::Read, this);
        connect(m_watcher, &QSocketNotifier::activated, this, &PseudoTerminal::takeInput);
    }
#endif
    updateReading();
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
            m_error = lastError();
            return false;
        }
    }
    return m_master >= 0;
}

void PseudoTerminal::send(const QByteArray &data) {
    if (m_master < 0 || !m_programPresent)
        return;
    m_outgoing += data;
    writeQueued();
}

QByteArray PseudoTerminal::readAll() {
    return std::exchange(m_incoming, {});
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
    delete std::exchange(m_reader, nullptr);
    delete std::exchange(m_writer, nullptr);
    delete std::exchange(m_watcher, nullptr);
    for (int *descriptor : {&m_watch, &m_slave, &m_master}) {
        if (*descriptor >= 0)
            ::close(std::exchange(*descriptor, -1));
    }
    m_outgoing.clear();
}

void PseudoTerminal::takeInput() {
    // The master holds one stream of bytes, whoever wrote them. A program's opening is queued
    // before it can write, and its closing after all it wrote; so bytes read before the
    // openings and closings read next follow any closing that comes before an opening (they
    // are the new program's first), and come before a closing with no opening after it (they
    // are the leaving program's last). A hang-up thus ends only what the program before left
    // unfinished. What a program wrote just before closing, if the next one opened before it
    // was read, cannot be told from the next one's bytes and goes with them.
    QByteArray input;
    char buffer[4096];
    ssize_t n = 0;
    while (m_master >= 0 && (n = ::read(m_master, buffer, sizeof buffer)) > 0)
        input.append(buffer, n);
    const Comings comings = readComings();

    if (comings.leftBefore)
        hangUp();
    // Only a program that holds the device can write to it. One that writes is there, though
    // another program's close, which ends the session, made it look gone.
    if (comings.came || !input.isEmpty())
        m_programPresent = true;
    if (!input.isEmpty()) {
        m_incoming += input;
        emit readyRead();
    }
    if (comings.leftAfter)
        hangUp();
}

PseudoTerminal::Comings PseudoTerminal::readComings() {
    Comings comings;
#ifdef Q_OS_LINUX
    if (m_watch < 0)
        return comings;
    alignas(inotify_event) char buffer[4096];
    ssize_t length = 0;
    while ((length = ::read(m_watch, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            // Any close ends the session: events of one kind may merge in the kernel's queue,
            // so counting opens against closes could miss the last close.
            if (event->mask & IN_OPEN) {
                comings.leftBefore = comings.leftBefore || comings.leftAfter;
                comings.leftAfter = false;
                comings.came = true;
            }
            if (event->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE))
                comings.leftAfter = true;
            at += qsizetype(sizeof(inotify_event)) + event->len;
        }
    }
#endif
    return comings;
}

void PseudoTerminal::hangUp() {
    m_programPresent = false;
    m_outgoing.clear();
    // A program that left the device locked for its own use would keep everyone else out.
    ::ioctl(m_slave, TIOCNXCL);
    // Answers it did not read would greet the next program.
    ::tcflush(m_slave, TCIFLUSH);
    emit hungUp();
    updateReading();
}

void PseudoTerminal::writeQueued() {
    const qsizetype before = m_outgoing.size();
    while (!m_outgoing.isEmpty()) {
        const ssize_t n = ::write(m_master, m_outgoing.constData(), m_outgoing.size());
        if (n > 0)
            m_outgoing.remove(0, n);
        else if (n < 0 && errno != EINTR)
            break;
    }
    updateReading();
    if (m_outgoing.size() < before)
        emit sent();
}

void PseudoTerminal::updateReading() {
    if (m_master < 0)
        return;
    m_writer->setEnabled(!m_outgoing.isEmpty());
    m_reader->setEnabled(m_outgoing.size() <= MaxQueued);
}
