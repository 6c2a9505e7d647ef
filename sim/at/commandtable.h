// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "atcommand.h"
#include "atresponse.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>

#include <functional>
#include <optional>

// The modem's commands: from a name to what answers each of its forms. Each group of commands
// adds its own entries; a form without a handler, or a name without an entry, answers ERROR.
class CommandTable {
public:
    using Handler = std::function<AtResponse(const AtCommand &)>;
    // What a command answers instead of running, such as an error while the SIM is locked; nothing
    // lets it run.
    using Guard = std::function<std::optional<AtResponse>()>;

    struct Entry {
        Handler test = {};   // AT+X=?
        Handler read = {};   // AT+X? and ATSn?
        Handler set = {};    // AT+X=... and ATSn=...
        Handler action = {}; // AT+X, and every basic command
    };

    void add(const QByteArray &name, const Entry &entry);
    AtResponse execute(const AtCommand &command) const;
    // Puts the guard before every form of the named commands but their test form, which says
    // only that a command exists.
    void guard(const QByteArrayList &names, const Guard &guard);

    // A handler that answers with one fixed line, as test forms mostly do.
    static Handler answer(const QByteArray &line);
    // A test form that only says the command exists.
    static Handler exists();
    // A setting turned off by 0 and on by 1, as ATE, ATV and AT+CMGF have it.
    static Handler flag(bool &setting);
    // A setting that takes a number within [minimum, maximum], as AT&D and AT+CREG have it.
    static Handler value(int &setting, int minimum, int maximum);

private:
    QHash<QByteArray, Entry> m_entries;
};
