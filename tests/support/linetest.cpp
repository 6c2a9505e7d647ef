// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linetest.h"

#include "pseudoterminal.h"

#include <QTest>

namespace LineTest {

QByteArray readBytes(PseudoTerminal &line, qsizetype count) {
    QByteArray received;
    // The caller compares what came; a short read shows there.
    (void)QTest::qWaitFor([&] {
        received += line.readAll();
        return received.size() >= count;
    });
    return received;
}

} // namespace LineTest
