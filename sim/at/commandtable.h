// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "atcommand.h"
#include "atresponse.h"

#include <QByteArray>
#include <QHash>

#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

// The modem's commands: from a name to what answers each of its forms. Each group of commands
// declares its own in a table of rows; a form without a handler, or a name without an entry,
// answers ERROR.
class CommandTable {
public:
    using Handler = std::function<AtResponse(const AtCommand &)>;

    // Whether a command needs the SIM to be ready, and the family of error it answers with
    // while the SIM is not: the general commands of 27.007 +CME ERROR, those of 27.005 +CMS ERROR.
    enum class Sim { NotNeeded, Equipment, Message };
    // What a command that needs the SIM answers instead of running; nothing lets it run.
    using SimGuard = std::function<std::optional<AtResponse>(Sim)>;

    // One form of a command: a member function of the group that declares it, or a ready-made
    // handler such as answer() gives.
    template<class Group> class Form {
    public:
        Form() = default;
        template<class Member>
        requires std::is_member_function_pointer_v<Member> Form(Member member)
            : m_call(member) {}
        Form(Handler handler)
            : m_call([handler](Group *, const AtCommand &command) { return handler(command); }) {}

        Handler bind(Group *group) const {
            if (!m_call)
                return {};
            return
                [call = m_call, group](const AtCommand &command) { return call(group, command); };
        }

    private:
        std::function<AtResponse(Group *, const AtCommand &)> m_call;
    };

    template<class Group> struct Row {
        QByteArray name;
        Form<Group> test = {};   // AT+X=?
        Form<Group> read = {};   // AT+X? and ATSn?
        Form<Group> set = {};    // AT+X=... and ATSn=...
        Form<Group> action = {}; // AT+X, and every basic command
        Sim sim = Sim::NotNeeded;
    };

    template<class Group, std::size_t N> void add(Group *group, const Row<Group> (&rows)[N]) {
        for (const Row<Group> &row : rows) {
            m_entries.insert(row.name, {row.test.bind(group), row.read.bind(group),
                                        row.set.bind(group), row.action.bind(group), row.sim});
        }
    }

    // Asked before every form but the test form, which says only that a command exists, of each
    // command that needs the SIM.
    void setSimGuard(const SimGuard &guard) { m_simGuard = guard; }

    AtResponse execute(const AtCommand &command) const;

    // A handler that answers with one fixed line, as test forms mostly do.
    static Handler answer(const QByteArray &line);
    // A test form that only says the command exists.
    static Handler exists();
    // A setting turned off by 0 and on by 1, as ATE, ATV and AT+CMGF have it.
    static Handler flag(bool &setting);
    // A setting that takes a number within [minimum, maximum], as AT&D and AT+CREG have it.
    static Handler value(int &setting, int minimum, int maximum);

private:
    struct Entry {
        Handler test;
        Handler read;
        Handler set;
        Handler action;
        Sim sim;
    };

    QHash<QByteArray, Entry> m_entries;
    SimGuard m_simGuard;
};
