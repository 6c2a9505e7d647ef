// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandtable.h"

AtResponse CommandTable::execute(const AtCommand &command) const {
    const auto entry = m_entries.constFind(command.name);
    if (entry == m_entries.constEnd())
        return AtResponse::error();
    const Handler *handler = nullptr;
    switch (command.form) {
    case AtCommand::Form::Test:
        handler = &entry->test;
        break;
    case AtCommand::Form::Query:
        handler = &entry->read;
        break;
    case AtCommand::Form::Set:
        handler = &entry->set;
        break;
    case AtCommand::Form::Action:
        handler = &entry->action;
        break;
    }
    if (!*handler)
        return AtResponse::error();
    if (command.form != AtCommand::Form::Test && entry->sim != Sim::NotNeeded && m_simGuard) {
        if (const auto refusal = m_simGuard(entry->sim))
            return *refusal;
    }
    return (*handler)(command);
}

CommandTable::Handler CommandTable::answer(const QByteArray &line) {
    return [line](const AtCommand &) { return AtResponse::text(line); };
}

CommandTable::Handler CommandTable::exists() {
    return [](const AtCommand &) { return AtResponse::ok(); };
}

CommandTable::Handler CommandTable::value(int &setting, int minimum, int maximum) {
    return [&setting, minimum, maximum](const AtCommand &command) {
        const auto value = AtParameter::number(command.value, minimum, maximum);
        if (!value)
            return AtResponse::error();
        setting = *value;
        return AtResponse::ok();
    };
}

CommandTable::Handler CommandTable::flag(bool &setting) {
    return [&setting](const AtCommand &command) {
        const auto value = AtParameter::number(command.value, 0, 1);
        if (!value)
            return AtResponse::error();
        setting = *value == 1;
        return AtResponse::ok();
    };
}
