// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// A script of the control language, read whole and checked before any line of it plays, so that
// a mistake shows at once rather than halfway through a scenario. Only a regular file of a
// bounded size is read: a device such as /dev/zero never ends, and a script is a person's
// writing, not a stream.
namespace ControlScript {

// A day's scenario takes a few kilobytes; the bound keeps what is held small.
constexpr qint64 MaxBytes = 1024 * 1024;
// As on standard input: no line of the language needs more.
constexpr qint64 MaxLineBytes = 64 * 1024;

struct Script {
    QStringList lines;
    // The file and the line of the first fault, and what it is; empty when all can play.
    QString error;
};

// Lines may name modems 1 to `modems` with @K.
Script read(const QString &path, int modems = 1);

} // namespace ControlScript
