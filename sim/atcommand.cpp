// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atcommand.h"

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

std::optional<QList<AtCommand>> AtCommand::parseLine(const QByteArray &line) {
    const QByteArray text = withoutSpaces(line);
    QList<AtCommand> commands;
    qsizetype at = 0;
    while (at < text.size()) {
        AtCommand command;
        const char c = text.at(at);
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
            if (at < text.size()) {
                if (text.at(at) != ';')
                    return std::nullopt;
                ++at;
            }
        } else if (isLetter(c)) {
            command.name = QByteArray(1, char(std::toupper(static_cast<unsigned char>(c))));
            const qsizetype start = ++at;
            while (at < text.size() && isDigit(text.at(at)))
                ++at;
            command.value = text.mid(start, at - start);
        } else {
            return std::nullopt;
        }
        commands.append(command);
    }
    return commands;
}
