// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One command of an AT command line (ITU-T V.250): a basic command such as "E0" or "&C1", an
// S-parameter such as "S7=60" or "S3?", or an extended command such as "+CMGF=0", "+CMGF?" or
// "+CMGF=?".
struct AtCommand {
    enum class Form { Action, Query, Test, Set };

    // Upper case: "E", "&F", "S7", "+CMGF".
    QByteArray name;
    // A basic command is always an action; an S-parameter is read or set.
    Form form = Form::Action;
    // The digits after a basic command or "S7=", or everything after "=" of an extended one.
    QByteArray value;

    // The comma separated parameters of value, still quoted where they were.
    QList<QByteArray> arguments() const;

    // Splits what follows "AT" on a command line; nothing when the line breaks the syntax.
    static std::optional<QList<AtCommand>> parseLine(const QByteArray &line);
};

// Reading one parameter of a command.
namespace AtParameter {

// A number within [minimum, maximum]; an omitted one takes its default, which must be within
// them too (V.250 takes an omitted S-parameter value as 0, which S7 does not allow).
std::optional<int> number(const QByteArray &argument, int minimum, int maximum, int omitted = 0);
// The same, but one that must be given.
std::optional<int> required(const QByteArray &argument, int minimum, int maximum);

// A string, in quotes as TS 27.007 writes them or bare as many modems take them.
std::optional<QByteArray> string(const QByteArray &argument);

// A phone number as commands take one: up to 20 digits, "*" and "#", after a "+" for an
// international number.
bool isDialString(const QString &address);

} // namespace AtParameter
