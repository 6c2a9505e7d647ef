// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <variant>

// What modempad-demo's command line asks for, with the settings the window starts with.
struct DemoOptions {
    // The port box's initial text, so that Connect reaches the simulated modem untouched.
    static constexpr qint16 SimulatedPort = 5;

    bool autopilot = false;
    bool paced = false;
    // More port numbers and the devices behind them, from --port N=PATH.
    QMap<qint16, QString> ports;
    Settings settings;

    // What the program prints instead of starting, and the status it then ends with: 0 for the
    // help or the version, on standard output; 2 for a mistake, on standard error.
    struct Exit {
        int status;
        QString text;
    };

    // Reads `arguments` (the program's name first) before any QApplication exists, so that the
    // help, the version and a mistake need no display; Qt's own options are taken unseen and
    // left for QApplication. A QCoreApplication with the translators installed makes them speak
    // the user's language.
    static std::variant<DemoOptions, Exit> parse(const QStringList &arguments);
};
