// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandtable.h"

void CommandTable::add(const QByteArray &name, const Entry &entry) {
    m_entries.insert(name, entry);
}

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
    return *handler ? (*handler)(command) : AtResponse::error();
}

void CommandTable::guard(const QByteArrayList &names, const Guard &guard) {
    for (const QByteArray &name : names) {
        const auto entry = m_entries.find(name);
        Q_ASSERT(entry != m_entries.end());
        for (Handler *handler : {&entry->read, &entry->set, &entry->action}) {
            if (*handler) {
                *handler = [guard, guarded = *handler](const AtCommand &command) {
                    if (const auto refusal = guard())
                        return *refusal;
                    return guarded(command);
                };
            }
        }
    }
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
