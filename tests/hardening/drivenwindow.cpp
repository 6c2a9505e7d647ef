// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drivenwindow.h"

#include <QDeadlineTimer>

DrivenWindow::DrivenWindow(qint16 port, const QString &device) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(FORMDRIVER_PATH),
                    {QStringLiteral("%1=%2").arg(port).arg(device)});
    m_ready = !answer("ready").isEmpty();
}

DrivenWindow::~DrivenWindow() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void DrivenWindow::send(const QByteArray &line) {
    m_process.write(line + '\n');
}

QByteArray DrivenWindow::command(const QByteArray &line, const QByteArray &expected) {
    send(line);
    return answer(expected);
}

QByteArray DrivenWindow::answer(const QByteArray &expected) {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        qsizetype end = 0;
        while ((end = m_lines.indexOf('\n')) >= 0) {
            QByteArray line = m_lines.left(end);
            m_lines.remove(0, end + 1);
            if (line.startsWith("box ") && m_boxText.isEmpty())
                m_boxText = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(4)));
            if (line.startsWith(expected))
                return line;
        }
        if (m_process.state() == QProcess::NotRunning && m_process.bytesAvailable() == 0)
            break;
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        m_lines += m_process.readAllStandardOutput();
    }
    return {};
}

QString DrivenWindow::logText() {
    const QByteArray line = command("log", "log ");
    return QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(4)));
}

int DrivenWindow::exitStatus() {
    if (!m_process.waitForFinished(10000) || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}
