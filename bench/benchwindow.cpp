// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"

#include "commcontrol.h"

#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

BenchWindow::BenchWindow()
    : m_log(m_window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"))) {
    auto *port = m_window.findChild<CommControl *>(QStringLiteral("Comm1"));
    port->mapPort(5, m_line.devicePath());
    m_window.show();
    if (!QTest::qWaitForWindowExposed(&m_window))
        qFatal("the window never showed");
    m_window.findChild<QPushButton *>(QStringLiteral("Connect"))->click();
    m_initialLength = m_log->document()->characterCount();
    connect(port, &CommControl::OnComm, this, [this] { ++m_pieces; });
    // The pieces reach the box once a frame.
    connect(m_log, &QPlainTextEdit::textChanged, this, [this] {
        m_allReceived = m_log->document()->characterCount() - m_initialLength - m_pieces ==
                        m_lines * LineLength;
    });
}

BenchWindow::~BenchWindow() {
    if (m_writer > 0) {
        ::kill(m_writer, SIGTERM);
        ::waitpid(m_writer, nullptr, 0);
    }
}

void BenchWindow::fillLine(char *line, qint64 n) {
    std::snprintf(line, 10, "%08llx:", static_cast<unsigned long long>(n));
    for (int i = 9; i < LineLength - 1; ++i)
        line[i] = char('a' + (n + i) % 26);
    line[LineLength - 1] = '\n';
}

void BenchWindow::prepareWriter(qint64 lines, double linesPerSecond) {
    m_lines = lines;
    int go[2];
    if (::pipe(go) != 0)
        qFatal("no pipe");
    m_writer = ::fork();
    if (m_writer != 0) {
        ::close(go[0]);
        m_go = go[1];
        return;
    }
    // The writer: system calls only, and a buffer on the stack.
    ::close(go[1]);
    char started = 0;
    if (::read(go[0], &started, 1) != 1)
        ::_exit(1);
    char buffer[64 * LineLength];
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    const long interval = linesPerSecond > 0 ? long(1e9 / linesPerSecond) : 0;
    for (qint64 n = 0; n < lines;) {
        int count = 0;
        do
            fillLine(buffer + LineLength * count++, n++);
        while (interval == 0 && count < 64 && n < lines);
        if (!m_line.write(QByteArray::fromRawData(buffer, qsizetype(count) * LineLength)))
            ::_exit(1);
        if (interval > 0) {
            next.tv_nsec += interval;
            next.tv_sec += next.tv_nsec / 1000000000;
            next.tv_nsec %= 1000000000;
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
    }
    ::_exit(0);
}

void BenchWindow::start() {
    if (::write(m_go, "g", 1) != 1)
        qFatal("the writer is gone");
    ::close(m_go);
}

void BenchWindow::receiveAll() {
    while (!m_allReceived)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool BenchWindow::isComplete() const {
    QString expected = QStringLiteral("Text1");
    expected.reserve(qsizetype(m_lines * LineLength) + 5);
    char line[LineLength];
    for (qint64 n = 0; n < m_lines; ++n) {
        fillLine(line, n);
        expected += QLatin1String(line, LineLength);
    }
    QString shown = m_log->toPlainText();
    // Each piece starts with one blank; the lines hold none.
    return shown.count(QLatin1Char(' ')) == m_pieces && shown.remove(QLatin1Char(' ')) == expected;
}
