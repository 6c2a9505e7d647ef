// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace LineTest {

// What the failure policy did: the text of the box it showed, closed at once as a user would,
// what a screen reader could read of the box (every name and value in its accessibility tree),
// and the status it ended the event loop with (-1: it never did).
struct Failure {
    int exitStatus = -1;
    QString message;
    QStringList readAloud;
};
Failure runUntilExit(const std::function<void()> &action, int timeoutMs = 5000);

} // namespace LineTest
