// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCommandLineParser;

// The options that QGuiApplication and QApplication take out of the arguments, as their
// documentation lists them. A program that reads its command line before QApplication exists
// takes them unseen, so that they are not reported as mistakes, and leaves them for Qt.
namespace QtOptions {

// Adds them to `parser`, listed in its help when `shown`, and has it read the one dash they are
// written with as the start of a long option.
void addTo(QCommandLineParser &parser, bool shown);

} // namespace QtOptions
