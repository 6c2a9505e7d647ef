// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// One command of an AT command line (ITU-T V.250): a basic command such as "E0" or an
// extended one such as "+CMGF=0", "+CMGF?" or "+CMGF=?".
struct AtCommand {
    enum class Form { Action, Query, Test, Set };

    // Upper case: "E", "Z", "+CMGF".
    QByteArray name;
    Form form = Form::Action;
    // The digits after a basic command, or everything after "=" of an extended one.
    QByteArray value;

    // The comma separated parameters of value, still quoted where they were.
    QList<QByteArray> arguments() const;

    // Splits what follows "AT" on a command line; nothing when the line breaks the syntax.
    static std::optional<QList<AtCommand>> parseLine(const QByteArray &line);
};
