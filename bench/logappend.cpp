// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of appending one 64-byte piece to the receive log, by the size of the log already
// there: bench_logappend [lines|unbroken]. With "lines" the log is 64-byte lines; with
// "unbroken" it is one line that never ends, as from a line full of noise. Prints, for each
// size, the CPU time per piece of several rounds, each on a fresh window.

#include "form1.h"
#include "measure.h"
#include "receivelog.h"

#include <QApplication>
#include <QList>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QByteArray piece(bool unbroken) {
    QByteArray bytes;
    for (int i = 0; i < 64; ++i)
        bytes.append(char('!' + i));
    if (!unbroken)
        bytes.back() = '\n';
    return bytes;
}

// Microseconds of CPU per piece appended to a log of `size` bytes, a piece a millisecond, the
// window catching up with them and painting as its event loop does.
double costPerPiece(qsizetype size, bool unbroken, int count) {
    Form1 window;
    auto *log = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window never showed");
    const QByteArray filler = piece(unbroken).repeated(1024);
    for (qsizetype filled = 0; filled < size; filled += filler.size())
        ReceiveLog::append(*log,
                           QByteArrayView(filler).first(std::min(filler.size(), size - filled)));
    // Filling is not measured: let the box catch up with it first.
    QTest::qWait(500);

    const QByteArray bytes = piece(unbroken);
    const double start = Measure::cpuSeconds();
    for (int i = 0; i < count; ++i) {
        ReceiveLog::append(*log, bytes);
        QTest::qWait(1);
    }
    return (Measure::cpuSeconds() - start) / count * 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool unbroken = argc > 1 && std::strcmp(argv[1], "unbroken") == 0;
    const QList<qsizetype> sizes = unbroken
                                       ? QList<qsizetype>{1 << 10, 64 << 10, 256 << 10, 1 << 20}
                                       : QList<qsizetype>{1 << 10, 64 << 10, 1 << 20, 16 << 20};
    constexpr int rounds = 5;
    for (qsizetype size : sizes) {
        QList<double> costs;
        for (int round = 0; round < rounds; ++round)
            costs << costPerPiece(size, unbroken, unbroken ? 1000 : 200);
        std::sort(costs.begin(), costs.end());
        std::printf("%s log of %lld KiB: %.1f us per piece (min %.1f, max %.1f)\n",
                    unbroken ? "unbroken" : "lines", size >> 10, costs[rounds / 2], costs.front(),
                    costs.back());
        std::fflush(stdout);
    }
    return 0;
}
