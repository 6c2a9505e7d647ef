// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identity.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <variant>

class QCoreApplication;

// What modemsim's command line asks for, each value checked before anything starts.
struct ModemSimOptions {
    bool paced = false;
    // The SIM's PUK; the modem's own when empty.
    QString puk;
    // One for each modem, modem 1's first: as many as --modems asks for.
    QList<Identity> identities{Identity::first()};
    std::optional<std::chrono::milliseconds> reportDelay = std::chrono::seconds(1);
    // --pin, --network, --signal and --delay, each as the line of the control language it
    // stands for, for every modem, played as the modems start.
    QStringList startLines;
    QString scriptPath;
    QStringList script;
    // Where to answer; a new pseudo-terminal when empty.
    QString device;
    // Where --listen puts modem 1, the others on the ports after it; no port when not asked.
    QHostAddress listenHost{QHostAddress::LocalHost};
    std::optional<quint16> listenPort;

    // Reads the arguments of `app`. --help, --version and an unknown option end the program, as
    // QCommandLineParser::process() ends it; any other mistake is returned, for status 2.
    static std::variant<ModemSimOptions, QString> parse(const QCoreApplication &app);
};
