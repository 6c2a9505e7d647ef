// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputqueue.h"

#include "modemlog.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <io.h>
#endif

namespace {

QPointer<OutputQueue> messageQueue;
constexpr qint64 DrainMs = 1000;

void writeMessage(QtMsgType, const QMessageLogContext &, const QString &message) {
    if (!messageQueue)
        return;
    QStringList lines = message.split(u'\n');
    for (QString &line : lines)
        line = ModemLog::printable(line);
    messageQueue->write((lines.join(u'\n') + u'\n').toUtf8());
}

#ifdef Q_OS_UNIX
// A descriptor of our own that never blocks, on what `descriptor` writes to. Non-blocking is a
// property of the open file, which a terminal or a pipe may share with the shell or the programs
// beside this one: set on theirs, it would make their writes fail. So the file is opened anew
// where the system allows it (Linux does through /proc), and only a pipe or socket that cannot
// be is made non-blocking as it is. A regular file never makes a writer wait, and keeps its
// offset shared, as a shell's ">>" expects.
int nonBlocking(int descriptor, bool &own) {
    own = false;
    struct stat file = {};
    if (::fstat(descriptor, &file) != 0 || S_ISREG(file.st_mode))
        return descriptor;
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(descriptor);
    const int reopened = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (reopened >= 0) {
        own = true;
        return reopened;
    }
    if (S_ISFIFO(file.st_mode) || S_ISSOCK(file.st_mode))
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
    return descriptor;
}
#endif

} // namespace

OutputQueue::OutputQueue(int descriptor, QObject *parent)
    : QIODevice(parent) {
#ifdef Q_OS_UNIX
    m_descriptor = nonBlocking(descriptor, m_ownDescriptor);
    m_writable = new QSocketNotifier(m_descriptor, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &OutputQueue::writeWaiting);
#else
    m_descriptor = descriptor;
#endif
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OutputQueue::~OutputQueue() {
    drain();
#ifdef Q_OS_UNIX
    if (m_ownDescriptor)
        ::close(m_descriptor);
#endif
}

void OutputQueue::drain() {
    writeWaiting();
#ifdef Q_OS_UNIX
    // A reader that is there but slow gets a moment to take the last lines; one that is not
    // there cannot hold the end up for longer.
    const QDeadlineTimer deadline(DrainMs);
    while (!m_waiting.isEmpty() && !m_gone && !deadline.hasExpired()) {
        pollfd writable{m_descriptor, POLLOUT, 0};
        if (::poll(&writable, 1, int(deadline.remainingTime())) <= 0)
            break;
        writeWaiting();
    }
#endif
    m_waiting.clear();
}

void OutputQueue::takeMessages() {
    messageQueue = this;
    qInstallMessageHandler(writeMessage);
}

qint64 OutputQueue::readData(char *, qint64) {
    return -1;
}

qint64 OutputQueue::writeData(const char *data, qint64 size) {
    if (m_gone)
        return size;
    // Whole writes or nothing, so that what is dropped is whole lines and what is kept reads on.
    if (m_waiting.size() + size > MaxWaiting) {
        ++m_droppedWrites;
        m_droppedBytes += size;
        return size;
    }
    m_waiting.append(data, size);
    writeWaiting();
    return size;
}

void OutputQueue::writeWaiting() {
    while (!m_waiting.isEmpty() && !m_gone) {
#ifdef Q_OS_UNIX
        const qint64 written = ::write(m_descriptor, m_waiting.constData(), m_waiting.size());
#else
        const qint64 written = ::_write(m_descriptor, m_waiting.constData(),
                                        unsigned(std::min<qsizetype>(m_waiting.size(), 1 << 20)));
#endif
        if (written > 0) {
            m_waiting.remove(0, written);
            if (m_waiting.isEmpty() && m_droppedWrites > 0) {
                m_waiting = QByteArrayLiteral("-- ") + QByteArray::number(m_droppedWrites) +
                            " lines (" + QByteArray::number(m_droppedBytes) +
                            " bytes) were dropped here: nobody read them as they came\n";
                m_droppedWrites = m_droppedBytes = 0;
            }
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            break;
        } else {
            // The reader has gone (EPIPE, SIGPIPE being ignored) or the file fails: nothing
            // written from now on would be read.
            m_gone = true;
            m_waiting.clear();
        }
    }
    if (m_writable)
        m_writable->setEnabled(!m_waiting.isEmpty());
}
