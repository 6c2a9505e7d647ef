// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atcommand.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c));
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c));
}

// Spaces between the commands and parameters of a line mean nothing to a DCE; inside a string they
// do.
QByteArray withoutSpaces(const QByteArray &line) {
    QByteArray result;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        if (quoted || c != ' ')
            result.append(c);
    }
    return result;
}

} // namespace

QList<QByteArray> AtCommand::arguments() const {
    QList<QByteArray> result{QByteArray()};
    bool quoted = false;
    for (const char c : value) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted)
            result.append(QByteArray());
        else
            result.last().append(c);
    }
    return result;
}

namespace AtParameter {

std::optional<int> number(const QByteArray &argument, int minimum, int maximum, int omitted) {
    if (!argument.isEmpty() &&
        (argument.size() > 5 || !std::all_of(argument.begin(), argument.end(), isDigit)))
        return std::nullopt;
    const int value = argument.isEmpty() ? omitted : argument.toInt();
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<int> required(const QByteArray &argument, int minimum, int maximum) {
    if (argument.isEmpty())
        return std::nullopt;
    return number(argument, minimum, maximum);
}

std::optional<QByteArray> string(const QByteArray &argument) {
    if (argument.startsWith('"')) {
        if (argument.size() < 2 || !argument.endsWith('"'))
            return std::nullopt;
        return argument.mid(1, argument.size() - 2);
    }
    if (argument.contains('"'))
        return std::nullopt;
    return argument;
}

bool isDialString(const QString &address) {
    // Anchored whole: "$" alone would also match before a final line feed, which a number in
    // UCS2 can carry.
    static const QRegularExpression Pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("\\+?[0-9*#]{1,20}")));
    return Pattern.match(address).hasMatch();
}

} // namespace AtParameter

std::optional<QList<AtCommand>> AtCommand::parseLine(const QByteArray &line) {
    const QByteArray text = withoutSpaces(line);
    const auto digitsFrom = [&text](qsizetype at) {
        qsizetype end = at;
        while (end < text.size() && isDigit(text.at(end)))
            ++end;
        return text.mid(at, end - at);
    };
    QList<AtCommand> commands;
    qsizetype at = 0;
    while (at < text.size()) {
        AtCommand command;
        const char c = char(std::toupper(static_cast<unsigned char>(text.at(at))));
        if (c == ';') {
            // Ends an extended command; many modems also take it between basic ones.
            ++at;
            continue;
        }
        if (c == '+') {
            const qsizetype start = at++;
            while (at < text.size() && (isLetter(text.at(at)) || isDigit(text.at(at))))
                ++at;
            command.name = text.mid(start, at - start).toUpper();
            if (command.name.size() < 2)
                return std::nullopt;
            if (text.mid(at, 2) == "=?") {
                command.form = Form::Test;
                at += 2;
            } else if (text.mid(at, 1) == "?") {
                command.form = Form::Query;
                ++at;
            } else if (text.mid(at, 1) == "=") {
                command.form = Form::Set;
                const qsizetype valueStart = ++at;
                bool quoted = false;
                while (at < text.size() && (quoted || text.at(at) != ';')) {
                    if (text.at(at) == '"')
                        quoted = !quoted;
                    ++at;
                }
                if (quoted)
                    return std::nullopt;
                command.value = text.mid(valueStart, at - valueStart);
            }
            if (at < text.size() && text.at(at) != ';')
                return std::nullopt;
        } else if (c == 'D') {
            // A dial string runs to the end of the line (V.250 6.3.1).
            command.name = "D";
            command.value = text.mid(at + 1);
            at = text.size();
        } else if (c == 'S') {
            // An S-parameter: its number is part of its name.
            const QByteArray number = digitsFrom(at + 1);
            if (number.isEmpty())
                return std::nullopt;
            command.name = 'S' + QByteArray::number(number.toInt());
            at += 1 + number.size();
            if (text.mid(at, 1) == "?") {
                command.form = Form::Query;
                ++at;
            } else if (text.mid(at, 1) == "=") {
                command.form = Form::Set;
                command.value = digitsFrom(++at);
                at += command.value.size();
            } else {
                return std::nullopt;
            }
        } else if (c == '&' || isLetter(c)) {
            const qsizetype start = at;
            at += c == '&' ? 2 : 1;
            if (at > text.size() || !isLetter(text.at(at - 1)))
                return std::nullopt;
            command.name = text.mid(start, at - start).toUpper();
            command.value = digitsFrom(at);
            at += command.value.size();
        } else {
            return std::nullopt;
        }
        commands.append(command);
    }
    return commands;
}
