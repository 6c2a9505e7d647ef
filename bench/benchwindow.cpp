// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"

#include "commcontrol.h"

#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

BenchWindow::BenchWindow(qint64 lines, double linesPerSecond)
    : m_feeder(lines, linesPerSecond)
    , m_log(m_window.findChild<QPlainTextEdit *>(QStringLiteral("Text1")))
    , m_lines(lines) {
    auto *port = m_window.findChild<CommControl *>(QStringLiteral("Comm1"));
    port->mapPort(5, QString::fromStdString(m_feeder.devicePath()));
    m_window.show();
    if (!QTest::qWaitForWindowExposed(&m_window))
        qFatal("the window never showed");
    m_window.findChild<QPushButton *>(QStringLiteral("Connect"))->click();
    m_initialLength = m_log->document()->characterCount();
    // Pieces reach the box once a frame, or inside Form1's own OnComm handler, before this one
    // has counted them, when a flood has filled the box's wait.
    const auto checkReceived = [this] {
        m_allReceived = m_log->document()->characterCount() - m_initialLength - m_pieces ==
                        m_lines * LineLength;
    };
    connect(port, &CommControl::OnComm, this, [this, checkReceived] {
        ++m_pieces;
        checkReceived();
    });
    connect(m_log, &QPlainTextEdit::textChanged, this, checkReceived);
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
        LineFeeder::fillLine(line, n);
        expected += QLatin1String(line, LineLength);
    }
    QString shown = m_log->toPlainText();
    // Each piece starts with one blank; the lines hold none.
    return shown.count(QLatin1Char(' ')) == m_pieces && shown.remove(QLatin1Char(' ')) == expected;
}
