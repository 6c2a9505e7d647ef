// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

class PseudoTerminal;

namespace LineTest {

// Reads from the far end until `count` bytes have come or five seconds have passed.
QByteArray readBytes(PseudoTerminal &line, qsizetype count);

} // namespace LineTest
